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

TEST(NamedParams, AlternativeQuotingLiteralsAreTextWithTheirOwnDelimiters) {
  const char* const literais[] = {"q'{it's :x}'", "Q'(a ) :x)'", "q'<:x>'", "q'[]:x]'",
                                  "q'!:x's!'", "Q'x:a'xx'", "q'':x''",
                                  "q' :x '"};
  for (const char* literal : literais) {
    SCOPED_TRACE(literal);
    const std::string sql = std::string("select ") + literal + " from t where a = :Y";
    auto p = parseNamedParams(sql);
    EXPECT_EQ(p.names, (std::vector<std::string>{"Y"}));
    EXPECT_EQ(p.sql, std::string("select ") + literal + " from t where a = ?");
  }
}

TEST(NamedParams, ANulDelimiterClosesOnlyAtNulAndQuote) {
  using namespace std::string_literals;
  // A NUL as delimiter must not end the search for the closing pair at the first character.
  const std::string literal = "q'\0:x\0'"s;
  const std::string sql = "select " + literal + " from t where a = :Y";
  auto p = parseNamedParams(sql);
  EXPECT_EQ(p.names, (std::vector<std::string>{"Y"}));
  EXPECT_EQ(p.sql, "select " + literal + " from t where a = ?");
}

TEST(NamedParams, QuoteLettersInsideNamesAndUnclosedAlternativeLiterals) {
  // "seq'" is an identifier followed by an ordinary literal, not q'e...e'.
  auto p = parseNamedParams("select seq'a:b' || :p from t");
  EXPECT_EQ(p.names, (std::vector<std::string>{"P"}));
  p = parseNamedParams("select :q, q'{abc :x");
  EXPECT_EQ(p.names, (std::vector<std::string>{"Q"}));
  EXPECT_EQ(p.sql, "select ?, q'{abc :x");
  // A closing delimiter without a quote after it is text: the literal ends at the last "}'".
  p = parseNamedParams("select q'{a}:b}' from t where c = :c");
  EXPECT_EQ(p.names, (std::vector<std::string>{"C"}));
}
