#include "app/USinaisEncerramento.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace {
int par[2] = {-1, -1};
std::atomic<bool> recebido{false};

void PTrataSinal(int) {
  const int erroAnterior = errno;
  recebido = true;
  const char byte = 1;
  [[maybe_unused]] const auto n = ::write(par[0], &byte, 1);
  errno = erroAnterior;
}
}  // namespace

void TSinaisEncerramento::PInstala() {
  if (par[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, par) != 0) return;
  struct sigaction acao {};
  acao.sa_handler = PTrataSinal;
  sigemptyset(&acao.sa_mask);
  acao.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &acao, nullptr);
  ::sigaction(SIGINT, &acao, nullptr);
}

bool TSinaisEncerramento::fbRecebido() { return recebido; }

bool TSinaisEncerramento::fbAguarda(std::chrono::milliseconds tempo) {
  using relogio = std::chrono::steady_clock;
  const auto fim = relogio::now() + tempo;
  while (!recebido) {
    const auto resta =
        std::chrono::duration_cast<std::chrono::milliseconds>(fim - relogio::now()).count();
    if (resta <= 0) return false;
    if (par[1] < 0) {
      ::usleep(static_cast<useconds_t>(std::min<long long>(resta, 100) * 1000));
      continue;
    }
    pollfd p{par[1], POLLIN, 0};
    ::poll(&p, 1, static_cast<int>(std::min<long long>(resta, 1000)));
  }
  return true;
}

void TSinaisEncerramento::PConecta(QObject* contexto, std::function<void()> aoReceber) {
  if (par[1] < 0) return;
  auto* aviso = new QSocketNotifier(par[1], QSocketNotifier::Read, contexto);
  QObject::connect(aviso, &QSocketNotifier::activated, contexto, [aoReceber] {
    char lixo[64];
    while (::read(par[1], lixo, sizeof lixo) > 0) {
    }
    aoReceber();
  });
  if (recebido) QTimer::singleShot(0, contexto, aoReceber);
}
