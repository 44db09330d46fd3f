#pragma once
// The replication cycles from the command line: one master-data cycle, one sales cycle, or sales
// cycles every 5 seconds until the process is asked to stop. Each cycle prints one line per point
// of sale: rows applied, rows still queued and the row that failed, if one did.
#include <ostream>

// One cycle. Exit status 0 when every queue row read was applied (an empty queue included); 1
// when a row failed or a configured database could not be reached, each one named on `erro`.
int FSincronizaCadastros(std::ostream& saida, std::ostream& erro);
int FSincronizaVendas(std::ostream& saida, std::ostream& erro);

// A sales cycle every 5 s until SIGINT or SIGTERM. The signal sets the engine's stop flag, so a
// cycle under way ends before its next row, with no transaction left open; a wait between two
// cycles ends at once. Exit status 0 after such a stop, 1 when the central database cannot be
// opened at the start.
int FExecutaContinuo(std::ostream& saida, std::ostream& erro);
