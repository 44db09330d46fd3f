#pragma once
// What the command-line tool checks in a database after the capture set-up, so that a set-up whose
// statements failed (they are only logged) is not reported as done.
#include <string>
#include <vector>

#include "firebird/Connection.h"

class TSelecaoTabelas;

// The capture objects the database lacks: the complete queue table INTEGECF, the generator
// G_ORDEMINTEGECF, the switch PARATLM.INTEGGERALECF and the procedure PGRAVA_INTEGECF.
std::vector<std::string> FObjetosCapturaFaltantes(fb::Connection& conexao);

// The tables of one side (`servidor`: the central database's) that the selection captures, that
// exist in the database, and that lack one of their three capture triggers.
std::vector<std::string> FTabelasSemGatilhos(fb::Connection& conexao,
                                             const TSelecaoTabelas& selecao, bool servidor);
