#include "engine/raw_ping.h"

#include <netdb.h>
#include <sys/socket.h>
#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <cctype>
#include <cstring>

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
