#pragma once
// Driving the command-line tool as a process, and building store databases the way a store's own
// tools would: SQL scripts run by isql in dialect 1, independent of the test fixtures.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "support/PastaTemporaria.h"

struct TResultado {
  int status = -1;
  std::string saida, erro;
};

inline std::string FLeArquivo(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void PGravaArquivo(const std::filesystem::path& p, const std::string& texto) {
  std::ofstream(p, std::ios::binary) << texto;
}

// Runs a shell command in `pasta`; standard output and error are kept apart.
inline TResultado FRodaComando(const std::filesystem::path& pasta, const std::string& comando) {
  const std::filesystem::path erro = pasta / "stderr.txt";
  const std::string cmd = "cd '" + pasta.string() + "' && " + comando + " 2>'" + erro.string() + "'";
  TResultado r;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) throw std::runtime_error("popen failed: " + cmd);
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.saida.append(buf, n);
  const int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  r.erro = FLeArquivo(erro);
  return r;
}

// The tool with --ini `ini` and `argumentos` (already quoted for the shell).
inline TResultado FRodaCli(const std::filesystem::path& pasta, const std::filesystem::path& ini,
                           const std::string& argumentos) {
  return FRodaComando(pasta, std::string("'" SV_CLI "' --ini '") + ini.string() + "' " + argumentos);
}

// Runs an isql script (dialect 1, in-process engine for plain paths); throws with isql's output
// when it reports an error.
inline void PIsql(const std::filesystem::path& pasta, const std::string& script) {
  const std::filesystem::path arquivo = pasta / "script.sql";
  PGravaArquivo(arquivo, "SET SQL DIALECT 1;\n" + script + "\nCOMMIT;\n");
  const TResultado r =
      FRodaComando(pasta, "isql-fb -q -sql_dialect 1 -bail -i '" + arquivo.string() + "'");
  if (r.status != 0 || r.erro.find("Statement failed") != std::string::npos ||
      r.erro.find("SQLSTATE") != std::string::npos)
    throw std::runtime_error("isql: " + r.saida + r.erro);
}

// What the suites that drive the tool share: a folder of the test's own, the configuration file
// in it, the folder a demo store is made in, and reading or changing its databases in-process.
class TCliTeste : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  std::filesystem::path ini = pasta / "VeltrixIntegracao.ini";
  std::filesystem::path loja = pasta / "loja";

  TResultado roda(const std::string& argumentos) { return FRodaCli(pasta.caminho(), ini, argumentos); }

  // A demo store of `caixas` points of sale in `loja`, its databases brought up to date.
  void criaLoja(int caixas);
  // The database of point of sale `n` ("caixa001.fdb"...) and the central one.
  std::filesystem::path caixa(int n) const;
  std::filesystem::path central() const { return loja / "servidor.fdb"; }

  // The first column of the first row as text; empty when there is no row.
  static std::string valor(const std::filesystem::path& banco, const std::string& sql);
  // The first column of the first row as a number (a count).
  static int conta(const std::filesystem::path& banco, const std::string& sql);
  static void executa(const std::filesystem::path& banco, const std::string& sql);
};
