// Where the configuration file and the log live: beside the executable in a folder of the
// agent's own, in per-user folders when installed into a shared or unwritable program folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/UPastaPrograma.h"
#include "support/PastaTemporaria.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object (unset with nullopt).
class TVariavel {
 public:
  TVariavel(const char* nome, std::optional<std::string> valor) : nome_(nome) {
    if (const char* v = std::getenv(nome)) anterior_ = v;
    if (valor)
      ::setenv(nome, valor->c_str(), 1);
    else
      ::unsetenv(nome);
  }
  ~TVariavel() {
    if (anterior_)
      ::setenv(nome_, anterior_->c_str(), 1);
    else
      ::unsetenv(nome_);
  }

 private:
  const char* nome_;
  std::optional<std::string> anterior_;
};

TEST(UPastaProgramaTest, AFolderOfTheAgentsOwnHoldsBothFileAndLog) {
  TPastaTemporaria pasta;
  EXPECT_TRUE(fbPastaPropria(pasta.caminho()));
  const TPastasAgente pastas = FPastasAgente(pasta.caminho());
  EXPECT_EQ(pastas.configuracao, pasta.caminho());
  EXPECT_EQ(pastas.estado, pasta.caminho());
}

TEST(UPastaProgramaTest, SharedProgramFoldersAreNeverTheAgentsOwnEvenForRoot) {
  for (const char* p : {"/usr/bin", "/usr/local/bin", "/bin", "/usr/sbin", "/usr/lib/x"})
    EXPECT_FALSE(fbPastaPropria(p)) << p;
  TVariavel home("HOME", "/home/loja");
  EXPECT_FALSE(fbPastaPropria("/home/loja/.local/bin"));
}

TEST(UPastaProgramaTest, AnInstalledAgentUsesTheXdgFoldersOrTheirDefaults) {
  {
    TVariavel config("XDG_CONFIG_HOME", "/etc");
    TVariavel estado("XDG_STATE_HOME", "/var/log");
    const TPastasAgente pastas = FPastasAgente("/usr/bin");
    EXPECT_EQ(pastas.configuracao, fs::path("/etc/sincrovia"));
    EXPECT_EQ(pastas.estado, fs::path("/var/log/sincrovia"));
  }
  {
    TVariavel home("HOME", "/home/loja");
    TVariavel config("XDG_CONFIG_HOME", std::nullopt);
    TVariavel estado("XDG_STATE_HOME", "relativo/nao/vale");
    const TPastasAgente pastas = FPastasAgente("/usr/local/bin");
    EXPECT_EQ(pastas.configuracao, fs::path("/home/loja/.config/sincrovia"));
    EXPECT_EQ(pastas.estado, fs::path("/home/loja/.local/state/sincrovia"));
  }
}

TEST(UPastaProgramaTest, AFolderThisUserMayNotWriteIsNotTheAgentsOwn) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any folder; tried as an ordinary user";
  TPastaTemporaria pasta;
  fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(fbPastaPropria(pasta.caminho()));
  fs::permissions(pasta.caminho(), fs::perms::owner_all);
}

}  // namespace
