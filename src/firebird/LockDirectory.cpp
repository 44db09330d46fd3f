#include "firebird/LockDirectory.h"

#include <grp.h>
#include <ibase.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace fb {

std::filesystem::path lockDirectory() {
  if (const char* lock = std::getenv("FIREBIRD_LOCK"); lock && *lock) return lock;
  return "/tmp/firebird";
}

void useLockDirectory(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory);
  ::setenv("FIREBIRD_LOCK", directory.c_str(), 1);
}

Error explainOpenError(const Error& error, const std::string& database) {
  // "operating system directive access failed / Permission denied / <lock directory>/".
  std::string directory = lockDirectory().string();
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  const std::string text = error.what();
  if (error.code() != isc_sys_request || text.find(directory) == std::string::npos ||
      text.find("Permission denied") == std::string::npos)
    return error;

  std::string user = std::to_string(::geteuid());
  if (const passwd* pw = ::getpwuid(::geteuid())) user = pw->pw_name;
  std::string grupo = "firebird";
  struct stat st {};
  if (::stat(directory.c_str(), &st) == 0)
    if (const ::group* gr = ::getgrgid(st.st_gid)) grupo = gr->gr_name;
  return Error(text + "\nO diretório de travas do Firebird " + directory +
                   " não é acessível ao usuário " + user + ". Entre no grupo " + grupo +
                   " (sudo adduser " + user + " " + grupo +
                   ", depois uma nova sessão) ou abra o banco pelo servidor Firebird, como "
                   "localhost:" + database + ".",
               error.code(), error.sqlState(), error.context());
}

}  // namespace fb
