// sincrovia: the agent with its window, living in the system tray.
#include <QApplication>

#include "app/UNotificadorJanela.h"
#include "app/UPrincipal.h"
#include "app/USinaisEncerramento.h"
#include "engine/UTravaFirebird.h"
#include "firebird/Connection.h"
#include "platform/UConfiguracao.h"

int main(int argc, char** argv) {
  TSinaisEncerramento::PInstala();
  // Before the first connection: a demo store's private databases share one lock directory with
  // every other process that opens the same configuration (the command-line tool, a simulator).
  PAplicaTravaDaConfiguracao(TConfiguracao::FArquivoPadrao());
  QApplication aplicacao(argc, argv);
  // The window may be hidden in the tray; the program ends when it is closed, not when the last
  // visible window goes.
  QApplication::setQuitOnLastWindowClosed(false);
  int codigo = 0;
  {
    TNotificadorJanela notificador;
    TFrmPrincipal_Intg janela(notificador, FDependenciasPadrao());
    if (janela.FormCreate()) {
      janela.PMostraInicial();
      codigo = QApplication::exec();
    }
  }
  // Every connection went with the window's engines: the database client may stop now, before
  // the process's static objects go.
  fb::shutdownClient();
  return codigo;
}
