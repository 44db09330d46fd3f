#include "platform/UPastaPrograma.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::mutex guarda;
std::optional<fs::path> pastaDefinida;

constexpr std::string_view kNomePastaUsuario = "sincrovia";

fs::path FPastaPessoal() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

// An XDG base folder: the variable when it holds an absolute path (a relative one is ignored, as
// the XDG base-directory rules ask), else its default under the home folder.
fs::path FBaseXdg(const char* variavel, const fs::path& padrao) {
  if (const char* valor = std::getenv(variavel); valor && *valor == '/') return valor;
  return FPastaPessoal() / padrao;
}

bool fbDentroDe(const fs::path& pasta, const fs::path& base) {
  auto p = pasta.begin();
  for (auto b = base.begin(); b != base.end(); ++b, ++p)
    if (p == pasta.end() || *p != *b) return false;
  return true;
}

std::optional<fs::path> FPastaRedirecionada() {
  std::lock_guard trava(guarda);
  return pastaDefinida;
}
}  // namespace

fs::path FPastaExecutavel() {
  std::error_code ec;
  const auto exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec);
  return exe.parent_path();
}

bool fbPastaPropria(const fs::path& pasta) {
  std::error_code ec;
  fs::path real = fs::weakly_canonical(pasta, ec);
  if (ec) real = pasta.lexically_normal();
  // Folders shared by every program on the system or of the user: never the agent's own, even
  // for root, who may write them.
  static constexpr std::array<std::string_view, 4> kCompartilhadas = {"/bin", "/sbin", "/usr",
                                                                       "/lib"};
  for (std::string_view c : kCompartilhadas)
    if (fbDentroDe(real, fs::path(c))) return false;
  if (fbDentroDe(real, FPastaPessoal() / ".local/bin")) return false;
  return ::access(real.c_str(), W_OK) == 0;
}

fs::path FPastaPrograma() {
  if (auto definida = FPastaRedirecionada()) return *definida;
  return FPastaExecutavel();
}

void PDefinePastaPrograma(fs::path pasta) {
  std::lock_guard trava(guarda);
  if (pasta.empty())
    pastaDefinida.reset();
  else
    pastaDefinida = std::move(pasta);
}

TPastasAgente FPastasAgente(const fs::path& pastaExecutavel) {
  if (fbPastaPropria(pastaExecutavel)) return {pastaExecutavel, pastaExecutavel};
  return {FBaseXdg("XDG_CONFIG_HOME", ".config") / kNomePastaUsuario,
          FBaseXdg("XDG_STATE_HOME", ".local/state") / kNomePastaUsuario};
}

fs::path FPastaConfiguracao() {
  if (auto definida = FPastaRedirecionada()) return *definida;
  const fs::path exe = FPastaExecutavel();
  const fs::path pasta = FPastasAgente(exe).configuracao;
  std::error_code ec;
  if (pasta != exe && !fs::exists(pasta, ec) && fs::create_directories(pasta, ec))
    // The file inside holds passwords in clear.
    fs::permissions(pasta, fs::perms::owner_all, fs::perm_options::replace, ec);
  return pasta;
}

fs::path FPastaEstado() {
  if (auto definida = FPastaRedirecionada()) return *definida;
  return FPastasAgente(FPastaExecutavel()).estado;
}
