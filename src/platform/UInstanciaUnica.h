#pragma once
// One running copy per user and desktop. The first copy holds an advisory lock on a small file
// named after the application title ("Sincrovia"), the user and the display; a second copy that
// cannot take the lock is refused. The kernel drops the lock when its holder ends, however it
// ends, so a copy that crashed never blocks the next start.
#include <filesystem>
#include <string>

inline constexpr std::string_view kTituloAplicacao = "Sincrovia";

enum class TResultadoInstancia {
  Unica,            // this copy holds the lock
  OutraEmExecucao,  // another copy holds it: refuse to start
  Indeterminado,    // the lock file could not be opened; nothing is known about other copies
};

class TInstanciaUnica {
 public:
  // `pasta`: where the lock file lives; by default the user's runtime folder (XDG_RUNTIME_DIR),
  // else the system's temporary folder.
  explicit TInstanciaUnica(std::string titulo = std::string(kTituloAplicacao),
                           std::filesystem::path pasta = {});
  ~TInstanciaUnica();
  TInstanciaUnica(const TInstanciaUnica&) = delete;
  TInstanciaUnica& operator=(const TInstanciaUnica&) = delete;

  // Tries once, without waiting. Holding the lock lasts until this object goes.
  TResultadoInstancia FAdquire();

  // The lock file: <pasta>/<titulo>-<user id>-<display>.lock.
  const std::filesystem::path& FArquivo() const { return arquivo_; }

 private:
  std::filesystem::path arquivo_;
  int descritor_ = -1;
};
