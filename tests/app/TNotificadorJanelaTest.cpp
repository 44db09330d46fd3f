// The window's notifier and the signals that close the program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QThread>
#include <csignal>

#include "SuporteApp.h"
#include "app/UNotificadorJanela.h"
#include "app/USinaisEncerramento.h"

namespace {

using namespace std::chrono_literals;

TEST(TNotificadorJanelaTest, AMessagesCarriageReturnIsOneLineBreakInTheBox) {
  EXPECT_EQ(TNotificadorJanela::FTextoExibido("Falhou.\rMotivo: disco cheio"),
            "Falhou.\nMotivo: disco cheio");
  EXPECT_EQ(TNotificadorJanela::FTextoExibido("a\r\nb\nc"), "a\nb\nc");
  EXPECT_EQ(TNotificadorJanela::FTextoExibido("Conexão"), QString::fromUtf8("Conexão"));
}

TEST(TNotificadorJanelaTest, WhileClosingMessagesFromAnyThreadGoToTheLogUnchanged) {
  TPastaProgramaTeste pasta;
  TNotificadorJanela notificador;
  notificador.PDefineEncerrando(true);
  notificador.PAviso("Ocorreu um erro.\rMotivo: x");
  // From a worker, the message is handed to the main thread, which must be serving events.
  bool feito = false;
  QThread* fio = QThread::create([&] {
    notificador.PErro("do trabalhador");
    feito = true;
  });
  fio->start();
  EXPECT_TRUE(fbAguardaQue([&] { return feito; }, 10s));
  fio->wait();
  delete fio;
  // Once a later entry is written, the log shows the carriage return as a line end.
  EXPECT_EQ(pasta.mensagens(),
            (std::vector<std::string>{"Ocorreu um erro.\r\nMotivo: x", "do trabalhador"}));
}

TEST(TSinaisEncerramentoTest, SigtermCutsTheServiceWaitShortAndIsRemembered) {
  // In a child process, so that the test program keeps its own signal handling.
  const pid_t filho = ::fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    TSinaisEncerramento::PInstala();
    if (TSinaisEncerramento::fbRecebido()) ::_exit(2);
    if (TSinaisEncerramento::fbAguarda(50ms)) ::_exit(3);
    ::raise(SIGTERM);
    const auto inicio = std::chrono::steady_clock::now();
    const bool cortou = TSinaisEncerramento::fbAguarda(40s);
    const bool rapido = std::chrono::steady_clock::now() - inicio < 2s;
    ::_exit(cortou && rapido && TSinaisEncerramento::fbRecebido() ? 0 : 4);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  ASSERT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 0);
}

}  // namespace
