#pragma once
// What the agent would show in a message box, on standard error: one "erro:", "aviso:" or
// "informação:" line per message, its carriage returns turned into line breaks.
#include <ostream>

#include "platform/TNotificador.h"

class TNotificadorConsole : public TNotificador {
 public:
  explicit TNotificadorConsole(std::ostream& saida) : saida_(saida) {}
  void PErro(const std::string& mensagem) override;
  void PAviso(const std::string& mensagem) override;
  void PInformacao(const std::string& mensagem) override;
  int FQuantidadeErros() const { return erros_; }
  int FQuantidadeAvisos() const { return avisos_; }

 private:
  void PEscreve(const char* tipo, const std::string& mensagem);
  std::ostream& saida_;
  int erros_ = 0;
  int avisos_ = 0;
};
