#include "support/BancoTeste.h"

#include <cstdlib>
#include <fstream>
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

namespace {

std::filesystem::path FPastaServidorTeste() {
  if (const char* pasta = std::getenv("SV_FIREBIRD_TESTE"); pasta && *pasta) return pasta;
  return SV_FIREBIRD_TESTE;
}

// One line of the private server's state ("porta", "senha").
std::string FLeEstadoServidor(const char* nome) {
  const std::filesystem::path arquivo = FPastaServidorTeste() / nome;
  std::ifstream in(arquivo);
  std::string valor;
  if (!std::getline(in, valor) || valor.empty())
    throw std::runtime_error("the tests' Firebird server is not running (no " + arquivo.string() +
                             "): start it with tests/support/fbserver start " +
                             FPastaServidorTeste().string() + ", or run the tests through ctest");
  return valor;
}

}  // namespace

fb::ConnectionSettings FConfiguracaoServidor(const std::string& caminho) {
  fb::ConnectionSettings s;
  s.database = caminho;
  s.user = "SYSDBA";
  // Read at static initialisation by some tests, also where no server runs (listing the tests,
  // a test re-run in a network namespace of its own): no password then, rather than an error.
  try {
    s.password = FLeEstadoServidor("senha");
  } catch (const std::runtime_error&) {
    s.password = "masterkey";
  }
  return s;
}

int FPortaServidorTeste() { return std::stoi(FLeEstadoServidor("porta")); }

std::filesystem::path FBancoSegurancaServidorTeste() {
  FLeEstadoServidor("senha");
  return FPastaServidorTeste() / "raiz" / "security3.fdb";
}

std::string FCaminhoServidor(const std::string& host, const std::string& arquivo) {
  return host + "/" + std::to_string(FPortaServidorTeste()) + ":" + arquivo;
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
  return FCaminhoServidor(host, arquivo_.string());
}
