#pragma once
// Advisory whole-file locks (flock) shared by the configuration file, the activity log and the
// single-instance check. A flock belongs to one open file description: two threads that open the
// same file separately exclude each other, and the kernel drops the lock when the process dies.
#include <chrono>

// Takes an exclusive lock on the open descriptor, trying until the deadline passes. Returns false
// when the lock could not be had in time (or the descriptor does not support locks), so a holder
// that never lets go cannot keep the caller waiting for ever.
bool fbTravaComPrazo(int descritor, std::chrono::milliseconds prazo);

// One attempt, without waiting. False when another open description holds the lock.
bool fbTentaTravar(int descritor);
