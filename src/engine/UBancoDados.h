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
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/UListaDeChave.h"
#include "firebird/Connection.h"

class TNotificador;

// What one replication cycle did at one point of sale, for the command-line tool, the window and
// monitors. The master-data cycle counts the central queue's rows meant for that point of sale;
// the sales cycle counts that point of sale's own queue.
struct TResumoCaixa {
  std::size_t posicao = 0;     // registry position, 1 and up
  std::string caminho;         // the database path of the entry
  std::string ecf;             // the queue's ECF value for this point of sale ("0" + machine), "" if unknown
  bool alcancado = false;      // reachable and worked on in this cycle
  std::size_t aplicadas = 0;   // queue rows applied, committed and deleted in this cycle
  std::size_t pendentes = 0;   // rows for this point of sale still queued when the cycle ended
  std::string falha;           // "" or the row that failed (table, action, keys) and the reason
};

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

  // --- Replication cycles (UBancoDadosCadastro.cpp, UBancoDadosVenda.cpp, UBancoDadosAplica.cpp)
  // Master-data cycle: the central queue applied to the points of sale. False when the queue was
  // empty or an apply step failed.
  bool FAtualizacoesCadastro();
  // Sales cycle: every point of sale's queue applied to the central database. False if any queue
  // row of any point of sale failed.
  bool FAtualizacoesVenda();
  // One entry per point of sale of the last cycle run on this engine (empty before the first).
  const std::vector<TResumoCaixa>& GetResumoCiclo() const { return resumoCiclo_; }
  // Called before each queue row so that pending window events run between two rows; the window
  // supplies it, nobody else needs to (no-op when empty).
  void PDefineProcessaEventos(std::function<void()> processaEventos) {
    processaEventos_ = std::move(processaEventos);
  }

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

  // Entry `posicao` is reachable and open: the host of a remote path answers (FHostResponde: one
  // ICMP echo to the host without its "/port", or a TCP probe of that port where no ICMP socket
  // can be opened; if not, false with nothing logged and the connection untouched), then the
  // connection is closed and opened again, and the probe query must open. An error while
  // reopening is logged as "ERRO_VERIFICAÇÃO_BANCO: " plus its text, and the result is false.
  bool FVerificaConexao(std::size_t posicao);
  // Every point-of-sale entry (1 and up, in order) passes FVerificaConexao; stops at the first that
  // does not. True when there is none.
  bool FVerificaTodasConexoes();
  // Entry `posicao` is ready for use (FVerificaConexao); an error escaping the check is logged
  // with the path and the point-of-sale number, and gives false.
  bool FReestabeleceConexao(std::size_t posicao);

  // --- Change queue and capture triggers (UBancoDadosCaptura.cpp, UBancoDadosGatilhos.cpp) -----
  // Every database that takes part carries the queue table INTEGECF, the generator
  // G_ORDEMINTEGECF, the switch PARATLM.INTEGGERALECF (capture on when 0) and the procedure
  // PGRAVA_INTEGECF that the capture triggers of each table call. Run on the master-data engine.
  //
  // `servidor` selects the target set: true, entry 0 alone, taken without any check; false, the
  // points of sale (1 and up, in order), each taken only if FVerificaConexao reports it reachable
  // at that moment; an unreachable one is skipped without a message.
  // Statement failures are rolled back and their own text logged; errors of the lookups on the
  // system tables (a connection lost) are not caught and reach the caller.

  // Runs `texto` on every database of the target set, each in a transaction committed on
  // success; a failure on one is rolled back, logged, and the next database still gets its turn.
  // `semParametros` sends the text unchanged (a procedure body naming :VARIABLES). Always true.
  bool FExecutaScript(const std::string& texto, bool servidor, bool semParametros);
  // Runs `texto` on entry `posicao` in a transaction: true when it ran and was committed; false,
  // rolled back and logged, when it failed.
  bool FExecutaScriptBanco(const std::string& texto, std::size_t posicao);

  // Creates or repairs the queue objects: every point of sale must be reachable (else false and
  // nothing done); TABINTE.TABELA widened to VARCHAR30; the switch column present and set to 0;
  // the generator present; the queue table created, widened or left; the procedure replaced.
  // False when a step stopped it (a warning has then been shown), true when it ran to the end.
  bool FConfiguraBanco(bool servidor);
  // The switch column PARATLM.INTEGGERALECF exists (added when missing) and holds 0. A failure
  // warns the person, stops at that database and gives false.
  bool FVerificaExisteCampo(const std::string& tabela, const std::string& campo, bool servidor);
  // The generator exists (G_ORDEMINTEGECF is created when `nome` is missing); an existing one keeps
  // its value. A failure warns the person, stops at that database and gives false.
  bool FVerificaGenerator(const std::string& nome, bool servidor);
  // The queue table: created with its key and index when missing; an older layout (fewer than 19
  // columns) emptied and completed; a complete one left with its rows. Always true.
  bool FCriaTabelaIntegECF(bool servidor);

  static const char* FSqlExisteCampo();
  static const char* FSqlGenerator();
  static const char* FSqlIntegECF();        // CREATE TABLE INTEGECF
  static const char* FSqlGravaIntegECF();   // CREATE OR ALTER PROCEDURE PGRAVA_INTEGECF
  static const char* FSqlPrimaryKey();
  static const char* FSqlTrigger();

  // The primary-key columns of `tabela` on entry `posicao`, in key-position order, trimmed, in the
  // slots of `lista` (emptied first). Returns how many columns the key has: more than ten means
  // the key did not fit and only its first ten are in the list; 0 means no key (or no table).
  std::size_t FPrimaryKey(const std::string& tabela, std::size_t posicao, TListaDeChave& lista);
  // Creates the three capture triggers of `tabela` (upper case) on every database of the target
  // set that has none of them and whose table has a primary key of at most ten columns. The three
  // are created together or not at all. A name that is not a plain identifier is refused and
  // logged, as is a key longer than ten columns.
  void PCriaTrigger(const std::string& tabela, bool servidor);
  // Drops the three capture triggers of `tabela` wherever any of them exists; a missing one is
  // logged and the others still go, in one transaction.
  void PExcluiTrigger(const std::string& tabela, bool servidor);

  // The text of one capture trigger ("_INC_ECF", "_ALT_ECF" or "_EXC_ECF") of `tabela` whose key
  // columns are `chave`: six lines separated by a single carriage return.
  static std::string FTextoTrigger(const std::string& tabela, const std::string& sufixo,
                                   const TListaDeChave& chave);

 private:
  TNotificador& notificador_;
  TListaConexao listaConexao_;
  std::atomic<bool> finalizar_{false};
  std::vector<TResumoCaixa> resumoCiclo_;
  std::function<void()> processaEventos_;

  // --- Change queue and capture triggers: helpers ---------------------------------------------
  // Calls `acao` with each position of the target set in turn; stops when it returns false, and
  // then returns false.
  bool fbParaCadaAlvo(bool servidor, const std::function<bool(std::size_t)>& acao);
  // Runs `textos` on entry `posicao` in one transaction. A failing statement is logged with its
  // own text; with `tudoOuNada` it undoes the whole batch (nothing is committed), without it the
  // others still run and are committed. True when every statement ran and the commit held.
  bool fbExecutaLote(std::size_t posicao, const std::vector<std::string>& textos, bool parametros,
                     bool tudoOuNada);
  // Widens TABINTE.TABELA to the domain VARCHAR30 where it is declared otherwise.
  void PAlargaTabInte(bool servidor);
  // Whether any of the three capture triggers of `tabela` exists on entry `posicao`.
  bool fbExisteTrigger(const std::string& tabela, std::size_t posicao);
};
