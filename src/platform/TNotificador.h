#pragma once
// What the engine must show to a person (an error, a warning, a confirmation) goes through this
// interface: the window shows a message box with a single OK button, the command-line tool writes
// to standard error, tests record the calls. The engine never includes a widget header.
#include <string>

class TNotificador {
 public:
  virtual ~TNotificador() = default;
  // A failure that stops the operation at hand: a modal error box.
  virtual void PErro(const std::string& mensagem) = 0;
  // A failure the operation goes on past: a warning box.
  virtual void PAviso(const std::string& mensagem) = 0;
  // A confirmation or an input problem: an information box.
  virtual void PInformacao(const std::string& mensagem) = 0;
};

// Discards every message; for callers that have nobody to show them to.
class TNotificadorSilencioso : public TNotificador {
 public:
  void PErro(const std::string&) override {}
  void PAviso(const std::string&) override {}
  void PInformacao(const std::string&) override {}
};
