#pragma once
// SIGTERM and SIGINT (a session ending, a service manager, Ctrl+C) become a request to close the
// program in order. The signal handler only writes one byte to a pipe; the main thread reads it
// through its event loop and closes the window as "Sair" does. Before the event loop runs (the
// database service wait at start-up), the wait itself watches the pipe.
#include <chrono>
#include <functional>

class QObject;

class TSinaisEncerramento {
 public:
  // Installs the handlers (once per process).
  static void PInstala();
  // Whether a signal has arrived since PInstala.
  static bool fbRecebido();
  // Waits `tempo`, returning early (true) when a signal arrives.
  static bool fbAguarda(std::chrono::milliseconds tempo);
  // From now on each signal calls `aoReceber` on the main thread (`contexto`'s thread), at once
  // if one arrived before.
  static void PConecta(QObject* contexto, std::function<void()> aoReceber);
};
