#include "firebird/NamedParams.h"

#include <gtest/gtest.h>

using fb::parseNamedParams;

TEST(NamedParams, RewritesNamesCaseInsensitivelyAndKeepsEveryPosition) {
  auto p = parseNamedParams("update t set a = :Valor where b = :chave or c = :VALOR");
  EXPECT_EQ(p.sql, "update t set a = ? where b = ? or c = ?");
  EXPECT_EQ(p.names, (std::vector<std::string>{"VALOR", "CHAVE", "VALOR"}));
}

TEST(NamedParams, LeavesLiteralsAndCommentsAlone) {
  auto p = parseNamedParams(
      "select ':a', \"10:30\", 'it''s :b' /* :c */ from t -- :d\n where x = :E");
  EXPECT_EQ(p.sql,
            "select ':a', \"10:30\", 'it''s :b' /* :c */ from t -- :d\n where x = ?");
  EXPECT_EQ(p.names, (std::vector<std::string>{"E"}));
}

TEST(NamedParams, ColonNotFollowedByANameIsText) {
  auto p = parseNamedParams("select 1 from t where a = 10 :  and b = :1");
  EXPECT_TRUE(p.names.empty());
  EXPECT_EQ(p.sql, "select 1 from t where a = 10 :  and b = :1");
}

TEST(NamedParams, UnterminatedLiteralRunsToTheEnd) {
  auto p = parseNamedParams("select 'abc :x");
  EXPECT_TRUE(p.names.empty());
  EXPECT_EQ(p.sql, "select 'abc :x");
}
