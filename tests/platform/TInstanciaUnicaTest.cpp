#include "platform/UInstanciaUnica.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/UServicoFirebird.h"
#include "support/PastaTemporaria.h"

namespace {

// What a fresh copy started now gets, found in a child process as a second start would be.
TResultadoInstancia FSegundaPartida(const std::filesystem::path& pasta) {
  const pid_t filho = ::fork();
  if (filho == 0) {
    TInstanciaUnica segunda(std::string(kTituloAplicacao), pasta);
    ::_exit(static_cast<int>(segunda.FAdquire()));
  }
  int estado = 0;
  ::waitpid(filho, &estado, 0);
  return static_cast<TResultadoInstancia>(WEXITSTATUS(estado));
}

TEST(InstanciaUnica, ASecondStartIsRefusedWhileTheFirstRuns) {
  TPastaTemporaria pasta;
  {
    TInstanciaUnica primeira(std::string(kTituloAplicacao), pasta.caminho());
    ASSERT_EQ(primeira.FAdquire(), TResultadoInstancia::Unica);
    EXPECT_NE(primeira.FArquivo().filename().string().find("Sincrovia-"), std::string::npos);
    EXPECT_EQ(FSegundaPartida(pasta.caminho()), TResultadoInstancia::OutraEmExecucao);
    // A second object in the same process is a second start too.
    TInstanciaUnica outra(std::string(kTituloAplicacao), pasta.caminho());
    EXPECT_EQ(outra.FAdquire(), TResultadoInstancia::OutraEmExecucao);
  }
  EXPECT_EQ(FSegundaPartida(pasta.caminho()), TResultadoInstancia::Unica);
}

TEST(InstanciaUnica, ACrashedCopyDoesNotBlockTheNextStart) {
  TPastaTemporaria pasta;
  int canal[2];
  ASSERT_EQ(::pipe(canal), 0);
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    TInstanciaUnica primeira(std::string(kTituloAplicacao), pasta.caminho());
    const char c = primeira.FAdquire() == TResultadoInstancia::Unica ? 'U' : 'X';
    [[maybe_unused]] auto n = ::write(canal[1], &c, 1);
    ::pause();
  }
  char c = 0;
  ASSERT_EQ(::read(canal[0], &c, 1), 1);
  ASSERT_EQ(c, 'U');
  TInstanciaUnica segunda(std::string(kTituloAplicacao), pasta.caminho());
  EXPECT_EQ(segunda.FAdquire(), TResultadoInstancia::OutraEmExecucao);

  ::kill(filho, SIGKILL);
  ::waitpid(filho, nullptr, 0);
  EXPECT_TRUE(std::filesystem::exists(segunda.FArquivo()));  // the lock file stays behind
  EXPECT_EQ(segunda.FAdquire(), TResultadoInstancia::Unica);
  ::close(canal[0]);
  ::close(canal[1]);
}

TEST(InstanciaUnica, AProgramStartedByTheCopyDoesNotInheritTheLock) {
  TPastaTemporaria pasta;
  {
    TInstanciaUnica primeira(std::string(kTituloAplicacao), pasta.caminho());
    ASSERT_EQ(primeira.FAdquire(), TResultadoInstancia::Unica);
    TLancadorPosix().PLanca({"/bin/sleep", "3"});  // like a database service left running
  }
  EXPECT_EQ(FSegundaPartida(pasta.caminho()), TResultadoInstancia::Unica);
}

TEST(InstanciaUnica, ALockFileThatCannotBeOpenedDecidesNothing) {
  TPastaTemporaria pasta;
  TInstanciaUnica primeira(std::string(kTituloAplicacao), pasta / "nao-existe");
  EXPECT_EQ(primeira.FAdquire(), TResultadoInstancia::Indeterminado);
}

}  // namespace
