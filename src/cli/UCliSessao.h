#pragma once
// The engines as the agent builds them at start-up, without a window: the central connection of
// both engines opened from the configuration file, then one entry per configured point of sale.
#include <ostream>

#include "cli/UCliNotificador.h"
#include "engine/UBancoDados.h"

class TConfiguracao;

class TSessaoCli {
 public:
  explicit TSessaoCli(std::ostream& erro);

  // False, with the reason on standard error, when the file names no central database or the
  // central database cannot be opened. With `aindaQueFechado`, a central database that cannot be
  // opened (the warning is still shown) is registered closed and the points of sale after it, so
  // that all of them can be reported.
  bool fbConecta(const TConfiguracao& configuracao, bool aindaQueFechado = false);

  // Opens every point of sale before anything is changed: the host of one on another computer
  // must first answer (FHostResponde: one ICMP echo, or a TCP probe of the database port where no
  // ICMP socket can be opened), since a connect to a computer that is off would wait for long.
  // The first that cannot be had is named on standard error with the reason, and the result is
  // false.
  bool fbAbreCaixas();

  TNotificadorConsole notificador;
  TBancoDados cadastro;
  TBancoDados vendas;

 private:
  std::ostream& erro_;
};
