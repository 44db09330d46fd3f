#include "engine/UTravaFirebird.h"

#include <cstdlib>
#include <system_error>

#include "firebird/LockDirectory.h"

std::filesystem::path FPastaTravaDaConfiguracao(const std::filesystem::path& arquivoIni) {
  std::error_code ec;
  const std::filesystem::path absoluto = std::filesystem::absolute(arquivoIni, ec);
  return (ec ? arquivoIni : absoluto).lexically_normal().parent_path() / kPastaTravaFirebird;
}

void PAplicaTravaDaConfiguracao(const std::filesystem::path& arquivoIni) {
  if (const char* escolhida = std::getenv("FIREBIRD_LOCK"); escolhida && *escolhida) return;
  const std::filesystem::path pasta = FPastaTravaDaConfiguracao(arquivoIni);
  std::error_code ec;
  if (std::filesystem::is_directory(pasta, ec)) fb::useLockDirectory(pasta);
}
