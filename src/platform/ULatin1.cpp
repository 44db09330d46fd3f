#include "platform/ULatin1.h"

std::string FLatin1ParaUtf8(std::string_view latin1) {
  std::string saida;
  saida.reserve(latin1.size() + latin1.size() / 8);
  for (unsigned char c : latin1) {
    if (c < 0x80) {
      saida.push_back(static_cast<char>(c));
    } else {
      saida.push_back(static_cast<char>(0xC0 | (c >> 6)));
      saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return saida;
}

std::string FUtf8ParaLatin1(std::string_view utf8) {
  std::string saida;
  saida.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      saida.push_back(static_cast<char>(c));
      continue;
    }
    if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
        (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      saida.push_back(static_cast<char>(((c & 0x03) << 6) | (utf8[i + 1] & 0x3F)));
      ++i;
      continue;
    }
    throw TTextoNaoLatin1("texto fora do Latin-1 na posição " + std::to_string(i));
  }
  return saida;
}
