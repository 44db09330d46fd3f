#include "engine/raw_ping.h"

#include <netdb.h>
#include <sys/socket.h>
#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cstring>

#include "platform/UGenerico.h"

namespace {

// A host name as a resolver accepts it: dot-separated labels of letters, digits, "-" and "_"
// (Windows machine names may hold one), each label 1 to 63 characters, 253 in all.
bool fbNomeHostValido(const std::string& host) {
  std::string nome = host;
  if (!nome.empty() && nome.back() == '.') nome.pop_back();
  if (nome.empty() || nome.size() > 253) return false;
  std::size_t tamanhoRotulo = 0;
  for (const char c : nome) {
    if (c == '.') {
      if (tamanhoRotulo == 0) return false;
      tamanhoRotulo = 0;
      continue;
    }
    const auto u = static_cast<unsigned char>(c);
    if (!(std::isalnum(u) || c == '-' || c == '_') || u >= 0x80) return false;
    if (++tamanhoRotulo > 63) return false;
  }
  return tamanhoRotulo > 0;
}

}  // namespace

void TranslateStringToTInAddr(const std::string& host, TInAddr& endereco, std::string* motivo) {
  endereco = {0, 0, 0, 0};
  auto falha = [&](const char* texto) {
    if (motivo) *motivo = texto;
  };
  if (motivo) motivo->clear();

  in_addr numerico{};
  if (inet_pton(AF_INET, host.c_str(), &numerico) == 1 && host.find('\0') == std::string::npos) {
    std::memcpy(endereco.data(), &numerico.s_addr, 4);
    return;
  }
  if (!fbNomeHostValido(host)) return falha("Error getting HostName");

  addrinfo dicas{};
  dicas.ai_family = AF_INET;
  dicas.ai_socktype = SOCK_RAW;
  addrinfo* resultado = nullptr;
  const int erro = getaddrinfo(host.c_str(), nullptr, &dicas, &resultado);
  if (erro != 0) {
#ifdef EAI_NODATA
    if (erro == EAI_NODATA) return falha("Error getting IP from HostName");
#endif
#ifdef EAI_ADDRFAMILY
    if (erro == EAI_ADDRFAMILY) return falha("Error getting IP from HostName");
#endif
    return falha("Error getting HostName");
  }
  const addrinfo* primeiro = resultado;
  while (primeiro && primeiro->ai_family != AF_INET) primeiro = primeiro->ai_next;
  if (!primeiro || !primeiro->ai_addr) {
    freeaddrinfo(resultado);
    return falha("Error getting IP from HostName");
  }
  const auto* sin = reinterpret_cast<const sockaddr_in*>(primeiro->ai_addr);
  std::memcpy(endereco.data(), &sin->sin_addr.s_addr, 4);
  freeaddrinfo(resultado);
}

namespace {

std::atomic<TAberturaCanalIcmp> aberturaCanal{nullptr};

std::unique_ptr<TCanalIcmp> FAbreCanal() {
  const TAberturaCanalIcmp abertura = aberturaCanal.load();
  return abertura ? abertura() : FAbreCanalIcmp();
}

}  // namespace

void PDefineAberturaCanalIcmp(TAberturaCanalIcmp abertura) { aberturaCanal.store(abertura); }

THostPorta FSeparaPorta(const std::string& hostComPorta) {
  const std::size_t barra = hostComPorta.find('/');
  if (barra == std::string::npos) return {hostComPorta, kPortaFirebird};
  return {hostComPorta.substr(0, barra), hostComPorta.substr(barra + 1)};
}

std::uint16_t FNumeroPorta(const std::string& porta) {
  if (porta.empty() || porta.size() > 32) return 0;
  if (std::all_of(porta.begin(), porta.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    unsigned numero = 0;
    const auto [fim, erro] = std::from_chars(porta.data(), porta.data() + porta.size(), numero);
    if (erro != std::errc() || fim != porta.data() + porta.size() || numero == 0 ||
        numero > 65535)
      return 0;
    return static_cast<std::uint16_t>(numero);
  }
  // A service name, looked up in this machine's services list only.
  if (!std::all_of(porta.begin(), porta.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x80 && (std::isalnum(u) || c == '-' || c == '_');
      }))
    return 0;
  addrinfo dicas{};
  dicas.ai_family = AF_INET;
  dicas.ai_socktype = SOCK_STREAM;
  dicas.ai_flags = AI_NUMERICHOST | AI_PASSIVE;
  addrinfo* resultado = nullptr;
  if (getaddrinfo(nullptr, porta.c_str(), &dicas, &resultado) != 0 || !resultado) return 0;
  std::uint16_t numero = 0;
  if (resultado->ai_family == AF_INET)
    numero = ntohs(reinterpret_cast<const sockaddr_in*>(resultado->ai_addr)->sin_port);
  freeaddrinfo(resultado);
  return numero;
}

bool FHostResponde(const std::string& hostComPorta) {
  const THostPorta alvo = FSeparaPorta(hostComPorta);
  TInAddr endereco{};
  TranslateStringToTInAddr(alvo.host, endereco);
  // As in Ping: an unresolved host is 0.0.0.0, which this very machine would answer.
  if (endereco == TInAddr{0, 0, 0, 0}) return false;
  if (std::unique_ptr<TCanalIcmp> canal = FAbreCanal())
    return canal->FEnviaEco(endereco, kTempoLimitePing);

  static std::atomic<bool> avisado{false};
  if (!avisado.exchange(true))
    TGenerico::PGeraLog(
        "Não foi possível abrir um socket ICMP para verificar os caixas: a verificação passa a "
        "ser uma conexão TCP à porta do banco de dados, no mesmo tempo limite. Para usar o ping, " +
        FComoPermitirIcmp() + ".");
  const std::uint16_t porta = FNumeroPorta(alvo.porta);
  if (porta == 0) return false;
  return FSondaTcp(endereco, porta, kTempoLimitePing);
}

bool Ping(const std::string& host) {
  std::unique_ptr<TCanalIcmp> canal = FAbreCanalIcmp();
  if (!canal) return false;
  TInAddr endereco{};
  TranslateStringToTInAddr(host, endereco);
  // 0.0.0.0 is what a failed resolution leaves; Linux delivers an echo sent there to this very
  // machine, so it is never sent.
  if (endereco == TInAddr{0, 0, 0, 0}) return false;
  return canal->FEnviaEco(endereco, kTempoLimitePing);
}
