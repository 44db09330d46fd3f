#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "firebird/Error.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

// The loopback server's own password: a plain path that cannot be opened in-process is tried
// through the server on this machine, and a refused login there would slow every later one.
const std::string kSenha = FConfiguracaoServidor("").password;

const std::string kAvisoConexao =
    "Ocorreu um erro ao tentar fazer conexão com o banco de dados.\rMotivo: ";

class RegistroTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TBancoDados motor{notificador};
  TBancoTeste servidor{pasta / "servidor.fdb"};
  TBancoTeste caixa{pasta / "caixa.fdb"};

  bool FCria(const std::string& caminho, const std::string& nome, bool abrir = false) {
    return motor.FCriaConexao(caminho, "SYSDBA", kSenha, nome, abrir);
  }
  fb::Connection& entrada(std::size_t i) { return motor.GetListaConexao().FConexao(i); }
};

TEST_F(RegistroTest, EntriesAreNamedAfterTheirPositionAndKeepTheirSettings) {
  EXPECT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
  EXPECT_TRUE(FCria(caixa.caminho(), ""));
  EXPECT_TRUE(FCria(caixa.caminho() + ".2", "  \t "));
  EXPECT_TRUE(FCria(caixa.caminho() + ".3", " Minha "));
  ASSERT_EQ(motor.GetListaConexao().FQuantidade(), 4u);
  EXPECT_EQ(entrada(0).name(), "ConexaoServidor");
  EXPECT_EQ(entrada(1).name(), "ConexaoCaixa0");
  EXPECT_EQ(entrada(2).name(), "ConexaoCaixa1");
  EXPECT_EQ(entrada(3).name(), " Minha ");
  EXPECT_EQ(entrada(1).database(), caixa.caminho());
  EXPECT_EQ(entrada(1).settings().user, "SYSDBA");
  EXPECT_EQ(entrada(1).settings().password, kSenha);
  // Open-now opens; the second form registers without contacting the database.
  EXPECT_TRUE(entrada(0).isOpen());
  EXPECT_FALSE(entrada(1).isOpen());
  EXPECT_TRUE(notificador.avisos.empty());
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(RegistroTest, PathsAreKeysThatRespectCaseAndSpaces) {
  ASSERT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
  const std::string maiusculo = pasta.caminho().string() + "/CAIXA.FDB";
  const std::string minusculo = pasta.caminho().string() + "/caixa.fdb";
  EXPECT_TRUE(FCria(maiusculo, ""));
  EXPECT_TRUE(FCria(minusculo, ""));
  EXPECT_EQ(motor.GetListaConexao().FQuantidade(), 3u);
  EXPECT_TRUE(motor.FExisteConexao(maiusculo));
  EXPECT_TRUE(motor.FExisteConexao(minusculo));
  EXPECT_FALSE(motor.FExisteConexao(pasta.caminho().string() + "/Caixa.fdb"));
  EXPECT_FALSE(motor.FExisteConexao(" " + minusculo));
  EXPECT_FALSE(motor.FExisteConexao(""));
  // Nothing was contacted to answer.
  EXPECT_FALSE(entrada(1).isOpen());
  EXPECT_FALSE(entrada(2).isOpen());
}

TEST_F(RegistroTest, FailedOpenWarnsOnceLogsOnceAndRegistersNothing) {
  ASSERT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
  const std::string ausente = (pasta / "nao_existe.fdb").string();
  EXPECT_FALSE(FCria(ausente, "", true));
  EXPECT_EQ(motor.GetListaConexao().FQuantidade(), 1u);
  ASSERT_EQ(notificador.avisos.size(), 1u);
  EXPECT_EQ(notificador.avisos[0].rfind(kAvisoConexao, 0), 0u) << notificador.avisos[0];
  EXPECT_GT(notificador.avisos[0].size(), kAvisoConexao.size()) << "the reason is missing";
  EXPECT_EQ(log.FMensagens(), std::vector<std::string>{"Problema na conexao."});

  // Unopened, the same path is registered: nothing is contacted.
  EXPECT_TRUE(FCria(ausente, ""));
  EXPECT_EQ(motor.GetListaConexao().FQuantidade(), 2u);
  EXPECT_EQ(entrada(1).name(), "ConexaoCaixa0");
  EXPECT_EQ(notificador.avisos.size(), 1u);
  EXPECT_EQ(log.FMensagens().size(), 1u);
}

TEST_F(RegistroTest, PointOfSaleNumberSkipsMachine999) {
  EXPECT_EQ(motor.FBuscaNumeroCaixa(nullptr), "");
  caixa.adicionaMaquina({"999", "SERIE9"});
  EXPECT_EQ(motor.FBuscaNumeroCaixa(&caixa.conexao()), "");
  caixa.adicionaMaquina({"003", "SERIE3"});
  EXPECT_EQ(motor.FBuscaNumeroCaixa(&caixa.conexao()), "003");

  // Through an engine entry, as the cycles ask for it.
  ASSERT_TRUE(FCria(caixa.caminho(), "", true));
  EXPECT_EQ(motor.FBuscaNumeroCaixa(&entrada(0)), "003");
}

TEST_F(RegistroTest, PointOfSaleNumberQueryErrorsReachTheCaller) {
  caixa.executa("DROP TABLE PDVFISC");
  EXPECT_THROW(motor.FBuscaNumeroCaixa(&caixa.conexao()), fb::Error);
  ASSERT_TRUE(FCria(servidor.caminho(), ""));  // registered, never opened
  EXPECT_THROW(motor.FBuscaNumeroCaixa(&entrada(0)), fb::Error);
}

TEST_F(RegistroTest, LookupReturnsTheLaterOfTwoVerifyingEntries) {
  caixa.adicionaMaquina({"001", "SERIE1"});
  ASSERT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
  ASSERT_TRUE(FCria(caixa.caminho(), "Primeira"));
  ASSERT_TRUE(FCria(caixa.caminho(), "Segunda"));
  fb::Connection* achada = motor.FRetornaConexao(caixa.caminho());
  EXPECT_EQ(achada, &entrada(2));
  // Every matching entry was verified, so both are open now.
  EXPECT_TRUE(entrada(1).isOpen());
  EXPECT_TRUE(entrada(2).isOpen());
  EXPECT_EQ(motor.FRetornaConexao(caixa.caminho() + "x"), nullptr);
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(RegistroTest, LookupOfAnUnreachableEntryGivesNoneAndLogsWhy) {
  const std::string ausente = (pasta / "desligado.fdb").string();
  ASSERT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
  ASSERT_TRUE(FCria(ausente, ""));
  EXPECT_EQ(motor.FRetornaConexao(ausente), nullptr);
  EXPECT_EQ(log.FContaComeco("ERRO_VERIFICAÇÃO_BANCO: "), 1);
  EXPECT_EQ(log.FMensagens().size(), 1u);
}

class TransacaoTest : public RegistroTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FCria(servidor.caminho(), "ConexaoServidor", true));
    ASSERT_TRUE(FCria(caixa.caminho(), "", true));
  }
  void insere(std::size_t i, const std::string& maquina) {
    entrada(i).execute("INSERT INTO PDVFISC (MAQUINA, CODEMPRESA) VALUES (\"" + maquina +
                       "\", \"01\")");
  }
  int maquinasNoCaixa() { return caixa.contagem("SELECT COUNT(*) FROM PDVFISC"); }
};

TEST_F(TransacaoTest, OpeningTwiceKeepsTheActiveTransaction) {
  motor.PAbreTransacao(1, 1);
  insere(1, "001");
  motor.PAbreTransacao(1, 1);  // a second open neither commits nor restarts
  insere(1, "002");
  EXPECT_EQ(maquinasNoCaixa(), 0);
  motor.PConfirmaTransacao(1, 1);
  EXPECT_FALSE(entrada(1).inTransaction());
  EXPECT_EQ(maquinasNoCaixa(), 2);
  // Entry 0 was never involved.
  EXPECT_FALSE(entrada(0).inTransaction());
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM PDVFISC"), 0);
}

TEST_F(TransacaoTest, CancelUndoesAndWithoutTransactionDoesNothing) {
  motor.PAbreTransacao(1, 1);
  insere(1, "001");
  motor.PCancelaTransacao(1, 1);
  EXPECT_FALSE(entrada(1).inTransaction());
  EXPECT_EQ(maquinasNoCaixa(), 0);
  EXPECT_NO_THROW(motor.PCancelaTransacao(1, 1));
  EXPECT_NO_THROW(motor.PCancelaTransacao(0, 1));
}

TEST_F(TransacaoTest, CommitWithoutTransactionRaises) {
  EXPECT_THROW(motor.PConfirmaTransacao(1, 1), fb::Error);
  motor.PAbreTransacao(1, 1);
  motor.PConfirmaTransacao(1, 1);
  EXPECT_THROW(motor.PConfirmaTransacao(1, 1), fb::Error);
}

TEST_F(TransacaoTest, OpeningOnAClosedEntryRaises) {
  ASSERT_TRUE(FCria(caixa.caminho(), ""));
  EXPECT_THROW(motor.PAbreTransacao(2, 1), fb::Error);
  EXPECT_FALSE(entrada(2).inTransaction());
}

TEST_F(TransacaoTest, PositionOutsideTheRegistryIsNamedInTheError) {
  auto nomeiaPosicao = [](auto&& chamada) {
    try {
      chamada();
    } catch (const std::out_of_range& erro) {
      return std::string(erro.what()).find("position 7") != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(nomeiaPosicao([&] { motor.PAbreTransacao(7, 1); }));
  EXPECT_TRUE(nomeiaPosicao([&] { motor.PConfirmaTransacao(7, 1); }));
  EXPECT_TRUE(nomeiaPosicao([&] { motor.PCancelaTransacao(7, 1); }));
  EXPECT_TRUE(nomeiaPosicao([&] { motor.FVerificaConexao(7); }));
  EXPECT_TRUE(nomeiaPosicao([&] { motor.FReestabeleceConexao(7); }));
  EXPECT_TRUE(nomeiaPosicao([&] { entrada(7); }));
  EXPECT_TRUE(log.FMensagens().empty());
}

}  // namespace
