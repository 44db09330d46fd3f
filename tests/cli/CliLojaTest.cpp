// The command-line tool on store databases built the way a store's own tools build them: isql
// scripts in dialect 1 with application tables of other widths, CHAR columns, extra columns,
// several machines with and without serial numbers, machine "999", catalogue tables and a queue
// table of an older layout holding rows; a configuration file written by hand; databases reached
// as local files and through the loopback server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <string>

#include "SuporteCli.h"
#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"
#include "support/RedeIsolada.h"

namespace fs = std::filesystem;

namespace {

std::string FTroca(std::string texto, const std::string& de, const std::string& para) {
  for (auto p = texto.find(de); p != std::string::npos; p = texto.find(de, p + para.size()))
    texto.replace(p, de.size(), para);
  return texto;
}

const char* kCentral = R"(
CREATE DATABASE '@DB@' USER 'SYSDBA' PASSWORD 'masterkey' PAGE_SIZE 8192;
CREATE TABLE PDVFISC (CODEMPRESA CHAR(2) NOT NULL, MAQUINA CHAR(3) NOT NULL,
  NUMSERIE CHAR(20) DEFAULT '', MODELO VARCHAR(30), ATIVO CHAR(1),
  CONSTRAINT PK_PDVFISC PRIMARY KEY (CODEMPRESA, MAQUINA));
INSERT INTO PDVFISC VALUES ('01', '001', 'BE0001', 'MP-4200', 'S');
INSERT INTO PDVFISC VALUES ('01', '002', 'BE0002', 'MP-4200', 'S');
INSERT INTO PDVFISC VALUES ('01', '003', '', 'MP-4200', 'N');
INSERT INTO PDVFISC (CODEMPRESA, MAQUINA, MODELO) VALUES ('01', '004', 'SEM SERIE');
INSERT INTO PDVFISC VALUES ('01', '999', '', 'RETAGUARDA', 'S');
CREATE TABLE PARATLM (CODEMPRESA CHAR(2) NOT NULL, RAZAO VARCHAR(60), CNPJ CHAR(14),
  INTEGGERAL INTEGER, VERSAO VARCHAR(10), ULTIMA DATE);
INSERT INTO PARATLM VALUES ('01', 'MERCADO TESTE LTDA', '12345678000199', 1, '5.2', '01-JAN-2020');
CREATE TABLE TABINTE (TABELA VARCHAR(20) NOT NULL, DESCRICAO VARCHAR(40), ORDEM INTEGER);
INSERT INTO TABINTE VALUES ('PRODUTO', 'Produtos', 1);
CREATE TABLE CADOPER (CODOPER CHAR(3) NOT NULL, NOME VARCHAR(60), SENHA CHAR(8), SANGRIA CHAR(1),
  CANCELAITEM CHAR(1), CANCELAVENDA CHAR(1), LEITURAX CHAR(1), LEITURAZ CHAR(1),
  LEITURAMEMORIA CHAR(1), ABERTURAGAVETA CHAR(1), CANCELAATUAL CHAR(1), USUARIO VARCHAR(15),
  HISTORICOCLIENTE SMALLINT, LIQUIDADOCUREC CHAR(1), EXTRA VARCHAR(5),
  CONSTRAINT PK_CADOPER PRIMARY KEY (CODOPER));
INSERT INTO CADOPER (CODOPER, NOME, SANGRIA, HISTORICOCLIENTE) VALUES ('001', 'ANA', 'S', 0);
CREATE TABLE PRODUTO (CODPROD VARCHAR(6) NOT NULL, DESCRICAO VARCHAR(40), PRECO DOUBLE PRECISION,
  CONSTRAINT PRODUTO_PK PRIMARY KEY (CODPROD));
INSERT INTO PRODUTO VALUES ('000001', 'ARROZ', 10.5);
INSERT INTO PRODUTO VALUES ('000002', 'FEIJAO', 8.25);
CREATE TABLE INTEGECF (CODEMPRESA VARCHAR(2) NOT NULL, ECF VARCHAR(4) NOT NULL,
  ARQUIVO VARCHAR(20) NOT NULL);
INSERT INTO INTEGECF VALUES ('01', '0001', '1');
)";

const char* kCaixa = R"(
CREATE DATABASE '@DB@' USER 'SYSDBA' PASSWORD 'masterkey' PAGE_SIZE 4096;
CREATE TABLE PDVFISC (MAQUINA CHAR(3) NOT NULL, CODEMPRESA CHAR(2) NOT NULL, NUMSERIE VARCHAR(20),
  IMPRESSORA VARCHAR(30), CONSTRAINT PK_PDVFISC PRIMARY KEY (MAQUINA));
INSERT INTO PDVFISC VALUES ('999', '01', '', 'NENHUMA');
INSERT INTO PDVFISC VALUES ('@MAQ@', '01', 'BE@MAQ@', 'MP-4200');
CREATE TABLE PARATLM (CODEMPRESA VARCHAR(2), RAZAO VARCHAR(60), PDV VARCHAR(3), OUTRA INTEGER);
INSERT INTO PARATLM VALUES ('01', 'MERCADO TESTE', '@MAQ@', 7);
CREATE TABLE TABINTE (TABELA VARCHAR(20), DESCRICAO VARCHAR(40));
CREATE TABLE CADOPER (CODOPER VARCHAR(4) NOT NULL PRIMARY KEY, NOME VARCHAR(30), SENHA VARCHAR(6),
  SANGRIA VARCHAR(1), CANCELAITEM VARCHAR(1), CANCELAVENDA VARCHAR(1), LEITURAX VARCHAR(1),
  LEITURAZ VARCHAR(1), LEITURAMEMORIA VARCHAR(1), ABERTURAGAVETA VARCHAR(1),
  CANCELAATUAL VARCHAR(1), USUARIO VARCHAR(10), HISTORICOCLIENTE INTEGER,
  LIQUIDADOCUREC VARCHAR(1));
CREATE TABLE SANGRIA (CODSANGRIA CHAR(5) NOT NULL, USUARIO CHAR(10) NOT NULL,
  MAQUINA VARCHAR(3) NOT NULL, VALOR DOUBLE PRECISION);
INSERT INTO SANGRIA VALUES ('00001', 'CAIXA', '@MAQ@', 25.5);
)";

class CliLojaTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  fs::path ini = pasta / "Loja.ini";

  // A database from one of the scripts above, written without waiting for the disk.
  fs::path cria(const char* script, const std::string& nome, const std::string& maquina = "") {
    const fs::path banco = pasta / nome;
    PIsql(pasta.caminho(), FTroca(FTroca(script, "@DB@", banco.string()), "@MAQ@", maquina));
    const auto r = FRodaComando(pasta.caminho(), "gfix -write async -user SYSDBA '" + banco.string() + "'");
    if (r.status != 0) throw std::runtime_error("gfix: " + r.erro);
    return banco;
  }

  TResultado roda(const std::string& argumentos) { return FRodaCli(pasta.caminho(), ini, argumentos); }

  static std::string valor(fb::Connection& c, const std::string& sql) {
    fb::Statement st(c, sql);
    auto rs = st.executeQuery();
    return rs.next() ? rs.getString(0u) : std::string();
  }
  static int conta(fb::Connection& c, const std::string& sql) { return std::stoi(valor(c, sql)); }

  static int gatilhos(fb::Connection& c, const std::string& tabela) {
    return conta(c, "SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME IN ('" + tabela +
                        "_INC_ECF', '" + tabela + "_ALT_ECF', '" + tabela + "_EXC_ECF')");
  }

  // What a database must hold after the capture set-up.
  static void PConfereCaptura(fb::Connection& c) {
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'INTEGECF'"), 19);
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G_ORDEMINTEGECF'"), 1);
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME = 'PGRAVA_INTEGECF'"), 1);
    EXPECT_EQ(valor(c, "SELECT INTEGGERALECF FROM PARATLM"), "0");
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME IN ("
                       "'PRODUTO','FORNECE','VENDEND','CADUSUA','OPERADOR','CLIENTE','CDOPERC',"
                       "'PEDIDOC','PEDIDOI','REDUCOESZ','REDUCAOZ_C','REDUCAOZ_I',"
                       "'DETALHEREDUCOESZ','ECFGERAL','DEMAISDOCUMENTOSECF','SANGRIA','ENCERRA',"
                       "'VENDPDV','ENCEFAT','MVGERAL','DOCUREC','MOVIREC','PRETERC','SINTEGRA60A',"
                       "'SINTEGRA60D','SINTEGRA60I','SINTEGRA60M','SINTEGRA60R','ENCCARTAO',"
                       "'PARCPEDC','CONVENCEFAT','FINANCIAMENTO')"),
              32);
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$RELATION_CONSTRAINTS WHERE RDB$CONSTRAINT_TYPE = "
                       "'PRIMARY KEY' AND RDB$RELATION_NAME = 'VENDPDV'"),
              1);
  }

  // Central and points of sale by hand: CRLF, keys in any case, a gap in the numbering (the
  // section after it is not used), "select all" cleared, suppliers and the financial group not
  // captured, a lower-case "s" that reads as no.
  void escreveIni(const std::string& central, const std::vector<std::string>& caixas,
                  const std::string& senha = "masterkey") {
    std::string t = "[Conexao]\r\ncaminho=" + central + "\r\nUsuario=SYSDBA\r\nsenha=" + senha +
                    "\r\n\r\n";
    for (std::size_t n = 0; n < caixas.size(); ++n)
      t += "[conexaoCaixa" + std::to_string(n) + "]\r\nCAMINHO=" + caixas[n] +
           "\r\nUSUARIO=sysdba\r\nSENHA=" + senha + "\r\n";
    t += "[CONEXAOCAIXA" + std::to_string(caixas.size() + 1) +
         "]\r\nCAMINHO=/nao/existe.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=x\r\n";
    t += "[Tabelas]\r\nTodas=N\r\nproduto=S\r\nFornecedor=N\r\nFINANCEIRO=N\r\nSintegra=s\r\n";
    PGravaArquivo(ini, t);
  }
};

// Runs in a network namespace of its own: one point of sale is a host there that never answers.
TEST_F(CliLojaTest, HandBuiltStoreIsUpdatedAndCapturedKeepingItsData) {
  SV_NA_REDE_ISOLADA();
  const fs::path central = cria(kCentral, "central.fdb");
  const fs::path caixa1 = cria(kCaixa, "caixa1.fdb", "001");
  const fs::path caixa2 = cria(kCaixa, "caixa2.fdb", "002");

  // A point of sale that cannot be had stops the command before anything is changed: one whose
  // computer does not answer, one that another process holds.
  escreveIni(central.string(), {caixa1.string(), kHostMudo + ":/loja/caixa.fdb"});
  auto r = roda("atualizar-bancos");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find(kHostMudo + ":/loja/caixa.fdb"), std::string::npos) << r.erro;
  {
    fb::Connection emUso(FConfiguracaoEmbarcada(caixa2.string()));
    emUso.open();
    escreveIni(central.string(), {caixa1.string(), caixa2.string()});
    r = roda("atualizar-bancos");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.erro.find(caixa2.string()), std::string::npos) << r.erro;
    EXPECT_NE(r.erro.find("Motivo:"), std::string::npos) << r.erro;
  }
  {
    fb::Connection c(FConfiguracaoEmbarcada(central.string()));
    c.open();
    EXPECT_EQ(conta(c, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'VENDPDV'"), 0);
  }

  r = roda("atualizar-bancos");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  // The activity log of the day, beside the executable.
  const std::time_t agora = std::time(nullptr);
  char dia[16];
  std::strftime(dia, sizeof dia, "%d%m%Y", std::localtime(&agora));
  const std::string log = FLeArquivo(fs::path(SV_CLI).parent_path() / "LogIntg" /
                                     ("LogIntegrador" + std::string(dia) + ".txt"));
  EXPECT_NE(log.find("Montando conexao cadastro.\r\n \r\n"), std::string::npos);

  r = roda("status");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("tabelas capturadas 6/6"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("máquina 002  tabelas do catálogo 32/32  tabelas capturadas 17/17"),
            std::string::npos)
      << r.saida;
  EXPECT_EQ(r.saida.find("nao/existe"), std::string::npos) << r.saida;

  fb::Connection c(FConfiguracaoEmbarcada(central.string()));
  c.open();
  PConfereCaptura(c);
  EXPECT_EQ(valor(c, "SELECT TRIM(RDB$FIELD_SOURCE) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = "
                     "'TABINTE' AND RDB$FIELD_NAME = 'TABELA'"),
            "VARCHAR30");
  for (const char* t : {"PRODUTO", "VENDEND", "CADUSUA", "CADOPER", "CLIENTE", "CDOPERC"})
    EXPECT_EQ(gatilhos(c, t), 3) << t;
  for (const char* t : {"FORNECE", "VENDPDV", "SANGRIA"}) EXPECT_EQ(gatilhos(c, t), 0) << t;
  EXPECT_EQ(valor(c, "SELECT DESCRICAO FROM PRODUTO WHERE CODPROD = '000002'"), "FEIJAO");
  EXPECT_EQ(valor(c, "SELECT RAZAO FROM PARATLM"), "MERCADO TESTE LTDA");
  EXPECT_EQ(valor(c, "SELECT COUNT(*) FROM CADOPER"), "1");

  // One queue row per machine with a serial number, for the application's own CADOPER too.
  c.execute("UPDATE PRODUTO SET DESCRICAO = 'ARROZ 5KG' WHERE CODPROD = '000001'");
  c.execute("UPDATE CADOPER SET NOME = 'ANA PAULA' WHERE CODOPER = '001'");
  c.execute("UPDATE FORNECE SET NOME = 'X'");
  EXPECT_EQ(valor(c, "SELECT LIST(ECF || ACAO || TABELA || CHAVE0, ',') FROM "
                     "(SELECT * FROM INTEGECF ORDER BY TABELA, ECF)"),
            "0001ACADOPER001,0002ACADOPER001,0001APRODUTO000001,0002APRODUTO000001");
  c.close();

  fb::Connection p(FConfiguracaoEmbarcada(caixa1.string()));
  p.open();
  PConfereCaptura(p);
  for (const char* t : {"SANGRIA", "VENDPDV", "PEDIDOC", "FINANCIAMENTO"})
    EXPECT_EQ(gatilhos(p, t), 3) << t;
  for (const char* t : {"MOVIREC", "DOCUREC", "PRETERC", "SINTEGRA60A", "PRODUTO", "CADOPER"})
    EXPECT_EQ(gatilhos(p, t), 0) << t;
  EXPECT_EQ(valor(p, "SELECT CAST(VALOR * 10 AS INTEGER) FROM SANGRIA"), "255");
  p.execute("UPDATE SANGRIA SET VALOR = 30 WHERE CODSANGRIA = '00001'");
  EXPECT_EQ(valor(p, "SELECT LIST(ECF || ACAO || TABELA || CHAVE0, ',') FROM INTEGECF"),
            "0001ASANGRIA00001");
}

TEST_F(CliLojaTest, CaptureThatCouldNotCreateTheQueueIsAFailure) {
  // Without the structure update the queue table's text domains are missing, so its creation
  // fails (and the procedure's after it), while the switch column still gets its domain.
  const fs::path central = cria(kCentral, "central.fdb");
  PIsql(pasta.caminho(), "CONNECT '" + central.string() + "' USER 'SYSDBA' PASSWORD 'masterkey';\n"
                         "CREATE DOMAIN INTEIRO AS INTEGER;");
  escreveIni(central.string(), {});
  const auto r = roda("configurar-captura");
  EXPECT_EQ(r.status, 1) << r.saida;
  EXPECT_NE(r.erro.find("INTEGECF"), std::string::npos) << r.erro;
}

TEST_F(CliLojaTest, DatabasesThroughTheLoopbackServer) {
  const fs::path central = cria(kCentral, "central.fdb");
  const fs::path caixa1 = cria(kCaixa, "caixa1.fdb", "001");
  const fs::path caixa2 = cria(kCaixa, "caixa2.fdb", "002");
  const std::string senha = FConfiguracaoServidor("").password;
  const std::string caminhoCentral = FCaminhoServidor("localhost", central.string());
  const std::string caminhoCaixa2 = FCaminhoServidor("127.0.0.1", caixa2.string());
  escreveIni(caminhoCentral, {FCaminhoServidor("localhost", caixa1.string()), caminhoCaixa2},
             senha);

  auto r = roda("atualizar-bancos");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  r = roda("status");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("[0] servidor  " + caminhoCentral + "  acessível"),
            std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find("[2] caixa  " + caminhoCaixa2 +
                         "  acessível  máquina 002  tabelas do catálogo 32/32  tabelas capturadas 17/17"),
            std::string::npos)
      << r.saida;

  fb::Connection c(FConfiguracaoServidor(caminhoCaixa2));
  c.open();
  PConfereCaptura(c);
}

}  // namespace
