// The capture set-up and the capture triggers on store databases built by the store system's own
// scripts rather than by the test fixture: CHAR columns, extra columns, a switch column already
// there holding NULL, a wider TABINTE, a queue table and generator of an earlier installation with
// pending rows, keys with date and integer columns. Both databases are reached through the
// loopback server (host:path), as a store's are.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

const std::string kSenha = FConfiguracaoServidor("").password;

// Creates a dialect 1 database at `arquivo` from `script` with isql and returns its path through
// the test run's loopback server on `host`.
std::string FCriaBancoPorScript(const std::filesystem::path& arquivo, const std::string& script,
                                const std::string& host) {
  const std::filesystem::path sql = arquivo.string() + ".sql";
  {
    std::ofstream out(sql);
    out << "SET SQL DIALECT 1;\nCREATE DATABASE '" << arquivo.string()
        << "' USER 'SYSDBA' PASSWORD 'masterkey' PAGE_SIZE 8192;\n"
        << script << "\nCOMMIT;\n";
  }
  const std::string comando =
      "isql-fb -sql_dialect 1 -q -b -i '" + sql.string() + "' > '" + sql.string() + ".out' 2>&1";
  if (std::system(comando.c_str()) != 0) {
    std::ifstream in(sql.string() + ".out");
    ADD_FAILURE() << "isql failed: " << std::string{std::istreambuf_iterator<char>(in), {}};
    return {};
  }
  return FCaminhoServidor(host, arquivo.string());
}

// What both databases share: the domains the queue needs and the store system's own tables.
const char* const kLoja = R"(
CREATE DOMAIN VARCHAR1 AS VARCHAR(1);
CREATE DOMAIN VARCHAR2 AS VARCHAR(2);
CREATE DOMAIN VARCHAR4 AS VARCHAR(4);
CREATE DOMAIN VARCHAR5 AS VARCHAR(5);
CREATE DOMAIN VARCHAR20 AS VARCHAR(20);
CREATE DOMAIN VARCHAR30 AS VARCHAR(30);
CREATE DOMAIN DATA AS DATE;
CREATE DOMAIN INTEIRO AS INTEGER;
CREATE TABLE PDVFISC (CODEMPRESA CHAR(2) NOT NULL, MAQUINA CHAR(3) NOT NULL, NUMSERIE CHAR(20),
  MODELO VARCHAR(30), PRIMARY KEY (CODEMPRESA, MAQUINA));
CREATE TABLE PARATLM (CODEMPRESA CHAR(2), RAZAOSOCIAL VARCHAR(60), CIDADE VARCHAR(40),
  INTEGGERAL INTEGER, INTEGGERALECF INTEGER, ULTIMOPEDIDO INTEGER, OBS BLOB SUB_TYPE 1);
INSERT INTO PARATLM (CODEMPRESA, RAZAOSOCIAL, CIDADE) VALUES ('01', 'LOJA', 'CIDADE');
CREATE TABLE CADOPER (CODOPER CHAR(4) NOT NULL, NOME VARCHAR(40), SENHA VARCHAR(10),
  PRIMARY KEY (CODOPER));
CREATE TABLE SANGRIA (CODEMPRESA CHAR(2) NOT NULL, PDV INTEGER NOT NULL, DATA DATE NOT NULL,
  VALOR NUMERIC(15,2), PRIMARY KEY (CODEMPRESA, DATA, PDV));
INSERT INTO PDVFISC VALUES ('01', '1', 'SN-1', 'A');
INSERT INTO PDVFISC VALUES ('01', '23', '', 'B');
INSERT INTO PDVFISC VALUES ('01', '456', NULL, 'C');
INSERT INTO PDVFISC VALUES ('02', '7', 'SN-7', 'D');
)";

struct TMudanca {
  std::string ecf, acao, tabela, chave0, chave1, chave2, chave3;
  bool operator==(const TMudanca&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TMudanca& m) {
  return os << m.ecf << "|" << m.acao << "|" << m.tabela << "|" << m.chave0 << "|" << m.chave1
            << "|" << m.chave2 << "|" << m.chave3;
}

// The queue rows written from ARQUIVO `desde` on, in order, trailing blanks of CHAR values off.
std::vector<TMudanca> FLeMudancas(fb::Connection& conexao, int desde) {
  fb::Statement consulta(conexao,
                         "SELECT TRIM(ECF), ACAO, TABELA, TRIM(CHAVE0), CHAVE1, CHAVE2, CHAVE3 "
                         "FROM INTEGECF WHERE CAST(ARQUIVO AS INTEGER) >= :D "
                         "ORDER BY CAST(ARQUIVO AS INTEGER)");
  consulta.setInt("D", desde);
  auto linhas = consulta.executeQuery();
  std::vector<TMudanca> mudancas;
  while (linhas.next())
    mudancas.push_back({linhas.getString(0u), linhas.getString(1u), linhas.getString(2u),
                        linhas.getString(3u), linhas.getString(4u), linhas.getString(5u),
                        linhas.getString(6u)});
  return mudancas;
}

std::string FValor(fb::Connection& conexao, const std::string& sql) {
  fb::Statement consulta(conexao, sql, false);
  auto linha = consulta.executeQuery();
  linha.expectOneRow();
  return linha.isNull(0u) ? "<null>" : linha.getString(0u);
}

void PExecuta(fb::Connection& conexao, const std::string& sql) {
  conexao.startTransaction();
  fb::Statement(conexao, sql, false).execute();
  conexao.commit();
}

TEST(LojaExterna, SetUpAndTriggersOverTheServerOnDatabasesOfTheStoreSystem) {
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  // The central database: TABINTE already takes longer names than the queue's.
  const std::string central = FCriaBancoPorScript(
      pasta / "central.fdb", std::string(kLoja) + "CREATE TABLE TABINTE (TABELA VARCHAR(40));",
      "127.0.0.1");
  // The point of sale: a narrow TABINTE, and the queue of an earlier installation with a row
  // still pending and its generator at 100.
  const std::string caixa = FCriaBancoPorScript(
      pasta / "caixa.fdb",
      std::string(kLoja) + R"(
CREATE TABLE TABINTE (TABELA CHAR(20) NOT NULL, DESCRICAO VARCHAR(40));
CREATE TABLE INTEGECF (CODEMPRESA VARCHAR(2) NOT NULL, ECF VARCHAR(4) NOT NULL,
  ARQUIVO VARCHAR(20) NOT NULL, ATUALIZOU VARCHAR(1), DATAATUAL DATE, HORAATUAL VARCHAR(5),
  ACAO VARCHAR(1), TABELA VARCHAR(30), CHAVE0 VARCHAR(30), CHAVE1 VARCHAR(30), CHAVE2 VARCHAR(30),
  CHAVE3 VARCHAR(30), CHAVE4 VARCHAR(30), CHAVE5 VARCHAR(30), CHAVE6 VARCHAR(30),
  CHAVE7 VARCHAR(30), CHAVE8 VARCHAR(30), CHAVE9 VARCHAR(30), LIBERARALT VARCHAR(1),
  PRIMARY KEY (CODEMPRESA, ECF, ARQUIVO));
CREATE GENERATOR G_ORDEMINTEGECF;
SET GENERATOR G_ORDEMINTEGECF TO 100;
INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU, ACAO, TABELA, CHAVE0)
  VALUES ('01', '01', '100', 'N', 'I', 'SANGRIA', 'X');
)",
      "localhost");
  ASSERT_FALSE(central.empty());
  ASSERT_FALSE(caixa.empty());

  TBancoDados motor(notificador);
  ASSERT_TRUE(motor.FCriaConexao(central, "SYSDBA", kSenha, "ConexaoServidor", true));
  ASSERT_TRUE(motor.FCriaConexao(caixa, "SYSDBA", kSenha, ""));

  // Twice: a second pass finds everything in place and has nothing to report either.
  for (int passada = 0; passada < 2; ++passada) {
    EXPECT_TRUE(motor.FConfiguraBanco(true)) << passada;
    EXPECT_TRUE(motor.FConfiguraBanco(false)) << passada;
    for (const bool servidor : {true, false}) {
      motor.PCriaTrigger("CADOPER", servidor);
      motor.PCriaTrigger("SANGRIA", servidor);
    }
  }
  EXPECT_TRUE(notificador.avisos.empty());
  EXPECT_EQ(log.FMensagens(), std::vector<std::string>{});

  fb::Connection cc(FConfiguracaoServidor(central));
  fb::Connection cx(FConfiguracaoServidor(caixa));
  cc.open();
  cx.open();
  for (fb::Connection* c : {&cc, &cx}) {
    // The switch that held NULL is on.
    EXPECT_EQ(FValor(*c, "SELECT INTEGGERALECF FROM PARATLM"), "0") << c->database();
    EXPECT_EQ(FValor(*c, "SELECT COUNT(*) FROM RDB$TRIGGERS WHERE TRIM(RDB$TRIGGER_NAME) LIKE "
                         "'%_ECF' AND RDB$RELATION_NAME IN ('CADOPER', 'SANGRIA')"),
              "6")
        << c->database();
  }
  // The wider TABINTE keeps its width; the narrow one is widened.
  EXPECT_EQ(FValor(cc, "SELECT F.RDB$CHARACTER_LENGTH FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F "
                       "ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE WHERE R.RDB$RELATION_NAME = "
                       "'TABINTE' AND R.RDB$FIELD_NAME = 'TABELA'"),
            "40");
  EXPECT_EQ(FValor(cx, "SELECT TRIM(RDB$FIELD_SOURCE) FROM RDB$RELATION_FIELDS WHERE "
                       "RDB$RELATION_NAME = 'TABINTE' AND RDB$FIELD_NAME = 'TABELA'"),
            "VARCHAR30");
  // The central queue is new; the point of sale's keeps its pending row and its numbering.
  EXPECT_EQ(FValor(cc, "SELECT COUNT(*) FROM INTEGECF"), "0");
  EXPECT_EQ(FValor(cx, "SELECT COUNT(*) FROM INTEGECF"), "1");

  for (fb::Connection* c : {&cc, &cx}) {
    PExecuta(*c, "INSERT INTO CADOPER (CODOPER, NOME) VALUES ('AB', 'ANA')");
    PExecuta(*c, "UPDATE CADOPER SET NOME = 'ANA B' WHERE CODOPER = 'AB'");
    PExecuta(*c, "INSERT INTO SANGRIA VALUES ('01', 3, '16-DEC-2016', 1.5)");
    PExecuta(*c, "DELETE FROM SANGRIA");
  }
  // One row per machine with a serial number (an empty or NULL one has none), "0" before the
  // machine number; keys as text, the date in the database's form, the integer in decimal.
  const std::vector<TMudanca> esperadas = {
      {"01", "I", "CADOPER", "AB", "", "", ""},
      {"07", "I", "CADOPER", "AB", "", "", ""},
      {"01", "A", "CADOPER", "AB", "", "", ""},
      {"07", "A", "CADOPER", "AB", "", "", ""},
      {"01", "I", "SANGRIA", "01", "16-DEC-2016", "3", ""},
      {"07", "I", "SANGRIA", "01", "16-DEC-2016", "3", ""},
      {"01", "E", "SANGRIA", "01", "16-DEC-2016", "3", ""},
      {"07", "E", "SANGRIA", "01", "16-DEC-2016", "3", ""},
  };
  EXPECT_EQ(FLeMudancas(cc, 1), esperadas);
  EXPECT_EQ(FLeMudancas(cx, 101), esperadas);
  EXPECT_EQ(FValor(cc, "SELECT MIN(CAST(ARQUIVO AS INTEGER)) FROM INTEGECF"), "1");
  EXPECT_EQ(FValor(cx, "SELECT COUNT(*) FROM INTEGECF WHERE CODEMPRESA = '02'"), "4");
}

}  // namespace
