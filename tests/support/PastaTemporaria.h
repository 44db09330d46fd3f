#pragma once
#include <filesystem>

// A fresh folder under the system's temporary directory, removed with everything in it when the
// object goes. Readable by other users, so a Firebird server running as its own user can reach
// database files placed in it.
class TPastaTemporaria {
 public:
  TPastaTemporaria();
  ~TPastaTemporaria();
  TPastaTemporaria(const TPastaTemporaria&) = delete;
  TPastaTemporaria& operator=(const TPastaTemporaria&) = delete;

  const std::filesystem::path& caminho() const { return caminho_; }
  std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

 private:
  std::filesystem::path caminho_;
};
