#pragma once
// The typed accessors of the record classes are generated from the table catalogue by
// records/gerador at build time, one header per table (records/UAcessores<Table>.h in the build
// tree). This header holds what the catalogue does not say about them: the spellings that depart
// from "Get"/"Set" + property, and the class whose properties are written but never read.
#include <cstddef>
#include <string_view>

#include "schema/UCatalogoTipos.h"

// A getter spelled otherwise than "Get" + property.
struct TGrafiaGetter {
  std::string_view tabela;       // upper-case table name
  std::string_view propriedade;  // property as the catalogue spells it
  std::string_view getter;
};

inline constexpr TGrafiaGetter GrafiasGetter[] = {
    {"SANGRIA", "Dc", "GetDC"},
};

// Tables whose record class has setters and no getters: OPERADOR exists for its table definition
// only, and nothing reads its values back.
inline constexpr std::string_view TabelasSemGetters[] = {"OPERADOR"};

// One generated property as the generated PVisitaAcessores hands it over: the column position,
// the names and member pointers of getter and setter. Getter is std::nullptr_t for a class
// without getters.
template <class TGetter, class TSetter>
struct TAcessorGerado {
  std::size_t posicao;
  std::string_view propriedade;
  std::string_view nomeGetter;  // "" without a getter
  TGetter getter;
  std::string_view nomeSetter;
  TSetter setter;
};
// Deduction from the braced list written by the generator; compilers without deduction for
// aggregates (clang before 17) need it spelled out.
template <class TGetter, class TSetter>
TAcessorGerado(std::size_t, std::string_view, std::string_view, TGetter, std::string_view, TSetter)
    -> TAcessorGerado<TGetter, TSetter>;

// Whether the column at a generated accessor's position still has the property name and type the
// accessor was written for.
constexpr bool fbAcessorConfere(const TTabelaCatalogo& tabela, std::size_t posicao,
                                std::string_view propriedade, TTipoValor tipo) {
  return posicao < tabela.colunas.size() && tabela.colunas[posicao].propriedade == propriedade &&
         tabela.colunas[posicao].tipo == tipo;
}
