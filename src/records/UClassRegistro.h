#pragma once
// The one implementation behind every record class: a record holds one row of its table, one
// value per column of the table's catalogue entry, in column order. Each value is typed by the
// column's domain: text (UTF-8, any length; the column width is the database's business),
// date-time, double or 32-bit integer. Values are copied in and out unchanged.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/UDataHora.h"
#include "schema/UCatalogo.h"

namespace fb {
class Connection;
}
class TNotificador;

// Reading or writing a property the class does not have, or with a type other than the
// property's own. The message names the class and the property.
class EPropriedadeRegistro : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// A column value. Date-time and floating-point columns both hold a double; the column's
// TTipoValor tells them apart.
using TValorCampo = std::variant<std::string, double, std::int32_t>;

// How messages name a value type.
constexpr const char* FNomeTipo(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return "texto";
    case TTipoValor::DataHora: return "data-hora";
    case TTipoValor::Flutuante: return "ponto flutuante";
    case TTipoValor::Inteiro: return "inteiro";
  }
  return "?";
}

// The alternative of TValorCampo that holds a value of the given type.
constexpr std::size_t FAlternativa(TTipoValor tipo) {
  switch (tipo) {
    case TTipoValor::Texto: return 0;
    case TTipoValor::DataHora:
    case TTipoValor::Flutuante: return 1;
    case TTipoValor::Inteiro: return 2;
  }
  return 0;
}

class TRegistro {
 public:
  virtual ~TRegistro() = default;

  const TTabelaCatalogo& FRetornaTabela() const { return *tabela_; }
  std::string_view FNomeClasse() const { return tabela_->classeRegistro; }
  std::size_t FQuantidadePropriedades() const { return valores_.size(); }

  // Access by property name ("Codsangria", "Dt_movimento"), exact spelling.
  std::string GetTexto(std::string_view propriedade) const;
  TDateTime GetDataHora(std::string_view propriedade) const;
  double GetFlutuante(std::string_view propriedade) const;
  std::int32_t GetInteiro(std::string_view propriedade) const;
  void SetTexto(std::string_view propriedade, std::string valor);
  void SetDataHora(std::string_view propriedade, TDateTime valor);
  void SetFlutuante(std::string_view propriedade, double valor);
  void SetInteiro(std::string_view propriedade, std::int32_t valor);

  // Access by column position, for code that walks the catalogue's columns in order. The value
  // given must hold the alternative of the column's type.
  const TValorCampo& FValor(std::size_t posicao) const;
  void PAtribuiValor(std::size_t posicao, TValorCampo valor);

 protected:
  // Every property starts at the empty value of its type: "", 0 (30 December 1899 for a date),
  // 0.0 or 0.
  explicit TRegistro(const TTabelaCatalogo& tabela);

  // Direct access for the generated typed accessors, which know their column's position and type
  // from the catalogue at compile time and check both there.
  template <class T>
  const T& FCampo(std::size_t posicao) const {
    return std::get<T>(valores_[posicao]);
  }
  template <class T>
  void PGuardaCampo(std::size_t posicao, T valor) {
    std::get<T>(valores_[posicao]) = std::move(valor);
  }

 private:
  std::size_t FPosicao(std::string_view propriedade, TTipoValor tipo) const;
  std::size_t FPosicaoValida(std::size_t posicao) const;

  const TTabelaCatalogo* tabela_;
  std::vector<TValorCampo> valores_;
};

// A record class whose table the agent maintains: it also supplies the table's definition. Each
// call builds fresh collections from the catalogue and hands them to the caller.
class TRegistroComEstrutura : public TRegistro {
 public:
  std::unique_ptr<TColDominio> FRetornaColecaoDominios() const;
  std::unique_ptr<TColCampo> FRetornaColecaoCampos() const;
  std::unique_ptr<TColConstraint> FRetornaColecaoConstraint() const;

  // The structure update of the class's own table on one connection, without a record from the
  // caller: TRegistroComEstrutura::AtualizaBaseDados<TRegistroSangria>(conexao, notificador).
  // A short-lived record of the class supplies the definition. Failed changes are logged and
  // passed over; an error of the checks that read the database leaves as fb::Error.
  template <class TClasse>
  static void AtualizaBaseDados(fb::Connection& Conexao, TNotificador& notificador) {
    static_assert(std::is_base_of_v<TRegistroComEstrutura, TClasse>,
                  "only a record class with a table definition has a structure to update");
    const TClasse registro;
    PAtualizaBaseDados(registro, Conexao, notificador);
  }
  // The same with the definition of the given record.
  static void PAtualizaBaseDados(const TRegistroComEstrutura& registro, fb::Connection& Conexao,
                                 TNotificador& notificador);

 protected:
  explicit TRegistroComEstrutura(const TTabelaCatalogo& tabela);
};
