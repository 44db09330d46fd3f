#pragma once
// A fresh store database for one test: SQL dialect 1, a local file opened in-process, holding the
// application tables the agent reads and writes without maintaining them (PDVFISC, PARATLM,
// TABINTE, CADOPER) and the domains the change queue needs.
#include <filesystem>
#include <memory>
#include <string>

#include "firebird/Connection.h"

struct TMaquinaTeste {
  std::string maquina;
  std::string numSerie;
  std::string codEmpresa = "01";
};

class TBancoTeste {
 public:
  // Creates `arquivo` (which must not exist) and leaves it with an open connection.
  explicit TBancoTeste(std::filesystem::path arquivo);
  ~TBancoTeste();

  const std::filesystem::path& arquivo() const { return arquivo_; }
  std::string caminho() const { return arquivo_.string(); }
  fb::Connection& conexao() { return *conexao_; }

  // Runs one statement in a transaction of its own.
  void executa(const std::string& sql);
  // The first column of the first row, as text ("" for NULL or no row).
  std::string valor(const std::string& sql);
  int contagem(const std::string& sql);

  void adicionaMaquina(const TMaquinaTeste& m);

  // Detaches, so another process or a server may open the file.
  void fecha();
  void reabre();

  // Detaches, so that the test run's private server may open the file, and returns the path to
  // use through it, e.g. "localhost/24117:/tmp/.../loja.fdb".
  std::string caminhoNoServidor(const std::string& host = "localhost");

 private:
  std::filesystem::path arquivo_;
  std::unique_ptr<fb::Connection> conexao_;
};

// Settings of an embedded connection to a test database.
fb::ConnectionSettings FConfiguracaoEmbarcada(const std::string& caminho);

// SYSDBA and the password of the test run's private server.
fb::ConnectionSettings FConfiguracaoServidor(const std::string& caminho);

// The test run's private Firebird server (tests/support/fbserver): it listens on 127.0.0.1 alone,
// on a port of its own, runs as the user who runs the tests and shares their lock directory.
// The port and the paths throw, saying how to start it, when it is not running.
int FPortaServidorTeste();
// The security database of that server, whose SYSDBA has FConfiguracaoServidor's password; a test
// that runs a server of its own copies it.
std::filesystem::path FBancoSegurancaServidorTeste();
// `arquivo` through that server: "host/port:arquivo".
std::string FCaminhoServidor(const std::string& host, const std::string& arquivo);
