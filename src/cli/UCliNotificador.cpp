#include "cli/UCliNotificador.h"

void TNotificadorConsole::PErro(const std::string& mensagem) {
  ++erros_;
  PEscreve("erro", mensagem);
}

void TNotificadorConsole::PAviso(const std::string& mensagem) {
  ++avisos_;
  PEscreve("aviso", mensagem);
}

void TNotificadorConsole::PInformacao(const std::string& mensagem) {
  PEscreve("informação", mensagem);
}

void TNotificadorConsole::PEscreve(const char* tipo, const std::string& mensagem) {
  std::string texto = mensagem;
  for (char& c : texto)
    if (c == '\r') c = '\n';
  saida_ << tipo << ": " << texto << '\n' << std::flush;
}
