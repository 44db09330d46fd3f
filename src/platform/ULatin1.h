#pragma once
// Text inside the program is UTF-8; files and databases hold single-byte Latin text
// (ISO-8859-1). These convert exactly at those edges. Every one of the 256 byte values maps to one
// code point, so bytes read from one edge and written to another arrive unchanged.
#include <stdexcept>
#include <string>
#include <string_view>

// Latin-1 bytes to UTF-8. Never fails.
std::string FLatin1ParaUtf8(std::string_view latin1);

// UTF-8 to Latin-1 bytes. Throws TTextoNaoLatin1 for a character above U+00FF or for bytes that
// are not well-formed UTF-8, naming the offending position: text is never silently altered.
std::string FUtf8ParaLatin1(std::string_view utf8);

class TTextoNaoLatin1 : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
