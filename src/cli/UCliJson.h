#pragma once
// Writing JSON for monitors: a text as one JSON string (quoted, escaped), UTF-8 passed through.
#include <string>
#include <string_view>

// `texto` as a JSON string literal: quotes, backslashes and control characters escaped; every
// other byte (UTF-8 included) unchanged.
std::string fsJson(std::string_view texto);
