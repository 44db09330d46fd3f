#pragma once
// The engine: one registry of connections (entry 0 the central database, entries 1 and up the
// points of sale in configuration order) and a stop flag. The program has two, the master-data
// engine and the sales engine, each holding its own connections to the same databases so the two
// cycles never share a connection or a transaction.
//
// The class is implemented in one file per behaviour:
//   UBancoDadosConexoes.cpp  registry, creation and lookup of entries, point-of-sale number,
//                            transactions, stop flag
//   UBancoDadosAlcance.cpp   reachability: ping, reopen and probe of an entry
//   UBancoDadosEstrutura.cpp structure update of every entry
// All operations run on the main thread; only the stop flag may be set from another one.
#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "firebird/Connection.h"

class TNotificador;

// The engine's connections in registry order. Entries are only appended and live as long as the
// list; a position stays valid once given out. Positions count from 0.
class TListaConexao {
 public:
  // The entry at `posicao`; a position outside the list is a programming error and throws
  // std::out_of_range naming it.
  fb::Connection& FConexao(std::size_t posicao) const;
  void PAdiciona(std::unique_ptr<fb::Connection> conexao);
  std::size_t FQuantidade() const { return conexoes_.size(); }

 private:
  std::vector<std::unique_ptr<fb::Connection>> conexoes_;
};

// The text of the point-of-sale number query; machine "999" is not a point of sale.
const char* FSqlPdvFisc();

// Reachability helpers that need no engine.
// The host part of a database path; empty for a local database (no colon, or a drive letter).
std::string FRetornaHost(const std::string& caminho);
// Whether the probe query of the point-of-sale table can be opened on the connection; any error
// (closed connection, table missing) gives false and is not logged.
bool FVerificaBancoOnline(fb::Connection& conexao);

class TBancoDados {
 public:
  // An engine with an empty registry and the stop flag cleared. Warnings meant for a person go to
  // `notificador`, which must outlive the engine.
  explicit TBancoDados(TNotificador& notificador);
  ~TBancoDados();
  TBancoDados(const TBancoDados&) = delete;
  TBancoDados& operator=(const TBancoDados&) = delete;

  // --- Registry (UBancoDadosConexoes.cpp) ---------------------------------------------------

  TListaConexao& GetListaConexao() { return listaConexao_; }
  const TListaConexao& GetListaConexao() const { return listaConexao_; }

  // Registers a connection to `caminho`. A blank name becomes "ConexaoCaixa" followed by the
  // number of entries already registered minus one. With `abrirAgora` the connection is opened
  // first; if that fails, "Problema na conexao." is logged, the person is warned with the reason,
  // nothing is registered and the result is false.
  bool FCriaConexao(const std::string& caminho, const std::string& usuario,
                    const std::string& senha, const std::string& nome, bool abrirAgora);
  // The same without opening: always registers and returns true.
  bool FCriaConexao(const std::string& caminho, const std::string& usuario,
                    const std::string& senha, const std::string& nome);

  // The last entry whose path equals `caminho` exactly and that passes FVerificaConexao (every
  // matching entry is reopened); nullptr when none does.
  fb::Connection* FRetornaConexao(const std::string& caminho);
  // Whether an entry's path equals `caminho` exactly (case and spaces count). Contacts nothing.
  bool FExisteConexao(const std::string& caminho) const;

  // The machine number held in the point-of-sale database's PDVFISC, or "" when there is no
  // machine other than "999" or no connection is given. Query errors reach the caller.
  std::string FBuscaNumeroCaixa(fb::Connection* conexao);

  // --- Transactions (UBancoDadosConexoes.cpp) -------------------------------------------------
  // A connection holds at most one transaction (read committed); `id` is its number, which every
  // caller passes as 1. Database errors reach the caller.

  // Starts a transaction on entry `posicao` unless one is active.
  void PAbreTransacao(std::size_t posicao, int id);
  // Commits the transaction of entry `posicao`; raises when none is active.
  void PConfirmaTransacao(std::size_t posicao, int id);
  // Rolls back the transaction of entry `posicao` if one is active; otherwise does nothing.
  void PCancelaTransacao(std::size_t posicao, int id);

  // --- Stop flag (UBancoDadosConexoes.cpp) ----------------------------------------------------
  // The replication loops end their cycle before the next queue row once it is set.
  void PFinalizar(bool finalizar);
  bool GetFinalizar() const { return finalizar_; }

  // --- Structure update (UBancoDadosEstrutura.cpp) -------------------------------------------
  // Every entry in order, from the central database on, receives the catalogue's 32 table
  // definitions through the structure updater; an entry not yet open is opened first, with no
  // reachability check. Changes that fail are handled and logged by the updater. An error that
  // leaves it (a lost or unreachable database) is logged as "Houve um erro ao atualizar a base de
  // dados da conexão: " + the entry's position and ends the update there.
  void PAtualizaBancoDeDados();
  // The same, telling whether it reached the end.
  bool FAtualizaBancoDeDados();

  // --- Reachability (UBancoDadosAlcance.cpp) ---------------------------------------------------

  // Entry `posicao` is reachable and open: the host of a remote path answers one ICMP echo (if not,
  // false with nothing logged and the connection untouched), then the connection is closed and
  // opened again, and the probe query must open. An error while reopening is logged as
  // "ERRO_VERIFICAÇÃO_BANCO: " plus its text, and the result is false.
  bool FVerificaConexao(std::size_t posicao);
  // Every point-of-sale entry (1 and up, in order) passes FVerificaConexao; stops at the first that
  // does not. True when there is none.
  bool FVerificaTodasConexoes();
  // Entry `posicao` is ready for use (FVerificaConexao); an error escaping the check is logged
  // with the path and the point-of-sale number, and gives false.
  bool FReestabeleceConexao(std::size_t posicao);

 private:
  TNotificador& notificador_;
  TListaConexao listaConexao_;
  std::atomic<bool> finalizar_{false};
};
