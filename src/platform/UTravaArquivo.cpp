#include "platform/UTravaArquivo.h"

#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <thread>

bool fbTentaTravar(int descritor) {
  while (::flock(descritor, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool fbTravaComPrazo(int descritor, std::chrono::milliseconds prazo) {
  const auto limite = std::chrono::steady_clock::now() + prazo;
  auto pausa = std::chrono::microseconds(200);
  for (;;) {
    if (::flock(descritor, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return false;
    if (std::chrono::steady_clock::now() >= limite) return false;
    std::this_thread::sleep_for(pausa);
    pausa = std::min<std::chrono::microseconds>(pausa * 2, std::chrono::milliseconds(20));
  }
}
