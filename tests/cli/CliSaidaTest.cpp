// What the tool prints from outside sources, and configuration paths that are not regular files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>

#include "SuporteCli.h"
#include "cli/UCliSaida.h"
#include "support/PastaTemporaria.h"

namespace fs = std::filesystem;

namespace {

TEST(CliSaidaTest, ControlCharactersAndMalformedBytesAreShownEscaped) {
  EXPECT_EQ(fsTextoSeguro("loja\x1B[2J\a.fdb\r\nok\tfim"), "loja\\x1B[2J\\x07.fdb\\r\nok\tfim");
  EXPECT_EQ(fsTextoSeguro("Sincronização € \xF0\x9F\x98\x80"), "Sincronização € \xF0\x9F\x98\x80");
  // C1 controls (as Latin-1 bytes 0x80-0x9F from the file become), a right-to-left override.
  EXPECT_EQ(fsTextoSeguro("a\xC2\x9B" "31m b\xE2\x80\xAE" "c"), "a\\u009B31m b\\u202Ec");
  EXPECT_EQ(fsTextoSeguro("\xFF \xC3( \xC0\x80 \xED\xA0\x80 \x7F"),
            "\\xFF \\xC3( \\xC0\\x80 \\xED\\xA0\\x80 \\x7F");
  EXPECT_EQ(fsTextoSeguro("fim \xC3"), "fim \\xC3");
}

TEST(CliSaidaTest, TheFilterJoinsACharacterSplitBetweenWritesAndEscapesWhatIsLeftAtTheEnd) {
  std::ostringstream destino;
  {
    TSaidaEscapada filtro(destino);
    std::ostream saida(&filtro);
    saida << "a\xC3" << std::flush;
    EXPECT_EQ(destino.str(), "a");  // the "ç" is not yet whole
    saida << "\xA7\x1B" << 'x' << "\xE2\x82";
  }
  EXPECT_EQ(destino.str(), "a\xC3\xA7\\x1Bx\\xE2\\x82");
}

class CliEntradaTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
};

TEST_F(CliEntradaTest, AConfigurationPathThatIsNotARegularFileIsNamedAsSuch) {
  const fs::path pastaIni = pasta / "pasta.ini";
  fs::create_directory(pastaIni);
  const fs::path fifo = pasta / "fifo.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const fs::path& ini : {pastaIni, fifo})
    for (const char* cmd : {"status", "atualizar-bancos", "configurar-captura"}) {
      // A tool that waits on the FIFO is stopped by timeout (status 124).
      const auto r = FRodaComando(pasta.caminho(), std::string("timeout 30 '" SV_CLI "' --ini '") +
                                                       ini.string() + "' " + cmd);
      EXPECT_EQ(r.status, 1) << ini << " " << cmd;
      EXPECT_NE(r.erro.find("erro: o arquivo de configuração " + ini.string() +
                            " não é um arquivo comum"),
                std::string::npos)
          << r.erro;
    }
}

TEST_F(CliEntradaTest, BytesFromTheCommandLineAndTheConfigurationReachTheTerminalEscaped) {
  const auto desconhecido = FRodaComando(pasta.caminho(),
                                          "'" SV_CLI "' \"$(printf '\\033]0;titulo\\007')\"");
  EXPECT_EQ(desconhecido.status, 2);
  EXPECT_NE(desconhecido.erro.find("comando desconhecido: \\x1B]0;titulo\\x07"), std::string::npos)
      << desconhecido.erro;

  const fs::path ini = pasta / "VeltrixIntegracao.ini";
  PGravaArquivo(ini, "[CONEXAO]\r\nCAMINHO=/nao/existe/loja\x1B[2J\x9B.fdb\r\nUSUARIO=SYSDBA\r\n"
                     "SENHA=x\r\n");
  const auto r = FRodaCli(pasta.caminho(), ini, "status");
  EXPECT_EQ(r.status, 1);
  const std::string tudo = r.saida + r.erro;
  EXPECT_EQ(tudo.find('\x1B'), std::string::npos) << tudo;
  EXPECT_EQ(tudo.find("\xC2\x9B"), std::string::npos) << tudo;
  EXPECT_NE(tudo.find("loja\\x1B[2J\\u009B.fdb"), std::string::npos) << tudo;
}

}  // namespace
