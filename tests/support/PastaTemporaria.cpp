#include "support/PastaTemporaria.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <stdexcept>
#include <string>
#include <system_error>

TPastaTemporaria::TPastaTemporaria() {
  std::string modelo = (std::filesystem::temp_directory_path() / "sincrovia-XXXXXX").string();
  if (!mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp failed for " + modelo);
  caminho_ = modelo;
  ::chmod(caminho_.c_str(), 0777);
}

TPastaTemporaria::~TPastaTemporaria() {
  std::error_code ec;
  std::filesystem::remove_all(caminho_, ec);
}
