#include "platform/UConfiguracao.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ArquivoAuxiliar.h"
#include "platform/UGenerico.h"
#include "support/PastaTemporaria.h"

namespace {

constexpr auto& kProduto = FChaveConfiguracao("TABELAS", "PRODUTO");
constexpr auto& kCadastro = FChaveConfiguracao("CADASTRO", "ATUALIZA");

class ConfiguracaoTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  std::filesystem::path arquivo = pasta / std::string(kNomeArquivoIni);
  TConfiguracao config{arquivo};
};

TEST_F(ConfiguracaoTest, MissingFileGivesEveryDefault) {
  EXPECT_EQ(config.FLeConexaoServidor(), TDadosConexao{});
  const auto selecao = config.FLeSelecaoTabelas();
  for (std::size_t i = 0; i < kQuantidadeTabelas; ++i) EXPECT_TRUE(selecao[i]) << i;
  EXPECT_FALSE(config.GetAtualizaCadastro());
  EXPECT_FALSE(config.GetAtualizaVendas());
  EXPECT_EQ(config.FLeHoras(), (std::array<std::string, 4>{"00:00:00", "00:00:00", "00:00:00",
                                                           "00:00:00"}));
  EXPECT_TRUE(config.FLeConexoesCaixa().empty());
  EXPECT_FALSE(std::filesystem::exists(arquivo));

  // What start-up and shutdown then store: both switches on, the 27 table keys as "S".
  config.SetAtualizaCadastro(true);
  config.SetAtualizaVendas(true);
  config.PGravaSelecaoTabelas(selecao);
  std::string esperado = "[CADASTRO]\r\nATUALIZA=1\r\n[VENDAS]\r\nATUALIZA=1\r\n[TABELAS]\r\n";
  for (const auto& chave : kChavesTabelas) esperado += std::string(chave.chave) + "=S\r\n";
  EXPECT_EQ(FLeBytes(arquivo), esperado);
}

TEST_F(ConfiguracaoTest, TodasTicksEveryBoxLoadedBeforeIt) {
  PGravaBytes(arquivo,
              "[TABELAS]\r\nPRODUTO=N\r\nSINTEGRA=N\r\nTODAS=S\r\nPARCPEDC=N\r\n"
              "CONVENCEFAT=S\r\nFINANCIAMENTO=s\r\n");
  const auto selecao = config.FLeSelecaoTabelas();
  EXPECT_TRUE(selecao["PRODUTO"]);
  EXPECT_TRUE(selecao["SINTEGRA"]);
  EXPECT_TRUE(selecao["TODAS"]);
  EXPECT_FALSE(selecao["PARCPEDC"]);
  EXPECT_TRUE(selecao["CONVENCEFAT"]);
  EXPECT_FALSE(selecao["FINANCIAMENTO"]);
}

TEST_F(ConfiguracaoTest, WithoutTodasEveryKeyKeepsItsValueAndLowerCaseSIsNo) {
  PGravaBytes(arquivo,
              "[TABELAS]\r\nPRODUTO=N\r\nCLIENTE=s\r\nFINANCEIRO=\r\nTODAS=N\r\nPARCPEDC=S\r\n");
  const auto selecao = config.FLeSelecaoTabelas();
  EXPECT_FALSE(selecao["PRODUTO"]);
  EXPECT_FALSE(selecao["CLIENTE"]);
  EXPECT_FALSE(selecao["FINANCEIRO"]);  // present but empty: not "S"
  EXPECT_TRUE(selecao["VENDEDOR"]);     // missing: the default "S"
  EXPECT_FALSE(selecao["TODAS"]);
  EXPECT_TRUE(selecao["PARCPEDC"]);
  EXPECT_FALSE(config.fbLeFlag(kProduto));

  EXPECT_FALSE(selecao.fbTabelaSelecionada("CLIENTE"));
  EXPECT_FALSE(selecao.fbTabelaSelecionada("MOVIREC"));
  EXPECT_TRUE(selecao.fbTabelaSelecionada("SINTEGRA60R"));
  EXPECT_TRUE(selecao.fbTabelaSelecionada("VENDEND"));
  EXPECT_FALSE(selecao.fbTabelaSelecionada("INTEGECF"));
  EXPECT_THROW((void)selecao["NAOEXISTE"], std::out_of_range);
}

TEST_F(ConfiguracaoTest, SelectionRoundTripsInTableOrder) {
  TSelecaoTabelas selecao;
  selecao["PRODUTO"] = false;
  selecao["TODAS"] = false;
  selecao["FINANCIAMENTO"] = false;
  config.PGravaSelecaoTabelas(selecao);
  EXPECT_EQ(config.FLeSelecaoTabelas(), selecao);
  const std::string bytes = FLeBytes(arquivo);
  EXPECT_NE(bytes.find("[TABELAS]\r\nPRODUTO=N\r\nFORNECEDOR=S\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("ENCCARTAO=S\r\nTODAS=N\r\nPARCPEDC=S\r\nCONVENCEFAT=S\r\n"
                       "FINANCIAMENTO=N\r\n"),
            std::string::npos);
}

TEST_F(ConfiguracaoTest, SwitchesAreIntegersNonZeroOn) {
  const std::pair<const char*, bool> casos[] = {
      {"1", true},    {"2", true},      {"-1", true},  {" 7 ", true}, {"0", false},
      {"S", false},   {"", false},      {"1x", false}, {"0x1", false},
      {"99999999999", false},  // beyond a 32-bit integer: not an integer the file can hold
  };
  for (const auto& [texto, ligado] : casos) {
    config.PGravaTexto(kCadastro, texto);
    EXPECT_EQ(config.GetAtualizaCadastro(), ligado) << '"' << texto << '"';
  }
  config.SetAtualizaVendas(false);
  EXPECT_EQ(config.fsLeTexto(FChaveConfiguracao("VENDAS", "ATUALIZA")), "0");
  EXPECT_EQ(FRetornaSimNao(true), "S");
  EXPECT_EQ(FRetornaSimNao(false), "N");
}

TEST_F(ConfiguracaoTest, PointsOfSaleStopAtTheFirstGap) {
  PGravaBytes(arquivo,
              "[CONEXAOCAIXA0]\r\nCAMINHO=caixa1:/dados/pdv.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=m\r\n"
              "[CONEXAOCAIXA2]\r\nCAMINHO=caixa3:/dados/pdv.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=m\r\n");
  const auto caixas = config.FLeConexoesCaixa();
  ASSERT_EQ(caixas.size(), 1u);
  EXPECT_EQ(caixas[0].numero, 0);
  EXPECT_EQ(caixas[0].dados, (TDadosConexao{"caixa1:/dados/pdv.fdb", "SYSDBA", "m"}));

  // Adding the missing section joins the run up; a blank path ends it again.
  config.PGravaConexaoCaixa(1, {"  ", "SYSDBA", "m"});
  EXPECT_EQ(config.FLeConexoesCaixa().size(), 1u);
  config.PGravaConexaoCaixa(1, {"caixa2:/dados/pdv.fdb", "SYSDBA", "m"});
  const auto tres = config.FLeConexoesCaixa();
  ASSERT_EQ(tres.size(), 3u);
  EXPECT_EQ(tres[2].dados.caminho, "caixa3:/dados/pdv.fdb");
}

TEST_F(ConfiguracaoTest, NewPointsOfSalePassOverRegisteredPathsAndStopAtABlankLogin) {
  config.PGravaConexaoCaixa(0, {"a.fdb", "SYSDBA", "m"});
  config.PGravaConexaoCaixa(1, {"a.fdb", "", ""});  // same path again: adds nothing
  config.PGravaConexaoCaixa(2, {"b.fdb", "SYSDBA", "m"});
  config.PGravaConexaoCaixa(3, {"c.fdb", "SYSDBA", " "});
  config.PGravaConexaoCaixa(4, {"d.fdb", "SYSDBA", "m"});

  std::vector<std::string> registrados;
  const auto registra = [&](const std::string& caminho) {
    return std::find(registrados.begin(), registrados.end(), caminho) != registrados.end();
  };
  auto novos = config.FConexoesCaixaNovas(registra);
  ASSERT_EQ(novos.size(), 1u);  // stops at 1: its login is blank
  EXPECT_EQ(novos[0].dados.caminho, "a.fdb");

  registrados = {"a.fdb"};
  novos = config.FConexoesCaixaNovas(registra);
  ASSERT_EQ(novos.size(), 1u);  // 0 and 1 passed over, 2 new, stops at 3 (blank password)
  EXPECT_EQ(novos[0].numero, 2);
}

TEST_F(ConfiguracaoTest, CentralConnectionAndSwitchesThroughTheProcessWideFile) {
  TConfiguracao::PDefineArquivoPadrao(arquivo);
  TConfiguracao::Padrao().PGravaConexaoServidor({"servidor:/dados/loja.fdb", "SYSDBA", "çã"});
  EXPECT_EQ(config.FLeConexaoServidor(),
            (TDadosConexao{"servidor:/dados/loja.fdb", "SYSDBA", "çã"}));

  EXPECT_FALSE(TGenerico::GetAtualizaCadastro());
  config.SetAtualizaCadastro(true);
  EXPECT_TRUE(TGenerico::GetAtualizaCadastro());  // the next read sees the change
  PGravaBytes(arquivo, "[VENDAS]\r\nATUALIZA=2\r\n");
  EXPECT_TRUE(TGenerico::GetAtualizaVendas());
  EXPECT_FALSE(TGenerico::GetAtualizaCadastro());
}

}  // namespace
