// The lock directory of a demo store's databases, and the message a person gets when the lock
// directory cannot be entered.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "SuporteCli.h"

namespace fs = std::filesystem;

namespace {

class CliTravaTest : public TCliTeste {
 protected:
  // The tool as a process that was given no lock directory: it chooses one itself.
  TResultado rodaSemTrava(const std::string& argumentos) {
    return FRodaComando(pasta.caminho(), std::string("env -u FIREBIRD_LOCK '" SV_CLI "' --ini '") +
                                             ini.string() + "' " + argumentos);
  }
};

bool fbTemArquivos(const fs::path& pasta) {
  std::error_code ec;
  return fs::is_directory(pasta, ec) && !fs::is_empty(pasta, ec);
}

// Every process that opens the demo's configuration finds the same lock directory beside it,
// without anything in its environment; the system's lock directory is never used for it.
TEST_F(CliTravaTest, DemoDatabasesUseTheLockDirectoryBesideTheirConfiguration) {
  auto r = rodaSemTrava("criar-demo '" + loja.string() + "' --caixas 1");
  ASSERT_EQ(r.status, 0) << r.erro;
  const fs::path trava = pasta / "firebird-trava";
  EXPECT_TRUE(fbTemArquivos(trava)) << "the engine's lock files are not in " << trava;

  fs::remove_all(trava);
  fs::create_directory(trava);
  r = rodaSemTrava("status");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_TRUE(fbTemArquivos(trava)) << "status did not use " << trava;
}

// A configuration without that folder (a store's real one) keeps the system's lock directory:
// nothing is made beside it.
TEST_F(CliTravaTest, AConfigurationWithoutTheFolderGetsNone) {
  PGravaArquivo(ini, "[CONEXAO]\r\nCAMINHO=" + (pasta / "nao-existe.fdb").string() +
                         "\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n");
  rodaSemTrava("status");
  EXPECT_FALSE(fs::exists(pasta / "firebird-trava"));
}

// An ordinary user outside the group of the server's user cannot enter the lock directory: the
// tool says what to do instead of the system's bare "Permission denied".
TEST_F(CliTravaTest, ALockDirectoryOutOfReachIsExplained) {
  auto r = FRodaCli(pasta.caminho(), ini, "criar-demo '" + loja.string() + "' --caixas 1");
  ASSERT_EQ(r.status, 0) << r.erro;
  const fs::path fechada = pasta / "trava-fechada";
  fs::create_directory(fechada);
  ::chmod(fechada.c_str(), 0);
  // Root enters any folder: it runs the tool without its capabilities, as an ordinary user would.
  const std::string semPrivilegio =
      ::geteuid() == 0 ? "setpriv --inh-caps=-all --bounding-set=-all " : "";
  r = FRodaComando(pasta.caminho(), "FIREBIRD_LOCK='" + fechada.string() + "' " + semPrivilegio +
                                        "'" SV_CLI "' --ini '" + ini.string() + "' status");
  ::chmod(fechada.c_str(), 0700);
  EXPECT_EQ(r.status, 1) << r.saida;
  const std::string central = (loja / "servidor.fdb").string();
  EXPECT_NE(r.erro.find("Permission denied"), std::string::npos) << r.erro;
  EXPECT_NE(r.erro.find("O diretório de travas do Firebird " + fechada.string()), std::string::npos)
      << r.erro;
  EXPECT_NE(r.erro.find("Entre no grupo "), std::string::npos) << r.erro;
  EXPECT_NE(r.erro.find("localhost:" + central), std::string::npos) << r.erro;
}

}  // namespace
