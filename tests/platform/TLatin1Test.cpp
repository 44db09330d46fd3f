#include "platform/ULatin1.h"

#include <gtest/gtest.h>

namespace {

TEST(Latin1Test, EveryByteValueSurvivesTheRoundTrip) {
  std::string todos;
  for (int c = 0; c < 256; ++c) todos.push_back(static_cast<char>(c));
  const std::string utf8 = FLatin1ParaUtf8(todos);
  EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
  EXPECT_EQ(FUtf8ParaLatin1(utf8), todos);
  EXPECT_EQ(FUtf8ParaLatin1("Sincronização"), "Sincroniza\xE7\xE3o");
}

TEST(Latin1Test, MalformedUtf8IsRefusedNeverTurnedIntoAnotherCharacter) {
  for (const std::string& malformado : {
           std::string("a\xC3(b"),        // a lead byte followed by no continuation byte
           std::string("abc\xC3"),        // a lead byte at the very end
           std::string("\xC3"),           // ... and nothing else
           std::string("a\x80" "b"),      // a continuation byte with no lead
           std::string("\xC0\x80"),       // an overlong form of U+0000
           std::string("\xC1\xBF"),       // an overlong form of U+007F
           std::string("\xC3\xA7\xA7"),   // one continuation byte too many
           std::string("\xFF"),           // never valid in UTF-8
           std::string("\xE2\x82\xAC"),   // well formed, but above U+00FF
           std::string("\xF0\x9F\x98\x80"),
       }) {
    EXPECT_THROW(FUtf8ParaLatin1(malformado), TTextoNaoLatin1)
        << testing::PrintToString(malformado);
  }
  // A lead byte that ends the text even when the byte after the text would complete it.
  const std::string maior = "abc\xC3\xA7";
  EXPECT_THROW(FUtf8ParaLatin1(std::string_view(maior).substr(0, 4)), TTextoNaoLatin1);
}

}  // namespace
