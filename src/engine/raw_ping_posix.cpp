// The POSIX side of the ICMP channel. Built everywhere but Windows.
#ifndef _WIN32
#include "engine/raw_ping_posix.h"

#include <limits.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr std::uint8_t kEcoPedido = 8;   // ICMP echo request
constexpr std::uint8_t kEcoResposta = 0; // ICMP echo reply
constexpr std::size_t kTamanhoCabecalhoIcmp = 8;
constexpr std::size_t kTamanhoBufferResposta = 128;

std::uint16_t FSomaVerificacao(const std::uint8_t* dados, std::size_t tamanho) {
  std::uint32_t soma = 0;
  for (std::size_t i = 0; i + 1 < tamanho; i += 2) soma += (dados[i] << 8) | dados[i + 1];
  if (tamanho % 2) soma += dados[tamanho - 1] << 8;
  while (soma >> 16) soma = (soma & 0xFFFF) + (soma >> 16);
  return static_cast<std::uint16_t>(~soma);
}

// Every request of this process gets its own sequence number, so a late reply to an earlier
// request is never taken for the reply to the current one.
std::uint16_t FProximaSequencia() {
  static std::atomic<std::uint16_t> sequencia{0};
  return ++sequencia;
}

class TCanalIcmpPosix final : public TCanalIcmp {
 public:
  TCanalIcmpPosix(int descritor, TTipoSocketIcmp tipo) : descritor_(descritor), tipo_(tipo) {}
  ~TCanalIcmpPosix() override { ::close(descritor_); }
  TCanalIcmpPosix(const TCanalIcmpPosix&) = delete;
  TCanalIcmpPosix& operator=(const TCanalIcmpPosix&) = delete;

  bool FEnviaEco(const TInAddr& destino, std::chrono::milliseconds tempoLimite) override {
    // A raw socket sees every ICMP message of the machine: the identifier tells ours apart. A
    // datagram socket gets its identifier from the kernel, which only hands it its own replies.
    const auto identificador = static_cast<std::uint16_t>(::getpid() & 0xFFFF);
    const std::uint16_t sequencia = FProximaSequencia();

    std::uint8_t pedido[kTamanhoCabecalhoIcmp] = {};
    pedido[0] = kEcoPedido;
    pedido[4] = static_cast<std::uint8_t>(identificador >> 8);
    pedido[5] = static_cast<std::uint8_t>(identificador & 0xFF);
    pedido[6] = static_cast<std::uint8_t>(sequencia >> 8);
    pedido[7] = static_cast<std::uint8_t>(sequencia & 0xFF);
    const std::uint16_t soma = FSomaVerificacao(pedido, sizeof pedido);
    pedido[2] = static_cast<std::uint8_t>(soma >> 8);
    pedido[3] = static_cast<std::uint8_t>(soma & 0xFF);

    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    std::memcpy(&endereco.sin_addr.s_addr, destino.data(), 4);
    if (::sendto(descritor_, pedido, sizeof pedido, 0, reinterpret_cast<sockaddr*>(&endereco),
                 sizeof endereco) != static_cast<ssize_t>(sizeof pedido))
      return false;

    const auto prazo = std::chrono::steady_clock::now() + tempoLimite;
    for (;;) {
      const auto restante = std::chrono::duration_cast<std::chrono::milliseconds>(
          prazo - std::chrono::steady_clock::now());
      if (restante.count() <= 0) return false;
      pollfd p{descritor_, POLLIN, 0};
      const int pronto = ::poll(&p, 1, static_cast<int>(restante.count()) + 1);
      if (pronto < 0 && errno == EINTR) continue;
      if (pronto <= 0) return false;
      if (!(p.revents & POLLIN)) return false;

      std::uint8_t resposta[kTamanhoBufferResposta];
      sockaddr_in origem{};
      socklen_t tamanhoOrigem = sizeof origem;
      const ssize_t lidos = ::recvfrom(descritor_, resposta, sizeof resposta, MSG_DONTWAIT,
                                       reinterpret_cast<sockaddr*>(&origem), &tamanhoOrigem);
      if (lidos < 0) {
        if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
        return false;
      }
      if (std::memcmp(&origem.sin_addr.s_addr, destino.data(), 4) != 0) continue;
      if (fbEhNossaResposta(resposta, static_cast<std::size_t>(lidos), identificador, sequencia))
        return true;
    }
  }

 private:
  bool fbEhNossaResposta(const std::uint8_t* dados, std::size_t tamanho,
                         std::uint16_t identificador, std::uint16_t sequencia) const {
    if (tipo_ == TTipoSocketIcmp::Bruto) {
      // A raw socket delivers the IP header in front of the ICMP message.
      if (tamanho < 20) return false;
      const std::size_t cabecalhoIp = static_cast<std::size_t>(dados[0] & 0x0F) * 4;
      if (cabecalhoIp < 20 || tamanho < cabecalhoIp + kTamanhoCabecalhoIcmp) return false;
      dados += cabecalhoIp;
      tamanho -= cabecalhoIp;
    } else if (tamanho < kTamanhoCabecalhoIcmp) {
      return false;
    }
    if (dados[0] != kEcoResposta) return false;
    const auto seq = static_cast<std::uint16_t>((dados[6] << 8) | dados[7]);
    if (seq != sequencia) return false;
    if (tipo_ == TTipoSocketIcmp::Datagrama) return true;
    const auto id = static_cast<std::uint16_t>((dados[4] << 8) | dados[5]);
    return id == identificador;
  }

  int descritor_;
  TTipoSocketIcmp tipo_;
};

}  // namespace

std::unique_ptr<TCanalIcmp> FAbreCanalIcmpPosix(TTipoSocketIcmp tipo) {
  const int descritor = ::socket(AF_INET, (tipo == TTipoSocketIcmp::Datagrama ? SOCK_DGRAM
                                                                               : SOCK_RAW) |
                                              SOCK_CLOEXEC,
                                 IPPROTO_ICMP);
  if (descritor < 0) return nullptr;
  return std::make_unique<TCanalIcmpPosix>(descritor, tipo);
}

std::unique_ptr<TCanalIcmp> FAbreCanalIcmp() {
  if (auto canal = FAbreCanalIcmpPosix(TTipoSocketIcmp::Datagrama)) return canal;
  return FAbreCanalIcmpPosix(TTipoSocketIcmp::Bruto);
}

std::string FComoPermitirIcmp() {
  std::array<char, PATH_MAX> programa{};
  const ssize_t n = ::readlink("/proc/self/exe", programa.data(), programa.size() - 1);
  const std::string caminho = n > 0 ? std::string(programa.data(), static_cast<std::size_t>(n))
                                    : std::string("<programa>");
  const std::string grupo = std::to_string(::getgid());
  return "dê ao programa a capacidade cap_net_raw (setcap cap_net_raw+ep " + caminho +
         ") ou admita o grupo " + grupo +
         " aos sockets ICMP de datagrama (sysctl net.ipv4.ping_group_range=\"" + grupo + " " +
         grupo + "\")";
}

bool FSondaTcp(const TInAddr& destino, std::uint16_t porta, std::chrono::milliseconds tempoLimite) {
  const int descritor = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (descritor < 0) return false;
  sockaddr_in endereco{};
  endereco.sin_family = AF_INET;
  endereco.sin_port = htons(porta);
  std::memcpy(&endereco.sin_addr.s_addr, destino.data(), 4);
  bool responde = false;
  if (::connect(descritor, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) == 0) {
    responde = true;
  } else if (errno == ECONNREFUSED) {
    responde = true;
  } else if (errno == EINPROGRESS) {
    const auto prazo = std::chrono::steady_clock::now() + tempoLimite;
    for (;;) {
      const auto restante = std::chrono::duration_cast<std::chrono::milliseconds>(
          prazo - std::chrono::steady_clock::now());
      if (restante.count() <= 0) break;
      pollfd p{descritor, POLLOUT, 0};
      const int pronto = ::poll(&p, 1, static_cast<int>(restante.count()) + 1);
      if (pronto < 0 && errno == EINTR) continue;
      if (pronto <= 0) break;
      int erro = 0;
      socklen_t tamanho = sizeof erro;
      if (::getsockopt(descritor, SOL_SOCKET, SO_ERROR, &erro, &tamanho) != 0) break;
      responde = erro == 0 || erro == ECONNREFUSED;
      break;
    }
  }
  ::close(descritor);
  return responde;
}

#endif  // _WIN32
