#include "cli/UCliJson.h"

#include <cstdio>

std::string fsJson(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + 2);
  saida += '"';
  for (const char c : texto) {
    switch (c) {
      case '"': saida += "\\\""; break;
      case '\\': saida += "\\\\"; break;
      case '\n': saida += "\\n"; break;
      case '\r': saida += "\\r"; break;
      case '\t': saida += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
          saida += buf;
        } else {
          saida += c;
        }
    }
  }
  saida += '"';
  return saida;
}
