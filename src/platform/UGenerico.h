#pragma once
// Class-level utilities every layer uses: the activity log and the two synchronisation switches.
// They hold no state of their own beyond where the log goes, which is the program folder's
// LogIntg unless redirected.
#include <filesystem>
#include <string_view>

#include "platform/ULogAtividade.h"

class TGenerico {
 public:
  // One entry in the activity log (see TLogAtividade). Never raises, never shows anything; a
  // failure to write drops the entry after a few short retries.
  static void PGeraLog(std::string_view mensagem) noexcept;

  // The master-data and sales switches, read from the configuration file at each call, so a
  // change made in the window counts from the next cycle on.
  static bool GetAtualizaCadastro();
  static bool GetAtualizaVendas();

  // The log folder: FPastaEstado()/LogIntg until PDefinePastaLog names another one (an empty
  // path restores the default).
  static std::filesystem::path FPastaLog();
  static void PDefinePastaLog(std::filesystem::path pasta);
  // The clock of the log entries; FAgora unless a test sets another one (an empty one restores
  // FAgora).
  static void PDefineRelogio(TLogAtividade::TRelogio relogio);
};
