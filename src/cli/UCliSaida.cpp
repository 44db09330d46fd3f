#include "cli/UCliSaida.h"

#include <cstdio>

namespace {

void PAcrescentaHex(std::string& saida, const char* formato, unsigned valor) {
  char buf[12];
  std::snprintf(buf, sizeof buf, formato, valor);
  saida.append(buf);
}

bool fbCaractereDeControle(char32_t p) {
  return (p >= 0x80 && p <= 0x9F) || p == 0x2028 || p == 0x2029 || (p >= 0x202A && p <= 0x202E) ||
         (p >= 0x2066 && p <= 0x2069);
}

}  // namespace

std::string fsTextoSeguro(std::string_view texto, bool completo, std::size_t* pendentes) {
  std::string saida;
  saida.reserve(texto.size());
  if (pendentes) *pendentes = 0;
  for (std::size_t i = 0; i < texto.size();) {
    const auto c = static_cast<unsigned char>(texto[i]);
    if (c < 0x80) {
      if (c == '\n' || c == '\t' || (c >= 0x20 && c != 0x7F)) saida.push_back(static_cast<char>(c));
      else if (c == '\r') saida.append("\\r");
      else PAcrescentaHex(saida, "\\x%02X", c);
      ++i;
      continue;
    }
    std::size_t tamanho = 0;
    char32_t ponto = 0;
    if (c >= 0xC2 && c <= 0xDF) tamanho = 2, ponto = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF) tamanho = 3, ponto = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4) tamanho = 4, ponto = c & 0x07;
    std::size_t k = 1;
    for (; tamanho > 0 && k < tamanho && i + k < texto.size(); ++k) {
      const auto d = static_cast<unsigned char>(texto[i + k]);
      if ((d & 0xC0) != 0x80) break;
      ponto = (ponto << 6) | (d & 0x3F);
    }
    if (tamanho > 0 && k < tamanho && i + k == texto.size() && !completo) {
      if (pendentes) *pendentes = texto.size() - i;  // the rest of the character is yet to come
      break;
    }
    const bool valido = tamanho > 0 && k == tamanho &&
                        !(tamanho == 3 && ponto < 0x800) && !(tamanho == 4 && ponto < 0x10000) &&
                        ponto <= 0x10FFFF && !(ponto >= 0xD800 && ponto <= 0xDFFF);
    if (!valido) {
      PAcrescentaHex(saida, "\\x%02X", c);
      ++i;
    } else if (fbCaractereDeControle(ponto)) {
      PAcrescentaHex(saida, "\\u%04X", static_cast<unsigned>(ponto));
      i += tamanho;
    } else {
      saida.append(texto.substr(i, tamanho));
      i += tamanho;
    }
  }
  return saida;
}

TSaidaEscapada::~TSaidaEscapada() {
  fbRepassa(true);
  destino_->pubsync();
}

bool TSaidaEscapada::fbRepassa(bool completo) {
  if (pendente_.empty()) return true;
  std::size_t pendentes = 0;
  const std::string seguro = fsTextoSeguro(pendente_, completo, &pendentes);
  pendente_.erase(0, pendente_.size() - pendentes);
  return destino_->sputn(seguro.data(), static_cast<std::streamsize>(seguro.size())) ==
         static_cast<std::streamsize>(seguro.size());
}

TSaidaEscapada::int_type TSaidaEscapada::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pendente_.push_back(traits_type::to_char_type(c));
  return fbRepassa(false) ? c : traits_type::eof();
}

std::streamsize TSaidaEscapada::xsputn(const char* s, std::streamsize n) {
  pendente_.append(s, static_cast<std::size_t>(n));
  return fbRepassa(false) ? n : 0;
}

int TSaidaEscapada::sync() {
  // An unfinished character stays for its next byte; the destination is flushed all the same.
  return fbRepassa(false) && destino_->pubsync() == 0 ? 0 : -1;
}
