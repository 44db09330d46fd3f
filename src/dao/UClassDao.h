#pragma once
// The one data-access implementation behind every T<Table>Dao. A data-access object is bound to
// one connection that it does not own, opens no transaction of its own (its statements run in
// whatever transaction the caller has open) and makes, uses and frees a statement per call.
//
// Everything about a table comes from its catalogue entry: the columns in column order, qualified
// and spelt as the record class names them (Sangria.Codsangria); the key in table column order
// with the type of each key property; the width of the key labels of its messages.
//
// Values are bound with their full types and never as NULL: text as a string, text blobs as a
// blob, dates as a date-time, doubles and 32-bit integers as such. A date column of these
// databases is a timestamp, so a date travels with its time of day, also as a key: binding the
// date part alone would write a value other than the source's and would not find a row that
// holds a time. A NULL column reads as "", 0 or 30 December 1899.
//
// Writes catch the database's refusal (of the statement, of a value, of the execution), write
// "Ocorreu um erro ao tentar <inserir|atualizar|excluir> os dados da <Classe>.\r", one line per
// key ("Codsangria:  001\r") and "Motivo: " with the database's text to the activity log, and
// return false. A read lets every error travel to its caller.
#include <chrono>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "records/UClassRegistro.h"
#include "schema/UCatalogo.h"

namespace fb {
class Connection;
class Statement;
}  // namespace fb

// Key values in key order, each holding the alternative of its key property's type: text
// (std::string), date-time (double) or integer (std::int32_t).
using TListaValoresChave = std::vector<TValorCampo>;

// A wait of the calling thread (std::this_thread::sleep_for unless a test gives another).
using TEspera = std::function<void(std::chrono::milliseconds)>;

// Read, insert and update of one table's rows. The master-data classes stop here: they have no
// delete.
class TDao {
 public:
  using TCriaRegistro = std::unique_ptr<TRegistro> (*)();

  TDao(fb::Connection& conexao, const TTabelaCatalogo& tabela, TCriaRegistro criaRegistro);
  virtual ~TDao() = default;
  TDao(const TDao&) = delete;
  TDao& operator=(const TDao&) = delete;

  const TTabelaCatalogo& FRetornaTabela() const { return *tabela_; }
  fb::Connection& FRetornaConexao() const { return *conexao_; }
  // "T" + the table's capitalised name + "Dao": "TSangriaDao".
  const std::string& FNomeClasse() const { return nomeClasse_; }
  // The key's column positions in table column order.
  const TChaveTabela& FChave() const { return chave_; }
  // The width every key label of a message is padded to: the longest key property with its
  // colon, plus two.
  std::size_t FLarguraRotulo() const { return larguraRotulo_; }

  // A new record of the class's record type, every property empty.
  std::unique_ptr<TRegistro> FNovoRegistro() const { return criaRegistro_(); }

  // The statement texts (select, insert, update), the same at every call.
  std::string FSqlSelecao() const;
  std::string FSqlInsercao() const;
  std::string FSqlAtualizacao() const;

  // The row with these key values as a new record, or nullptr when there is none. The values
  // must match the key in count and type (std::invalid_argument otherwise). Errors travel.
  std::unique_ptr<TRegistro> FRetornaRegistro(const TListaValoresChave& chaves) const;
  // True when the statement ran; false, with the failure logged, when the database refused it.
  // A record of another table is std::invalid_argument.
  bool FInsereRegistro(const TRegistro& registro) const;
  bool FUpdateRegistro(const TRegistro& registro) const;

  // The key values of a record, in key order.
  TListaValoresChave FValoresChave(const TRegistro& registro) const;

 protected:
  enum class TOperacao { Insercao, Atualizacao, Exclusao };

  // Binds every column of the record to the parameter named after its property.
  void PVinculaColunas(fb::Statement& comando, const TRegistro& registro) const;
  // Binds the key values to the key parameters.
  void PVinculaChaves(fb::Statement& comando, const TListaValoresChave& chaves) const;
  void PExigeChaves(const TListaValoresChave& chaves) const;
  std::string FCondicoesChave() const;

  // Runs one write: prepares `sql`, lets `vincula` bind and `executa` run it. A database error in
  // any of the three is logged with the key values and gives false.
  bool fbExecutaEscrita(TOperacao operacao, const std::string& sql,
                        const TListaValoresChave& chaves,
                        const std::function<void(fb::Statement&)>& vincula,
                        const std::function<void(fb::Statement&)>& executa) const;

  // Insert hooks: binding of the values and execution (a class may bind a column otherwise or
  // retry).
  virtual void PVinculaInsercao(fb::Statement& comando, const TRegistro& registro) const;
  virtual void PExecutaInsercao(fb::Statement& comando) const;

 private:
  void PExigeTabela(const TRegistro& registro) const;
  std::string FMensagemFalha(TOperacao operacao, const TListaValoresChave& chaves,
                             std::string_view motivo) const;

  fb::Connection* conexao_;
  const TTabelaCatalogo* tabela_;
  TCriaRegistro criaRegistro_;
  TChaveTabela chave_;
  std::size_t larguraRotulo_;
  std::string nomeClasse_;
};

// The classes of the sales and fiscal tables also delete a row by its key.
class TDaoComExclusao : public TDao {
 public:
  using TDao::TDao;

  std::string FSqlExclusao() const;
  // True when the statement ran (also when no row had the key); false, logged, when refused.
  bool FDeletaRegistro(const TListaValoresChave& chaves) const;
};

namespace dao_detalhe {
// Whether an argument of type T may stand for a key of the given type.
template <class T>
consteval bool fbArgumentoCabe(TTipoValor tipo) {
  using U = std::remove_cvref_t<T>;
  switch (tipo) {
    case TTipoValor::Texto: return std::is_convertible_v<const U&, std::string_view>;
    case TTipoValor::DataHora:
    case TTipoValor::Flutuante: return std::is_floating_point_v<U>;
    case TTipoValor::Inteiro: return std::is_integral_v<U> && !std::is_same_v<U, bool>;
  }
  return false;
}

template <const TTabelaCatalogo& Tabela, class... T>
consteval bool fbChavesCabem() {
  constexpr TChaveTabela chave = FChaveEmOrdemDeColuna(Tabela);
  if (sizeof...(T) != chave.quantidade) return false;
  std::size_t i = 0;
  return (fbArgumentoCabe<T>(Tabela.colunas[chave.posicoes[i++]].tipo) && ...);
}

// An integer key of a wider type that does not fit 32 bits is std::out_of_range: wrapped, it
// would name another row.
template <class T>
TValorCampo FValorChave(T&& valor) {
  using U = std::remove_cvref_t<T>;
  if constexpr (std::is_floating_point_v<U>) {
    return static_cast<double>(valor);
  } else if constexpr (std::is_integral_v<U>) {
    if (!std::in_range<std::int32_t>(valor))
      throw std::out_of_range("chave inteira fora do intervalo de 32 bits: " +
                              std::to_string(valor));
    return static_cast<std::int32_t>(valor);
  } else {
    return std::string(std::string_view(valor));
  }
}
}  // namespace dao_detalhe

// The data-access class of one table over its record class: reads give that record class, and
// the keys may be passed one by one with their types (text, date-time, integer), checked against
// the key at compile time: dao.FRetornaRegistro("001", "ADM", "01").
template <class TReg, const TTabelaCatalogo& Tabela, class TBase>
class TDaoDe : public TBase {
 public:
  explicit TDaoDe(fb::Connection& conexao) : TBase(conexao, Tabela, &FCriaRegistro) {}

  std::unique_ptr<TReg> FRetornaRegistro(const TListaValoresChave& chaves) const {
    return std::unique_ptr<TReg>(static_cast<TReg*>(TBase::FRetornaRegistro(chaves).release()));
  }
  template <class... T>
    requires(dao_detalhe::fbChavesCabem<Tabela, T...>())
  std::unique_ptr<TReg> FRetornaRegistro(T&&... chaves) const {
    return FRetornaRegistro(TListaValoresChave{dao_detalhe::FValorChave(std::forward<T>(chaves))...});
  }

  bool FDeletaRegistro(const TListaValoresChave& chaves) const
    requires std::derived_from<TBase, TDaoComExclusao>
  {
    return TBase::FDeletaRegistro(chaves);
  }
  template <class... T>
    requires(std::derived_from<TBase, TDaoComExclusao> &&
             dao_detalhe::fbChavesCabem<Tabela, T...>())
  bool FDeletaRegistro(T&&... chaves) const {
    return TBase::FDeletaRegistro(
        TListaValoresChave{dao_detalhe::FValorChave(std::forward<T>(chaves))...});
  }

 private:
  static std::unique_ptr<TRegistro> FCriaRegistro() { return std::make_unique<TReg>(); }
};

// Master data: read, insert, update.
template <class TReg, const TTabelaCatalogo& Tabela>
using TDaoCadastroDe = TDaoDe<TReg, Tabela, TDao>;
// Sales and fiscal data: read, insert, update, delete.
template <class TReg, const TTabelaCatalogo& Tabela>
using TDaoMovimentoDe = TDaoDe<TReg, Tabela, TDaoComExclusao>;
