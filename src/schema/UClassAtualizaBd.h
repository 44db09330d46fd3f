#pragma once
// The structure updater: brings one database into line with one table definition. It reads the
// system tables to learn what exists and changes the database with data-definition statements,
// one statement per transaction. It creates missing domains, a missing table and missing columns,
// points a column at its defined domain, sets or clears NOT NULL, fills NULLs with a column's
// default, and drops and re-creates the table's primary key. It never drops a table, a column or a
// domain, and never changes the type of an existing domain.
//
// Failing changes are caught: the open transaction is rolled back, the statement and the server's
// text go to the activity log, and the step answers false; nothing is shown on screen. Errors of
// the read-only checks (the database cannot be read) are not caught: they end the update of the
// table and reach the caller.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "schema/UClassEstruturaPadrao.h"

namespace fb {
class Connection;
class Statement;
}  // namespace fb
class TNotificador;

// Kinds of existence check (fbVerificaExistencia). 5 is unassigned.
namespace TVerificacao {
inline constexpr std::uint8_t Dominio = 0;     // a domain of this name
inline constexpr std::uint8_t Tabela = 1;      // the table has any column
inline constexpr std::uint8_t Campo = 2;       // the table has this column
inline constexpr std::uint8_t Indice = 3;      // the table has an index of this name
inline constexpr std::uint8_t Constraint = 4;  // the table has a constraint of this name
inline constexpr std::uint8_t Trigger = 6;     // the table has an active-kind trigger of this name
inline constexpr std::uint8_t Generator = 7;   // a generator of this name
inline constexpr std::uint8_t NotNull = 8;     // the column is flagged NOT NULL
inline constexpr std::uint8_t Excecao = 9;     // an exception of this name (or of the second)
}  // namespace TVerificacao

// True for a name that may be written into a statement as it is: a letter followed by letters,
// digits, "_" or "$", at most 31 characters.
bool fbIdentificadorSimples(std::string_view nome);

// `texto` upper-cased (ASCII letters only; names are plain ASCII).
std::string FMaiusculas(std::string_view texto);

// `texto` as a single-quoted SQL string literal, embedded quotes doubled.
std::string FLiteral(std::string_view texto);

// True when `procurado` occurs anywhere in `texto`.
bool FAcha(std::string_view procurado, std::string_view texto);
// `texto` with every occurrence of `procurado` replaced by `troca`.
std::string FTroca(std::string_view texto, std::string_view procurado, std::string_view troca);

class TUtilsAtualizaBD {
 public:
  // Works on `conexao` (not owned), which must stay open while the updater lives. The notifier
  // shows the missing-domain error.
  TUtilsAtualizaBD(fb::Connection& conexao, TNotificador& notificador);
  ~TUtilsAtualizaBD();
  TUtilsAtualizaBD(const TUtilsAtualizaBD&) = delete;
  TUtilsAtualizaBD& operator=(const TUtilsAtualizaBD&) = delete;

  fb::Connection& FConexao() const { return conexao_; }

  // Start a transaction when none is open; commit or roll back the open one, if any.
  void PIniciaTransacao();
  void PConfirmaTransacao();
  void PCancelaTransacao();

  // Existence check of one kind (TVerificacao). `tabela` is the table, or for kind 9 a second
  // exception name. Read-only: database errors reach the caller. An unknown kind is a
  // std::invalid_argument.
  bool fbVerificaExistencia(const std::string& nome, const std::string& tabela,
                            std::uint8_t tipo);
  // The column's current domain, trimmed and upper-cased ("" when there is no such column).
  std::string fsVerificaTipo(const std::string& tabela, const std::string& campo);
  // True when the index of constraint `nome` has exactly these columns in this order.
  bool fbVerificaEstruturaPK(const std::string& nome, const std::string& campos);
  // The columns of constraint `nome` in key order, joined by "," ("" when there is none).
  std::string FCamposDaConstraint(const std::string& nome);
  // True when the column is part of the table's current primary key.
  bool fbCampoDaChavePrimaria(const std::string& tabela, const std::string& campo);
  // Why pointing the column at `dominio` would lose or hide stored values that the server lets
  // through without complaint: decimals of an exact number rounded away, or text moved to another
  // character set (rows it cannot transliterate become unreadable). "" when nothing is at risk;
  // conversions the server itself refuses are left to it.
  std::string fsPerdaNaConversao(const std::string& tabela, const std::string& campo,
                                 const std::string& dominio);

  // The steps. Each answers whether it succeeded; a failed change is rolled back and logged.
  bool fbAtualizaEstruturaDominio(const std::string& Nome, const std::string& Tipo,
                                  const std::string& Nulo);
  bool fbAtualizaEstruturaTabela(const std::string& tabela, const std::string& campo,
                                 const std::string& dominio, const std::string& nulo);
  bool fbAtualizaEstruturaCampo(const std::string& Tabela, const std::string& NomeCampo,
                                const std::string& TipoCampo, const std::string& Nulo,
                                const std::string& Default);
  bool fbAtualizaNotNull(const std::string& tabela, const std::string& campo,
                         const std::string& nulo);
  // Sets or clears the column's NOT NULL as its definition says, unless the standing primary key
  // holds it (see colunasAdiadas_).
  bool fbAtualizaNulidade(const TCampo& campo);
  bool fbExcluiConstraint(const std::string& nome, const std::string& tabela);
  bool fbAtualizaEstruturaConstraint(const std::string& Tipo, const std::string& Nome,
                                     const std::string& Campo, const std::string& Tabela,
                                     const std::string& CampoReferencia,
                                     const std::string& TabelaReferencia);
  // A data statement on `tabela`: action "A" updates (values is the SET list), "I" inserts
  // (values is the column list, condition a SELECT or the VALUES list), anything else deletes.
  // Values and condition are SQL fragments written by the caller. Runs in the open transaction,
  // or in one of its own when none is open.
  bool fbAtualizaDados(const std::string& acao, const std::string& tabela,
                       const std::string& valores, const std::string& condicao);

  // The failure handler: rolls back the open transaction and logs the statement that failed
  // and the reason (nothing is logged without a statement). Always true.
  bool fbAtualizaTabelaErro(const std::string& comando = {}, const std::string& motivo = {});

 protected:
  // Runs one change on the updater's statement object, in the open transaction or in one the
  // connection commits right after it. Throws fb::Error.
  void PExecutaComando(const std::string& comando);
  // Runs one change in a transaction of its own (the open one, if any), committed at once; a
  // failure goes to the failure handler.
  bool fbExecutaAlteracao(const std::string& comando);
  // Refuses (logs, false) a name that is not plain before it is written into a statement.
  bool fbNomesSimples(std::initializer_list<std::string_view> nomes, std::string_view passo);

  // True when the table holds at least one row. Read-only: database errors reach the caller.
  bool fbTabelaTemLinhas(const std::string& tabela);
  // Sets PARATLM.INTEGGERAL, when the column exists, so the capture triggers stand still.
  void PTrataIntegracao(int valor);
  // Switches every trigger of the table (RDB$FLAGS = 1) active or inactive.
  void PAtivaTriggers(const std::string& tabela, bool ativa);

  fb::Connection& conexao_;
  TNotificador& notificador_;
  // While set, a column of the current primary key that must be pointed at another domain or
  // lose NOT NULL is kept in colunasAdiadas_ instead: the server refuses both on a key column,
  // so the driver changes it once the key has been dropped.
  bool adiaColunasDaChave_ = false;
  std::vector<TCampo> colunasAdiadas_;
  // The statement object of the changes: each change replaces it with a fresh one.
  std::unique_ptr<fb::Statement> sql_;
};

class TAtualizaBaseDados : public TUtilsAtualizaBD {
 public:
  using TUtilsAtualizaBD::TUtilsAtualizaBD;

  // Applies the definition in four passes: domains, columns, removal of the current primary key,
  // constraints. A failed step never stops a pass. Key columns that must be pointed at another
  // domain are pointed right after the key is dropped. When the table ends without a primary key
  // after its old one was dropped, the old one is put back, or that the table is left without a
  // key is logged.
  void pAtualizaBaseDeDados(const TEstruturaTabela& estrutura);

  // The name of the table's primary key, "" when it has none.
  std::string FRetornaNomePk(const std::string& tabela);
};
