#pragma once
// Rewrites named parameters (:Name) to positional markers. Names are matched without regard to
// case and one name may stand at several positions. String literals ('...' and, in dialect 1,
// "..."), alternative-quoting literals (q'{...}', Q'(...)', q'<...>', q'[...]', q'x...x' with any
// other delimiter) and comments (-- and /* */) are copied unchanged, so "10:30" inside a literal
// is no parameter.
#include <string>
#include <string_view>
#include <vector>

namespace fb {

struct ParsedSql {
  std::string sql;                  // the text with every :Name replaced by ?
  std::vector<std::string> names;   // upper-cased name of each ? in order
};

ParsedSql parseNamedParams(std::string_view sql);

}  // namespace fb
