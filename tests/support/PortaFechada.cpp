#include "support/PortaFechada.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

TPortaFechada::TPortaFechada() {
  descritor_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (descritor_ < 0) throw std::runtime_error("socket failed");
  sockaddr_in endereco{};
  endereco.sin_family = AF_INET;
  endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t tamanho = sizeof endereco;
  if (::bind(descritor_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
      ::getsockname(descritor_, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0) {
    ::close(descritor_);
    throw std::runtime_error("bind to 127.0.0.1 failed");
  }
  porta_ = ntohs(endereco.sin_port);
}

TPortaFechada::~TPortaFechada() { ::close(descritor_); }
