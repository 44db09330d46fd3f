#pragma once
// One line per configured database: its position, path, whether it can be reached, its machine
// number, how many catalogue tables it has, how many tables carry the capture triggers, and the
// queue rows still pending by table and action.
#include <ostream>

class TSessaoCli;

// True when every configured database could be reached.
bool fbImprimeStatus(TSessaoCli& sessao, std::ostream& saida);
