#include "firebird/NamedParams.h"

#include <cctype>

namespace fb {

namespace {

bool nameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool namePart(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

// The closing character of an alternative-quoting literal q'<open>...<close>': the bracket pairs
// close with their partner, every other character with itself.
char closingDelimiter(char open) {
  switch (open) {
    case '(': return ')';
    case '{': return '}';
    case '[': return ']';
    case '<': return '>';
    default: return open;
  }
}

// Whether the text at i starts an alternative-quoting literal: q or Q beginning a token, then a
// quote and the delimiter. The server takes any character as the delimiter, a blank or a quote
// too.
bool alternativeQuoteAt(std::string_view sql, std::size_t i) {
  if (sql[i] != 'q' && sql[i] != 'Q') return false;
  if (i > 0 && namePart(sql[i - 1])) return false;
  return i + 2 < sql.size() && sql[i + 1] == '\'';
}

}  // namespace

ParsedSql parseNamedParams(std::string_view sql) {
  ParsedSql out;
  out.sql.reserve(sql.size());
  std::size_t i = 0;
  const std::size_t n = sql.size();
  while (i < n) {
    const char c = sql[i];
    if (alternativeQuoteAt(sql, i)) {
      // q'{...}': no escapes; the literal ends at the closing delimiter followed by a quote.
      const char close[] = {closingDelimiter(sql[i + 2]), '\'', '\0'};
      const std::size_t at = sql.find(std::string_view(close, 2), i + 3);
      const std::size_t end = at == std::string_view::npos ? n : at + 2;
      out.sql.append(sql.substr(i, end - i));
      i = end;
    } else if (c == '\'' || c == '"') {
      // A literal runs to the next unpaired quote of the same kind; a doubled quote is an escape.
      std::size_t j = i + 1;
      while (j < n) {
        if (sql[j] == c) {
          if (j + 1 < n && sql[j + 1] == c) {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      const std::size_t end = j < n ? j + 1 : n;
      out.sql.append(sql.substr(i, end - i));
      i = end;
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      const std::size_t eol = sql.find('\n', i);
      const std::size_t end = eol == std::string_view::npos ? n : eol;
      out.sql.append(sql.substr(i, end - i));
      i = end;
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      const std::size_t close = sql.find("*/", i + 2);
      const std::size_t end = close == std::string_view::npos ? n : close + 2;
      out.sql.append(sql.substr(i, end - i));
      i = end;
    } else if (c == ':' && i + 1 < n && nameStart(sql[i + 1])) {
      std::size_t j = i + 1;
      while (j < n && namePart(sql[j])) ++j;
      std::string name(sql.substr(i + 1, j - i - 1));
      for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      out.names.push_back(std::move(name));
      out.sql.push_back('?');
      i = j;
    } else {
      out.sql.push_back(c);
      ++i;
    }
  }
  return out;
}

}  // namespace fb
