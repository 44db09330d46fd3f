#pragma once
// The window's notifier: modal message boxes with a single OK button, error, warning or
// information, always shown on the main thread (a call from a worker waits there until the box is
// closed). The texts are the system's own; a lone carriage return in them is a line break.
//
// While the program is closing, nobody is there to click: messages then go to the activity log.
#include <QString>
#include <atomic>
#include <string>

#include "platform/TNotificador.h"

class TNotificadorJanela : public TNotificador {
 public:
  void PErro(const std::string& mensagem) override;
  void PAviso(const std::string& mensagem) override;
  void PInformacao(const std::string& mensagem) override;

  void PDefineEncerrando(bool encerrando) { encerrando_ = encerrando; }

  // The text as a box shows it: every line break the message holds ("\r", "\n" or "\r\n") one
  // line break.
  static QString FTextoExibido(const std::string& mensagem);

 private:
  enum class TTipo { Erro, Aviso, Informacao };
  void PMostra(TTipo tipo, const std::string& mensagem);
  std::atomic<bool> encerrando_{false};
};
