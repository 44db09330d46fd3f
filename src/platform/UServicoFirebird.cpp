#include "platform/UServicoFirebird.h"

bool FStartFirebird(const TServicoFirebird& servico, TLancadorProcesso& lancador,
                    const TEspera& espera) {
  try {
    const auto comando = servico.FComandoPartida();
    if (!comando.empty()) lancador.PLanca(comando);
    espera(kEsperaPartidaFirebird);
    return true;
  } catch (...) {
    // Any error on the way means the server cannot be taken as started.
    return false;
  }
}

#ifndef _WIN32
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string_view>
#include <system_error>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Debian's package versions, newest first.
constexpr std::array<std::string_view, 3> kVersoesDebian = {"5.0", "4.0", "3.0"};

bool fbExecutavel(const fs::path& arquivo) {
  std::error_code ec;
  return fs::is_regular_file(arquivo, ec) && ::access(arquivo.c_str(), X_OK) == 0;
}

std::string FComSeparador(const fs::path& pasta) {
  std::string texto = pasta.string();
  if (texto.empty() || texto.back() != '/') texto.push_back('/');
  return texto;
}

}  // namespace

TServicoFirebirdLinux::TServicoFirebirdLinux(fs::path raiz) : raiz_(std::move(raiz)) {}

bool TServicoFirebirdLinux::fbAcha(TInstalacao& achada) const {
  std::error_code ec;
  for (const auto versao : kVersoesDebian) {
    const auto script = raiz_ / "etc/init.d" / ("firebird" + std::string(versao));
    if (!fbExecutavel(script)) continue;
    achada.script = script;
    achada.pasta.clear();
    for (fs::directory_iterator it(raiz_ / "usr/lib", ec), fim; !ec && it != fim;
         it.increment(ec)) {
      const auto pasta = it->path() / "firebird" / std::string(versao);
      if (fs::is_directory(pasta, ec)) {
        achada.pasta = pasta;
        break;
      }
    }
    return true;
  }
  const auto script = raiz_ / "etc/init.d/firebird";
  const auto pasta = raiz_ / "opt/firebird";
  if (fbExecutavel(script) && fs::is_directory(pasta, ec)) {
    achada = {script, pasta};
    return true;
  }
  return false;
}

std::string TServicoFirebirdLinux::FRetornaLocalInstalacaoFirebird() const {
  TInstalacao achada;
  if (!fbAcha(achada) || achada.pasta.empty()) return {};
  return FComSeparador(achada.pasta);
}

std::vector<std::string> TServicoFirebirdLinux::FComandoPartida() const {
  TInstalacao achada;
  if (!fbAcha(achada)) return {};
  return {achada.script.string(), "start"};
}

void TLancadorPosix::PLanca(const std::vector<std::string>& comando) {
  if (comando.empty()) throw std::invalid_argument("comando vazio");
  std::vector<char*> argv;
  for (const auto& parte : comando) argv.push_back(const_cast<char*>(parte.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t acoes;
  posix_spawnattr_t atributos;
  posix_spawn_file_actions_init(&acoes);
  posix_spawnattr_init(&atributos);
  posix_spawn_file_actions_addopen(&acoes, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&acoes, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  // Its own process group, so a terminal's Ctrl+C aimed at this program does not reach it.
  posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&atributos, 0);
  pid_t pid = 0;
  const int erro = ::posix_spawn(&pid, argv[0], &acoes, &atributos, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acoes);
  posix_spawnattr_destroy(&atributos);
  if (erro != 0) throw std::system_error(erro, std::generic_category(), comando[0]);
  // Not waited for here; reaped in the background so it leaves no zombie behind.
  std::thread([pid] {
    int estado = 0;
    while (::waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

bool FStartFirebird() {
  TServicoFirebirdLinux servico;
  TLancadorPosix lancador;
  return FStartFirebird(servico, lancador,
                        [](std::chrono::milliseconds tempo) { std::this_thread::sleep_for(tempo); });
}
#endif
