// The master-data cycle on a real store: products, customers and operators changed at the centre
// through plain SQL reach each point of sale once; deletions stay queued; a refused row holds the
// queue behind it.
#include <gtest/gtest.h>

#include "SuporteReplicacao.h"

namespace {

class CadastroTest : public ReplicacaoTest {
 protected:
  void PProduto(const std::string& codigo, const std::string& descricao) {
    PInsere(*servidor, "PRODUTO", {{"CODPROD", codigo}, {"DESCRICAO", descricao}, {"ATIVO", "S"}});
  }
};

TEST_F(CadastroTest, CentralChangesReachEveryPointOfSaleAndDeletionsStayQueued) {
  PProduto("000001", "FEIJÃO CARIOCA 1KG");
  PProduto("000002", "AÇÚCAR CRISTAL");
  servidor->executa("UPDATE PRODUTO SET DESCRICAO = \"CAFÉ TORRADO\", OBSERVACAO = \"linha 1\rlinha 2\" "
                    "WHERE CODPROD = \"000001\"");
  PInsere(*servidor, "CADOPER", {{"CODOPER", "001"}, {"NOME", "ANA PAULA"}, {"USUARIO", "CAIXA"}});
  servidor->executa("UPDATE CADOPER SET NOME = \"ANA MARIA\"");
  PInsere(*servidor, "CLIENTE", {{"CODCLIENTE", "00000001"}, {"NOME", "JOSÉ"}});
  servidor->executa("DELETE FROM CLIENTE");  // queued "E" for each point of sale; never read
  PProduto("000003", "APAGADO ANTES DO CICLO");
  servidor->executa("DELETE FROM PRODUTO WHERE CODPROD = \"000003\"");

  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());

  for (std::size_t k = 1; k <= 2; ++k) {
    EXPECT_EQ(FLinhas(caixa(k), "PRODUTO"), FLinhas(*servidor, "PRODUTO")) << k;
    EXPECT_EQ(FLinhas(caixa(k), "CADOPER"), FLinhas(*servidor, "CADOPER")) << k;
    // Inserted by the "I" row of a customer deleted since: nothing to write.
    EXPECT_TRUE(FLinhas(caixa(k), "CLIENTE").empty());
    EXPECT_EQ(FContaLimbo(caixa(k)), 0);
    EXPECT_EQ(cadastro.GetResumoCiclo()[k - 1].pendentes, 0u);
  }
  EXPECT_EQ(caixa(1).valor("SELECT DESCRICAO FROM PRODUTO WHERE CODPROD = \"000001\""), "CAFÉ TORRADO");
  EXPECT_EQ(FFilaResumida(*servidor),
            (std::vector<std::string>{"E CLIENTE 00000001", "E CLIENTE 00000001",
                                      "E PRODUTO 000003", "E PRODUTO 000003"}));
  EXPECT_EQ(log.FConta("Iniciando sincronização de cadastros."), 1);
  EXPECT_EQ(log.FConta("Atualizados(Cadastros)0 registros. "), 1);
  EXPECT_EQ(log.FConta("Fim da sincronização de cadastros."), 1);
  EXPECT_EQ(cadastro.GetResumoCiclo()[0].ecf, "0001");
  EXPECT_EQ(cadastro.GetResumoCiclo()[0].aplicadas, 7u);
}

TEST_F(CadastroTest, EmptyQueueReturnsFalseAndLogsNothing) {
  EXPECT_FALSE(cadastro.FAtualizacoesCadastro());
  EXPECT_TRUE(log.FMensagens().empty());
  ASSERT_EQ(cadastro.GetResumoCiclo().size(), 2u);
  EXPECT_TRUE(cadastro.GetResumoCiclo()[1].alcancado);
  EXPECT_EQ(cadastro.GetResumoCiclo()[1].ecf, "0002");
}

TEST_F(CadastroTest, RefusedInsertHoldsTheQueueBehindItCycleAfterCycle) {
  caixa(1).executa("ALTER TABLE PRODUTO ADD CONSTRAINT CK_TESTE CHECK (DESCRICAO <> \"RECUSADO\")");
  PProduto("000001", "RECUSADO");
  PProduto("000002", "ACEITO");
  for (int ciclo = 0; ciclo < 2; ++ciclo) {
    EXPECT_FALSE(cadastro.FAtualizacoesCadastro());
    EXPECT_TRUE(FLinhas(caixa(1), "PRODUTO").empty());
    EXPECT_EQ(FFilaResumida(*servidor).size(), 4u);  // the cycle ends at the first row
    EXPECT_NE(cadastro.GetResumoCiclo()[0].falha, "");
  }
  EXPECT_EQ(log.FContaComeco("Ocorreu um erro ao tentar inserir os dados da TProdutoDao.\r"), 2);
  caixa(1).executa("ALTER TABLE PRODUTO DROP CONSTRAINT CK_TESTE");
  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());
  EXPECT_TRUE(FFilaResumida(*servidor).empty());
  EXPECT_EQ(FLinhas(caixa(1), "PRODUTO"), FLinhas(*servidor, "PRODUTO"));
}

TEST_F(CadastroTest, MissingTableAtThePointOfSaleEndsTheCycleWithTheCycleMessage) {
  caixa(2).executa("DROP TABLE CDOPERC");
  PInsere(*servidor, "CDOPERC", {{"CODOPER", "001"}, {"DESCRICAO", "VENDA"}});
  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());
  EXPECT_EQ(log.FContaComeco(
                "Ocorreu um erro ao tentar atualizar os dados do tipo de operação.\rMotivo: "),
            1);
  EXPECT_EQ(FFilaResumida(*servidor), (std::vector<std::string>{"I CDOPERC 001"}));
}

class CadastroUmCaixaTest : public CadastroTest {
 protected:
  int FQuantidadeCaixas() const override { return 1; }
};

TEST_F(CadastroUmCaixaTest, ProgressIsLoggedEveryFiveHundredRowsTaken) {
  servidor->executa(
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 501) DO BEGIN "
      "INSERT INTO VENDEND (CODVENDEDOR, NOME) VALUES (LPAD(:I, 4, \"0\"), \"V\"); I = I + 1; END END");
  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());
  EXPECT_EQ(log.FConta("Atualizados(Cadastros)0 registros. "), 1);
  EXPECT_EQ(log.FConta("Atualizados(Cadastros)500 registros. "), 1);
  EXPECT_EQ(caixa(1).contagem("SELECT COUNT(*) FROM VENDEND"), 501);
}

}  // namespace
