#pragma once
// A notifier for tests: records what a person would have been shown instead of showing it.
#include <string>
#include <vector>

#include "platform/TNotificador.h"

class TNotificadorGravador : public TNotificador {
 public:
  void PErro(const std::string& mensagem) override { erros.push_back(mensagem); }
  void PAviso(const std::string& mensagem) override { avisos.push_back(mensagem); }
  void PInformacao(const std::string& mensagem) override { informacoes.push_back(mensagem); }

  std::vector<std::string> erros;
  std::vector<std::string> avisos;
  std::vector<std::string> informacoes;
};
