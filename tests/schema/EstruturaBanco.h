#pragma once
// Reading a table's structure back from the system tables, and what the catalogue says it must
// be, for the tests of the structure update.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/NotificadorGravador.h"
#include "platform/ULatin1.h"
#include "schema/UCatalogo.h"

struct TColunaBanco {
  std::string nome;
  std::string dominio;
  bool notNull = false;
  bool operator==(const TColunaBanco&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const TColunaBanco& c) {
  return os << c.nome << " " << c.dominio << (c.notNull ? " NOT NULL" : "");
}

// The table's columns in position order.
inline std::vector<TColunaBanco> FColunasNoBanco(fb::Connection& conexao, const std::string& tabela) {
  fb::Statement q(conexao,
                  "SELECT TRIM(RDB$FIELD_NAME), TRIM(RDB$FIELD_SOURCE), RDB$NULL_FLAG "
                  "FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = :T ORDER BY RDB$FIELD_POSITION");
  q.setString("T", tabela);
  auto r = q.executeQuery();
  std::vector<TColunaBanco> colunas;
  while (r.next())
    colunas.push_back({r.getString(0u), r.getString(1u), !r.isNull(2u) && r.getInt(2u) == 1});
  return colunas;
}

// The table's primary key: its name and its columns in key order ("" and "" without one).
inline std::pair<std::string, std::string> FChaveNoBanco(fb::Connection& conexao,
                                                         const std::string& tabela) {
  fb::Statement q(conexao,
                  "SELECT TRIM(C.RDB$CONSTRAINT_NAME), TRIM(S.RDB$FIELD_NAME) "
                  "FROM RDB$RELATION_CONSTRAINTS C "
                  "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME "
                  "WHERE C.RDB$RELATION_NAME = :T AND C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
                  "ORDER BY S.RDB$FIELD_POSITION");
  q.setString("T", tabela);
  auto r = q.executeQuery();
  std::pair<std::string, std::string> chave;
  while (r.next()) {
    chave.first = r.getString(0u);
    chave.second += (chave.second.empty() ? "" : ",") + r.getString(1u);
  }
  return chave;
}

inline bool fbNaChave(const TTabelaCatalogo& tabela, std::string_view coluna) {
  return std::find(tabela.chavePk.begin(), tabela.chavePk.end(), coluna) != tabela.chavePk.end();
}

// The columns the catalogue defines: every key column ends NOT NULL, because the key step makes it
// so before it adds the key.
inline std::vector<TColunaBanco> FColunasDefinidas(const TTabelaCatalogo& tabela) {
  std::vector<TColunaBanco> colunas;
  for (const TColunaCatalogo& c : tabela.colunas)
    colunas.push_back({std::string(c.nome), std::string(FDominio(c.dominio).Nome),
                       c.notNull || fbNaChave(tabela, c.nome)});
  return colunas;
}

// "CREATE TABLE" of the table exactly as defined, without its key, leaving out one column. The
// domains must exist.
inline std::string FCreateTableDefinida(const TTabelaCatalogo& tabela,
                                        std::string_view semColuna = {}) {
  std::string sql = "CREATE TABLE " + std::string(tabela.nome) + " (";
  bool primeira = true;
  for (const TColunaCatalogo& c : tabela.colunas) {
    if (c.nome == semColuna) continue;
    sql += (primeira ? "" : ", ") + std::string(c.nome) + " " + std::string(FDominio(c.dominio).Nome) +
           (c.notNull || fbNaChave(tabela, c.nome) ? " NOT NULL" : "");
    primeira = false;
  }
  return sql + ")";
}


// Everything written to the activity log in `pasta`, as UTF-8.
inline std::string FLeLog(const std::filesystem::path& pasta) {
  std::string texto;
  if (!std::filesystem::exists(pasta)) return texto;
  for (const auto& arquivo : std::filesystem::directory_iterator(pasta)) {
    std::ifstream in(arquivo.path(), std::ios::binary);
    texto += std::string(std::istreambuf_iterator<char>(in), {});
  }
  return FLatin1ParaUtf8(texto);
}
