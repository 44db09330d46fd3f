// A record's date that no calendar holds (NaN, infinite, out of range) reaching a write: the
// database layer refuses it, and the logged message shows the value instead of a date.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "BancoCatalogo.h"
#include "dao/UClassEcfgeralDao.h"
#include "platform/UDataHora.h"

namespace {

using TDataForaDoCalendarioTeste = TDaoTeste;

TEST_F(TDataForaDoCalendarioTeste, AKeyDateNoCalendarHoldsFailsTheWriteAndIsLoggedAsItsValue) {
  const TEcfgeralDao dao(destino().conexao());
  int falhas = 0;
  for (const double fora : {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(), 1e300, 2958466.0}) {
    TRegistroEcfgeral ecf;
    ecf.SetTexto("Pdv", "001");
    ecf.SetDataHora("Dtultred", fora);
    ecf.SetTexto("Codempresa", "01");
    EXPECT_FALSE(dao.FInsereRegistro(ecf)) << fora;
    EXPECT_FALSE(dao.FUpdateRegistro(ecf)) << fora;
    falhas += 2;
  }
  const auto mensagens = FMensagensLog();
  ASSERT_EQ(mensagens.size(), static_cast<std::size_t>(falhas));
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TEcfgeralDao.\r"
      "Pdv:         001\rDtultred:    nan\rCodempresa:  01\rMotivo: "))
      << mensagens[0];
  EXPECT_NE(mensagens[2].find("Dtultred:    inf\r"), std::string::npos) << mensagens[2];
  EXPECT_NE(mensagens[4].find("Dtultred:    1e+300\r"), std::string::npos) << mensagens[4];
  EXPECT_NE(mensagens[6].find("Dtultred:    2958466\r"), std::string::npos) << mensagens[6];
  EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM ECFGERAL"), 0);
}

}  // namespace
