#pragma once
// The shape of the table catalogue: one constant entry per table with its columns, declared
// domains and primary key. Records, data-access statements, structure changes and capture triggers
// are all derived from these entries; nothing per column is written anywhere else.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "schema/UDominios.h"

struct TColunaCatalogo {
  std::string_view nome;         // column name in the database, e.g. "DT_MOVIMENTO"
  std::string_view propriedade;  // record property, e.g. "Dt_movimento"
  TDominioId dominio;            // SemDominio only in a table without a definition
  bool notNull;
  TTipoValor tipo;               // follows from the domain
  bool blob;                     // text blob: read and bound as a blob

  // The column's TCampo.Nulo text.
  constexpr std::string_view FNulo() const { return notNull ? "NOT NULL" : ""; }
};

// A column of a maintained table: type and blob kind come from its domain.
constexpr TColunaCatalogo FColuna(std::string_view nome, std::string_view propriedade,
                                  TDominioId dominio, bool notNull) {
  return {nome, propriedade, dominio, notNull, FDominio(dominio).tipoValor, FDominio(dominio).blob};
}

// A column of a table the agent replicates without maintaining it: no domain, the type is given.
constexpr TColunaCatalogo FColunaSemDominio(std::string_view nome, std::string_view propriedade,
                                            TTipoValor tipo) {
  return {nome, propriedade, TDominioId::SemDominio, false, tipo, false};
}

struct TTabelaCatalogo {
  std::string_view nome;            // upper case: every TCampo.Tabela and the queue's TABELA value
  std::string_view nomeCapital;     // first letter upper case: TConstraint.Tabela, class names
  std::string_view classeRegistro;  // "TRegistro" + nomeCapital
  bool possuiDefinicao;             // false: replicated, but never created or changed by the agent
  std::span<const TColunaCatalogo> colunas;     // definition order = physical order when created
  std::span<const TDominioId> dominios;         // declared order, a domain listed twice kept twice
  std::string_view nomePk;                      // "PK_" + nomeCapital
  std::string_view campoPk;                     // constraint text, e.g. "CODSANGRIA,USUARIO,MAQUINA"
  std::span<const std::string_view> chavePk;    // primary-key columns in definition order
};

inline constexpr std::size_t NaoEncontrado = static_cast<std::size_t>(-1);

// Position of a column by its database name (exact, upper case), or NaoEncontrado.
constexpr std::size_t FPosicaoColuna(const TTabelaCatalogo& tabela, std::string_view nome) {
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i)
    if (tabela.colunas[i].nome == nome) return i;
  return NaoEncontrado;
}

// Position of a column by its property name (exact, as the record class spells it), or
// NaoEncontrado.
constexpr std::size_t FPosicaoPropriedade(const TTabelaCatalogo& tabela,
                                          std::string_view propriedade) {
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i)
    if (tabela.colunas[i].propriedade == propriedade) return i;
  return NaoEncontrado;
}

// A queue row carries at most ten key values, so no key is longer.
inline constexpr std::size_t MaximoColunasChave = 10;

// Column positions of a key, in the order the key is used.
struct TChaveTabela {
  std::array<std::uint16_t, MaximoColunasChave> posicoes{};
  std::size_t quantidade = 0;
  constexpr std::span<const std::uint16_t> FPosicoes() const { return {posicoes.data(), quantidade}; }
};

// The primary key in the order of its definition (the order of the constraint clause).
constexpr TChaveTabela FChavePk(const TTabelaCatalogo& tabela) {
  TChaveTabela chave;
  for (std::string_view nome : tabela.chavePk)
    chave.posicoes[chave.quantidade++] = static_cast<std::uint16_t>(FPosicaoColuna(tabela, nome));
  return chave;
}

// The primary key in table column order: the order of the key arguments, key conditions and key
// lines of the data-access classes and of the queue's key values.
constexpr TChaveTabela FChaveEmOrdemDeColuna(const TTabelaCatalogo& tabela) {
  TChaveTabela chave = FChavePk(tabela);
  for (std::size_t i = 1; i < chave.quantidade; ++i)
    for (std::size_t j = i; j > 0 && chave.posicoes[j - 1] > chave.posicoes[j]; --j)
      std::swap(chave.posicoes[j - 1], chave.posicoes[j]);
  return chave;
}

namespace catalogo_detalhe {
constexpr char FMaiuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
constexpr char FMinuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// "DT_MOVIMENTO" -> "Dt_movimento": first letter upper case, the rest lower case.
constexpr bool fbCapitalDe(std::string_view capital, std::string_view nome) {
  if (capital.size() != nome.size() || nome.empty()) return false;
  if (capital[0] != FMaiuscula(nome[0])) return false;
  for (std::size_t i = 1; i < nome.size(); ++i)
    if (capital[i] != FMinuscula(nome[i])) return false;
  return true;
}

constexpr bool fbComeca(std::string_view texto, std::string_view prefixo, std::string_view resto) {
  return texto.size() == prefixo.size() + resto.size() && texto.substr(0, prefixo.size()) == prefixo &&
         texto.substr(prefixo.size()) == resto;
}

constexpr bool fbListaCampos(std::string_view texto, std::span<const std::string_view> partes) {
  std::size_t inicio = 0;
  for (std::size_t i = 0; i < partes.size(); ++i) {
    if (i > 0) {
      if (inicio >= texto.size() || texto[inicio] != ',') return false;
      ++inicio;
    }
    if (texto.substr(inicio, partes[i].size()) != partes[i]) return false;
    inicio += partes[i].size();
  }
  return inicio == texto.size();
}
}  // namespace catalogo_detalhe

// Compile-time check of one entry: names derived consistently, unique columns, every column's
// domain declared by the table itself and agreeing with its type, the key made of existing
// columns and its constraint text and name built from them.
consteval bool fbTabelaCoerente(const TTabelaCatalogo& t) {
  using namespace catalogo_detalhe;
  if (!fbCapitalDe(t.nomeCapital, t.nome)) return false;
  if (!fbComeca(t.classeRegistro, "TRegistro", t.nomeCapital)) return false;
  if (t.colunas.empty() || t.chavePk.empty() || t.chavePk.size() > MaximoColunasChave) return false;
  for (std::size_t i = 0; i < t.colunas.size(); ++i) {
    const TColunaCatalogo& c = t.colunas[i];
    if (!fbCapitalDe(c.propriedade, c.nome)) return false;
    if (FPosicaoColuna(t, c.nome) != i) return false;
    if (t.possuiDefinicao) {
      if (!fbPossuiDominio(c.dominio)) return false;
      if (c.tipo != FDominio(c.dominio).tipoValor || c.blob != FDominio(c.dominio).blob) return false;
      bool declarado = false;
      for (TDominioId d : t.dominios) declarado = declarado || d == c.dominio;
      if (!declarado) return false;
    } else if (fbPossuiDominio(c.dominio)) {
      return false;
    }
  }
  for (std::string_view k : t.chavePk)
    if (FPosicaoColuna(t, k) == NaoEncontrado) return false;
  if (t.possuiDefinicao) {
    if (!fbComeca(t.nomePk, "PK_", t.nomeCapital)) return false;
    if (!fbListaCampos(t.campoPk, t.chavePk)) return false;
    for (TDominioId d : t.dominios)
      if (!fbPossuiDominio(d)) return false;
  } else if (!t.dominios.empty() || !t.nomePk.empty() || !t.campoPk.empty()) {
    return false;
  }
  return true;
}
