#include <gtest/gtest.h>

#include "firebird/NamedParams.h"

// What belongs to a parameter's name: letters, digits, "_" and "$" after the first character.
TEST(NamedParams, ADollarSignInsideANameBelongsToTheName) {
  const auto p = fb::parseNamedParams("select :rdb$x, :a$b$, :_c1 from t where d = :d$");
  EXPECT_EQ(p.sql, "select ?, ?, ? from t where d = ?");
  EXPECT_EQ(p.names, (std::vector<std::string>{"RDB$X", "A$B$", "_C1", "D$"}));
  const auto q = fb::parseNamedParams("x = :$a");  // "$" cannot start a name
  EXPECT_EQ(q.sql, "x = :$a");
  EXPECT_TRUE(q.names.empty());
}
