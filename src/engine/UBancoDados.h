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
//   UBancoDadosCadastro.cpp  master-data cycle and its seven apply steps
//   UBancoDadosVenda.cpp     sales cycle and its dispatcher
//   UBancoDadosAplica.cpp    the sales apply steps, one algorithm over the key table
//   UBancoDadosConfirma.cpp  one queue row's commit across two databases, and the recovery of
//                            what a stopped agent left in limbo
// All operations run on the main thread; only the stop flag may be set from another one.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/UListaDeChave.h"
#include "platform/UDataHora.h"
#include "records/UClassRegistro.h"
#include "firebird/Connection.h"

class TNotificador;
struct TPassoVenda;

// A wait of the calling thread.
using TEsperaMotor = std::function<void(std::chrono::milliseconds)>;

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
  std::size_t ignoradas = 0;   // rows read but left queued on purpose (a table the cycle does not
                               // carry, a row another agent took first)
  bool contado = false;        // pendentes was counted (false: the cycle ended before it could)
};

// One row of a queue as the cycles read it.
struct TLinhaIntegECF {
  std::string codEmpresa, ecf, arquivo, tabela, acao;
  TListaDeChave chaves;
};

// The steps of one queue row's commit across the two databases, in order. The write is in the
// target's transaction; the queue-row delete in the source's; the target is then prepared (first
// phase of a two-phase commit, with a description naming the source database and the queue row),
// the source committed, and the target committed.
enum class TPassoLinha { AposEscrita, AposExclusao, AposPreparo, AposConfirmacaoFonte, AposConfirmacao };

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

  // --- Replication cycles (UBancoDadosCadastro.cpp, UBancoDadosVenda.cpp, UBancoDadosAplica.cpp,
  //     UBancoDadosRecupera.cpp)
  // A queue row and the change it carries commit together: the target is prepared before the
  // source's queue-row delete commits, and a transaction left in limbo by an agent that stopped
  // in between is resolved by the next cycle (committed when its queue row is gone from the
  // source, rolled back when it is still there).

  // Master-data cycle: the central queue applied to the points of sale. False when the queue was
  // empty or an apply step failed. An error reading a point of sale's machine number reaches the
  // caller.
  bool FAtualizacoesCadastro();
  // Sales cycle: every point of sale's queue applied to the central database. False if any queue
  // row of any point of sale failed; a point of sale that fails never stops the next one.
  bool FAtualizacoesVenda();
  // One entry per point of sale of the last cycle run on this engine (empty before the first).
  const std::vector<TResumoCaixa>& GetResumoCiclo() const { return resumoCiclo_; }
  // "" or why the last cycle could not use the central database (its queue could not be read,
  // its limbo transactions could not be listed).
  const std::string& GetFalhaServidor() const { return falhaServidor_; }
  // Called before each queue row so that pending window events run between two rows; the window
  // supplies it, nobody else needs to (no-op when empty).
  void PDefineProcessaEventos(std::function<void()> processaEventos) {
    processaEventos_ = std::move(processaEventos);
  }
  // The waits of the sales cycle (500 ms before each MVGERAL row, the stock-movement class's retry)
  // go through `espera`; std::this_thread::sleep_for when empty. Tests pass their own.
  void PDefineEspera(TEsperaMotor espera) { espera_ = std::move(espera); }
  // Called at each step of every queue row's commit; for tests that stop the process there.
  void PDefineObservadorPasso(std::function<void(TPassoLinha, const TLinhaIntegECF&)> observador) {
    observadorPasso_ = std::move(observador);
  }

  // The seven master-data apply steps: the central row of key `chave` written to point of sale
  // `posicao` (inserted or updated as the point of sale lacks or holds it). True when applied or
  // when the central row is gone; false, logged, on failure. The existence check's errors travel.
  bool FUpdateInsertProdutos(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertFornecedor(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertVendedor(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertUsuario(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertOperador(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertCliente(const std::string& chave, std::size_t posicao);
  bool FUpdateInsertTipoOperacao(const std::string& chave, std::size_t posicao);
  // Their existence checks on the point of sale.
  static const char* FSqlProduto();
  static const char* FSqlFornece();
  static const char* FSqlVendend();
  static const char* FSqlUsuario();
  static const char* FSqlOperador();
  static const char* FSqlCliente();
  static const char* FSqlCdOperc();

  // Queue-row delete by three keys (master data) on entry `posicao`, in that entry's own
  // transaction; an error is rolled back and logged, and the row stays.
  void PConfirmaAtualizacao(const std::string& codEmpresa, const std::string& ecf,
                            const std::string& arquivo, std::size_t posicao);
  // The same by four keys (sales), the action being the letter of `tipo`. The sales cycle itself
  // deletes by the row's own ACAO text, which is that letter for every row the triggers write, so
  // that a row with any other action text is deleted once applied instead of being applied again
  // by every cycle.
  void PConfirmaAtualizacao(const std::string& codEmpresa, const std::string& ecf,
                            const std::string& arquivo, int tipo, std::size_t posicao);

  // Applies one sales queue row of point of sale `posicao` to the central database and deletes
  // it. True when applied, or when the table is not one the cycle carries (the row stays).
  bool FVerificaAtualizacaoVenda(const std::string& tabela, const std::string& codEmpresa,
                                 const std::string& ecf, const std::string& arquivo,
                                 const std::string& acao, const TListaDeChave& chaves,
                                 std::size_t posicao);
  // "I" (and anything else) 0, "A" 1, "E" 2, after upper-casing; and back to the letter.
  static int FRetornaTipoAcao(const std::string& acao);
  static std::string FRetornaTipoAcao(int tipo);
  // A date key as the database writes it ("16-DEC-2016") with month numbers and slashes.
  static std::string FRetornaData(const std::string& texto);
  // FRetornaData's text read as day/month/year with an optional time ("16/12/2016 9:05:07.0000");
  // std::invalid_argument when it is not one.
  static TDateTime FLeDataChave(const std::string& texto);

  // The sales apply step of a table (one algorithm for the 25 tables; the orders and order items
  // of type "55" and the stock movements add their check): `chaves` in the queue's key order and
  // typed as the table's key columns. Errors of the order check travel.
  bool FUpdateInsertVenda(const std::string& tabela, const std::vector<TValorCampo>& chaves,
                          int tipo, std::size_t posicao);
  // The order checks of the central database.
  static const char* FSqlPedidoC55();
  static const char* FSqlPedidoC56();
  static const char* FSqlPedidoI55();
  static const char* FSqlPedidoI56();
  // Whether the central database already holds this stock movement.
  bool FExisteMvGeralBancoServidor(const TRegistro& registro);

  // Resolves the limbo transactions this engine's cycles left in the databases they write
  // (`venda`: the central database; otherwise each reachable point of sale).
  void PRecuperaPendentes(bool venda);

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
  std::string falhaServidor_;
  std::function<void()> processaEventos_;
  TEsperaMotor espera_;
  std::function<void(TPassoLinha, const TLinhaIntegECF&)> observadorPasso_;

  // --- Replication: helpers ---------------------------------------------------------------------
  enum class TFimLinha { Confirmada, Mantida, Tomada };
  // Deletes the queue row `linha` from entry `fonte` (by four keys when `porAcao`), then commits
  // it together with the write already done in entry `destino`'s transaction. Mantida: the
  // delete failed (logged), both rolled back, the row stays. Tomada: the delete found no row
  // (with `exigeLinha`, both rolled back). An error of the prepare or of a commit travels; after
  // the prepare the target is then left in limbo for the recovery, never rolled back blindly.
  TFimLinha FConfirmaLinha(std::size_t destino, std::size_t fonte, const TLinhaIntegECF& linha,
                           bool porAcao, bool exigeLinha, bool venda);
  bool fbExcluiLinhaFila(std::size_t fonte, const TLinhaIntegECF& linha, bool porAcao, bool& achou);
  void PNotificaPasso(TPassoLinha passo, const TLinhaIntegECF& linha);
  void PEspera(std::chrono::milliseconds tempo);
  // Resolves the limbo transactions of this engine's `venda` kind in entry `destino`.
  void PRecuperaDestino(std::size_t destino, bool venda);
  std::vector<TLinhaIntegECF> FLeFila(std::size_t posicao, const std::string& sql,
                                  const std::string* ecf);
  // Clears the last cycle's summary and server failure and lists every point of sale anew.
  void PIniciaCiclo();
  // Commits entry `posicao`; a failed commit is rolled back and its reason logged.
  void PConfirmaOuCancela(std::size_t posicao);
  TResumoCaixa* FResumo(std::size_t posicao);
  bool FUpdateInsertCadastro(const std::string& tabela, const std::string& chave,
                             std::size_t posicao);
  enum class TFimVenda { Aplicada, Ignorada, Falha };
  // The dispatcher's work on one row; `falhaLinha_` then says why a row failed.
  TFimVenda FAplicaLinhaVenda(const TLinhaIntegECF& linha, std::size_t posicao);
  std::string falhaLinha_;
  // A row's key texts in queue order, typed as the table's key columns (dates through
  // FRetornaData and FLeDataChave, integers in decimal); std::invalid_argument when one is not.
  static std::vector<TValorCampo> FConverteChavesVenda(const TPassoVenda& passo,
                                                       const TListaDeChave& chaves);

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
