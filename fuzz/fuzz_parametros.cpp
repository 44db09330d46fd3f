// The named-parameter rewriter against a reference model written apart from it, one character at
// a time: the same text with every :Name outside literals and comments replaced by "?", the same
// names in the same order. Literals are '...' and "..." (a doubled quote inside is one quote),
// the alternative quoting q'<d>...<d>' (brackets close with their partner; q starting a token),
// comments -- to the end of the line and /* */; an unclosed literal or comment runs to the end.
// And the rewritten text holds nothing more to rewrite.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "firebird/NamedParams.h"

namespace {

bool fbLetra(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool fbParteNome(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

char FFechamento(char c) {
  return c == '(' ? ')' : c == '[' ? ']' : c == '{' ? '}' : c == '<' ? '>' : c;
}

fb::ParsedSql FModelo(std::string_view s) {
  enum { Codigo, Aspas, QAspas, Linha, Bloco } estado = Codigo;
  char aspa = 0, fecha = 0;
  std::size_t aberturaBloco = 0;  // offset of the "*" that opened the comment
  fb::ParsedSql r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    switch (estado) {
      case Codigo:
        if ((c == 'q' || c == 'Q') && (i == 0 || !fbParteNome(s[i - 1])) && i + 2 < s.size() &&
            s[i + 1] == '\'') {
          fecha = FFechamento(s[i + 2]);
          r.sql.append(s.substr(i, 3));
          i += 2;
          estado = QAspas;
        } else if (c == '\'' || c == '"') {
          aspa = c;
          r.sql.push_back(c);
          estado = Aspas;
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
          r.sql.append("--");
          ++i;
          estado = Linha;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
          r.sql.append("/*");
          aberturaBloco = ++i;
          estado = Bloco;
        } else if (c == ':' && i + 1 < s.size() && fbLetra(s[i + 1])) {
          std::string nome;
          while (i + 1 < s.size() && fbParteNome(s[i + 1]))
            nome.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(s[++i]))));
          r.names.push_back(nome);
          r.sql.push_back('?');
        } else {
          r.sql.push_back(c);
        }
        break;
      case Aspas:
        r.sql.push_back(c);
        if (c == aspa) {
          if (i + 1 < s.size() && s[i + 1] == aspa) r.sql.push_back(s[++i]);
          else estado = Codigo;
        }
        break;
      case QAspas:
        r.sql.push_back(c);
        if (c == fecha && i + 1 < s.size() && s[i + 1] == '\'') {
          r.sql.push_back(s[++i]);
          estado = Codigo;
        }
        break;
      case Linha:
        if (c == '\n') estado = Codigo;
        r.sql.push_back(c);
        break;
      case Bloco:
        r.sql.push_back(c);
        if (c == '/' && s[i - 1] == '*' && i - 1 > aberturaBloco) estado = Codigo;
        break;
    }
  }
  return r;
}

[[noreturn]] void PFalha(const char* oque, std::string_view sql) {
  std::fprintf(stderr, "%s\n--- sql (%zu bytes)\n", oque, sql.size());
  std::fwrite(sql.data(), 1, sql.size(), stderr);
  std::fputc('\n', stderr);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string_view sql(reinterpret_cast<const char*>(dados), tamanho);
  const fb::ParsedSql obtido = fb::parseNamedParams(sql);
  const fb::ParsedSql esperado = FModelo(sql);
  if (obtido.names != esperado.names) PFalha("nomes de parâmetros diferentes do modelo", sql);
  if (obtido.sql != esperado.sql) PFalha("texto reescrito diferente do modelo", sql);
  const fb::ParsedSql denovo = fb::parseNamedParams(obtido.sql);
  if (!denovo.names.empty() || denovo.sql != obtido.sql)
    PFalha("o texto reescrito ainda tinha o que reescrever", sql);
  return 0;
}
