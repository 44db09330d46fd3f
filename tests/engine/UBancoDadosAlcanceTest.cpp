#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "engine/raw_ping.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"
#include "support/RedeIsolada.h"

namespace {

// The loopback server's own password: a plain path that cannot be opened in-process is tried
// through the server on this machine, and a refused login there would slow every later one.
const std::string kSenha = FConfiguracaoServidor("").password;

TEST(FRetornaHost, PathFormsAndBadInput) {
  struct Caso {
    std::string caminho, host;
  };
  const Caso casos[] = {
      {"servidor:C:\\dados\\base.fdb", "servidor"},
      {"127.0.0.5:C:\\dados\\base.fdb", "127.0.0.5"},
      {"C:\\dados\\base.fdb", ""},
      {"\\\\servidor\\C:\\dados\\base.fdb", "servidor"},
      {"\\\\servidor\\dados\\base.fdb", ""},
      {"localhost:/var/lib/loja.fdb", "localhost"},
      {"/var/lib/loja.fdb", ""},
      {"host/3050:C:\\dados\\base.fdb", "host/3050"},
      {"", ""},
      {":", ""},
      {"c:", ""},
      {"ab:", "ab"},
      {"\\\\:x", ""},
      {std::string(100000, 'h') + ":/x.fdb", std::string(100000, 'h')},
      {std::string(100000, '/'), ""},
  };
  for (const Caso& c : casos) EXPECT_EQ(FRetornaHost(c.caminho), c.host) << c.caminho;
}

class AlcanceTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TBancoDados motor{notificador};
  TBancoTeste servidor{pasta / "servidor.fdb"};

  void SetUp() override {
    ASSERT_TRUE(
        motor.FCriaConexao(servidor.caminho(), "SYSDBA", kSenha, "ConexaoServidor", true));
  }
  std::size_t registra(const std::string& caminho, const std::string& senha = kSenha) {
    EXPECT_TRUE(motor.FCriaConexao(caminho, "SYSDBA", senha, ""));
    return motor.GetListaConexao().FQuantidade() - 1;
  }
  fb::Connection& entrada(std::size_t i) { return motor.GetListaConexao().FConexao(i); }
};

TEST_F(AlcanceTest, HealthyLocalEntryIsReopenedNotPinged) {
  TBancoTeste caixa{pasta / "caixa.fdb"};
  const std::size_t i = registra(caixa.caminho());
  EXPECT_TRUE(motor.FVerificaConexao(i));
  EXPECT_TRUE(entrada(i).isOpen());

  // An open entry with work in progress is closed and reopened all the same: the uncommitted row
  // is gone afterwards.
  motor.PAbreTransacao(i, 1);
  entrada(i).execute("INSERT INTO PDVFISC (MAQUINA, CODEMPRESA) VALUES (\"001\", \"01\")");
  EXPECT_TRUE(motor.FVerificaConexao(i));
  EXPECT_TRUE(entrada(i).isOpen());
  EXPECT_FALSE(entrada(i).inTransaction());
  EXPECT_EQ(caixa.contagem("SELECT COUNT(*) FROM PDVFISC"), 0);
  EXPECT_TRUE(motor.FReestabeleceConexao(i));
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(AlcanceTest, ServedEntriesAreReachedThroughLoopbackByNameAndAddress) {
  TBancoTeste caixa1{pasta / "caixa1.fdb"};
  TBancoTeste caixa2{pasta / "caixa2.fdb"};
  const std::size_t i1 = registra(caixa1.caminhoNoServidor("localhost"));
  const std::size_t i2 = registra(caixa2.caminhoNoServidor("127.0.0.1"));
  EXPECT_TRUE(motor.FVerificaConexao(i1));
  EXPECT_TRUE(motor.FVerificaConexao(i2));
  EXPECT_TRUE(motor.FVerificaTodasConexoes());
  EXPECT_TRUE(entrada(i1).isOpen());
  EXPECT_TRUE(entrada(i2).isOpen());
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(AlcanceTest, RefusedLoginFailsAndIsLogged) {
  TBancoTeste caixa{pasta / "caixa.fdb"};
  const std::size_t i = registra(caixa.caminhoNoServidor("localhost"), "senha-errada");
  EXPECT_FALSE(motor.FVerificaConexao(i));
  EXPECT_FALSE(entrada(i).isOpen());
  EXPECT_EQ(log.FContaComeco("ERRO_VERIFICAÇÃO_BANCO: "), 1);
  ASSERT_EQ(log.FMensagens().size(), 1u);
  EXPECT_GT(log.FMensagens()[0].size(), std::string("ERRO_VERIFICAÇÃO_BANCO: ").size());
}

TEST_F(AlcanceTest, MissingLocalDatabaseFailsAndIsLogged) {
  const std::size_t i = registra((pasta / "nao_existe.fdb").string());
  EXPECT_FALSE(motor.FVerificaConexao(i));
  EXPECT_FALSE(motor.FReestabeleceConexao(i));
  EXPECT_EQ(log.FContaComeco("ERRO_VERIFICAÇÃO_BANCO: "), 2);
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(AlcanceTest, DatabaseWithoutPointOfSaleTableNeverPasses) {
  TBancoTeste caixa{pasta / "caixa.fdb"};
  caixa.executa("DROP TABLE PDVFISC");
  const std::size_t i = registra(caixa.caminho());
  EXPECT_FALSE(motor.FVerificaConexao(i));
  EXPECT_FALSE(FVerificaBancoOnline(entrada(i)));
  EXPECT_TRUE(log.FMensagens().empty());
  // A closed connection fails the probe too; an open one with the table passes it.
  EXPECT_FALSE(FVerificaBancoOnline(entrada(registra(servidor.caminho()))));
  EXPECT_TRUE(FVerificaBancoOnline(entrada(0)));
}

// A host that does not answer is skipped without a connect attempt: nothing is logged (a failed
// open would be) and the entry stays as it was. The silent host is one of a network namespace of
// the test's own.
TEST_F(AlcanceTest, SilentOrUnresolvableHostFailsWithoutLoggingOrTouchingTheEntry) {
  SV_NA_REDE_ISOLADA();
  const std::size_t mudo = registra(kHostMudo + ":/dados/caixa.fdb");
  const std::size_t porta = registra(kHostMudo + "/3051:C:\\dados\\base.fdb");
  const std::size_t invalido = registra("nome com espaco:/dados/caixa.fdb");
  EXPECT_FALSE(motor.FVerificaConexao(mudo));
  EXPECT_FALSE(motor.FVerificaConexao(porta));
  EXPECT_FALSE(motor.FReestabeleceConexao(invalido));
  for (std::size_t i : {mudo, porta, invalido}) EXPECT_FALSE(entrada(i).isOpen());
  EXPECT_TRUE(log.FMensagens().empty());
  EXPECT_TRUE(notificador.avisos.empty());
}

// A process that may open no ICMP socket asks the database port instead: the server that listens
// on the port the path names is reached, a silent host is not, and neither is logged beyond the
// one notice that says why the echo is not used.
TEST_F(AlcanceTest, WithoutIcmpSocketsTheServedEntryIsReachedByItsPort) {
  PDefineAberturaCanalIcmp([] { return std::unique_ptr<TCanalIcmp>(); });
  TBancoTeste caixa1{pasta / "caixa1.fdb"};
  TBancoTeste caixa2{pasta / "caixa2.fdb"};
  const std::size_t i1 = registra(caixa1.caminhoNoServidor("localhost"));
  const std::size_t i2 = registra(caixa2.caminhoNoServidor("127.0.0.1"));
  EXPECT_TRUE(motor.FVerificaConexao(i1));
  EXPECT_TRUE(motor.FVerificaConexao(i2));
  PDefineAberturaCanalIcmp(nullptr);
  EXPECT_TRUE(entrada(i1).isOpen());
  EXPECT_LE(log.FMensagens().size(), 1u);
  for (const std::string& m : log.FMensagens())
    EXPECT_EQ(m.rfind("Não foi possível abrir um socket ICMP", 0), 0u) << m;
}

TEST_F(AlcanceTest, WithoutIcmpSocketsASilentHostIsSkippedAtTheLimit) {
  SV_NA_REDE_ISOLADA();
  PDefineAberturaCanalIcmp([] { return std::unique_ptr<TCanalIcmp>(); });
  const std::size_t mudo = registra(kHostMudo + ":/dados/caixa.fdb");
  const auto inicio = std::chrono::steady_clock::now();
  EXPECT_FALSE(motor.FVerificaConexao(mudo));
  const auto demora = std::chrono::steady_clock::now() - inicio;
  PDefineAberturaCanalIcmp(nullptr);
  EXPECT_GE(demora, kTempoLimitePing);
  EXPECT_FALSE(entrada(mudo).isOpen());
  ASSERT_EQ(log.FMensagens().size(), 1u);
  EXPECT_EQ(log.FMensagens()[0].rfind("Não foi possível abrir um socket ICMP", 0), 0u);
}

TEST_F(AlcanceTest, AllPointsOfSaleStopsAtTheFirstFailure) {
  SV_NA_REDE_ISOLADA();
  EXPECT_TRUE(motor.FVerificaTodasConexoes()) << "only the central entry";

  TBancoTeste caixa{pasta / "caixa.fdb"};
  const std::size_t mudo = registra(kHostMudo + ":/dados/caixa.fdb");
  const std::size_t seguinte = registra(caixa.caminho());
  entrada(0).close();
  EXPECT_FALSE(motor.FVerificaTodasConexoes());
  EXPECT_FALSE(entrada(mudo).isOpen());
  EXPECT_FALSE(entrada(seguinte).isOpen()) << "the entry after the failure was contacted";
  EXPECT_FALSE(entrada(0).isOpen()) << "entry 0 is not a point of sale";
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(AlcanceTest, AllPointsOfSalePassingOpensEachOfThem) {
  TBancoTeste caixa1{pasta / "caixa1.fdb"};
  TBancoTeste caixa2{pasta / "caixa2.fdb"};
  const std::size_t i1 = registra(caixa1.caminho());
  const std::size_t i2 = registra(caixa2.caminho());
  EXPECT_TRUE(motor.FVerificaTodasConexoes());
  EXPECT_TRUE(entrada(i1).isOpen());
  EXPECT_TRUE(entrada(i2).isOpen());
}

}  // namespace
