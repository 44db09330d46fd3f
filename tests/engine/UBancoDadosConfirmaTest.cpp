// One queue row's commit across two databases, interrupted at each of its steps within this
// process (the connection is dropped as a dying agent's would be), then the next cycle: every
// change arrives exactly once, no queue row is lost and no limbo transaction remains.
#include <gtest/gtest.h>

#include "SuporteReplicacao.h"
#include "firebird/Connection.h"

namespace {

struct TParada : std::runtime_error {
  TParada() : std::runtime_error("parada do agente") {}
};

class ConfirmaTest : public ReplicacaoTest, public ::testing::WithParamInterface<TPassoLinha> {
 protected:
  // Makes `motor` stop at `passo` of its first row as a dying agent would: the target's
  // transaction is left as the server would find it (prepared ones in limbo), the source's
  // uncommitted delete is undone.
  void PParaEm(TBancoDados& motor, TPassoLinha passo, std::size_t destino, std::size_t fonte) {
    motor.PDefineObservadorPasso([&motor, passo, destino, fonte](TPassoLinha p, const TLinhaIntegECF&) {
      if (p != passo) return;
      // Everything this needs is taken before the observer (this closure) is removed.
      fb::Connection& alvo = motor.GetListaConexao().FConexao(destino);
      fb::Connection& origem = motor.GetListaConexao().FConexao(fonte);
      motor.PDefineObservadorPasso({});
      origem.rollback();
      if (passo == TPassoLinha::AposPreparo || passo == TPassoLinha::AposConfirmacaoFonte)
        alvo.closeLeavingPrepared();
      else
        alvo.rollback();
      throw TParada();
    });
  }
};

TEST_P(ConfirmaTest, SalesRowStoppedAtAnyStepArrivesOnceAfterTheNextCycle) {
  PAuditaServidor("ENCERRA", "CUPOM");
  for (const char* cupom : {"000001", "000002"})
    PInsere(caixa(1), "ENCERRA", {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", cupom}});
  PParaEm(vendas, GetParam(), 0, 1);
  EXPECT_FALSE(vendas.FAtualizacoesVenda());
  const bool preparada = GetParam() == TPassoLinha::AposPreparo ||
                         GetParam() == TPassoLinha::AposConfirmacaoFonte;
  EXPECT_EQ(FContaLimbo(*servidor), preparada ? 1 : 0);

  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FContaLimbo(*servidor), 0);
  EXPECT_EQ(FAuditoria(), (std::vector<std::string>{"I 000001", "I 000002"}));
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA"), FLinhas(caixa(1), "ENCERRA"));
  EXPECT_TRUE(FFilaResumida(caixa(1)).empty());
  if (preparada) {
    EXPECT_EQ(log.FContaComeco("Transação pendente "), 1);
  }
}

TEST_P(ConfirmaTest, MasterDataRowStoppedAtAnyStepArrivesOnceAfterTheNextCycle) {
  PInsere(*servidor, "PRODUTO", {{"CODPROD", "000001"}, {"DESCRICAO", "ARROZ"}});
  PParaEm(cadastro, GetParam(), 1, 0);
  // The cycle takes the stop as an error of the row: logged, and the cycle ends.
  cadastro.FAtualizacoesCadastro();
  const bool preparada = GetParam() == TPassoLinha::AposPreparo ||
                         GetParam() == TPassoLinha::AposConfirmacaoFonte;
  EXPECT_EQ(FContaLimbo(caixa(1)), preparada ? 1 : 0);
  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());
  EXPECT_EQ(FContaLimbo(caixa(1)), 0);
  for (std::size_t k = 1; k <= 2; ++k)
    EXPECT_EQ(FLinhas(caixa(k), "PRODUTO"), FLinhas(*servidor, "PRODUTO"));
  EXPECT_TRUE(FFilaResumida(*servidor).empty());
}

INSTANTIATE_TEST_SUITE_P(Passos, ConfirmaTest,
                         ::testing::Values(TPassoLinha::AposEscrita, TPassoLinha::AposExclusao,
                                           TPassoLinha::AposPreparo,
                                           TPassoLinha::AposConfirmacaoFonte));

TEST_F(ReplicacaoTest, LimboTransactionWhoseSourceCannotBeReachedIsLeftAndLoggedOncePerCycle) {
  PInsere(caixa(1), "ENCERRA", {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", "000001"}});
  vendas.PDefineObservadorPasso([this](TPassoLinha p, const TLinhaIntegECF&) {
    if (p != TPassoLinha::AposConfirmacaoFonte) return;
    TBancoDados& motor = vendas;
    motor.GetListaConexao().FConexao(0).closeLeavingPrepared();
    motor.PDefineObservadorPasso({});
    throw std::runtime_error("parada");
  });
  EXPECT_FALSE(vendas.FAtualizacoesVenda());
  ASSERT_EQ(FContaLimbo(*servidor), 1);

  // The point of sale's file is gone for a while.
  caixa(1).fecha();
  for (std::size_t i = 1; i < 3; ++i) {
    vendas.GetListaConexao().FConexao(i).close();
    cadastro.GetListaConexao().FConexao(i).close();
  }
  const auto arquivo = caixa(1).arquivo();
  std::filesystem::rename(arquivo, arquivo.string() + ".fora");
  vendas.FAtualizacoesVenda();
  EXPECT_EQ(FContaLimbo(*servidor), 1);
  EXPECT_EQ(log.FContaComeco("Transação pendente "), 1);
  vendas.FAtualizacoesVenda();
  EXPECT_EQ(log.FContaComeco("Transação pendente "), 2);

  std::filesystem::rename(arquivo.string() + ".fora", arquivo);
  caixa(1).reabre();
  EXPECT_TRUE(vendas.FAtualizacoesVenda());
  EXPECT_EQ(FContaLimbo(*servidor), 0);
  EXPECT_EQ(FLinhas(*servidor, "ENCERRA"), FLinhas(caixa(1), "ENCERRA"));
}

}  // namespace
