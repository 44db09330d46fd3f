#include "support/BancoTeste.h"

#include <pwd.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <stdexcept>

#include "firebird/Statement.h"
#include "schema/UTabelasAplicacao.h"

fb::ConnectionSettings FConfiguracaoEmbarcada(const std::string& caminho) {
  fb::ConnectionSettings s;
  s.database = caminho;
  s.user = "SYSDBA";
  s.password = "masterkey";
  s.embeddedOnly = true;
  return s;
}

fb::ConnectionSettings FConfiguracaoServidor(const std::string& caminho) {
  fb::ConnectionSettings s;
  s.database = caminho;
  s.user = "SYSDBA";
  std::ifstream in("/etc/firebird/3.0/SYSDBA.password");
  std::string linha;
  const std::regex re(R"(^ISC_PASSWORD=\"?([^\"]*)\"?)");
  std::smatch m;
  while (std::getline(in, linha))
    if (std::regex_search(linha, m, re)) s.password = m[1];
  if (s.password.empty()) s.password = "masterkey";
  return s;
}

TBancoTeste::TBancoTeste(std::filesystem::path arquivo) : arquivo_(std::move(arquivo)) {
  conexao_ = std::make_unique<fb::Connection>(FConfiguracaoEmbarcada(arquivo_.string()),
                                              "Teste");
  fb::CreateOptions opcoes;
  opcoes.forcedWrites = false;
  conexao_->create(opcoes);
  for (std::string_view sql : FComandosTabelasAplicacao()) executa(std::string(sql));
}

TBancoTeste::~TBancoTeste() = default;

void TBancoTeste::executa(const std::string& sql) {
  conexao_->startTransaction();
  try {
    fb::Statement st(*conexao_, sql, false);
    st.execute();
    conexao_->commit();
  } catch (...) {
    conexao_->rollback();
    throw;
  }
}

std::string TBancoTeste::valor(const std::string& sql) {
  fb::Statement st(*conexao_, sql, false);
  auto rs = st.executeQuery();
  if (!rs.next()) return {};
  return rs.getString(0u);
}

int TBancoTeste::contagem(const std::string& sql) { return std::stoi(valor(sql)); }

void TBancoTeste::adicionaMaquina(const TMaquinaTeste& m) {
  conexao_->startTransaction();
  try {
    fb::Statement st(*conexao_,
                     "INSERT INTO PDVFISC (MAQUINA, CODEMPRESA, NUMSERIE) VALUES (:M, :E, :S)");
    st.setString("M", m.maquina);
    st.setString("E", m.codEmpresa);
    st.setString("S", m.numSerie);
    st.execute();
    conexao_->commit();
  } catch (...) {
    conexao_->rollback();
    throw;
  }
}

void TBancoTeste::fecha() { conexao_->close(); }

void TBancoTeste::reabre() { conexao_->open(); }

std::string TBancoTeste::caminhoNoServidor(const std::string& host) {
  fecha();
  if (const passwd* pw = getpwnam("firebird")) {
    if (::chown(arquivo_.c_str(), pw->pw_uid, pw->pw_gid) != 0)
      throw std::runtime_error("chown failed for " + arquivo_.string());
  }
  return host + ":" + arquivo_.string();
}
