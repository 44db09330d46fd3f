// The capture triggers on real databases: their text as the database keeps it, the queue rows a
// change produces through them, and when they are created, left alone or dropped.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "SuporteCaptura.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"

namespace {

const std::string kVazios9 = R"("", "", "", "", "", "", "", "", "")";

class GatilhosTest : public CapturaTest {
 protected:
  void SetUp() override {
    CapturaTest::SetUp();
    ASSERT_TRUE(motor.FConfiguraBanco(true));
    servidor.executa("CREATE TABLE PRODUTO (CODPROD VARCHAR(14) NOT NULL, DESCRICAO VARCHAR(40), "
                     "CONSTRAINT PK_PRODUTO PRIMARY KEY (CODPROD))");
  }

  std::string fonte(const std::string& gatilho) {
    return servidor.valor("SELECT RDB$TRIGGER_SOURCE FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME = \"" +
                          gatilho + "\"");
  }
};

TEST_F(GatilhosTest, TriggerTextsAreStoredCharacterForCharacter) {
  motor.PCriaTrigger("PRODUTO", true);
  EXPECT_EQ(fonte("PRODUTO_INC_ECF"),
            "AS\rBEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"I\", \"PRODUTO\", NEW.CODPROD, " +
                kVazios9 + "); \rEND");
  EXPECT_EQ(fonte("PRODUTO_ALT_ECF"),
            "AS\rBEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"A\", \"PRODUTO\", NEW.CODPROD, " +
                kVazios9 + "); \rEND");
  EXPECT_EQ(fonte("PRODUTO_EXC_ECF"),
            "AS\rBEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"E\", \"PRODUTO\", OLD.CODPROD, " +
                kVazios9 + "); \rEND");
  // After insert, update, delete; active; position 0; on the table.
  EXPECT_EQ(servidor.valor("SELECT LIST(RDB$TRIGGER_TYPE || \"/\" || RDB$TRIGGER_SEQUENCE || \"/\" "
                           "|| COALESCE(RDB$TRIGGER_INACTIVE, 0), \",\") FROM (SELECT * FROM "
                           "RDB$TRIGGERS WHERE RDB$RELATION_NAME = \"PRODUTO\" ORDER BY "
                           "RDB$TRIGGER_TYPE)"),
            "2/0/0,4/0/0,6/0/0");

  // A key of three columns, declared in another order than the table's columns: the key's order.
  servidor.executa("CREATE TABLE ENCERRA (CUPOM INTEGER NOT NULL, PDV VARCHAR(3) NOT NULL, "
                   "CODEMPRESA VARCHAR(2) NOT NULL, TOTAL DOUBLE PRECISION, "
                   "CONSTRAINT PK_ENCERRA PRIMARY KEY (CODEMPRESA, PDV, CUPOM))");
  motor.PCriaTrigger("ENCERRA", true);
  const std::string vazios7 = R"("", "", "", "", "", "", "")";
  EXPECT_EQ(fonte("ENCERRA_EXC_ECF"),
            "AS\rBEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"E\", \"ENCERRA\", OLD.CODEMPRESA, "
            "OLD.PDV, OLD.CUPOM, " + vazios7 + "); \rEND");
  EXPECT_EQ(fonte("ENCERRA_ALT_ECF"),
            "AS\rBEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"A\", \"ENCERRA\", NEW.CODEMPRESA, "
            "NEW.PDV, NEW.CUPOM, " + vazios7 + "); \rEND");

  // The whole statement: six lines, single carriage returns, a blank after the semicolon.
  TListaDeChave chave;
  chave[0] = "CODPROD";
  EXPECT_EQ(TBancoDados::FTextoTrigger("PRODUTO", "_INC_ECF", chave),
            "CREATE TRIGGER PRODUTO_INC_ECF FOR PRODUTO\rACTIVE AFTER INSERT POSITION 0\rAS\r"
            "BEGIN\r    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"I\", \"PRODUTO\", NEW.CODPROD, " +
                kVazios9 + "); \rEND");
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(GatilhosTest, ChangeQueuesOneRowPerMachineWithSerialNumber) {
  servidor.adicionaMaquina({"001", "SN1", "01"});
  servidor.adicionaMaquina({"002", "", "01"});
  servidor.adicionaMaquina({"003", "SN3", "02"});
  servidor.adicionaMaquina({"12", "SN12", "01"});
  motor.PCriaTrigger("PRODUTO", true);
  servidor.executa("SET GENERATOR G_ORDEMINTEGECF TO 8");

  const std::string antes = FHoraMinutoDoBanco(servidor);
  servidor.executa("INSERT INTO PRODUTO VALUES (\"789\", \"CAFE\")");
  const std::string depois = FHoraMinutoDoBanco(servidor);

  const auto fila = FLeFila(servidor);
  ASSERT_EQ(fila.size(), 3u);
  std::set<std::string> maquinas, arquivos;
  const std::string hoje = servidor.valor("SELECT CAST(CAST(\"TODAY\" AS TIMESTAMP) AS "
                                          "VARCHAR(40)) FROM RDB$DATABASE");
  for (const TLinhaFila& linha : fila) {
    maquinas.insert(linha.at("CODEMPRESA") + "/" + linha.at("ECF"));
    arquivos.insert(linha.at("ARQUIVO"));
    EXPECT_EQ(linha.at("ATUALIZOU"), "N");
    EXPECT_EQ(linha.at("LIBERARALT"), "N");
    EXPECT_EQ(linha.at("ACAO"), "I");
    EXPECT_EQ(linha.at("TABELA"), "PRODUTO");
    EXPECT_EQ(linha.at("CHAVE0"), "789");
    for (int k = 1; k < 10; ++k) EXPECT_EQ(linha.at("CHAVE" + std::to_string(k)), "");
    EXPECT_EQ(linha.at("DATAATUAL"), hoje);
    // Hour and minute without leading zeros, from the database's clock around the change.
    EXPECT_TRUE(linha.at("HORAATUAL") == antes || linha.at("HORAATUAL") == depois)
        << linha.at("HORAATUAL") << " not " << antes << " / " << depois;
    EXPECT_TRUE(std::regex_match(linha.at("HORAATUAL"),
                                 std::regex("(0|[1-9][0-9]?):(0|[1-9][0-9]?)")))
        << linha.at("HORAATUAL");
  }
  EXPECT_EQ(maquinas, (std::set<std::string>{"01/0001", "02/0003", "01/012"}));
  EXPECT_EQ(arquivos, (std::set<std::string>{"9", "10", "11"}));

  // Update and delete: "A" with the new key, "E" with the old one.
  servidor.executa("DELETE FROM INTEGECF");
  servidor.executa("UPDATE PRODUTO SET CODPROD = \"790\" WHERE CODPROD = \"789\"");
  servidor.executa("DELETE FROM PRODUTO");
  const auto mudancas = FLeFila(servidor);
  ASSERT_EQ(mudancas.size(), 6u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(mudancas[i].at("ACAO") + mudancas[i].at("CHAVE0"), "A790");
    EXPECT_EQ(mudancas[i + 3].at("ACAO") + mudancas[i + 3].at("CHAVE0"), "E790");
  }
  EXPECT_EQ(mudancas.back().at("ARQUIVO"), "17");
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(GatilhosTest, KeysArriveAsTextInKeyOrderDatesInTheDatabasesForm) {
  servidor.adicionaMaquina({"001", "SN1"});
  servidor.executa("CREATE TABLE SANGRIA (VALOR DOUBLE PRECISION, NUMERO INTEGER NOT NULL, "
                   "DATA DATE NOT NULL, CODEMPRESA VARCHAR(2) NOT NULL, "
                   "CONSTRAINT PK_SANGRIA PRIMARY KEY (CODEMPRESA, DATA, NUMERO))");
  motor.PCriaTrigger("SANGRIA", true);
  servidor.executa("INSERT INTO SANGRIA VALUES (10.5, 42, \"16-DEC-2016\", \"01\")");
  const auto fila = FLeFila(servidor);
  ASSERT_EQ(fila.size(), 1u);
  EXPECT_EQ(fila[0].at("CHAVE0"), "01");
  EXPECT_EQ(fila[0].at("CHAVE1"), "16-DEC-2016");
  EXPECT_EQ(fila[0].at("CHAVE2"), "42");
  EXPECT_EQ(fila[0].at("CHAVE3"), "");
  EXPECT_EQ(fila[0].at("TABELA"), "SANGRIA");

  // As the cycles read them: ten text slots.
  fb::Statement consulta(servidor.conexao(), "SELECT * FROM INTEGECF");
  auto linha = consulta.executeQuery();
  linha.expectOneRow();
  TListaDeChave esperada;
  esperada[0] = "01";
  esperada[1] = "16-DEC-2016";
  esperada[2] = "42";
  EXPECT_EQ(FLeListaDeChave(linha), esperada);
  linha.close();

  // A rolled back change takes its queue rows with it.
  servidor.conexao().startTransaction();
  servidor.conexao().execute("DELETE FROM SANGRIA");
  servidor.conexao().rollback();
  EXPECT_EQ(FLeFila(servidor).size(), 1u);
}

TEST_F(GatilhosTest, SwitchOfOneStopsCaptureAndTheSetUpTurnsItBackOn) {
  servidor.adicionaMaquina({"001", "SN1"});
  motor.PCriaTrigger("PRODUTO", true);
  servidor.executa("UPDATE PARATLM SET INTEGGERALECF = 1");
  servidor.executa("INSERT INTO PRODUTO VALUES (\"1\", \"A\")");
  EXPECT_TRUE(FLeFila(servidor).empty());
  ASSERT_TRUE(motor.FConfiguraBanco(true));
  EXPECT_EQ(servidor.valor("SELECT INTEGGERALECF FROM PARATLM"), "0");
  servidor.executa("INSERT INTO PRODUTO VALUES (\"2\", \"B\")");
  EXPECT_EQ(FLeFila(servidor).size(), 1u);
}

TEST_F(GatilhosTest, KeysOfTenColumnsFillEverySlotAndLongerOnesAreRefused) {
  servidor.adicionaMaquina({"001", "SN1"});
  std::string colunas, chave, valores;
  for (int k = 0; k < 11; ++k) {
    colunas += "C" + std::to_string(k) + " INTEGER NOT NULL, ";
    if (k < 10) chave += std::string(k ? ", " : "") + "C" + std::to_string(k);
    valores += std::string(k ? ", " : "") + std::to_string(100 + k);
  }
  servidor.executa("CREATE TABLE DEZ (" + colunas + "PRIMARY KEY (" + chave + "))");
  servidor.executa("CREATE TABLE ONZE (" + colunas + "PRIMARY KEY (" + chave + ", C10))");

  TListaDeChave lista;
  EXPECT_EQ(motor.FPrimaryKey("DEZ", 0, lista), 10u);
  EXPECT_EQ(lista.FQuantidade(), 10u);
  EXPECT_EQ(lista[9], "C9");
  EXPECT_EQ(motor.FPrimaryKey("ONZE", 0, lista), 11u);
  EXPECT_EQ(motor.FPrimaryKey("PRODUTO", 0, lista), 1u);
  EXPECT_EQ(lista[0], "CODPROD");
  EXPECT_EQ(lista[1], "");
  EXPECT_EQ(motor.FPrimaryKey("NENHUMA", 0, lista), 0u);
  EXPECT_EQ(lista.FQuantidade(), 0u);

  motor.PCriaTrigger("DEZ", true);
  servidor.executa("INSERT INTO DEZ VALUES (" + valores + ")");
  const auto fila = FLeFila(servidor);
  ASSERT_EQ(fila.size(), 1u);
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(fila[0].at("CHAVE" + std::to_string(k)), std::to_string(100 + k));

  // Eleven: no trigger that would drop a key column; the reason is logged.
  motor.PCriaTrigger("ONZE", true);
  EXPECT_EQ(FContaTriggers(servidor, "ONZE"), 0);
  ASSERT_EQ(log.FMensagens().size(), 1u);
  EXPECT_NE(log.FMensagens()[0].find("ONZE"), std::string::npos);
  EXPECT_NE(log.FMensagens()[0].find("11"), std::string::npos);
}

TEST_F(GatilhosTest, ExistingTriggersTablesWithoutKeyAndBadNamesGetNothing) {
  // The update trigger alone, made by hand, blocks the creation of the others.
  servidor.executa("CREATE TRIGGER PRODUTO_ALT_ECF FOR PRODUTO ACTIVE AFTER UPDATE POSITION 5 AS "
                   "BEGIN END");
  motor.PCriaTrigger("PRODUTO", true);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 1);
  EXPECT_EQ(fonte("PRODUTO_ALT_ECF"), "AS BEGIN END");

  // No primary key, or no such table: nothing, and no message.
  servidor.executa("CREATE TABLE SEMCHAVE (A INTEGER)");
  motor.PCriaTrigger("SEMCHAVE", true);
  motor.PCriaTrigger("NAOEXISTE", true);
  EXPECT_EQ(FContaTriggers(servidor, "SEMCHAVE"), 0);
  EXPECT_TRUE(log.FMensagens().empty());

  // Names that are not plain upper-case identifiers never reach a statement.
  const std::string injecao = "PRODUTO_ALT_ECF; DROP TABLE PRODUTO";
  for (const std::string& nome : {injecao, std::string("produto"), std::string(""),
                                   std::string("PRODUTO\""), std::string(24, 'X')}) {
    motor.PCriaTrigger(nome, true);
    motor.PExcluiTrigger(nome, true);
  }
  EXPECT_EQ(log.FMensagens().size(), 10u);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 1);
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                              "\"PRODUTO\""),
            1);
}

TEST_F(GatilhosTest, TheThreeTriggersAreCreatedTogetherOrNotAtAll) {
  // An insert trigger of the same name on another table: the trigger query, which ties only the
  // insert trigger to the table, finds nothing, and the first creation fails.
  servidor.executa("CREATE TABLE OUTRA (A INTEGER)");
  servidor.executa("CREATE TRIGGER PRODUTO_INC_ECF FOR OUTRA ACTIVE AFTER INSERT POSITION 0 AS "
                   "BEGIN END");
  motor.PCriaTrigger("PRODUTO", true);
  EXPECT_EQ(servidor.contagem("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$RELATION_NAME = "
                              "\"PRODUTO\""),
            0);
  EXPECT_EQ(log.FMensagens().size(), 1u);
  EXPECT_FALSE(entrada(0).inTransaction());

  servidor.executa("DROP TRIGGER PRODUTO_INC_ECF");
  motor.PCriaTrigger("PRODUTO", true);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 3);
}

TEST_F(GatilhosTest, DroppedTriggersQueueNothingAndMissingOnesAreOnlyLogged) {
  servidor.adicionaMaquina({"001", "SN1"});
  motor.PCriaTrigger("PRODUTO", true);
  motor.PExcluiTrigger("PRODUTO", true);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 0);
  servidor.executa("INSERT INTO PRODUTO VALUES (\"1\", \"A\")");
  servidor.executa("UPDATE PRODUTO SET DESCRICAO = \"B\"");
  servidor.executa("DELETE FROM PRODUTO");
  EXPECT_TRUE(FLeFila(servidor).empty());
  EXPECT_TRUE(log.FMensagens().empty());

  // Nothing there: nothing executed, nothing logged.
  motor.PExcluiTrigger("PRODUTO", true);
  EXPECT_TRUE(log.FMensagens().empty());

  // Only the delete trigger there: it goes, the two missing ones are logged.
  servidor.executa("CREATE TRIGGER PRODUTO_EXC_ECF FOR PRODUTO ACTIVE AFTER DELETE AS BEGIN END");
  motor.PExcluiTrigger("PRODUTO", true);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 0);
  EXPECT_EQ(log.FMensagens().size(), 2u);
  EXPECT_FALSE(entrada(0).inTransaction());
}

TEST_F(GatilhosTest, PointOfSaleTriggersGoToEachReachablePointOfSale) {
  TBancoTeste& primeiro = novoCaixa();
  TBancoTeste& segundo = novoCaixa();
  ASSERT_TRUE(motor.FConfiguraBanco(false));
  const std::size_t mudo = registra(kCaixaMudo);
  for (TBancoTeste* b : {&primeiro, &segundo})
    b->executa("CREATE TABLE PRODUTO (CODPROD VARCHAR(14) NOT NULL PRIMARY KEY)");

  motor.PCriaTrigger("PRODUTO", false);
  EXPECT_EQ(FContaTriggers(primeiro, "PRODUTO"), 3);
  EXPECT_EQ(FContaTriggers(segundo, "PRODUTO"), 3);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 0);
  EXPECT_FALSE(entrada(mudo).isOpen());
  EXPECT_TRUE(log.FMensagens().empty());
}

TEST_F(GatilhosTest, LostConnectionReachesTheCallerAndTheNextCallRepairs) {
  entrada(0).close();
  EXPECT_THROW(motor.PCriaTrigger("PRODUTO", true), fb::Error);
  EXPECT_THROW(motor.PExcluiTrigger("PRODUTO", true), fb::Error);
  ASSERT_TRUE(motor.FVerificaConexao(0));
  motor.PCriaTrigger("PRODUTO", true);
  EXPECT_EQ(FContaTriggers(servidor, "PRODUTO"), 3);
}

}  // namespace
