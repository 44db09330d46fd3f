#include "platform/UGenerico.h"

#include <mutex>
#include <optional>

#include "platform/UConfiguracao.h"
#include "platform/UPastaPrograma.h"

namespace {
std::mutex guarda;
std::optional<std::filesystem::path> pastaLog;
TLogAtividade::TRelogio relogio = FAgora;
}  // namespace

void TGenerico::PGeraLog(std::string_view mensagem) noexcept {
  try {
    TLogAtividade::TRelogio relogioAtual;
    {
      std::lock_guard trava(guarda);
      relogioAtual = relogio;
    }
    TLogAtividade(FPastaLog(), std::move(relogioAtual)).fbGrava(mensagem);
  } catch (...) {
    // Never reaches the caller (see the header).
  }
}

bool TGenerico::GetAtualizaCadastro() { return TConfiguracao::Padrao().GetAtualizaCadastro(); }

bool TGenerico::GetAtualizaVendas() { return TConfiguracao::Padrao().GetAtualizaVendas(); }

std::filesystem::path TGenerico::FPastaLog() {
  {
    std::lock_guard trava(guarda);
    if (pastaLog) return *pastaLog;
  }
  return FPastaEstado() / kPastaLog;
}

void TGenerico::PDefinePastaLog(std::filesystem::path pasta) {
  std::lock_guard trava(guarda);
  if (pasta.empty())
    pastaLog.reset();
  else
    pastaLog = std::move(pasta);
}

void TGenerico::PDefineRelogio(TLogAtividade::TRelogio novo) {
  std::lock_guard trava(guarda);
  relogio = novo ? std::move(novo) : TLogAtividade::TRelogio(FAgora);
}
