// A process running one cycle is killed at each step of a queue row's commit; a new cycle in
// another process then completes it. The databases are served by the loopback server, as a
// store's are, so that the dead process's attachments go the way a real agent's would: its open
// transactions are rolled back and a prepared one stays in limbo.
//
// The dying process is this test program itself, run again with a filter that selects the
// disabled test below and the databases and the step named in its environment.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "SuporteReplicacao.h"
#include "engine/UCapturaTabelas.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"

extern char** environ;

namespace {

const std::string kSenha = FConfiguracaoServidor("").password;

std::vector<std::string> FDivide(const std::string& texto) {
  std::vector<std::string> partes;
  std::stringstream in(texto);
  for (std::string parte; std::getline(in, parte, ';');) partes.push_back(parte);
  return partes;
}

void PRegistra(TBancoDados& motor, const std::vector<std::string>& caminhos, const std::string& nome) {
  ASSERT_TRUE(motor.FCriaConexao(caminhos[0], "SYSDBA", kSenha, nome, true));
  for (std::size_t i = 1; i < caminhos.size(); ++i)
    ASSERT_TRUE(motor.FCriaConexao(caminhos[i], "SYSDBA", kSenha, ""));
}

// Run only as the child: one cycle, killed at the step and row its environment names.
TEST(MorteFilhoTest, DISABLED_UmCicloMortoNoPasso) {
  const char* bancos = std::getenv("SV_MORTE_BANCOS");
  if (!bancos) GTEST_SKIP();
  TLogTeste log{std::getenv("SV_MORTE_LOG")};
  TNotificadorGravador notificador;
  TBancoDados motor{notificador};
  const bool venda = std::string(std::getenv("SV_MORTE_CICLO")) == "venda";
  PRegistra(motor, FDivide(bancos), venda ? "ConexaoServidorVend" : "ConexaoServidor");
  const auto passo = static_cast<TPassoLinha>(std::atoi(std::getenv("SV_MORTE_PASSO")));
  const int linhaAlvo = std::atoi(std::getenv("SV_MORTE_LINHA"));
  int linha = 0;
  motor.PDefineEspera([](std::chrono::milliseconds) {});
  motor.PDefineObservadorPasso([&](TPassoLinha p, const TLinhaIntegECF&) {
    if (p == TPassoLinha::AposEscrita) ++linha;
    if (p == passo && linha == linhaAlvo) ::kill(::getpid(), SIGKILL);
  });
  if (venda)
    motor.FAtualizacoesVenda();
  else
    motor.FAtualizacoesCadastro();
}

class MorteTest : public ::testing::TestWithParam<TPassoLinha>, protected TMotoresTeste {
 protected:
  std::vector<std::string> caminhos;
  std::vector<std::unique_ptr<fb::Connection>> bancos;  // 0 central, 1 and 2 points of sale

  void SetUp() override {
    for (int k = 0; k <= 2; ++k) {
      TBancoTeste banco(pasta / (k == 0 ? std::string("servidor.fdb") : "caixa" + std::to_string(k) + ".fdb"));
      for (int m = 1; m <= 2; ++m) {
        if (k != 0 && k != m) continue;
        const std::string maquina = "00" + std::to_string(m);
        banco.adicionaMaquina({maquina, "SN" + maquina, "01"});
      }
      caminhos.push_back(banco.caminhoNoServidor("127.0.0.1"));
    }
    PRegistra(cadastro, caminhos, "ConexaoServidor");
    PRegistra(vendas, caminhos, "ConexaoServidorVend");
    ASSERT_TRUE(cadastro.FAtualizaBancoDeDados());
    const TSelecaoTabelas todas;
    ASSERT_TRUE(FAplicaCaptura(cadastro, todas, true));
    ASSERT_TRUE(FAplicaCaptura(cadastro, todas, false));
    for (const std::string& caminho : caminhos) {
      bancos.push_back(std::make_unique<fb::Connection>(FConfiguracaoServidor(caminho)));
      bancos.back()->open();
    }
  }

  bool FPreparada() const {
    return GetParam() == TPassoLinha::AposPreparo || GetParam() == TPassoLinha::AposConfirmacaoFonte;
  }

  void PExecuta(std::size_t k, const std::string& sql) {
    fb::Connection& c = *bancos[k];
    c.startTransaction();
    fb::Statement(c, sql, false).execute();
    c.commit();
  }

  // Runs the child and waits until the server has let go of its attachments.
  void PMataCiclo(const std::string& ciclo, TPassoLinha passo, int linha) {
    std::string juntos;
    for (const std::string& c : caminhos) juntos += (juntos.empty() ? "" : ";") + c;
    std::vector<std::string> ambiente = {"SV_MORTE_BANCOS=" + juntos,
                                         "SV_MORTE_LOG=" + (pasta / "LogIntg").string(),
                                         "SV_MORTE_CICLO=" + ciclo,
                                         "SV_MORTE_PASSO=" + std::to_string(static_cast<int>(passo)),
                                         "SV_MORTE_LINHA=" + std::to_string(linha)};
    for (char** e = environ; *e; ++e) ambiente.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : ambiente) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string exe = "/proc/self/exe", filtro = "--gtest_filter=MorteFilhoTest.DISABLED_UmCicloMortoNoPasso",
                desabilitados = "--gtest_also_run_disabled_tests";
    char* argv[] = {exe.data(), filtro.data(), desabilitados.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, envp.data()), 0);
    int estado = 0;
    ASSERT_EQ(::waitpid(pid, &estado, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL) << "the child was not killed";
    for (auto& banco : bancos) {
      for (int tentativa = 0; tentativa < 100; ++tentativa) {
        if (FValor(*banco, "SELECT COUNT(*) FROM MON$ATTACHMENTS WHERE MON$REMOTE_PID = " +
                               std::to_string(pid)) == "0")
          break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    }
  }
};

TEST_P(MorteTest, SalesCycleKilledAtAStepLosesNothingAndAppliesNothingTwice) {
  PExecuta(0, "CREATE TABLE AUDITORIA (SEQ INTEGER NOT NULL, OPERACAO VARCHAR(60))");
  PExecuta(0, "CREATE GENERATOR G_AUDITORIA");
  PExecuta(0, "CREATE TRIGGER AUD_ENCERRA FOR ENCERRA AFTER INSERT OR UPDATE AS BEGIN "
              "INSERT INTO AUDITORIA VALUES (GEN_ID(G_AUDITORIA, 1), NEW.CUPOM); END");
  for (const char* cupom : {"000001", "000002", "000003"})
    PInsere(*bancos[1], "ENCERRA", {{"CODEMPRESA", "01"}, {"PDV", "001"}, {"CUPOM", cupom}, {"OBSERVACAO", "VENDA ÀS 9h"}});
  PExecuta(1, "UPDATE ENCERRA SET VLRDESCONTO = 1 WHERE CUPOM = \"000001\"");
  PInsere(*bancos[2], "ENCERRA", {{"CODEMPRESA", "01"}, {"PDV", "002"}, {"CUPOM", "000001"}});

  PMataCiclo("venda", GetParam(), 2);
  EXPECT_EQ(FContaLimbo(*bancos[0]), FPreparada() ? 1 : 0);
  EXPECT_TRUE(vendas.FAtualizacoesVenda());

  for (std::size_t k = 0; k <= 2; ++k) EXPECT_EQ(FContaLimbo(*bancos[k]), 0) << k;
  EXPECT_TRUE(FFilaResumida(*bancos[1]).empty());
  EXPECT_TRUE(FFilaResumida(*bancos[2]).empty());
  std::vector<std::string> caixas = FLinhas(*bancos[1], "ENCERRA");
  for (const std::string& l : FLinhas(*bancos[2], "ENCERRA")) caixas.push_back(l);
  std::sort(caixas.begin(), caixas.end());
  EXPECT_EQ(FLinhas(*bancos[0], "ENCERRA"), caixas);
  // Each insert and the update written once: four writes, "000001" of each till and its update.
  EXPECT_EQ(FValor(*bancos[0], "SELECT COUNT(*) FROM AUDITORIA"), "5");
  EXPECT_EQ(FValor(*bancos[0], "SELECT COUNT(*) FROM AUDITORIA WHERE OPERACAO = \"000002\""), "1");
}

TEST_P(MorteTest, MasterDataCycleKilledAtAStepLosesNothing) {
  for (const char* codigo : {"000001", "000002"})
    PInsere(*bancos[0], "PRODUTO", {{"CODPROD", codigo}, {"DESCRICAO", "AÇÚCAR"}});
  PMataCiclo("cadastro", GetParam(), 2);
  // The second row is the first product's for the second point of sale.
  EXPECT_EQ(FContaLimbo(*bancos[2]), FPreparada() ? 1 : 0);
  EXPECT_TRUE(cadastro.FAtualizacoesCadastro());
  for (std::size_t k = 0; k <= 2; ++k) EXPECT_EQ(FContaLimbo(*bancos[k]), 0) << k;
  EXPECT_TRUE(FFilaResumida(*bancos[0]).empty());
  for (std::size_t k = 1; k <= 2; ++k)
    EXPECT_EQ(FLinhas(*bancos[k], "PRODUTO"), FLinhas(*bancos[0], "PRODUTO")) << k;
}

INSTANTIATE_TEST_SUITE_P(Passos, MorteTest,
                         ::testing::Values(TPassoLinha::AposEscrita, TPassoLinha::AposExclusao,
                                           TPassoLinha::AposPreparo,
                                           TPassoLinha::AposConfirmacaoFonte));

}  // namespace
