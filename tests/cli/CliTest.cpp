// The command-line tool driven as a process: exit status, what it prints, the configuration file
// and the databases it leaves.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "SuporteCli.h"
#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/RedeIsolada.h"

namespace fs = std::filesystem;

namespace {

using CliTest = TCliTeste;

TEST_F(CliTest, BadUsageExitsTwoWithAMessage) {
  for (const char* args : {"", "nao-existe", "status --talvez", "criar-demo",
                           "criar-demo a b", "criar-demo x --caixas dois", "status --caixas 3",
                           "status extra", "criar-demo x --caixas 0", "criar-demo x --caixas=100",
                           "--ini= status"}) {
    const auto r = roda(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.erro.find("erro:"), std::string::npos) << args;
  }
  const auto ajuda = roda("ajuda");
  EXPECT_EQ(ajuda.status, 0);
  for (const char* c : {"criar-demo", "atualizar-bancos", "configurar-captura", "status"})
    EXPECT_NE(ajuda.saida.find(c), std::string::npos) << c;
}

TEST_F(CliTest, WithoutACentralConnectionEveryCommandFailsClearly) {
  for (const char* cmd : {"status", "atualizar-bancos", "configurar-captura"}) {
    const auto r = roda(cmd);
    EXPECT_EQ(r.status, 1) << cmd;
    EXPECT_NE(r.erro.find(ini.string() + " não existe"), std::string::npos) << r.erro;
  }
  EXPECT_FALSE(fs::exists(ini));  // reading never creates the file

  PGravaArquivo(ini, "[CONEXAOCAIXA0]\r\nCAMINHO=/x.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=x\r\n");
  for (const char* cmd : {"status", "atualizar-bancos", "configurar-captura"}) {
    const auto r = roda(cmd);
    EXPECT_EQ(r.status, 1) << cmd;
    EXPECT_NE(r.erro.find("CONEXAO"), std::string::npos) << r.erro;
  }
}

// Runs in a network namespace of its own: its last point of sale is a host there that never
// answers.
TEST_F(CliTest, DemoStoreIsBuiltUpdatedCapturedAndReported) {
  SV_NA_REDE_ISOLADA();
  auto r = roda("criar-demo '" + loja.string() + "' --caixas 2");
  ASSERT_EQ(r.status, 0) << r.erro;
  for (const char* f : {"servidor.fdb", "caixa001.fdb", "caixa002.fdb"})
    EXPECT_TRUE(fs::exists(loja / f)) << f;
  const std::string texto = FLeArquivo(ini);
  EXPECT_NE(texto.find("[CONEXAO]"), std::string::npos);
  EXPECT_NE(texto.find("[CONEXAOCAIXA1]"), std::string::npos);
  EXPECT_NE(texto.find("CAMINHO=" + (loja / "caixa002.fdb").string()), std::string::npos);
  EXPECT_NE(texto.find("FINANCEIRO=S"), std::string::npos);
  EXPECT_EQ(conta(loja / "servidor.fdb", "SELECT COUNT(*) FROM PRODUTO"), 5);
  EXPECT_EQ(conta(loja / "caixa002.fdb", "SELECT COUNT(*) FROM PDVFISC WHERE MAQUINA = '002'"), 1);
  EXPECT_EQ(conta(loja / "caixa001.fdb",
                  "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'VENDPDV'"),
            1);

  // Nothing is overwritten without being asked.
  r = roda("criar-demo '" + loja.string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("--substituir"), std::string::npos);
  EXPECT_EQ(FLeArquivo(ini), texto);

  r = roda("atualizar-bancos");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  r = roda("status");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  std::istringstream linhas(r.saida);
  std::string l0, l1, l2;
  std::getline(linhas, l0);
  std::getline(linhas, l1);
  std::getline(linhas, l2);
  EXPECT_NE(l0.find("[0] servidor"), std::string::npos) << l0;
  EXPECT_NE(l0.find("tabelas do catálogo 32/32"), std::string::npos) << l0;
  EXPECT_NE(l0.find("tabelas capturadas 7"), std::string::npos) << l0;
  EXPECT_NE(l2.find("[2] caixa"), std::string::npos) << l2;
  EXPECT_NE(l2.find("máquina 002"), std::string::npos) << l2;
  EXPECT_NE(l2.find("tabelas capturadas 25"), std::string::npos) << l2;
  EXPECT_NE(l1.find("acessível"), std::string::npos) << l1;

  // A change of master data is queued once per point of sale.
  {
    fb::Connection c(FConfiguracaoEmbarcada((loja / "servidor.fdb").string()));
    c.open();
    c.execute("UPDATE PRODUTO SET DESCRICAO = 'ARROZ' WHERE CODPROD = '000001'");
  }
  r = roda("status");
  EXPECT_NE(r.saida.find("PRODUTO A=2"), std::string::npos) << r.saida;

  // Deselecting a group drops its triggers at the points of sale (with "select all" cleared, or
  // it would tick the group again).
  std::string novo = FLeArquivo(ini);
  novo.replace(novo.find("FINANCEIRO=S"), 12, "FINANCEIRO=N");
  novo.replace(novo.find("TODAS=S"), 7, "TODAS=N");
  std::ofstream(ini, std::ios::binary) << novo;
  r = roda("configurar-captura");
  EXPECT_EQ(r.status, 0) << r.erro;
  r = roda("status");
  EXPECT_NE(r.saida.find("tabelas capturadas 22"), std::string::npos) << r.saida;

  // A point of sale that cannot be reached makes status fail and says which.
  std::ofstream(ini, std::ios::app | std::ios::binary)
      << "[CONEXAOCAIXA2]\r\nCAMINHO=" << kHostMudo << ":/loja/caixa.fdb\r\nUSUARIO=SYSDBA\r\n"
         "SENHA=masterkey\r\n";
  r = roda("status");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.saida.find("[3] caixa  " + kHostMudo + ":/loja/caixa.fdb  inacessível"),
            std::string::npos)
      << r.saida;
}

TEST_F(CliTest, FailedDemoLeavesNothingBehind) {
  // A folder below a regular file cannot be made, whoever runs the tool.
  std::ofstream(pasta / "arquivo") << "x";
  auto r = roda("criar-demo '" + (pasta / "arquivo" / "loja").string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("erro:"), std::string::npos);
  EXPECT_FALSE(fs::exists(ini));

  r = roda("criar-demo '" + loja.string() + "' --caixas 0");
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(fs::exists(loja));
}

TEST_F(CliTest, DemoThatFailsLateRemovesWhatItMadeAndPutsBackWhatItReplaced) {
  // The configuration is written after the databases; a name this long leaves no room for the
  // temporary file it is written through, so that step fails.
  const fs::path longo = pasta / (std::string(250, 'a') + ".ini");
  const fs::path fundo = loja / "a" / "b";
  auto r = FRodaCli(pasta.caminho(), longo, "criar-demo '" + fundo.string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("erro:"), std::string::npos);
  EXPECT_FALSE(fs::exists(loja));
  EXPECT_FALSE(fs::exists(longo));

  ASSERT_EQ(roda("criar-demo '" + loja.string() + "' --caixas 1").status, 0);
  {
    fb::Connection c(FConfiguracaoEmbarcada((loja / "servidor.fdb").string()));
    c.open();
    c.execute("DELETE FROM PRODUTO WHERE CODPROD = '000005'");
  }
  r = FRodaCli(pasta.caminho(), longo, "criar-demo '" + loja.string() + "' --caixas 2 --substituir");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(conta(loja / "servidor.fdb", "SELECT COUNT(*) FROM PRODUTO"), 4);
  EXPECT_FALSE(fs::exists(loja / "caixa002.fdb"));
  std::size_t arquivos = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(loja)) ++arquivos;
  EXPECT_EQ(arquivos, 2u);
  EXPECT_EQ(roda("status").status, 0);
}

TEST_F(CliTest, ADatabaseInUseIsNeitherReplacedNorHidden) {
  ASSERT_EQ(roda("criar-demo '" + loja.string() + "' --caixas 1").status, 0);
  fb::Connection emUso(FConfiguracaoEmbarcada((loja / "servidor.fdb").string()));
  emUso.open();  // an in-process engine holds the file for this process alone
  auto r = roda("criar-demo '" + loja.string() + "' --caixas 1 --substituir");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("servidor.fdb"), std::string::npos) << r.erro;
  EXPECT_TRUE(fs::exists(loja / "servidor.fdb"));
  // Every configured database is still reported, the central one as out of reach.
  r = roda("status");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("Motivo:"), std::string::npos) << r.erro;
  EXPECT_NE(r.saida.find("[0] servidor  " + (loja / "servidor.fdb").string() + "  inacessível"),
            std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find("[1] caixa  " + (loja / "caixa001.fdb").string() + "  acessível"),
            std::string::npos)
      << r.saida;
  emUso.close();
  EXPECT_EQ(roda("status").status, 0);
}

}  // namespace
