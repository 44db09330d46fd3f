#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UDataHora.h"
#include "platform/ULatin1.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"
#include "support/PortaFechada.h"

namespace {

class FirebirdTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TBancoTeste banco{pasta / "loja.fdb"};
  fb::Connection& c = banco.conexao();

  void SetUp() override {
    banco.executa(
        "CREATE TABLE VALORES (ID INTEGER NOT NULL PRIMARY KEY, TEXTO VARCHAR(300), "
        "FIXO CHAR(5), MEMO BLOB SUB_TYPE 1 SEGMENT SIZE 80, QUANDO DATE, "
        "PRECO DOUBLE PRECISION, QTD INTEGER, VALOR NUMERIC(9,2))");
  }
};

TEST_F(FirebirdTest, Dialect1ReadsDoubleQuotedTextAsStringsAndDateAsTimestamp) {
  banco.adicionaMaquina({"001", "SERIE1"});
  banco.adicionaMaquina({"999", "SERIE9"});
  fb::Statement st(c, "select pdvfisc.maquina from pdvfisc where pdvfisc.maquina <> \"999\" ");
  auto rs = st.executeQuery();
  ASSERT_TRUE(rs.next());
  EXPECT_EQ(rs.getString("MAQUINA"), "001");
  EXPECT_EQ(rs.getString("maquina"), "001");
  EXPECT_FALSE(rs.next());
  EXPECT_EQ(banco.valor("SELECT CAST(CAST(\"16-DEC-2016\" AS DATE) AS VARCHAR(30)) FROM RDB$DATABASE"),
            "16-DEC-2016");
}

TEST_F(FirebirdTest, EveryParameterTypeRoundTripsByteForByte) {
  std::string bytes;  // every byte value 0x01-0xFF
  for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  const std::string latin = FLatin1ParaUtf8(bytes);  // as the program holds it
  const std::string trecho = FLatin1ParaUtf8(bytes.substr(100, 150)) + "ção";
  std::string memo;
  while (memo.size() < 100 * 1024) memo += "linha com ç e ã 0123456789\r\n";
  const TDateTime quando = FEncodeDataHora(2016, 12, 16, 9, 5, 7);

  c.startTransaction();
  fb::Statement ins(c,
                    "INSERT INTO VALORES (ID, TEXTO, FIXO, MEMO, QUANDO, PRECO, QTD, VALOR) "
                    "VALUES (:Id, :Texto, :Fixo, :Memo, :Quando, :Preco, :Qtd, :Valor)");
  ins.setInt("ID", 1);
  ins.setString("texto", trecho);
  ins.setString("Fixo", "ab");
  ins.setBlob("MEMO", memo);
  ins.setDateTime("Quando", quando);
  ins.setDouble("Preco", 1234.5678);
  ins.setInt("Qtd", -42);
  ins.setDouble("Valor", 10.25);
  ins.execute();
  EXPECT_EQ(ins.affectedRows(), 1u);
  c.commit();

  fb::Statement sel(c, "SELECT * FROM VALORES WHERE ID = :ID");
  sel.setInt("id", 1);
  auto rs = sel.executeQuery();
  rs.expectOneRow();
  EXPECT_EQ(rs.getString("TEXTO"), trecho);
  EXPECT_EQ(rs.getString("FIXO"), "ab   ");  // CHAR keeps its padding
  EXPECT_EQ(rs.getString("MEMO"), memo);
  EXPECT_DOUBLE_EQ(rs.getDateTime("QUANDO"), quando);
  EXPECT_EQ(fsDataCurta(rs.getDateTime("QUANDO")), "16/12/2016");
  EXPECT_DOUBLE_EQ(rs.getDouble("PRECO"), 1234.5678);
  EXPECT_EQ(rs.getInt("QTD"), -42);
  EXPECT_EQ(rs.getString("VALOR"), "10.25");
  EXPECT_DOUBLE_EQ(rs.getDouble("VALOR"), 10.25);
  EXPECT_EQ(rs.getString("ID"), "1");

  // The full byte range survives in a wider column too.
  banco.executa("CREATE TABLE BYTES (B VARCHAR(300))");
  fb::Statement b(c, "INSERT INTO BYTES (B) VALUES (:B)");
  b.setString("B", latin);
  b.execute();
  EXPECT_EQ(banco.valor("SELECT B FROM BYTES"), latin);
  EXPECT_EQ(banco.valor("SELECT OCTET_LENGTH(B) FROM BYTES"), "255");
}

TEST_F(FirebirdTest, ScaledAndSmallIntegersReadAsTheirDecimalValues) {
  banco.executa(
      "CREATE TABLE ESCALA (ID INTEGER, P NUMERIC(4,1), C NUMERIC(9,2), Q NUMERIC(9,4), "
      "S SMALLINT)");
  fb::Statement ins(c, "INSERT INTO ESCALA (ID, P, C, Q, S) VALUES (:ID, :P, :C, :Q, :S)");
  const double valores[][3] = {{0.3, 1.15, 2.675}, {-0.7, -0.07, 1.005}};
  for (int id = 0; id < 2; ++id) {
    ins.setInt("ID", id);
    ins.setDouble("P", valores[id][0]);
    ins.setDouble("C", valores[id][1]);
    ins.setDouble("Q", valores[id][2]);
    ins.setInt("S", id ? -32768 : 32767);
    ins.execute();
  }
  fb::Statement sel(c, "SELECT P, C, Q, S FROM ESCALA ORDER BY ID");
  auto rs = sel.executeQuery();
  for (int id = 0; id < 2; ++id) {
    ASSERT_TRUE(rs.next());
    // Exactly the double a program writes for that decimal, so a copy compares equal.
    EXPECT_EQ(rs.getDouble("P"), valores[id][0]);
    EXPECT_EQ(rs.getDouble("C"), valores[id][1]);
    EXPECT_EQ(rs.getDouble("Q"), valores[id][2]);
    EXPECT_EQ(rs.getInt("S"), id ? -32768 : 32767);
  }
  EXPECT_FALSE(rs.next());

  fb::Statement grande(c, "INSERT INTO ESCALA (S) VALUES (:S)");
  grande.setInt("S", 32768);
  EXPECT_THROW(grande.execute(), fb::Error);
}

TEST_F(FirebirdTest, TextOfColumnsWithACharacterSetArrivesByteForByte) {
  // Store databases declare their text WIN1252 or ISO8859_1 (per column or as the database's
  // default); the bytes are copied as they are, never converted.
  banco.executa(
      "CREATE TABLE LATIN (ID INTEGER, W VARCHAR(300) CHARACTER SET WIN1252, "
      "L VARCHAR(300) CHARACTER SET ISO8859_1, F CHAR(4) CHARACTER SET WIN1252, "
      "M BLOB SUB_TYPE 1 CHARACTER SET ISO8859_1)");
  std::string bytes;
  for (int b = 0x20; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  const std::string texto = FLatin1ParaUtf8(bytes);
  fb::Statement ins(c, "INSERT INTO LATIN (ID, W, L, F, M) VALUES (1, :W, :L, :F, :M)");
  ins.setString("W", texto);
  ins.setString("L", texto);
  ins.setString("F", FLatin1ParaUtf8("\x80\x81\xE7"));
  ins.setBlob("M", texto);
  ins.execute();

  fb::Statement sel(c,
                    "SELECT W, L, F, M, W || '' AS WC, OCTET_LENGTH(W) AS OW FROM LATIN "
                    "WHERE W = :W AND L = :W AND F = :F");
  sel.setString("W", texto);
  sel.setString("F", FLatin1ParaUtf8("\x80\x81\xE7"));
  auto rs = sel.executeQuery();
  rs.expectOneRow();
  for (const char* coluna : {"W", "L", "M", "WC"}) EXPECT_EQ(rs.getString(coluna), texto) << coluna;
  EXPECT_EQ(rs.getString("F"), FLatin1ParaUtf8("\x80\x81\xE7 "));
  EXPECT_EQ(rs.getInt("OW"), 224);
}

TEST_F(FirebirdTest, NullsReadAsSuchAndAsEmptyValues) {
  banco.executa("INSERT INTO VALORES (ID) VALUES (7)");
  fb::Statement upd(c, "UPDATE VALORES SET TEXTO = :T, QTD = :Q WHERE ID = 7");
  upd.setNull("T");
  upd.setNull("Q");
  upd.execute();
  fb::Statement sel(c, "SELECT TEXTO, MEMO, QUANDO, PRECO, QTD FROM VALORES");
  auto rs = sel.executeQuery();
  ASSERT_TRUE(rs.next());
  for (const char* col : {"TEXTO", "MEMO", "QUANDO", "PRECO", "QTD"}) EXPECT_TRUE(rs.isNull(col));
  EXPECT_EQ(rs.getString("TEXTO"), "");
  EXPECT_EQ(rs.getString("MEMO"), "");
  EXPECT_EQ(rs.getDateTime("QUANDO"), 0.0);
  EXPECT_EQ(rs.getInt("QTD"), 0);
}

TEST_F(FirebirdTest, RepeatedAndReversedNamedParameters) {
  fb::Statement ins(c, "INSERT INTO VALORES (QTD, ID, TEXTO) VALUES (:B, :A, :B || :A)");
  ins.setInt("a", 3);
  ins.setInt("b", 5);
  ins.execute();
  EXPECT_EQ(banco.valor("SELECT TEXTO FROM VALORES WHERE ID = 3 AND QTD = 5"), "53");
  EXPECT_EQ(ins.parameterNames(), (std::vector<std::string>{"B", "A"}));
}

TEST_F(FirebirdTest, AlternativeQuotingLiteralsReachTheServerAsText) {
  fb::Statement ins(c,
                    "INSERT INTO VALORES (ID, TEXTO, FIXO) "
                    "VALUES (:ID, q'{it's :x}' || Q'(:y)' || q'!:z!', :Fixo)");
  EXPECT_EQ(ins.parameterNames(), (std::vector<std::string>{"ID", "FIXO"}));
  ins.setInt("ID", 7);
  ins.setString("FIXO", "ab");
  ins.execute();
  EXPECT_EQ(banco.valor("SELECT TEXTO || '|' || FIXO FROM VALORES WHERE ID = 7"),
            "it's :x:y:z|ab   ");
}

TEST_F(FirebirdTest, ParsingSwitchedOffSendsAProcedureBodyUnchanged) {
  c.execute(
      "CREATE OR ALTER PROCEDURE P_TESTE (ENTRADA VARCHAR(10))\r\n"
      "AS\r\n"
      "DECLARE VARIABLE MCODEMPRESA VARCHAR(2);\r\n"
      "BEGIN\r\n"
      "  SELECT PARATLM.CODEMPRESA FROM PARATLM INTO :MCODEMPRESA;\r\n"
      "  INSERT INTO VALORES (ID, TEXTO) VALUES (99, :MCODEMPRESA || \":\" || :ENTRADA);\r\n"
      "END");
  fb::Statement run(c, "EXECUTE PROCEDURE P_TESTE :E");
  run.setString("E", "x");
  run.execute();
  EXPECT_EQ(banco.valor("SELECT TEXTO FROM VALORES WHERE ID = 99"), "01:x");

  // A procedure that returns values runs too; its outputs are discarded.
  c.execute(
      "CREATE OR ALTER PROCEDURE P_SAIDA (E INTEGER) RETURNS (S INTEGER) AS\r\n"
      "BEGIN\r\n  S = E + 1;\r\n  INSERT INTO VALORES (ID) VALUES (:S);\r\nEND");
  fb::Statement saida(c, "EXECUTE PROCEDURE P_SAIDA :E");
  saida.setInt("E", 40);
  saida.execute();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES WHERE ID = 41"), 1);
  fb::Statement ret(c, "INSERT INTO VALORES (ID) VALUES (50) RETURNING ID");
  ret.execute();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES WHERE ID = 50"), 1);
}

TEST_F(FirebirdTest, TransactionsRollBackCommitAndRefuseMisuse) {
  c.startTransaction();
  EXPECT_THROW(c.startTransaction(), fb::Error);
  fb::Statement ins(c, "INSERT INTO VALORES (ID) VALUES (1)");
  ins.execute();
  c.rollback();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES"), 0);
  EXPECT_THROW(c.commit(), fb::Error);
  EXPECT_NO_THROW(c.rollback());

  // A statement outside any transaction commits on its own.
  ins.execute();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES"), 1);

  // An open transaction is undone when the connection goes.
  c.startTransaction();
  fb::Statement ins2(c, "INSERT INTO VALORES (ID) VALUES (2)");
  ins2.execute();
  banco.fecha();
  banco.reabre();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES"), 1);
}

TEST_F(FirebirdTest, BadInputIsAClearErrorAndLeavesTheConnectionUsable) {
  try {
    fb::Statement bad(c, "SELEC * FROM VALORES");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("Token unknown"), std::string::npos) << e.what();
    EXPECT_EQ(e.context(), "SELEC * FROM VALORES");
    EXPECT_NE(e.code(), 0);
    EXPECT_EQ(e.sqlState(), "42000");
  }
  fb::Statement st(c, "SELECT ID FROM VALORES WHERE ID = :ID");
  EXPECT_THROW(st.setInt("NOPE", 1), fb::Error);
  EXPECT_THROW(st.executeQuery(), fb::Error);  // ID was never set
  st.setInt("ID", 1);
  auto rs = st.executeQuery();
  EXPECT_FALSE(rs.next());
  EXPECT_THROW(rs.getString("ID"), fb::Error);  // no current row

  banco.executa("INSERT INTO VALORES (ID, TEXTO) VALUES (1, 'x')");
  auto rs2 = st.executeQuery();
  ASSERT_TRUE(rs2.next());
  try {
    rs2.getString("NAO_EXISTE");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("NAO_EXISTE"), std::string::npos);
  }
  rs2.close();

  // Text that does not fit is refused, never truncated; text outside Latin-1 is refused.
  fb::Statement fixo(c, "UPDATE VALORES SET FIXO = :F WHERE ID = 1");
  fixo.setString("F", "123456");
  EXPECT_THROW(fixo.execute(), fb::Error);
  EXPECT_THROW(fixo.setString("F", "€"), fb::Error);
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES WHERE ID = 1 AND FIXO IS NULL"), 1);

  // A duplicate key names the constraint; the connection goes on working.
  try {
    banco.executa("INSERT INTO VALORES (ID) VALUES (1)");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("PRIMARY or UNIQUE KEY"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(c.inTransaction());
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES"), 1);
}

TEST_F(FirebirdTest, ClosingTheConnectionUnderAnOpenQueryEndsTheQueryWithAnError) {
  // A connection is closed and reopened by its reachability check while a caller may still hold
  // a query of it; the query must fail cleanly, not hang in the client library.
  banco.executa("INSERT INTO VALORES (ID, MEMO) VALUES (1, 'memo')");
  banco.executa("INSERT INTO VALORES (ID) VALUES (2)");
  fb::Statement sel(c, "SELECT ID, MEMO FROM VALORES ORDER BY ID");
  for (const bool naTransacao : {false, true}) {
    if (naTransacao) c.startTransaction();
    auto rs = sel.executeQuery();
    ASSERT_TRUE(rs.next());
    c.close();
    c.open();
    EXPECT_THROW(rs.getString("MEMO"), fb::Error);
    EXPECT_THROW(rs.next(), fb::Error);
    rs.close();
    EXPECT_FALSE(c.inTransaction());
    EXPECT_THROW(sel.executeQuery(), fb::Error);  // prepared on the attachment that went
    sel = fb::Statement(c, "SELECT ID, MEMO FROM VALORES ORDER BY ID");
  }
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM VALORES"), 2);

  // Statements and queries may also outlive the connection object itself.
  auto outra = std::make_unique<fb::Connection>(FConfiguracaoEmbarcada(banco.caminho()));
  outra->open();
  fb::Statement orfao(*outra, "SELECT ID FROM VALORES");
  auto rs = orfao.executeQuery();
  outra.reset();
  EXPECT_THROW(rs.next(), fb::Error);
  EXPECT_THROW(orfao.execute(), fb::Error);
}

TEST(FirebirdConnection, WrongPathRefusedLoginAndDownServerAreClearErrors) {
  TPastaTemporaria pasta;
  fb::Connection semArquivo(FConfiguracaoEmbarcada((pasta / "nao-existe.fdb").string()));
  EXPECT_THROW(semArquivo.open(), fb::Error);
  EXPECT_FALSE(semArquivo.isOpen());

  fb::Connection vazio(FConfiguracaoEmbarcada(""));
  EXPECT_THROW(vazio.open(), fb::Error);

  TBancoTeste banco(pasta / "srv.fdb");
  const std::string remoto = banco.caminhoNoServidor("127.0.0.1");
  auto cfg = FConfiguracaoServidor(remoto);
  cfg.password = "senha-errada";
  fb::Connection recusado(cfg);
  try {
    recusado.open();
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("password"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(recusado.isOpen());

  // A port that nothing listens on: bound by this test and never listened on.
  const TPortaFechada fechada;
  fb::Connection fora(FConfiguracaoServidor("127.0.0.1/" + std::to_string(fechada.porta()) + ":" +
                                            banco.caminho()));
  EXPECT_THROW(fora.open(), fb::Error);
  EXPECT_FALSE(fora.isOpen());
}

TEST(FirebirdConnection, AProcessWideConnectionClosesCleanlyAtExit) {
  TPastaTemporaria pasta;
  TBancoTeste banco(pasta / "global.fdb");
  banco.executa("CREATE TABLE T (V INTEGER)");
  banco.fecha();
  const std::string caminho = banco.caminho();
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        // Destroyed by the exit handlers, after this thread's own storage is gone.
        static fb::Connection global(FConfiguracaoEmbarcada(caminho));
        global.open();
        global.startTransaction();
        fb::Statement(global, "INSERT INTO T (V) VALUES (1)").execute();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  banco.reabre();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM T"), 0);  // the open transaction was undone
}

TEST(FirebirdConnection, HostPathFormsReachTheLoopbackServer) {
  TPastaTemporaria pasta;
  TBancoTeste banco(pasta / "srv.fdb");
  banco.adicionaMaquina({"002", "S2"});
  const std::string arquivo = banco.caminho();
  banco.caminhoNoServidor();
  for (const std::string& caminho :
       {FCaminhoServidor("localhost", arquivo), FCaminhoServidor("127.0.0.1", arquivo)}) {
    fb::Connection c(FConfiguracaoServidor(caminho));
    c.open();
    fb::Statement st(c, "select maquina from pdvfisc where maquina <> \"999\"");
    auto rs = st.executeQuery();
    ASSERT_TRUE(rs.next()) << caminho;
    EXPECT_EQ(rs.getString("MAQUINA"), "002");
  }
}

TEST(FirebirdTwoPhase, CommitsAcrossTwoDatabasesAndResolvesLimbo) {
  TPastaTemporaria pasta;
  TBancoTeste a(pasta / "a.fdb"), b(pasta / "b.fdb");
  for (TBancoTeste* banco : {&a, &b}) banco->executa("CREATE TABLE T (V VARCHAR(10))");

  a.conexao().startTransaction();
  b.conexao().startTransaction();
  fb::Statement(a.conexao(), "INSERT INTO T (V) VALUES ('a')").execute();
  fb::Statement(b.conexao(), "INSERT INTO T (V) VALUES ('b')").execute();
  a.conexao().prepare("copia 1");
  b.conexao().prepare("copia 1");
  a.conexao().commit();
  b.conexao().commit();
  EXPECT_EQ(a.valor("SELECT V FROM T"), "a");
  EXPECT_EQ(b.valor("SELECT V FROM T"), "b");

  // A process that dies between the two phases leaves its transaction in limbo.
  a.fecha();
  for (const char* v : {"limbo1", "limbo2"}) {
    const std::string cmd =
        std::string(SV_LIMBO_HELPER) + " '" + a.caminho() + "' " + v + " 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
  }
  a.reabre();
  auto limbo = a.conexao().limboTransactions();
  ASSERT_EQ(limbo.size(), 2u);
  a.conexao().resolveLimbo(limbo[0], true);
  a.conexao().resolveLimbo(limbo[1], false);
  EXPECT_TRUE(a.conexao().limboTransactions().empty());
  EXPECT_EQ(a.contagem("SELECT COUNT(*) FROM T"), 2);
  EXPECT_EQ(a.contagem("SELECT COUNT(*) FROM T WHERE V = 'limbo1'"), 1);
}

}  // namespace
