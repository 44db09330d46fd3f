#pragma once
// A Firebird server of the test's own, which the test may stop and start again at will: the
// server binary run as the invoking user under a private root (its own firebird.conf, a copy of
// the security database, its own lock and temporary folders), listening on a loopback address of
// its own (127.x.y.z, never 127.0.0.1) at the standard port. The shared server of the machine is
// never touched.
#include <sys/types.h>

#include <atomic>
#include <filesystem>
#include <string>

class TServidorPrivado {
 public:
  // Prepares the root under `raiz` (created) and picks a free loopback address; starts nothing.
  explicit TServidorPrivado(std::filesystem::path raiz);
  // Stops the server if it runs.
  ~TServidorPrivado();
  TServidorPrivado(const TServidorPrivado&) = delete;
  TServidorPrivado& operator=(const TServidorPrivado&) = delete;

  // Starts the server (from the thread that will also end it: the server is tied to that thread's
  // life) and waits until it accepts connections; throws std::runtime_error (with the
  // server's own output) when it does not within 20 s.
  void PInicia();
  // Kills the server at once, as a crash or a power cut would, and waits until the port is free.
  // Safe to call from another thread than the one that started it.
  void PPara();
  bool fbAtivo() const { return pid_ > 0; }

  const std::string& FEndereco() const { return ip_; }
  int FPorta() const { return porta_; }
  // How a client names `arquivo` on this server: "127.x.y.z:/path".
  std::string FCaminho(const std::filesystem::path& arquivo) const;

 private:
  bool fbAceitaConexao() const;

  std::filesystem::path raiz_;
  std::string ip_;
  int porta_ = 3050;
  std::atomic<pid_t> pid_{-1};
};
