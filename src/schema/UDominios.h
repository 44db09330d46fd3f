#pragma once
// The domain vocabulary of the maintained tables. Every maintained column is declared with one of
// these domains, and a domain name has the same SQL type in every table that declares it. None of
// them carries a nullability clause: nullability is decided per column.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

// The value type a column's domain gives the record property: text (also text blobs), date-time
// (a day count, the date columns using the whole part only), double precision, 32-bit integer.
enum class TTipoValor : std::uint8_t { Texto, DataHora, Flutuante, Inteiro };

// The domains in vocabulary order; SemDominio marks a column that the agent reads and writes but
// whose table it does not maintain.
enum class TDominioId : std::uint8_t {
  VARCHAR1, VARCHAR2, VARCHAR3, VARCHAR4, VARCHAR5, VARCHAR6,
  VARCHAR7, VARCHAR8, VARCHAR9, VARCHAR10, VARCHAR12, VARCHAR14,
  VARCHAR15, VARCHAR18, VARCHAR20, VARCHAR24, VARCHAR25, VARCHAR30,
  VARCHAR32, VARCHAR35, VARCHAR40, VARCHAR45, VARCHAR50, VARCHAR55,
  VARCHAR60, VARCHAR100, VARCHAR250, CHAR1, CHAR2, CHAR3,
  CHAR4, CHAR5, CHAR6, CHAR8, CHAR10, CHAR12,
  CHAR15, CHAR20, INTEIRO, NUMERICO, DATA, BLOB50,
  BLOB80,
  SemDominio
};

struct TDominioCatalogo {
  TDominioId id;
  std::string_view Nome;
  std::string_view Tipo;  // the SQL type the domain is created with
  TTipoValor tipoValor;
  bool blob;              // a text blob, bound as a blob rather than a string
};

inline constexpr TDominioCatalogo DominiosCatalogo[] = {
    {TDominioId::VARCHAR1, "VARCHAR1", "VARCHAR(1)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR2, "VARCHAR2", "VARCHAR(2)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR3, "VARCHAR3", "VARCHAR(3)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR4, "VARCHAR4", "VARCHAR(4)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR5, "VARCHAR5", "VARCHAR(5)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR6, "VARCHAR6", "VARCHAR(6)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR7, "VARCHAR7", "VARCHAR(7)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR8, "VARCHAR8", "VARCHAR(8)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR9, "VARCHAR9", "VARCHAR(9)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR10, "VARCHAR10", "VARCHAR(10)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR12, "VARCHAR12", "VARCHAR(12)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR14, "VARCHAR14", "VARCHAR(14)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR15, "VARCHAR15", "VARCHAR(15)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR18, "VARCHAR18", "VARCHAR(18)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR20, "VARCHAR20", "VARCHAR(20)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR24, "VARCHAR24", "VARCHAR(24)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR25, "VARCHAR25", "VARCHAR(25)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR30, "VARCHAR30", "VARCHAR(30)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR32, "VARCHAR32", "VARCHAR(32)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR35, "VARCHAR35", "VARCHAR(35)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR40, "VARCHAR40", "VARCHAR(40)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR45, "VARCHAR45", "VARCHAR(45)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR50, "VARCHAR50", "VARCHAR(50)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR55, "VARCHAR55", "VARCHAR(55)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR60, "VARCHAR60", "VARCHAR(60)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR100, "VARCHAR100", "VARCHAR(100)", TTipoValor::Texto, false},
    {TDominioId::VARCHAR250, "VARCHAR250", "VARCHAR(250)", TTipoValor::Texto, false},
    {TDominioId::CHAR1, "CHAR1", "CHAR(1)", TTipoValor::Texto, false},
    {TDominioId::CHAR2, "CHAR2", "CHAR(2)", TTipoValor::Texto, false},
    {TDominioId::CHAR3, "CHAR3", "CHAR(3)", TTipoValor::Texto, false},
    {TDominioId::CHAR4, "CHAR4", "CHAR(4)", TTipoValor::Texto, false},
    {TDominioId::CHAR5, "CHAR5", "CHAR(5)", TTipoValor::Texto, false},
    {TDominioId::CHAR6, "CHAR6", "CHAR(6)", TTipoValor::Texto, false},
    {TDominioId::CHAR8, "CHAR8", "CHAR(8)", TTipoValor::Texto, false},
    {TDominioId::CHAR10, "CHAR10", "CHAR(10)", TTipoValor::Texto, false},
    {TDominioId::CHAR12, "CHAR12", "CHAR(12)", TTipoValor::Texto, false},
    {TDominioId::CHAR15, "CHAR15", "CHAR(15)", TTipoValor::Texto, false},
    {TDominioId::CHAR20, "CHAR20", "CHAR(20)", TTipoValor::Texto, false},
    {TDominioId::INTEIRO, "INTEIRO", "INTEGER", TTipoValor::Inteiro, false},
    {TDominioId::NUMERICO, "NUMERICO", "DOUBLE PRECISION", TTipoValor::Flutuante, false},
    {TDominioId::DATA, "DATA", "DATE", TTipoValor::DataHora, false},
    {TDominioId::BLOB50, "BLOB50", "BLOB SUB_TYPE 1 SEGMENT SIZE 50", TTipoValor::Texto, true},
    {TDominioId::BLOB80, "BLOB80", "BLOB SUB_TYPE 1 SEGMENT SIZE 80", TTipoValor::Texto, true},
};
inline constexpr std::size_t QuantidadeDominios = 43;
static_assert(std::size(DominiosCatalogo) == QuantidadeDominios);
static_assert(static_cast<std::size_t>(TDominioId::SemDominio) == QuantidadeDominios);

constexpr bool fbPossuiDominio(TDominioId id) { return id != TDominioId::SemDominio; }

// The vocabulary entry of a domain; the enumeration order and the table order agree (checked
// below), so the entry is found by position.
constexpr const TDominioCatalogo& FDominio(TDominioId id) {
  return DominiosCatalogo[static_cast<std::size_t>(id)];
}

consteval bool fbVocabularioEmOrdem() {
  for (std::size_t i = 0; i < QuantidadeDominios; ++i)
    if (static_cast<std::size_t>(DominiosCatalogo[i].id) != i) return false;
  return true;
}
static_assert(fbVocabularioEmOrdem(), "DominiosCatalogo must follow the order of TDominioId");
