#include "support/RedeIsolada.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kMarcaDentro = "SV_REDE_ISOLADA";
constexpr const char* kPronta = "sv-rede-isolada-pronta";

// The shell run by unshare inside the new namespaces: loopback up, the silent network routed to
// it, then the test program itself.
constexpr const char* kPreparo =
    "ip link set lo up && ip route add 10.202.0.0/24 dev lo || exit 97\n"
    "echo sv-rede-isolada-pronta\n"
    "exec \"$@\"\n";

std::string FProgramaAtual() {
  std::array<char, PATH_MAX> caminho{};
  const ssize_t n = ::readlink("/proc/self/exe", caminho.data(), caminho.size() - 1);
  if (n <= 0) throw std::runtime_error("readlink /proc/self/exe failed");
  return std::string(caminho.data(), static_cast<std::size_t>(n));
}

}  // namespace

TRedeIsolada FRodaNaRedeIsolada(std::string& motivo) {
  if (std::getenv(kMarcaDentro)) return TRedeIsolada::Dentro;

  const ::testing::TestInfo* teste = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filtro =
      std::string("--gtest_filter=") + teste->test_suite_name() + "." + teste->name();
  const std::string programa = FProgramaAtual();
  std::vector<std::string> argumentos = {"unshare", "-rn", "sh", "-c", kPreparo, "sh",
                                         programa,  filtro};
  std::vector<char*> argv;
  for (std::string& a : argumentos) argv.push_back(a.data());
  argv.push_back(nullptr);
  // Everything the child needs is made before the fork: the process has other threads, so the
  // child may only call what is safe between fork and exec.
  std::string marca = std::string(kMarcaDentro) + "=1";
  std::vector<char*> ambiente;
  for (char** v = environ; *v; ++v) ambiente.push_back(*v);
  ambiente.push_back(marca.data());
  ambiente.push_back(nullptr);

  int tubo[2];
  if (::pipe(tubo) != 0) throw std::runtime_error("pipe failed");
  const pid_t filho = ::fork();
  if (filho < 0) throw std::runtime_error("fork failed");
  if (filho == 0) {
    ::dup2(tubo[1], STDOUT_FILENO);
    ::dup2(tubo[1], STDERR_FILENO);
    ::close(tubo[0]);
    ::close(tubo[1]);
    ::execvpe("unshare", argv.data(), ambiente.data());
    ::_exit(127);
  }
  ::close(tubo[1]);
  std::string saida;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(tubo[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    saida.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(tubo[0]);
  int estado = 0;
  while (::waitpid(filho, &estado, 0) < 0 && errno == EINTR) {
  }

  if (saida.find(kPronta) == std::string::npos) {
    motivo = saida.empty() ? "unshare -rn could not be run" : saida;
    return TRedeIsolada::Indisponivel;
  }
  const bool passou = WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
  if (passou && saida.find("[  SKIPPED ] 1 test") != std::string::npos) {
    motivo = saida;
    return TRedeIsolada::Indisponivel;
  }
  if (!passou || saida.find("[  PASSED  ] 1 test.") == std::string::npos)
    ADD_FAILURE() << "the test failed inside its network namespace:\n" << saida;
  return TRedeIsolada::Concluido;
}
