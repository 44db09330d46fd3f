// The host of a database path: "host:path", "host/port:path", "\\host\share:path", or a local
// path (nothing, or a drive letter, before the first colon) that has no host.
// - No colon, or fewer than two characters before the first one: no host.
// - Otherwise the host is part of the text before the first colon and holds no colon and no
//   backslash; without a backslash there it is that whole text, and after a leading "\\" it is
//   what stands before the next backslash.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/UBancoDados.h"

namespace {

[[noreturn]] void PFalha(const char* oque, const std::string& caminho, const std::string& host) {
  std::fprintf(stderr, "%s: [%s] -> [%s]\n", oque, caminho.c_str(), host.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string caminho(reinterpret_cast<const char*>(dados), tamanho);
  const std::string host = FRetornaHost(caminho);
  if (FRetornaHost(caminho) != host) PFalha("resultado muda de uma chamada para outra", caminho, host);
  const auto doisPontos = caminho.find(':');
  if (doisPontos == std::string::npos || doisPontos < 2) {
    if (!host.empty()) PFalha("caminho local com host", caminho, host);
    return 0;
  }
  if (host.find_first_of(":\\") != std::string::npos)
    PFalha("host com dois-pontos ou barra invertida", caminho, host);
  const std::string antes = caminho.substr(0, doisPontos);
  if (antes.find(host) == std::string::npos)
    PFalha("host que não está no texto antes dos dois-pontos", caminho, host);
  // The ordinary forms: host:path and host/port:path give the whole text before the colon.
  if (antes.find('\\') == std::string::npos && host != antes)
    PFalha("host:caminho sem o host inteiro", caminho, host);
  // The named-pipe form: \\host\share:path gives what stands between the leading "\\" and the
  // next backslash.
  if (antes.starts_with("\\\\")) {
    const std::string resto = antes.substr(2);
    if (host != resto.substr(0, resto.find('\\')))
      PFalha("\\\\host\\pasta sem o host", caminho, host);
  }
  return 0;
}
