#include "platform/UPastaPrograma.h"

#include <mutex>
#include <optional>
#include <system_error>

namespace {
std::mutex guarda;
std::optional<std::filesystem::path> pastaDefinida;
}  // namespace

std::filesystem::path FPastaExecutavel() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return exe.parent_path();
}

std::filesystem::path FPastaPrograma() {
  {
    std::lock_guard trava(guarda);
    if (pastaDefinida) return *pastaDefinida;
  }
  return FPastaExecutavel();
}

void PDefinePastaPrograma(std::filesystem::path pasta) {
  std::lock_guard trava(guarda);
  pastaDefinida = std::move(pasta);
}
