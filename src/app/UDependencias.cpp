// The main window's dependencies as the program has them. Kept apart from the window so that
// tests, which bring their own, do not link the engine's cycles through it.
#include <QCoreApplication>

#include "app/UPrincipal.h"
#include "app/USinaisEncerramento.h"
#include "engine/UBancoDados.h"
#include "platform/UServicoFirebird.h"

TDependenciasPrincipal FDependenciasPadrao() {
  TDependenciasPrincipal d;
  d.servicoFirebird = [] {
    TServicoFirebirdLinux servico;
    TLancadorPosix lancador;
    // The 40-second wait ends early when the program is asked to close meanwhile.
    return FStartFirebird(servico, lancador, [](std::chrono::milliseconds tempo) {
      TSinaisEncerramento::fbAguarda(tempo);
    });
  };
  d.cicloCadastro = [](TBancoDados& motor) { motor.FAtualizacoesCadastro(); };
  d.cicloVenda = [](TBancoDados& motor) { motor.FAtualizacoesVenda(); };
  d.aoEncerrar = [] { QCoreApplication::exit(0); };
  d.escutaSinais = true;
  return d;
}

