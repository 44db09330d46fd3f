#pragma once
// One line per configured database: its position, path, whether it can be reached, its machine
// number, how many catalogue tables it has, how many of the tables the selection captures there
// carry their capture triggers, and the queue rows still pending by table and action.
#include <ostream>

class TSessaoCli;

// True when every configured database could be reached and read; each one that could not is
// named on `erro`.
bool fbImprimeStatus(TSessaoCli& sessao, std::ostream& saida, std::ostream& erro);
