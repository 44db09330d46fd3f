#include "SuporteCli.h"

#include <cstdio>

#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"

namespace fs = std::filesystem;

void TCliTeste::criaLoja(int caixas) {
  auto r = roda("criar-demo '" + loja.string() + "' --caixas " + std::to_string(caixas));
  ASSERT_EQ(r.status, 0) << r.erro;
  r = roda("atualizar-bancos");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
}

fs::path TCliTeste::caixa(int n) const {
  char nome[32];
  std::snprintf(nome, sizeof nome, "caixa%03d.fdb", n);
  return loja / nome;
}

std::string TCliTeste::valor(const fs::path& banco, const std::string& sql) {
  fb::Connection c(FConfiguracaoEmbarcada(banco.string()));
  c.open();
  fb::Statement st(c, sql);
  auto rs = st.executeQuery();
  return rs.next() ? rs.getString(0u) : std::string();
}

int TCliTeste::conta(const fs::path& banco, const std::string& sql) {
  return std::stoi(valor(banco, sql));
}

void TCliTeste::executa(const fs::path& banco, const std::string& sql) {
  fb::Connection c(FConfiguracaoEmbarcada(banco.string()));
  c.open();
  c.execute(sql);
}
