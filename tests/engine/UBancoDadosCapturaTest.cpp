// The queue set-up and the statement runners on real databases: what the set-up leaves in each
// database of the target set, what it repairs, and where it stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SuporteCaptura.h"
#include "firebird/Error.h"

namespace {

const std::string kAvisoIncluiCampo =
    "Ocorreu um erro ao tentar incluir o campo IntegGeralECF na tabela ParaTLM.\rMotivo: ";
const std::string kAvisoAlteraCampo =
    "Ocorreu um erro ao tentar alterar o campo IntegGeralECF na tabela ParaTLM.\rMotivo: ";
const std::string kAvisoGenerator =
    "Ocorreu um erro ao tentar incluir o generator G_ORDEMINTEGECF no banco de dados.\rMotivo: ";

const std::vector<std::string> kFilaCompleta = {
    "CODEMPRESA VARCHAR2", "ECF VARCHAR4",       "ARQUIVO VARCHAR20",  "ATUALIZOU VARCHAR1",
    "DATAATUAL DATA",      "HORAATUAL VARCHAR5", "ACAO VARCHAR1",      "TABELA VARCHAR30",
    "CHAVE0 VARCHAR30",    "CHAVE1 VARCHAR30",   "CHAVE2 VARCHAR30",   "CHAVE3 VARCHAR30",
    "CHAVE4 VARCHAR30",    "CHAVE5 VARCHAR30",   "CHAVE6 VARCHAR30",   "CHAVE7 VARCHAR30",
    "CHAVE8 VARCHAR30",    "CHAVE9 VARCHAR30",   "LIBERARALT VARCHAR1"};

// The procedure as the databases must hold it, lines separated by CR LF.
std::string FProcedimentoEsperado() {
  std::string texto = R"(CREATE OR ALTER PROCEDURE PGRAVA_INTEGECF (
ACAO   VARCHAR(1),
TABELA VARCHAR(30),
CHAVE0  VARCHAR(30),
CHAVE1  VARCHAR(30),
CHAVE2  VARCHAR(30),
CHAVE3  VARCHAR(30),
CHAVE4  VARCHAR(30),
CHAVE5  VARCHAR(30),
CHAVE6  VARCHAR(30),
CHAVE7  VARCHAR(30),
CHAVE8  VARCHAR(30),
CHAVE9  VARCHAR(30))
AS
DECLARE VARIABLE MCODEMPRESA VARCHAR(2);
DECLARE VARIABLE MINTEGECF INTEGER;
DECLARE VARIABLE MMAQUINA    VARCHAR(4);
BEGIN
SELECT PARATLM.INTEGGERALECF FROM PARATLM INTO MINTEGECF;
   IF (MINTEGECF = 0) THEN
      FOR SELECT PDVFISC.CODEMPRESA,
                 "0" || PDVFISC.MAQUINA
            FROM PDVFISC
           WHERE PDVFISC.NUMSERIE <> "" INTO MCODEMPRESA, MMAQUINA
       DO
       BEGIN
          INSERT INTO INTEGECF (INTEGECF.CODEMPRESA, INTEGECF.ECF, INTEGECF.ARQUIVO,
                                INTEGECF.ATUALIZOU, INTEGECF.DATAATUAL, INTEGECF.HORAATUAL,
                                INTEGECF.ACAO, INTEGECF.TABELA, INTEGECF.CHAVE0,INTEGECF.CHAVE1,
                                INTEGECF.CHAVE2,INTEGECF.CHAVE3,INTEGECF.CHAVE4,INTEGECF.CHAVE5,
                                INTEGECF.CHAVE6,INTEGECF.CHAVE7,INTEGECF.CHAVE8,INTEGECF.CHAVE9,
                                INTEGECF.LIBERARALT)
          VALUES (:MCODEMPRESA, :MMAQUINA, GEN_ID(G_ORDEMINTEGECF,1),
                  "N", CAST("TODAY" AS TIMESTAMP),
                  EXTRACT(HOUR FROM CAST("NOW" AS TIMESTAMP)) || ":" ||
                  EXTRACT(MINUTE FROM CAST("NOW" AS TIMESTAMP)),
                  :ACAO, :TABELA, :CHAVE0, :CHAVE1, :CHAVE2, :CHAVE3, :CHAVE4, :CHAVE5,
                  :CHAVE6, :CHAVE7, :CHAVE8, :CHAVE9, "N");
       END
END)";
  std::string crlf;
  for (const char c : texto) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

bool fbTemFila(TBancoTeste& banco) {
  return banco.contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                        "\"INTEGECF\"") == 1;
}

// Every queue object as a complete set-up leaves it.
void PConfereObjetos(TBancoTeste& banco) {
  EXPECT_EQ(FColunas(banco, "INTEGECF"), kFilaCompleta);
  EXPECT_EQ(banco.valor("SELECT LIST(TRIM(S.RDB$FIELD_NAME), \",\") FROM RDB$RELATION_CONSTRAINTS C "
                        "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME "
                        "WHERE C.RDB$CONSTRAINT_NAME = \"PK_INTEGECF\" AND "
                        "C.RDB$RELATION_NAME = \"INTEGECF\" AND "
                        "C.RDB$CONSTRAINT_TYPE = \"PRIMARY KEY\""),
            "CODEMPRESA,ECF,ARQUIVO");
  EXPECT_EQ(banco.valor("SELECT TRIM(S.RDB$FIELD_NAME) FROM RDB$INDICES I JOIN RDB$INDEX_SEGMENTS S "
                        "ON S.RDB$INDEX_NAME = I.RDB$INDEX_NAME WHERE I.RDB$INDEX_NAME = "
                        "\"INTEGECF_IDX1\" AND I.RDB$RELATION_NAME = \"INTEGECF\""),
            "ARQUIVO");
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = "
                           "\"G_ORDEMINTEGECF\""),
            1);
  EXPECT_EQ(banco.valor("SELECT INTEGGERALECF FROM PARATLM"), "0");
  EXPECT_EQ(banco.valor("SELECT TRIM(RDB$FIELD_SOURCE) FROM RDB$RELATION_FIELDS WHERE "
                        "RDB$RELATION_NAME = \"TABINTE\" AND RDB$FIELD_NAME = \"TABELA\""),
            "VARCHAR30");
  // The database keeps a procedure's text from after its header's AS.
  const std::string procedimento = FProcedimentoEsperado();
  EXPECT_EQ(banco.valor("SELECT RDB$PROCEDURE_SOURCE FROM RDB$PROCEDURES WHERE "
                        "RDB$PROCEDURE_NAME = \"PGRAVA_INTEGECF\""),
            procedimento.substr(procedimento.find("\r\nAS\r\n") + 6));
  EXPECT_EQ(banco.valor("SELECT LIST(TRIM(RDB$PARAMETER_NAME), \",\") FROM "
                        "(SELECT RDB$PARAMETER_NAME FROM RDB$PROCEDURE_PARAMETERS WHERE "
                        "RDB$PROCEDURE_NAME = \"PGRAVA_INTEGECF\" ORDER BY RDB$PARAMETER_NUMBER)"),
            "ACAO,TABELA,CHAVE0,CHAVE1,CHAVE2,CHAVE3,CHAVE4,CHAVE5,CHAVE6,CHAVE7,CHAVE8,CHAVE9");
}

TEST_F(CapturaTest, ProcedureTextHasFortyLinesJoinedByCrLf) {
  EXPECT_EQ(std::string(TBancoDados::FSqlGravaIntegECF()), FProcedimentoEsperado());
}

TEST_F(CapturaTest, CentralSetUpCreatesEveryObjectAndLeavesPointsOfSaleAlone) {
  TBancoTeste& caixa = novoCaixa();
  ASSERT_FALSE(fbTemFila(servidor));
  EXPECT_TRUE(motor.FConfiguraBanco(true));
  PConfereObjetos(servidor);
  EXPECT_FALSE(fbTemFila(caixa));
  EXPECT_EQ(caixa.contagem("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = "
                           "\"INTEGGERALECF\""),
            0);
  EXPECT_TRUE(log.FMensagens().empty()) << log.FMensagens()[0];
  EXPECT_TRUE(notificador.avisos.empty());

  // The point-of-sale set-up reaches each reachable point of sale and not the central database.
  servidor.executa("UPDATE PARATLM SET INTEGGERALECF = 1");
  TBancoTeste& segundo = novoCaixa();
  EXPECT_TRUE(motor.FConfiguraBanco(false));
  PConfereObjetos(caixa);
  PConfereObjetos(segundo);
  EXPECT_EQ(servidor.valor("SELECT INTEGGERALECF FROM PARATLM"), "1");
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(CapturaTest, RepeatedSetUpKeepsRowsAndGeneratorAndSwitchesCaptureBackOn) {
  ASSERT_TRUE(motor.FConfiguraBanco(true));
  servidor.executa("SET GENERATOR G_ORDEMINTEGECF TO 41");
  servidor.executa("INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU) VALUES "
                   "(\"01\", \"0001\", \"41\", \"N\")");
  servidor.executa("UPDATE PARATLM SET INTEGGERALECF = 1");
  servidor.executa("ALTER TABLE TABINTE ADD OBS VARCHAR(10)");

  EXPECT_TRUE(motor.FConfiguraBanco(true));
  PConfereObjetos(servidor);
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM INTEGECF"), 1);
  EXPECT_EQ(servidor.valor("SELECT GEN_ID(G_ORDEMINTEGECF, 0) FROM RDB$DATABASE"), "41");
  // TABINTE is re-declared only when it is not declared with the domain yet.
  EXPECT_EQ(FColunas(servidor, "TABINTE"),
            (std::vector<std::string>{"TABELA VARCHAR30", servidor.valor(
                                          "SELECT \"DESCRICAO \" || TRIM(RDB$FIELD_SOURCE) FROM "
                                          "RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = "
                                          "\"DESCRICAO\""),
                                      servidor.valor(
                                          "SELECT \"OBS \" || TRIM(RDB$FIELD_SOURCE) FROM "
                                          "RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = \"OBS\"")}));
  EXPECT_TRUE(log.FMensagens().empty());
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(CapturaTest, OlderLayoutLosesItsRowsAndGainsTheSixteenColumnsInOrder) {
  servidor.executa("CREATE TABLE INTEGECF (CODEMPRESA VARCHAR2 NOT NULL, ECF VARCHAR4 NOT NULL, "
                   "ARQUIVO VARCHAR20 NOT NULL)");
  servidor.executa("INSERT INTO INTEGECF VALUES (\"01\", \"0001\", \"7\")");
  servidor.executa("INSERT INTO INTEGECF VALUES (\"01\", \"0002\", \"8\")");
  // A layout cut short half-way: the columns it has are refused one by one and logged.
  TBancoTeste& caixa = novoCaixa();
  caixa.executa("CREATE TABLE INTEGECF (CODEMPRESA VARCHAR2 NOT NULL, ECF VARCHAR4 NOT NULL, "
                "ARQUIVO VARCHAR20 NOT NULL, ATUALIZOU VARCHAR1, DATAATUAL DATA)");
  caixa.executa("INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO) VALUES (\"01\", \"0001\", \"1\")");

  EXPECT_TRUE(motor.FCriaTabelaIntegECF(true));
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM INTEGECF"), 0);
  EXPECT_EQ(FColunas(servidor, "INTEGECF"), kFilaCompleta);
  EXPECT_TRUE(log.FMensagens().empty()) << log.FMensagens()[0];

  EXPECT_TRUE(motor.FCriaTabelaIntegECF(false));
  EXPECT_EQ(caixa.contagem("SELECT COUNT(*) FROM INTEGECF"), 0);
  EXPECT_EQ(FColunas(caixa, "INTEGECF"), kFilaCompleta);
  EXPECT_EQ(log.FMensagens().size(), 2u);

  // Complete now: rows survive the next pass.
  caixa.executa("INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO) VALUES (\"01\", \"0001\", \"2\")");
  EXPECT_TRUE(motor.FCriaTabelaIntegECF(false));
  EXPECT_EQ(caixa.contagem("SELECT COUNT(*) FROM INTEGECF"), 1);
  EXPECT_EQ(log.FMensagens().size(), 2u);
}

TEST_F(CapturaTest, QueueTableThatCannotBeCreatedLeavesNothingBehind) {
  // An index of the queue index's name on another table makes the last of the three statements
  // fail: nothing of the table may stay, or the next set-up would take a table without key or
  // index as complete.
  servidor.executa("CREATE TABLE OUTRA (ARQUIVO VARCHAR(20))");
  servidor.executa("CREATE INDEX INTEGECF_IDX1 ON OUTRA (ARQUIVO)");
  EXPECT_TRUE(motor.FCriaTabelaIntegECF(true));
  EXPECT_FALSE(fbTemFila(servidor));
  EXPECT_EQ(log.FMensagens().size(), 1u);

  servidor.executa("DROP INDEX INTEGECF_IDX1");
  EXPECT_TRUE(motor.FCriaTabelaIntegECF(true));
  EXPECT_TRUE(fbTemFila(servidor));
  EXPECT_EQ(FColunas(servidor, "INTEGECF"), kFilaCompleta);
  EXPECT_EQ(log.FMensagens().size(), 1u);
}

TEST_F(CapturaTest, MissingTabInteIsLoggedAndTheSetUpGoesOn) {
  servidor.executa("DROP TABLE TABINTE");
  EXPECT_TRUE(motor.FConfiguraBanco(true));
  ASSERT_EQ(log.FMensagens().size(), 1u);
  EXPECT_NE(log.FMensagens()[0].find("TABINTE"), std::string::npos) << log.FMensagens()[0];
  EXPECT_TRUE(fbTemFila(servidor));
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME = "
                              "\"PGRAVA_INTEGECF\""),
            1);
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(CapturaTest, SwitchColumnFailuresWarnAndStopTheSetUp) {
  // No PARATLM: the column cannot be added.
  servidor.executa("DROP TABLE PARATLM");
  EXPECT_FALSE(motor.FConfiguraBanco(true));
  ASSERT_EQ(notificador.avisos.size(), 1u);
  EXPECT_EQ(notificador.avisos[0].rfind(kAvisoIncluiCampo, 0), 0u) << notificador.avisos[0];
  EXPECT_GT(notificador.avisos[0].size(), kAvisoIncluiCampo.size());
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = "
                              "\"G_ORDEMINTEGECF\""),
            0);
  EXPECT_FALSE(fbTemFila(servidor));

  // The column is there but refuses 0: the update fails.
  servidor.executa("CREATE TABLE PARATLM (CODEMPRESA VARCHAR(2), INTEGGERALECF INTEGER "
                   "CHECK (INTEGGERALECF <> 0))");
  servidor.executa("INSERT INTO PARATLM VALUES (\"01\", 1)");
  EXPECT_FALSE(motor.FConfiguraBanco(true));
  ASSERT_EQ(notificador.avisos.size(), 2u);
  EXPECT_EQ(notificador.avisos[1].rfind(kAvisoAlteraCampo, 0), 0u) << notificador.avisos[1];
  EXPECT_FALSE(fbTemFila(servidor));
}

TEST_F(CapturaTest, SwitchFailureOnOnePointOfSaleStopsBeforeTheNext) {
  TBancoTeste& primeiro = novoCaixa();
  TBancoTeste& segundo = novoCaixa();
  primeiro.executa("DROP TABLE PARATLM");
  EXPECT_FALSE(motor.FVerificaExisteCampo("paratlm", "integgeralecf", false));
  EXPECT_EQ(notificador.avisos.size(), 1u);
  EXPECT_EQ(segundo.contagem("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = "
                             "\"INTEGGERALECF\""),
            0);
  // Names are looked up in upper case whatever case they come in.
  EXPECT_TRUE(motor.FVerificaExisteCampo("paratlm", "integgeralecf", true));
  EXPECT_TRUE(motor.FVerificaExisteCampo("paratlm", "integgeralecf", true));
  EXPECT_EQ(servidor.valor("SELECT INTEGGERALECF FROM PARATLM"), "0");
  EXPECT_EQ(notificador.avisos.size(), 1u);
}

TEST_F(CapturaTest, GeneratorIsLookedUpAsNamedButAlwaysCreatedAsTheQueueGenerator) {
  EXPECT_TRUE(motor.FVerificaGenerator("G_ORDEMINTEGECF", true));
  EXPECT_TRUE(motor.FVerificaGenerator("G_ORDEMINTEGECF", true));
  EXPECT_TRUE(notificador.avisos.empty());
  // Another name, or the same in another case, is not found, and the creation of the queue's
  // generator then fails because it exists.
  EXPECT_FALSE(motor.FVerificaGenerator("g_ordemintegecf", true));
  ASSERT_EQ(notificador.avisos.size(), 1u);
  EXPECT_EQ(notificador.avisos[0].rfind(kAvisoGenerator, 0), 0u) << notificador.avisos[0];
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME "
                              "STARTING WITH \"G_ORDEM\""),
            1);
}

TEST_F(CapturaTest, UnreachablePointOfSaleStopsEvenTheCentralSetUp) {
  TBancoTeste& caixa = novoCaixa();
  registra(kCaixaMudo);
  EXPECT_FALSE(motor.FConfiguraBanco(true));
  EXPECT_FALSE(fbTemFila(servidor));
  EXPECT_FALSE(fbTemFila(caixa));
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = "
                              "\"INTEGGERALECF\""),
            0);
  EXPECT_TRUE(log.FMensagens().empty());
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(CapturaTest, ScriptOverThreePointsOfSaleCommitsWhereItCan) {
  TBancoTeste& primeiro = novoCaixa();
  TBancoTeste& segundo = novoCaixa();  // has no table NOTA
  TBancoTeste& terceiro = novoCaixa();
  for (TBancoTeste* b : {&primeiro, &terceiro}) b->executa("CREATE TABLE NOTA (TEXTO VARCHAR(10))");
  servidor.executa("CREATE TABLE NOTA (TEXTO VARCHAR(10))");

  EXPECT_TRUE(motor.FExecutaScript("INSERT INTO NOTA VALUES (\"x:y\")", false, false));
  EXPECT_EQ(primeiro.contagem("SELECT COUNT(*) FROM NOTA"), 1);
  EXPECT_EQ(terceiro.contagem("SELECT COUNT(*) FROM NOTA"), 1);
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM NOTA"), 0);
  EXPECT_EQ(segundo.contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                             "\"NOTA\""),
            0);
  ASSERT_EQ(log.FMensagens().size(), 1u);
  EXPECT_NE(log.FMensagens()[0].find("NOTA"), std::string::npos) << log.FMensagens()[0];
  for (std::size_t i = 0; i < 4; ++i) EXPECT_FALSE(entrada(i).inTransaction());

  // The single-database runner tells success from failure; a failure is rolled back.
  EXPECT_TRUE(motor.FExecutaScriptBanco("INSERT INTO NOTA VALUES (\"a\")", 0));
  EXPECT_FALSE(motor.FExecutaScriptBanco("INSERT INTO NOTA VALUES (\"muito longo demais\")", 0));
  EXPECT_FALSE(motor.FExecutaScriptBanco("INSERT INTO NOTA VALUES (:P)", 0));
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM NOTA"), 1);
  EXPECT_FALSE(entrada(0).inTransaction());
  EXPECT_EQ(log.FMensagens().size(), 3u);
}

TEST_F(CapturaTest, LostCentralConnectionReachesTheCallerAndTheNextSetUpCompletes) {
  entrada(0).close();
  EXPECT_THROW(motor.FConfiguraBanco(true), fb::Error);
  EXPECT_FALSE(fbTemFila(servidor));
  ASSERT_TRUE(motor.FVerificaConexao(0));
  EXPECT_TRUE(motor.FConfiguraBanco(true));
  PConfereObjetos(servidor);
}

}  // namespace
