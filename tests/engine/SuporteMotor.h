#pragma once
// What the engine tests share: a notifier that records what a person would have been shown, the
// activity log redirected to a folder of the test's own, and both engines set up on them.
#include <filesystem>
#include <string>
#include <vector>

#include "engine/UBancoDados.h"
#include "support/NotificadorGravador.h"
#include "support/PastaTemporaria.h"

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

// A folder of the test's own with the activity log sent into it, and both engines (registration
// and sales) on one recording notifier: what the fixtures that drive both engines start from.
// Fixtures derive from it after their test base, so these outlive the fixture's own members.
struct TMotoresTeste {
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TBancoDados cadastro{notificador};
  TBancoDados vendas{notificador};
};
