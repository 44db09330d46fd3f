#pragma once
// Runs a check in a child process that sees a folder read-only while some files in it stay
// writable: a shared install where the agent may write its files but not add one beside them.
// The child has a mount namespace of its own (and, for an ordinary user, a user namespace), so
// nothing changes for the rest of the machine; even root is refused a new file there.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What the child reports.
enum class TResultadoFilho { Passou, Falhou, SemNamespace };

namespace detalhe {

inline bool fbEscreveArquivo(const char* caminho, const std::string& texto) {
  const int fd = ::open(caminho, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::write(fd, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
  ::close(fd);
  return ok;
}

// The flags a bind remount must keep (in a user namespace the kernel refuses to drop them).
inline unsigned long FFlagsTravadas(const std::filesystem::path& caminho) {
  struct statvfs st {};
  if (::statvfs(caminho.c_str(), &st) != 0) return 0;
  unsigned long flags = 0;
  if (st.f_flag & ST_NOSUID) flags |= MS_NOSUID;
  if (st.f_flag & ST_NODEV) flags |= MS_NODEV;
  if (st.f_flag & ST_NOEXEC) flags |= MS_NOEXEC;
  if (st.f_flag & ST_NOATIME) flags |= MS_NOATIME;
  if (st.f_flag & ST_NODIRATIME) flags |= MS_NODIRATIME;
  if (st.f_flag & ST_RELATIME) flags |= MS_RELATIME;
  return flags;
}

inline bool fbPreparaNamespace(const std::filesystem::path& pasta,
                               const std::vector<std::filesystem::path>& gravaveis) {
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  if (uid == 0) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
  } else {
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    fbEscreveArquivo("/proc/self/setgroups", "deny");
    if (!fbEscreveArquivo("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1") ||
        !fbEscreveArquivo("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1"))
      return false;
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  const unsigned long travadas = FFlagsTravadas(pasta);
  if (::mount(pasta.c_str(), pasta.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
      ::mount(nullptr, pasta.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY | travadas,
              nullptr) != 0)
    return false;
  for (const auto& arquivo : gravaveis) {
    if (::mount(arquivo.c_str(), arquivo.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, arquivo.c_str(), nullptr, MS_REMOUNT | MS_BIND | travadas, nullptr) != 0)
      return false;
  }
  return true;
}

}  // namespace detalhe

// Runs `verifica` in the child; its result is the child's. The files in `gravaveis` must exist.
inline TResultadoFilho FComPastaSomenteLeitura(const std::filesystem::path& pasta,
                                               const std::vector<std::filesystem::path>& gravaveis,
                                               const std::function<bool()>& verifica) {
  const pid_t filho = ::fork();
  if (filho < 0) return TResultadoFilho::Falhou;
  if (filho == 0) {
    if (!detalhe::fbPreparaNamespace(pasta, gravaveis)) ::_exit(77);
    bool ok = false;
    try {
      ok = verifica();
    } catch (...) {
    }
    ::_exit(ok ? 0 : 1);
  }
  int estado = 0;
  if (::waitpid(filho, &estado, 0) != filho || !WIFEXITED(estado)) return TResultadoFilho::Falhou;
  if (WEXITSTATUS(estado) == 77) return TResultadoFilho::SemNamespace;
  return WEXITSTATUS(estado) == 0 ? TResultadoFilho::Passou : TResultadoFilho::Falhou;
}
