// The sync workers: counted suspension, one cycle per release run on the main thread, the switch
// read at each cycle, the end of a worker whose routine raised, and release at shutdown.
#include <gtest/gtest.h>

#include <QThread>
#include <fstream>

#include "SuporteApp.h"
#include "app/UEntregaPrincipal.h"
#include "app/UParalelo.h"
#include "engine/UBancoDados.h"

namespace {

using namespace std::chrono_literals;

class TParaleloTest : public ::testing::Test {
 protected:
  TPastaProgramaTeste pasta;
  TNotificadorGravador notificador;
  TEntregaPrincipal entrega;
  TBancoDados motor{notificador};
  int ciclos = 0;
  bool noPrincipal = true;

  TCiclo contaCiclos() {
    return [this] {
      ++ciclos;
      noPrincipal = noPrincipal && QThread::currentThread() == entrega.thread();
    };
  }
};

TEST_F(TParaleloTest, EachReleaseGivesExactlyOneCycleOnTheMainThread) {
  pasta.escreveIni("[VENDAS]\r\nATUALIZA=1\r\n");
  TParaleloVendas vendas(entrega, notificador, motor, contaCiclos());
  PProcessaPor(200ms);
  EXPECT_TRUE(vendas.FEmExecucao());
  EXPECT_EQ(ciclos, 0);
  EXPECT_EQ(pasta.conta("Execute da vendas trhead"), 0);

  vendas.PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] { return ciclos == 1 && vendas.FEmExecucao(); }));
  PProcessaPor(300ms);
  EXPECT_EQ(ciclos, 1);
  // A release while suspended: exactly one more.
  vendas.PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] { return ciclos == 2 && vendas.FEmExecucao(); }));
  PProcessaPor(300ms);
  EXPECT_EQ(ciclos, 2);
  EXPECT_TRUE(noPrincipal);
  EXPECT_EQ(pasta.conta("Execute da vendas trhead"), 1);
  EXPECT_EQ(pasta.conta("Sincronize da trehad"), 2);
}

TEST_F(TParaleloTest, WithTheSwitchOffTheWorkerIsReleasedAndSuspendedWithoutACycle) {
  pasta.escreveIni("[VENDAS]\r\nATUALIZA=0\r\n[CADASTRO]\r\nATUALIZA=S\r\n");
  TParaleloVendas vendas(entrega, notificador, motor, contaCiclos());
  TParaleloCadastros cadastros(entrega, notificador, motor, contaCiclos());
  vendas.PIniciar();
  cadastros.PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] {
    return pasta.conta("Sincronize da trehad") == 2 && vendas.FEmExecucao() &&
           cadastros.fbSuspenso();
  }));
  PProcessaPor(200ms);
  EXPECT_EQ(ciclos, 0);  // "S" is not a switch value: off
  // Turned on again, the next release runs a cycle.
  pasta.escreveIni("");
  std::string ini = pasta.leIni();
  ini.replace(ini.find("ATUALIZA=0"), 10, "ATUALIZA=2");
  std::ofstream(pasta.ini(), std::ios::binary | std::ios::trunc) << ini;
  vendas.PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] { return ciclos == 1 && vendas.FEmExecucao(); }));
}

TEST_F(TParaleloTest, ARoutineThatRaisesIsReportedInTheWorkerWhichThenEndsForGood) {
  pasta.escreveIni("[CADASTRO]\r\nATUALIZA=1\r\n");
  TParaleloCadastros cadastros(entrega, notificador, motor, [this] {
    ++ciclos;
    throw std::runtime_error("conexão perdida");
  });
  cadastros.PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] { return cadastros.isFinished(); }));
  EXPECT_EQ(notificador.avisos,
            std::vector<std::string>{"Ocorreu um erro no processo de verificação de "
                                     "atualizações.\rMotivo: conexão perdida"});
  EXPECT_EQ(pasta.conta("Fim Cadastro Trhead"), 1);
  EXPECT_FALSE(cadastros.fbSuspenso());
  cadastros.PIniciar();
  PProcessaPor(200ms);
  EXPECT_EQ(ciclos, 1);
}

TEST_F(TParaleloTest, ReleasingANeverReleasedWorkerRunsItsBodyOnceWithTerminationRequested) {
  {
    TParaleloVendas vendas(entrega, notificador, motor, contaCiclos());
    vendas.PParalisar();
    vendas.PFinalizar();
    EXPECT_TRUE(motor.GetFinalizar());
  }
  const std::vector<std::string> esperado = {"Execute da vendas trhead", "Fim vendas Trhead"};
  EXPECT_EQ(pasta.mensagens(), esperado);
  EXPECT_EQ(ciclos, 0);
}

TEST_F(TParaleloTest, ReleasingAWorkerWaitingForTheMainThreadDropsItsRoutineAndReturns) {
  pasta.escreveIni("[VENDAS]\r\nATUALIZA=1\r\n");
  auto vendas = std::make_unique<TParaleloVendas>(entrega, notificador, motor, contaCiclos());
  vendas->PIniciar();
  // The main thread serves nothing: the worker stays blocked in its hand-over.
  for (int i = 0; i < 500 && pasta.conta("Sincronize da trehad") == 0; ++i) QThread::msleep(10);
  QThread::msleep(50);
  ASSERT_FALSE(vendas->isFinished());
  const auto inicio = std::chrono::steady_clock::now();
  entrega.PFecha();
  vendas->PFinalizar();
  vendas.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, 2s);
  EXPECT_EQ(ciclos, 0);
  EXPECT_EQ(pasta.conta("Fim vendas Trhead"), 1);
}

TEST_F(TParaleloTest, PauseCountsOnceAndStartClearsEverySuspension) {
  TParaleloVendas vendas(entrega, notificador, motor, contaCiclos());
  EXPECT_TRUE(vendas.FEmExecucao());
  vendas.PParalisar();  // already suspended: nothing added
  vendas.PIniciar();
  EXPECT_FALSE(vendas.fbSuspenso());
  vendas.PParalisar();
  EXPECT_TRUE(vendas.fbSuspenso());
}

}  // namespace
