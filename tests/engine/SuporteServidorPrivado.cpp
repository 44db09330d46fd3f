#include "SuporteServidorPrivado.h"

#include "support/BancoTeste.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const fs::path kRaizSistema = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
const char* const kBinario = "/usr/sbin/firebird";

sockaddr_in FSockaddr(const std::string& ip, int porta) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(porta));
  ::inet_pton(AF_INET, ip.c_str(), &a.sin_addr);
  return a;
}

// Whether nothing is bound to ip:porta now.
bool fbLivre(const std::string& ip, int porta) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) throw std::runtime_error("socket: " + std::string(std::strerror(errno)));
  const int sim = 1;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
  sockaddr_in a = FSockaddr(ip, porta);
  const bool livre = ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  ::close(s);
  return livre;
}

std::string FLeArquivo(const fs::path& p) {
  std::ifstream in(p);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TServidorPrivado::TServidorPrivado(fs::path raiz) : raiz_(std::move(raiz)) {
  fs::create_directories(raiz_ / "lock");
  fs::create_directories(raiz_ / "tmp");
  // The binaries' own files come from the installed root; configuration and security database
  // are the root's own.
  for (const char* nome : {"firebird.msg", "intl", "plugins", "lib", "UDF", "plugins.conf"})
    if (!fs::exists(raiz_ / nome)) fs::create_symlink(kRaizSistema / nome, raiz_ / nome);
  // The test run's own server's security database: readable by whoever runs the tests, and its
  // SYSDBA password is the one the tests log in with.
  fs::copy_file(FBancoSegurancaServidorTeste(), raiz_ / "security3.fdb",
                fs::copy_options::overwrite_existing);
  // A loopback address of its own (the whole of 127.0.0.0/8 is this machine), away from the shared
  // server on 127.0.0.1, on the standard port.
  std::mt19937 sorteio(std::random_device{}());
  for (int tentativa = 0; tentativa < 100 && ip_.empty(); ++tentativa) {
    const std::string ip = "127." + std::to_string(1 + sorteio() % 254) + "." +
                           std::to_string(sorteio() % 256) + "." + std::to_string(1 + sorteio() % 254);
    if (fbLivre(ip, porta_)) ip_ = ip;
  }
  if (ip_.empty()) throw std::runtime_error("no free loopback address for a private server");
  std::ofstream(raiz_ / "firebird.conf")
      << "RemoteServicePort = " << porta_ << "\n"
      << "RemoteBindAddress = " << ip_ << "\n"
      << "UdfAccess = None\n"
      << "SecurityDatabase = " << (raiz_ / "security3.fdb").string() << "\n";
  std::ofstream(raiz_ / "databases.conf")
      << "security.db = " << (raiz_ / "security3.fdb").string() << "\n";
}

TServidorPrivado::~TServidorPrivado() {
  try {
    PPara();
  } catch (...) {
  }
}

std::string TServidorPrivado::FCaminho(const fs::path& arquivo) const {
  // The port is named: the test process's client configuration is the test run's server's, whose
  // port is another.
  return ip_ + "/" + std::to_string(porta_) + ":" + arquivo.string();
}

bool TServidorPrivado::fbAceitaConexao() const {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return false;
  sockaddr_in a = FSockaddr(ip_, porta_);
  const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  ::close(s);
  return ok;
}

void TServidorPrivado::PInicia() {
  if (pid_ > 0) return;
  // Everything the child needs is built before fork: only exec-safe calls happen after it.
  std::vector<std::string> ambiente;
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    if (v.rfind("FIREBIRD=", 0) == 0 || v.rfind("FIREBIRD_LOCK=", 0) == 0 ||
        v.rfind("FIREBIRD_TMP=", 0) == 0)
      continue;
    ambiente.push_back(v);
  }
  ambiente.push_back("FIREBIRD=" + raiz_.string());
  ambiente.push_back("FIREBIRD_LOCK=" + (raiz_ / "lock").string());
  ambiente.push_back("FIREBIRD_TMP=" + (raiz_ / "tmp").string());
  std::vector<char*> envp;
  for (auto& v : ambiente) envp.push_back(v.data());
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(kBinario), nullptr};
  const std::string saida = (raiz_ / "firebird.out").string();
  const std::string pasta = raiz_.string();

  const pid_t pai = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
  if (pid == 0) {
    // The server goes with the test process, however that ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != pai) ::_exit(127);
    ::setpgid(0, 0);
    const int fd = ::open(saida.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      ::close(fd);
    }
    if (::chdir(pasta.c_str()) != 0) ::_exit(127);
    ::execve(kBinario, argv, envp.data());
    ::_exit(127);
  }
  pid_ = pid;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fbAceitaConexao()) {
    int estado = 0;
    if (::waitpid(pid, &estado, WNOHANG) == pid) {
      pid_ = -1;
      throw std::runtime_error("the private Firebird server ended at start: " +
                               FLeArquivo(saida));
    }
    if (std::chrono::steady_clock::now() > limite) {
      PPara();
      throw std::runtime_error("the private Firebird server did not listen on port " +
                               std::to_string(porta_) + ": " + FLeArquivo(saida));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

void TServidorPrivado::PPara() {
  const pid_t pid = pid_.exchange(-1);
  if (pid <= 0) return;
  ::kill(pid, SIGKILL);
  int estado = 0;
  ::waitpid(pid, &estado, 0);
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (fbAceitaConexao() && std::chrono::steady_clock::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}
