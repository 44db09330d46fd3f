#pragma once
// What the status command shows of every configured database: its position, path, whether it can
// be reached, its machine number, how many catalogue tables it has, how many of the tables the
// selection captures there carry their capture triggers, the queue rows still pending by table
// and action, and the age of the oldest pending row that a replication cycle carries from that
// queue. As text (one line per database) or as one JSON document for monitors.
//
// Everything is read in read-only transactions that take no lock and wait on none, so a monitor
// calling it every minute never holds up a sale or a cycle.
#include <optional>
#include <ostream>

class TSessaoCli;

struct TOpcoesStatus {
  bool json = false;
  // With a limit, a queue whose oldest carried row is older, or a point of sale that cannot be
  // reached, is a stall: named on standard error, exit status 3.
  std::optional<int> atrasoMaximoMinutos;
};

// Exit status of a stall found with a limit.
inline constexpr int kSaidaAtraso = 3;

// Exit status: 3 when a limit was given and a stall was found; otherwise 1 when a configured
// database could not be reached or read (each one named on `erro`), 0 when all could.
int FExecutaStatus(TSessaoCli& sessao, const TOpcoesStatus& opcoes, std::ostream& saida,
                   std::ostream& erro);
