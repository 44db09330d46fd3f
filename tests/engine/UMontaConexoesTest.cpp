#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "engine/UMontaConexoes.h"
#include "platform/UConfiguracao.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

class MontaConexoesTest : public ::testing::Test, protected TMotoresTeste {
 protected:
  std::filesystem::path arquivoIni = pasta / "VeltrixIntegracao.ini";
  TConfiguracao configuracao{arquivoIni};

  void escreveIni(const std::string& texto) {
    std::ofstream(arquivoIni, std::ios::binary) << texto;
  }
  void caixaIni(int n, const std::string& caminho, const std::string& usuario = "SYSDBA",
                const std::string& senha = "masterkey") {
    configuracao.PGravaConexaoCaixa(n, {caminho, usuario, senha});
  }
  void conectaServidores(const std::string& caminho) {
    ASSERT_TRUE(cadastro.FCriaConexao(caminho, "SYSDBA", "masterkey", "ConexaoServidor", true));
    ASSERT_TRUE(vendas.FCriaConexao(caminho, "SYSDBA", "masterkey", "ConexaoServidorVend", true));
  }
  static std::vector<std::string> caminhos(const TBancoDados& motor) {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < motor.GetListaConexao().FQuantidade(); ++i)
      r.push_back(motor.GetListaConexao().FConexao(i).database());
    return r;
  }
};

TEST_F(MontaConexoesTest, BothEnginesGetTheSamePointsOfSaleInOrderUnopened) {
  TBancoTeste servidor{pasta / "servidor.fdb"};
  conectaServidores(servidor.caminho());
  caixaIni(0, "/loja/caixa0.fdb");
  caixaIni(1, "/loja/CAIXA0.FDB");
  caixaIni(2, "/loja/caixa0.fdb");  // the same path again adds nothing
  caixaIni(3, "localhost:/loja/caixa3.fdb");
  PMontaConexoes(cadastro, vendas, configuracao);

  const std::vector<std::string> esperado = {servidor.caminho(), "/loja/caixa0.fdb",
                                             "/loja/CAIXA0.FDB", "localhost:/loja/caixa3.fdb"};
  EXPECT_EQ(caminhos(cadastro), esperado);
  EXPECT_EQ(caminhos(vendas), esperado);
  for (TBancoDados* motor : {&cadastro, &vendas}) {
    const TListaConexao& lista = motor->GetListaConexao();
    for (std::size_t i = 1; i < lista.FQuantidade(); ++i) {
      EXPECT_EQ(lista.FConexao(i).name(), "ConexaoCaixa" + std::to_string(i - 1));
      EXPECT_FALSE(lista.FConexao(i).isOpen());
    }
  }
  EXPECT_EQ(log.FConta("Montando conexao cadastro."), 3);
  EXPECT_EQ(log.FConta("Montando conexao venda."), 3);
  EXPECT_TRUE(notificador.avisos.empty());

  // Run again after a point of sale was added: only the new one joins, at the end.
  caixaIni(4, "/loja/caixa4.fdb");
  PMontaConexoes(cadastro, vendas, configuracao);
  ASSERT_EQ(cadastro.GetListaConexao().FQuantidade(), 5u);
  ASSERT_EQ(vendas.GetListaConexao().FQuantidade(), 5u);
  EXPECT_EQ(cadastro.GetListaConexao().FConexao(4).database(), "/loja/caixa4.fdb");
  EXPECT_EQ(vendas.GetListaConexao().FConexao(4).name(), "ConexaoCaixa3");
}

TEST_F(MontaConexoesTest, StopsAtTheFirstGapOrAtMissingCredentials) {
  conectaServidores(TBancoTeste(pasta / "servidor.fdb").caminho());
  escreveIni(
      "[CONEXAOCAIXA0]\r\nCAMINHO=/loja/caixa0.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n"
      "[CONEXAOCAIXA1]\r\nCAMINHO=  \r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n"
      "[CONEXAOCAIXA2]\r\nCAMINHO=/loja/caixa2.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n");
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 2u);
  EXPECT_EQ(vendas.GetListaConexao().FQuantidade(), 2u);

  // A blank password stops the walk before the sections after it.
  caixaIni(1, "/loja/caixa1.fdb", "SYSDBA", " ");
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 2u);
  caixaIni(1, "/loja/caixa1.fdb", "", "masterkey");
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 2u);
  caixaIni(1, "/loja/caixa1.fdb");
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(caminhos(cadastro).back(), "/loja/caixa2.fdb");
  EXPECT_EQ(caminhos(vendas), caminhos(cadastro));
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 4u);
}

// Without the central entry a point of sale would land at position 0, which the cycles and the
// capture set-up take for the central database.
TEST_F(MontaConexoesTest, NothingIsBuiltWithoutTheCentralEntries) {
  caixaIni(0, "/loja/caixa0.fdb");
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 0u);
  EXPECT_EQ(vendas.GetListaConexao().FQuantidade(), 0u);

  // The central entry of one engine alone is not enough either.
  TBancoTeste servidor{pasta / "servidor.fdb"};
  ASSERT_TRUE(
      cadastro.FCriaConexao(servidor.caminho(), "SYSDBA", "masterkey", "ConexaoServidor", true));
  PMontaConexoes(cadastro, vendas, configuracao);
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 1u);
  EXPECT_EQ(vendas.GetListaConexao().FQuantidade(), 0u);
  EXPECT_TRUE(log.FMensagens().empty());
}

}  // namespace
