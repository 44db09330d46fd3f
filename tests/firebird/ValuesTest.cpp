#include "firebird/Values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

using fb::detail::fromTimestamp;
using fb::detail::toTimestamp;

constexpr ISC_DATE kDia0001 = -678575;   // 0001-01-01 as the database counts days
constexpr ISC_DATE kDia9999 = 2973483;   // 9999-12-31
constexpr ISC_TIME kUltimoTick = 864'000'000 - 1;

TEST(ValuesTest, TheTimestampRangeIsExactlyTheDatabasesBothWays) {
  // Every time of day of 0001-01-01 and of 9999-12-31, there and back.
  for (const ISC_DATE dia : {kDia0001, kDia9999})
    for (const ISC_TIME tick : {ISC_TIME{0}, ISC_TIME{1}, ISC_TIME{432'000'000}, kUltimoTick}) {
      const ISC_TIMESTAMP ts = toTimestamp(fromTimestamp(dia, tick));
      EXPECT_EQ(ts.timestamp_date, dia) << dia << " " << tick;
      EXPECT_EQ(ts.timestamp_time, tick) << dia << " " << tick;
    }
  EXPECT_EQ(toTimestamp(-693593.5).timestamp_time, 432'000'000u);  // 0001-01-01 12:00

  // 10000-01-01, 0000-12-31, and a time that rounds up past 9999-12-31 23:59:59.9999.
  EXPECT_THROW(toTimestamp(2958466.0), fb::Error);
  EXPECT_THROW(toTimestamp(-693594.0), fb::Error);
  EXPECT_THROW(toTimestamp(std::nextafter(2958466.0, 0.0)), fb::Error);
}

TEST(ValuesTest, NanInfinitiesAndHugeValuesAreAClearError) {
  for (const double v : {std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), 1e300, -1e300, 9.3e18}) {
    try {
      toTimestamp(v);
      ADD_FAILURE() << v << " accepted";
    } catch (const fb::Error& e) {
      EXPECT_NE(std::string(e.what()).find("out of range"), std::string::npos);
    }
  }
}

TEST(ValuesTest, TheFirstAndLastInstantsTheDatabaseHoldsAreReadAndWrittenBack) {
  TPastaTemporaria pasta;
  TBancoTeste banco{pasta / "datas.fdb"};
  fb::Connection& c = banco.conexao();
  banco.executa("CREATE TABLE DATAS (ID INTEGER NOT NULL PRIMARY KEY, QUANDO DATE)");
  banco.executa("INSERT INTO DATAS VALUES (1, CAST('0001-01-01 13:14:15.1234' AS TIMESTAMP))");
  banco.executa("INSERT INTO DATAS VALUES (2, CAST('9999-12-31 23:59:59.9999' AS TIMESTAMP))");

  std::vector<TDateTime> lidas;
  {
    fb::Statement sel(c, "SELECT QUANDO FROM DATAS ORDER BY ID");
    auto rs = sel.executeQuery();
    while (rs.next()) lidas.push_back(rs.getDateTime("QUANDO"));
  }
  ASSERT_EQ(lidas.size(), 2u);
  c.startTransaction();
  for (int i = 0; i < 2; ++i) {
    fb::Statement ins(c, "INSERT INTO DATAS VALUES (:Id, :Quando)");
    ins.setInt("ID", 11 + i);
    ins.setDateTime("QUANDO", lidas[i]);
    ins.execute();
  }
  c.commit();
  EXPECT_EQ(banco.contagem("SELECT COUNT(*) FROM DATAS A JOIN DATAS B ON B.ID = A.ID + 10 "
                           "WHERE A.QUANDO = B.QUANDO"),
            2);

  fb::Statement ins(c, "INSERT INTO DATAS VALUES (3, :Quando)");
  EXPECT_THROW(ins.setDateTime("QUANDO", 2958466.0), fb::Error);  // 10000-01-01
}

}  // namespace
