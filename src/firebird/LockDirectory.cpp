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
  // "operating system directive access failed / Permission denied / <lock directory>/", or an
  // I/O error on a file in it ("<lock directory>/fb_init") that a root process left to the
  // server's user.
  std::string directory = lockDirectory().string();
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  const std::string text = error.what();
  if ((error.code() != isc_sys_request && error.code() != isc_io_error) ||
      text.find(directory + "/") == std::string::npos ||
      text.find("Permission denied") == std::string::npos)
    return error;

  std::string user = std::to_string(::geteuid());
  if (const passwd* pw = ::getpwuid(::geteuid())) user = pw->pw_name;
  // The engine gives its lock files to the server's user and group; without such a group, the
  // directory's own.
  std::string grupo = "firebird";
  struct stat st {};
  if (!::getgrnam(grupo.c_str()) && ::stat(directory.c_str(), &st) == 0)
    if (const ::group* gr = ::getgrgid(st.st_gid)) grupo = gr->gr_name;
  return Error(text + "\nO diretório de travas do Firebird " + directory +
                   " não é acessível ao usuário " + user + ". Entre no grupo " + grupo +
                   " (sudo adduser " + user + " " + grupo +
                   ", depois uma nova sessão) ou abra o banco pelo servidor Firebird, como "
                   "localhost:" + database + ".",
               error.code(), error.sqlState(), error.context());
}

}  // namespace fb
