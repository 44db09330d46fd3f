#pragma once
// Access to the client library's master interface and the status handling shared by the layer's
// classes. Internal to src/firebird.
#include <firebird/Interface.h>

#include <string>

namespace fb::detail {

Firebird::IMaster* master();
Firebird::IUtil* util();
Firebird::IProvider* provider();

// A status wrapper for one call sequence; check() turns an error into fb::Error.
class Status {
 public:
  Status();
  ~Status();
  Status(const Status&) = delete;
  Status& operator=(const Status&) = delete;

  Firebird::CheckStatusWrapper* operator&() { return &wrapper_; }
  bool failed() const;
  // Throws fb::Error if the last call failed, with `context` (the SQL text, the database path)
  // kept beside the server's message.
  void check(const std::string& context = {});
  void clear();

 private:
  Firebird::IStatus* status_;
  Firebird::CheckStatusWrapper wrapper_;
};

}  // namespace fb::detail
