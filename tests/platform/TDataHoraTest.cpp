#include "platform/UDataHora.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

std::string FTexto(TDateTime v) {
  const auto p = FDecodeDataHora(v);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.ano, p.mes, p.dia, p.hora,
                p.minuto, p.segundo, p.milissegundo);
  return buf;
}

TEST(DataHoraTest, ATimeThatRoundsUpToMidnightBelongsToTheNextDayOnBothSidesOfDayZero) {
  // 23:59:59.9995 as a fraction of a day, counted forward from midnight on either side.
  const double quaseMeiaNoite = (86'400'000.0 - 0.5) / 86'400'000.0;
  EXPECT_EQ(FTexto(-1.0 - quaseMeiaNoite), "1899-12-30 00:00:00.000");
  EXPECT_EQ(fsDataCurta(-1.0 - quaseMeiaNoite), "30/12/1899");
  EXPECT_EQ(FTexto(-10.0 - quaseMeiaNoite), "1899-12-21 00:00:00.000");
  EXPECT_EQ(FTexto(2.0 + quaseMeiaNoite), "1900-01-02 00:00:00.000");
  EXPECT_EQ(FTexto(-1.25), "1899-12-29 06:00:00.000");
  EXPECT_EQ(FTexto(-1.0 - 0.4 / 86'400'000.0), "1899-12-29 00:00:00.000");
}

TEST(DataHoraTest, EncodeAndDecodeAgreeAcrossTheWholeRange) {
  struct Caso {
    int ano, mes, dia, hora, minuto, segundo, ms;
  };
  for (const Caso c : {Caso{1, 1, 1, 0, 0, 0, 0}, Caso{1, 1, 1, 23, 59, 59, 999},
                       Caso{1899, 12, 29, 23, 59, 59, 999}, Caso{1899, 12, 30, 0, 0, 0, 1},
                       Caso{1600, 2, 29, 12, 30, 15, 500}, Caso{2026, 12, 8, 14, 5, 9, 0},
                       Caso{9999, 12, 31, 23, 59, 59, 999}}) {
    const auto p = FDecodeDataHora(FEncodeDataHora(c.ano, c.mes, c.dia, c.hora, c.minuto,
                                                   c.segundo, c.ms));
    EXPECT_EQ(p.ano, c.ano);
    EXPECT_EQ(p.mes, c.mes);
    EXPECT_EQ(p.dia, c.dia);
    EXPECT_EQ(p.hora, c.hora);
    EXPECT_EQ(p.minuto, c.minuto);
    EXPECT_EQ(p.segundo, c.segundo);
    EXPECT_EQ(p.milissegundo, c.ms);
  }
  EXPECT_THROW(FEncodeDataHora(10000, 1, 1), std::invalid_argument);
  EXPECT_THROW(FEncodeDataHora(0, 12, 31), std::invalid_argument);
}

TEST(DataHoraTest, ValuesOutsideTheCalendarAreAClearErrorNeverUndefinedBehaviour) {
  EXPECT_EQ(FTexto(kPrimeiroDiaDataHora), "0001-01-01 00:00:00.000");
  EXPECT_EQ(FTexto(kPrimeiroDiaDataHora - 0.5), "0001-01-01 12:00:00.000");
  EXPECT_EQ(FTexto(kUltimoDiaDataHora + 0.5), "9999-12-31 12:00:00.000");
  // The last instant of 9999 does not round into a year 10000.
  EXPECT_EQ(FTexto(std::nextafter(kUltimoDiaDataHora + 1.0, 0.0)), "9999-12-31 23:59:59.999");
  for (const double fora :
       {kPrimeiroDiaDataHora - 1.0, kUltimoDiaDataHora + 1.0, 1e300, -1e300, 9.3e18, -9.3e18,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(fbDataHoraValida(fora)) << fora;
    EXPECT_THROW(FDecodeDataHora(fora), std::invalid_argument) << fora;
    EXPECT_THROW(fsDataCurta(fora), std::invalid_argument) << fora;
  }
  EXPECT_TRUE(fbDataHoraValida(kPrimeiroDiaDataHora - 0.999));
  EXPECT_TRUE(fbDataHoraValida(0.0));
}

}  // namespace
