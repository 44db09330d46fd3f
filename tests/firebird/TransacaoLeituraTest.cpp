// The read-only transaction for monitors: it reads what was committed, refuses to write, and never
// waits on a row another transaction holds.
#include <gtest/gtest.h>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

TEST(TransacaoLeituraTest, ReadsTheCommittedStateRefusesWritesAndNeverWaits) {
  TPastaTemporaria pasta;
  TBancoTeste banco(pasta / "loja.fdb");
  banco.executa("CREATE TABLE FILA (ARQUIVO VARCHAR(20) NOT NULL PRIMARY KEY, VALOR INTEGER)");
  banco.executa("INSERT INTO FILA VALUES ('1', 10)");

  // A writer in the middle of its work: one row changed, one deleted, one added, none committed.
  fb::Connection escritor(FConfiguracaoEmbarcada(banco.caminho()));
  escritor.open();
  escritor.startTransaction();
  escritor.execute("UPDATE FILA SET VALOR = 11 WHERE ARQUIVO = '1'");
  escritor.execute("INSERT INTO FILA VALUES ('2', 20)");

  fb::Connection& leitor = banco.conexao();
  leitor.startReadOnlyTransaction();
  EXPECT_TRUE(leitor.inTransaction());
  {
    fb::Statement st(leitor, "SELECT COUNT(*), MAX(VALOR) FROM FILA");
    auto rs = st.executeQuery();
    rs.expectOneRow();
    EXPECT_EQ(rs.getInt(0u), 1);
    EXPECT_EQ(rs.getInt(1u), 10);
  }
  EXPECT_THROW(leitor.execute("INSERT INTO FILA VALUES ('3', 30)"), fb::Error);
  // A write is refused at once, also on the row the writer holds.
  EXPECT_THROW(leitor.execute("UPDATE FILA SET VALOR = 12 WHERE ARQUIVO = '1'"), fb::Error);
  EXPECT_THROW(leitor.startReadOnlyTransaction(), fb::Error);
  leitor.rollback();
  escritor.commit();

  leitor.startReadOnlyTransaction();
  {
    fb::Statement st(leitor, "SELECT COUNT(*), MAX(VALOR) FROM FILA");
    auto rs = st.executeQuery();
    rs.expectOneRow();
    EXPECT_EQ(rs.getInt(0u), 2);
    EXPECT_EQ(rs.getInt(1u), 20);
  }
  leitor.commit();
}

}  // namespace
