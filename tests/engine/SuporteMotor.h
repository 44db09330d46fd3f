#pragma once
// What the engine tests share: a notifier that records what a person would have been shown, and
// the activity log redirected to a folder of the test's own.
#include <filesystem>
#include <string>
#include <vector>

#include "support/NotificadorGravador.h"

// Sends the activity log to `pasta` while the object lives.
class TLogTeste {
 public:
  explicit TLogTeste(std::filesystem::path pasta);
  ~TLogTeste();
  TLogTeste(const TLogTeste&) = delete;
  TLogTeste& operator=(const TLogTeste&) = delete;

  // The messages of every entry written so far, in order, as UTF-8.
  std::vector<std::string> FMensagens() const;
  // How many entries hold exactly `mensagem` / start with `prefixo`.
  int FConta(const std::string& mensagem) const;
  int FContaComeco(const std::string& prefixo) const;

 private:
  std::filesystem::path pasta_;
  std::filesystem::path anterior_;
};
