#pragma once
// The one exception type of the Firebird layer. It carries the Firebird error code (0 for errors
// raised by this layer itself), the SQLSTATE and the server's own message; what() is that
// message, so a caller builds "Motivo: " + what().
#include <stdexcept>
#include <string>

namespace fb {

class Error : public std::runtime_error {
 public:
  Error(const std::string& message, long code = 0, std::string sqlState = {},
        std::string context = {})
      : std::runtime_error(message),
        code_(code),
        sqlState_(std::move(sqlState)),
        context_(std::move(context)) {}

  // The first Firebird error code of the status vector (isc_... / gds code), 0 if our own.
  long code() const { return code_; }
  // Five-character SQLSTATE, empty where Firebird gives none.
  const std::string& sqlState() const { return sqlState_; }
  // What was being done: the SQL text or the database path. Not part of what().
  const std::string& context() const { return context_; }

 private:
  long code_;
  std::string sqlState_;
  std::string context_;
};

}  // namespace fb
