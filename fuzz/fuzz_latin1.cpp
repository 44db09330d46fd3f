// Latin-1 and UTF-8 at the program's edges, and the activity log's text.
// - Every byte string survives Latin-1 -> UTF-8 -> Latin-1 unchanged.
// - UTF-8 -> Latin-1 either refuses the text or gives bytes that convert back to exactly the
//   input: text is never silently altered. Well-formed UTF-8 holding only U+0000..U+00FF is never
//   refused; anything else always is.
// - A log entry is the header, the message with one byte per character ("?" for a character
//   Latin-1 lacks, and for each malformed byte), and the closing lines.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ULatin1.h"
#include "platform/ULogAtividade.h"

namespace {

// An independent strict UTF-8 decoder: the code points, or false for malformed text (overlong
// forms, surrogates, values past U+10FFFF, cut sequences, stray continuation bytes).
bool fbDecodifica(std::string_view s, std::u32string& pontos) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n;
    char32_t p;
    if (c < 0x80) n = 1, p = c;
    else if (c >= 0xC2 && c <= 0xDF) n = 2, p = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF) n = 3, p = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4) n = 4, p = c & 0x07;
    else return false;
    if (i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      p = (p << 6) | (d & 0x3F);
    }
    if ((n == 3 && p < 0x800) || (n == 4 && p < 0x10000) || p > 0x10FFFF ||
        (p >= 0xD800 && p <= 0xDFFF))
      return false;
    pontos.push_back(p);
    i += n;
  }
  return true;
}

[[noreturn]] void PFalha(const char* oque) {
  std::fprintf(stderr, "%s\n", oque);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);

  const std::string utf8 = FLatin1ParaUtf8(bytes);
  std::u32string pontos;
  if (!fbDecodifica(utf8, pontos) || pontos.size() != bytes.size())
    PFalha("Latin-1 -> UTF-8 deu UTF-8 malformado");
  if (FUtf8ParaLatin1(utf8) != bytes) PFalha("Latin-1 -> UTF-8 -> Latin-1 mudou o texto");

  pontos.clear();
  const bool bemFormado = fbDecodifica(bytes, pontos);
  bool soLatin1 = bemFormado;
  for (char32_t p : pontos) soLatin1 = soLatin1 && p <= 0xFF;
  std::string latin1;
  bool aceito = true;
  try {
    latin1 = FUtf8ParaLatin1(bytes);
  } catch (const TTextoNaoLatin1&) {
    aceito = false;
  }
  if (aceito != soLatin1) PFalha("UTF-8 -> Latin-1 aceitou o que devia recusar, ou o contrário");
  if (aceito && FLatin1ParaUtf8(latin1) != bytes) PFalha("UTF-8 -> Latin-1 alterou o texto");

  const std::string entrada = TLogAtividade::FEntrada(0.5, bytes);
  const std::string cabecalho = "DATA E HORA: 30/12/1899 12:00:00\r\n";
  if (entrada.compare(0, cabecalho.size(), cabecalho) != 0 || !entrada.ends_with("\r\n \r\n"))
    PFalha("entrada do log sem as linhas de cabeçalho e de fim");
  const std::string mensagem =
      entrada.substr(cabecalho.size(), entrada.size() - cabecalho.size() - 5);
  if (aceito && mensagem != latin1) PFalha("mensagem Latin-1 alterada no log");
  if (bemFormado) {
    if (mensagem.size() != pontos.size()) PFalha("o log não deu um byte por caractere");
    for (std::size_t k = 0; k < pontos.size(); ++k)
      if (pontos[k] > 0xFF && mensagem[k] != '?') PFalha("caractere fora do Latin-1 sem \"?\"");
  }
  if (mensagem.size() > bytes.size()) PFalha("a mensagem do log cresceu");
  return 0;
}
