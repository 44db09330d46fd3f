#include "platform/UInstanciaUnica.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <system_error>

#include "platform/UTravaArquivo.h"

namespace fs = std::filesystem;

namespace {

fs::path FPastaTrava() {
  std::error_code ec;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
      runtime && *runtime && fs::is_directory(runtime, ec))
    return runtime;
  const auto temp = fs::temp_directory_path(ec);
  return ec ? fs::path("/tmp") : temp;
}

// The desktop this copy shows on: Wayland or X display name, letters, digits and dots only.
std::string FTela() {
  const char* tela = std::getenv("WAYLAND_DISPLAY");
  if (!tela || !*tela) tela = std::getenv("DISPLAY");
  if (!tela || !*tela) return "console";
  std::string nome;
  for (const char* c = tela; *c; ++c)
    nome.push_back(std::isalnum(static_cast<unsigned char>(*c)) || *c == '.' ? *c : '_');
  return nome;
}

}  // namespace

TInstanciaUnica::TInstanciaUnica(std::string titulo, fs::path pasta) {
  if (pasta.empty()) pasta = FPastaTrava();
  arquivo_ = pasta / (titulo + "-" + std::to_string(::geteuid()) + "-" + FTela() + ".lock");
}

TInstanciaUnica::~TInstanciaUnica() {
  if (descritor_ >= 0) ::close(descritor_);
}

TResultadoInstancia TInstanciaUnica::FAdquire() {
  if (descritor_ >= 0) return TResultadoInstancia::Unica;
  // Close-on-exec: a program this copy starts (the database service) must not inherit the lock
  // and keep it after this copy ends. No following of links: in a shared temporary folder another
  // user could plant one.
  const int fd = ::open(arquivo_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return TResultadoInstancia::Indeterminado;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
    ::close(fd);
    return TResultadoInstancia::Indeterminado;
  }
  if (!fbTentaTravar(fd)) {
    ::close(fd);
    return TResultadoInstancia::OutraEmExecucao;
  }
  descritor_ = fd;
  return TResultadoInstancia::Unica;
}
