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
  // central database cannot be opened.
  bool fbConecta(const TConfiguracao& configuracao);

  TNotificadorConsole notificador;
  TBancoDados cadastro;
  TBancoDados vendas;

 private:
  std::ostream& erro_;
};
