// TMvgeralDao: the insert writes Sequencia as 0 and is tried once more, silently, after a wait.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "BancoCatalogo.h"
#include "dao/UClassMvgeralDao.h"
#include "dao/UFabricaDao.h"
#include "platform/UDataHora.h"

namespace {

TRegistroMvgeral FMovimento(int sequencia) {
  TRegistroMvgeral r;
  r.SetTexto("Codempresa", "01");
  r.SetTexto("Tipoagente", "C");
  r.SetTexto("Codigoagente", "000123");
  r.SetTexto("Documento", "CF000042");
  r.SetTexto("Codprod", "000777");
  r.SetTexto("Codgrade", "01");
  r.SetDataHora("Dt_movimento", FEncodeDataHora(2026, 12, 8, 10, 15, 0));
  r.SetTexto("Tipomov", "S");
  r.SetInteiro("Sequencia", sequencia);
  r.SetFlutuante("Quantidade", 3.5);
  return r;
}

using TMvgeralTeste = TDaoTeste;

TEST_F(TMvgeralTeste, InsertWritesSequenciaAsZeroAndUpdateWritesTheRecords) {
  std::vector<std::chrono::milliseconds> esperas;
  const TMvgeralDao dao(destino().conexao(), [&](auto tempo) { esperas.push_back(tempo); });
  TRegistroMvgeral movimento = FMovimento(5);
  ASSERT_TRUE(dao.FInsereRegistro(movimento));
  EXPECT_EQ(destino().valor("SELECT SEQUENCIA FROM MVGERAL"), "0");
  EXPECT_EQ(movimento.GetInteiro("Sequencia"), 5);  // the record is only read

  ASSERT_TRUE(dao.FUpdateRegistro(movimento));
  EXPECT_EQ(destino().valor("SELECT SEQUENCIA FROM MVGERAL"), "5");
  EXPECT_TRUE(esperas.empty());
  EXPECT_TRUE(FMensagensLog().empty());
}

TEST_F(TMvgeralTeste, InsertRefusedTwiceWaitsOnceAndLogsOnce) {
  std::vector<std::chrono::milliseconds> esperas;
  const TMvgeralDao dao(destino().conexao(), [&](auto tempo) { esperas.push_back(tempo); });
  const TRegistroMvgeral movimento = FMovimento(5);
  ASSERT_TRUE(dao.FInsereRegistro(movimento));

  EXPECT_FALSE(dao.FInsereRegistro(movimento));
  EXPECT_EQ(esperas, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(5000)});
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), 1u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TMvgeralDao.\r"
      "Codempresa:    01\rTipoagente:    C\rCodigoagente:  000123\rDocumento:     CF000042\r"
      "Codprod:       000777\rCodgrade:      01\rDt_movimento:  08/12/2026\rTipomov:       S\r"
      "Motivo: "))
      << mensagens[0];
  EXPECT_NE(mensagens[0].find("PK_MVGERAL"), std::string::npos);
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM MVGERAL"), 1);
}

TEST_F(TMvgeralTeste, InsertThatSucceedsOnItsRetryReportsTrueAndLogsNothing) {
  const TRegistroMvgeral movimento = FMovimento(5);
  TRegistroMvgeral antigo = FMovimento(9);
  antigo.SetFlutuante("Quantidade", 1.0);
  // Made through the factory, as the sales cycle does: the wait removes what blocked the insert.
  int esperas = 0;
  std::unique_ptr<TDao> dao = FCriaDao("MVGERAL", destino().conexao(), [&](auto) {
    ++esperas;
    destino().executa("DELETE FROM MVGERAL");
  });
  ASSERT_TRUE(dao->FInsereRegistro(antigo));

  EXPECT_TRUE(dao->FInsereRegistro(movimento));
  EXPECT_EQ(esperas, 1);
  EXPECT_TRUE(FMensagensLog().empty());
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM MVGERAL"), 1);
  EXPECT_EQ(destino().valor("SELECT QUANTIDADE FROM MVGERAL"), "3.5");
  EXPECT_EQ(destino().valor("SELECT SEQUENCIA FROM MVGERAL"), "0");
}

}  // namespace
