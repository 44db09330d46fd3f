// The sales cycle on a real store: changes rung up at the points of sale through plain SQL reach
// the central database in the queue's order, once, and a row that cannot be applied holds back
// only its own point of sale.
#include <gtest/gtest.h>

#include "SuporteReplicacao.h"
#include "firebird/Statement.h"

namespace {

class VendaTest : public ReplicacaoTest {
 protected:
  void PEncerra(TBancoTeste& banco, const std::string& cupom, const std::string& desconto = "0") {
    PInsere(banco, "ENCERRA",
            {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", cupom}, {"VLRDESCONTO", desconto},
             {"DT_MOVIMENTO", "16/12/2016"}});
  }
  // A queue row written by hand, as another program might leave one.
  void PFilaManual(TBancoTeste& banco, const std::string& ecf, const std::string& acao,
                   const std::string& tabela, const std::vector<std::string>& chaves) {
    std::string colunas, valores;
    for (std::size_t k = 0; k < chaves.size(); ++k) {
      colunas += ", CHAVE" + std::to_string(k);
      valores += ", \"" + chaves[k] + "\"";
    }
    banco.executa("INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU, ACAO, TABELA" +
                  colunas + ") VALUES (\"01\", \"" + ecf + "\", GEN_ID(G_ORDEMINTEGECF, 1), \"N\", \"" +
                  acao + "\", \"" + tabela + "\"" + valores + ")");
  }
};

TEST_F(VendaTest, AppliesInsertsThenDeletesThenUpdatesAndArquivoAsText) {
  PEncerra(caixa(1), "000009");
  PInsere(*servidor, "ENCERRA",
          {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", "000009"}, {"VLRDESCONTO", "0"},
           {"DT_MOVIMENTO", "16/12/2016"}});
  caixa(1).executa("DELETE FROM INTEGECF");
  PAuditaServidor("ENCERRA", "CUPOM");
  caixa(1).executa("SET GENERATOR G_ORDEMINTEGECF TO 7");
  PEncerra(caixa(1), "000001");  // 8
  PEncerra(caixa(1), "000002");  // 9
  PEncerra(caixa(1), "000003");  // 10
  caixa(1).executa("UPDATE ENCERRA SET VLRDESCONTO = 2.5 WHERE CUPOM = \"000001\"");  // 11
  caixa(1).executa("DELETE FROM ENCERRA WHERE CUPOM = \"000009\"");                    // 12

  EXPECT_TRUE(vendas.FAtualizacoesVenda());

  EXPECT_EQ(FAuditoria(), (std::vector<std::string>{"I 000003", "I 000001", "I 000002",
                                                    "D 000009", "U 000001"}));
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA"), FLinhas(caixa(1), "ENCERRA"));
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());
  EXPECT_EQ(FContaLimbo(*servidor), 0);
  ASSERT_EQ(vendas.GetResumoCiclo().size(), 2u);
  const TResumoCaixa& r = vendas.GetResumoCiclo()[0];
  EXPECT_EQ(r.ecf, "0001");
  EXPECT_TRUE(r.alcancado);
  EXPECT_EQ(r.aplicadas, 5u);
  EXPECT_EQ(r.pendentes, 0u);
  EXPECT_EQ(r.falha, "");
  EXPECT_TRUE(vendas.GetResumoCiclo()[1].alcancado);
  EXPECT_EQ(log.FConta("Abrindo banco: 1."), 1);
  EXPECT_EQ(log.FConta("Sincronizando vendas banco: 1."), 1);
  EXPECT_EQ(log.FConta("Contagem de dados(Vendas): 0."), 1);
  EXPECT_EQ(log.FConta("Termino da sincronizaçao de vendas banco: 1."), 1);
  EXPECT_EQ(log.FConta("Abrindo banco: 2."), 1);
  EXPECT_EQ(log.FConta("Sincronizando vendas banco: 2."), 0);
}

TEST_F(VendaTest, RefusedRowHoldsBackItsPointOfSaleOnlyAndUnknownTablesStay) {
  // Point of sale 1: the central database refuses the second row (a constraint), so it and the
  // third stay. Point of sale 2: a row of a table the cycle does not carry stays and the next row
  // is applied all the same.
  servidor->executa("ALTER TABLE ENCERRA ADD CONSTRAINT CK_TESTE CHECK (VLRDESCONTO < 100)");
  PEncerra(caixa(1), "000001");
  PEncerra(caixa(1), "000002", "500");
  PEncerra(caixa(1), "000003");
  PFilaManual(caixa(2), "0002", "I", "CLIENTE", {"00000001"});
  PEncerra(caixa(2), "000021");

  EXPECT_FALSE(vendas.FAtualizacoesVenda());

  EXPECT_EQ(FLinhas(*servidor, "ENCERRA").size(), 2u);
  EXPECT_EQ(FFilaResumida(caixa(1)),
            (std::vector<std::string>{"I ENCERRA 01", "I ENCERRA 01"}));
  EXPECT_EQ(FFilaResumida(caixa(2)), (std::vector<std::string>{"I CLIENTE 00000001"}));
  EXPECT_EQ(log.FConta("Atualização terminada de forma inesperada."), 1);
  EXPECT_EQ(log.FContaComeco("Ocorreu um erro ao tentar inserir os dados da TEncerraDao.\r"), 1);
  const auto& resumo = vendas.GetResumoCiclo();
  EXPECT_EQ(resumo[0].aplicadas, 1u);
  EXPECT_EQ(resumo[0].pendentes, 2u);
  EXPECT_NE(resumo[0].falha.find("ENCERRA I 01|001|000002"), std::string::npos) << resumo[0].falha;
  EXPECT_EQ(resumo[1].aplicadas, 1u);
  EXPECT_EQ(resumo[1].ignoradas, 1u);
  EXPECT_EQ(resumo[1].pendentes, 1u);
  EXPECT_EQ(resumo[1].falha, "");

  // The cause removed, the next cycle takes the held rows in their order.
  servidor->executa("ALTER TABLE ENCERRA DROP CONSTRAINT CK_TESTE");
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA").size(), 4u);
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());
  EXPECT_EQ(FContaLimbo(*servidor), 0);
}

TEST_F(VendaTest, ColumnTooNarrowInTheCentralDatabaseHoldsTheRow) {
  servidor->executa("ALTER TABLE ENCERRA DROP CODVENDEDOR");
  servidor->executa("ALTER TABLE ENCERRA ADD CODVENDEDOR VARCHAR(2)");
  PInsere(caixa(1), "ENCERRA",
          {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", "000001"}, {"CODVENDEDOR", "1234"}});
  PEncerra(caixa(2), "000002");
  EXPECT_FALSE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FFilaResumida(caixa(1)).size(), 1u);
  EXPECT_TRUE(FFilaResumida(caixa(2)).empty());
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA").size(), 1u);
}

TEST_F(VendaTest, StockMovementAlreadyCentralIsNotInsertedAgainButItsUpdateIs) {
  const TValores movimento = {{"CODEMPRESA", "01"}, {"TIPOAGENTE", "C"}, {"CODIGOAGENTE", "0001"},
                              {"DOCUMENTO", "123"},  {"CODPROD", "000001"}, {"CODGRADE", "U"},
                              {"DT_MOVIMENTO", "16/12/2016"}, {"TIPOMOV", "SV"},
                              {"QUANTIDADE", "1"}};
  PInsere(*servidor, "MVGERAL", movimento);
  PInsere(caixa(1), "MVGERAL", movimento);
  caixa(1).executa("UPDATE MVGERAL SET QUANTIDADE = 7 WHERE DOCUMENTO = \"123\"");

  EXPECT_TRUE(vendas.FAtualizacoesVenda());

  EXPECT_EQ(servidor->valor("SELECT QUANTIDADE FROM MVGERAL"), "7");
  EXPECT_EQ(servidor->contagem("SELECT COUNT(*) FROM MVGERAL"), 1);
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());
  EXPECT_EQ(esperas, (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500),
                                                             std::chrono::milliseconds(500)}));
}

TEST_F(VendaTest, OrderOfTypeFiftyFiveArrivesOnceAndOtherTypesFollowTheAction) {
  const auto pedido = [](const std::string& tipo, const std::string& codigo,
                         const std::string& cliente, const std::string& vendedor) {
    return TValores{{"CODEMPRESA", "01"}, {"TIPOPEDIDO", tipo}, {"CODPEDIDO", codigo},
                    {"CODCLIENTE", cliente}, {"CODVENDEDOR", vendedor}};
  };
  PInsere(*servidor, "PEDIDOC", pedido("55", "00000001", "00000002", "0009"));
  PInsere(caixa(1), "PEDIDOC", pedido("55", "00000001", "00000001", "0001"));
  caixa(1).executa("UPDATE PEDIDOC SET CODVENDEDOR = \"0002\"");
  caixa(1).executa("DELETE FROM PEDIDOC");
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FLinhas(*servidor, "PEDIDOC"), (std::vector<std::string>{FLinhas(*servidor, "PEDIDOC")[0]}));
  EXPECT_EQ(servidor->valor("SELECT CODCLIENTE || CODVENDEDOR FROM PEDIDOC"), "000000020009");
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());

  // Type 56 already central: the insert is carried out and refused.
  PInsere(*servidor, "PEDIDOC", pedido("56", "00000007", "00000001", "0009"));
  PInsere(caixa(2), "PEDIDOC", pedido("56", "00000007", "00000001", "0001"));
  EXPECT_FALSE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FFilaResumida(caixa(2)).size(), 1u);
}

TEST_F(VendaTest, DateKeysWithATimeFindTheirRow) {
  PInsere(caixa(1), "ECFGERAL",
          {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"DTULTRED", "16/12/2016 09:05:07"}, {"NUMULTRED", "1"}});
  caixa(1).executa("UPDATE ECFGERAL SET NUMULTRED = \"2\"");
  EXPECT_EQ(caixa(1).valor("SELECT CHAVE2 FROM INTEGECF WHERE ACAO = \"A\""), "16-DEC-2016 9:05:07.0000");
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FLinhas(*servidor, "ECFGERAL"), FLinhas(caixa(1), "ECFGERAL"));
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());
  caixa(1).executa("DELETE FROM ECFGERAL");
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_TRUE(FLinhas(*servidor, "ECFGERAL").empty());
}

TEST_F(VendaTest, KeyThatIsNotANumberFailsWithTheTableMessage) {
  PFilaManual(caixa(1), "0001", "I", "DETALHEREDUCOESZ", {"01", "X", "16-DEC-2016", "SN", "001"});
  PEncerra(caixa(2), "000001");
  EXPECT_FALSE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(log.FConta("Ocorreu um erro ao tentar atualizar os dados da detalhereducoesz.\rMotivo: "
                       "\"X\" não é um número inteiro válido"),
            1);
  EXPECT_EQ(FFilaResumida(caixa(1)).size(), 1u);
  EXPECT_TRUE(FFilaResumida(caixa(2)).empty());
}

TEST_F(VendaTest, ProgressIsLoggedEveryThousandRows) {
  caixa(1).executa(
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 1001) DO BEGIN "
      "INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) VALUES "
      "(LPAD(:I, 5, \"0\"), \"CAIXA\", \"001\", :I); I = I + 1; END END");
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(log.FConta("Contagem de dados(Vendas): 0."), 1);
  EXPECT_EQ(log.FConta("Contagem de dados(Vendas): 1000."), 1);
  EXPECT_EQ(servidor->contagem("SELECT COUNT(*) FROM SANGRIA"), 1001);
  EXPECT_EQ(vendas.GetResumoCiclo()[0].aplicadas, 1001u);
}

TEST_F(VendaTest, StopFlagEndsTheCycleBeforeTheNextRow) {
  PEncerra(caixa(1), "000001");
  PEncerra(caixa(1), "000002");
  int chamadas = 0;
  vendas.PDefineProcessaEventos([&] {
    if (++chamadas == 2) vendas.PFinalizar(true);
  });
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA").size(), 1u);
  EXPECT_EQ(FFilaResumida(caixa(1)).size(), 1u);
  EXPECT_EQ(vendas.GetResumoCiclo()[0].pendentes, 1u);
  EXPECT_FALSE(caixa(1).conexao().inTransaction());
}

TEST(VendaFuncoesTest, ActionKindsDatesAndDateKeys) {
  EXPECT_EQ(TBancoDados::FRetornaTipoAcao("I"), 0);
  EXPECT_EQ(TBancoDados::FRetornaTipoAcao("a"), 1);
  EXPECT_EQ(TBancoDados::FRetornaTipoAcao("E"), 2);
  EXPECT_EQ(TBancoDados::FRetornaTipoAcao("X"), 0);
  EXPECT_EQ(TBancoDados::FRetornaTipoAcao(2), "E");
  EXPECT_EQ(TBancoDados::FRetornaData("16-DEC-2016"), "16/12/2016");
  EXPECT_EQ(TBancoDados::FRetornaData("1-MAY-2020 9:05:07.0000"), "1/05/2020 9:05:07.0000");
  EXPECT_EQ(TBancoDados::FLeDataChave("16/12/2016"), FEncodeDataHora(2016, 12, 16));
  EXPECT_DOUBLE_EQ(TBancoDados::FLeDataChave("16/12/2016 9:05:07.0000"),
                   FEncodeDataHora(2016, 12, 16, 9, 5, 7));
  EXPECT_THROW(TBancoDados::FLeDataChave("31/02/2016"), std::invalid_argument);
  EXPECT_THROW(TBancoDados::FLeDataChave("16-dec-2016"), std::invalid_argument);
  EXPECT_THROW(TBancoDados::FLeDataChave("16/12/2016 25:00"), std::invalid_argument);
}

}  // namespace
