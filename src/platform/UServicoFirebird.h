#pragma once
// The database service check run at start-up: find the local Firebird installation, ask its
// service to start, and give the server time to come up. What is asked, and how the installation
// is found, is the business of one class per platform behind TServicoFirebird:
// - TServicoFirebirdLinux (this file): the init script of a packaged or self-installed server.
// - TServicoFirebirdWindows (UServicoFirebirdWindows.cpp, built on Windows only): the
//   registry value DefaultInstance of the key SOFTWARE\Firebird Project\Firebird Server\Instances
//   under HKEY_LOCAL_MACHINE, and "<installation>Bin\instsvc.exe start".
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class TServicoFirebird {
 public:
  virtual ~TServicoFirebird() = default;
  // The installation folder of the local server, ending with a separator; empty when there is
  // none.
  virtual std::string FRetornaLocalInstalacaoFirebird() const = 0;
  // The program and arguments that ask the service to start; empty when there is nothing to ask.
  virtual std::vector<std::string> FComandoPartida() const = 0;
};

// Linux: the installations this program knows, tried in order, each recognised by its init
// script, which is also what is asked to start the service ("<script> start"; on a system run by
// systemd the script hands the request to it).
// - Debian's package: /etc/init.d/firebird<version>, installed under
//   /usr/lib/<multiarch>/firebird/<version>/.
// - The server's own installer: /etc/init.d/firebird, installed under /opt/firebird/.
// `raiz` stands for "/" (tests give a folder laid out like one).
class TServicoFirebirdLinux final : public TServicoFirebird {
 public:
  explicit TServicoFirebirdLinux(std::filesystem::path raiz = "/");
  std::string FRetornaLocalInstalacaoFirebird() const override;
  std::vector<std::string> FComandoPartida() const override;

 private:
  struct TInstalacao {
    std::filesystem::path script, pasta;
  };
  bool fbAcha(TInstalacao& achada) const;
  std::filesystem::path raiz_;
};

#ifdef _WIN32
class TServicoFirebirdWindows final : public TServicoFirebird {
 public:
  std::string FRetornaLocalInstalacaoFirebird() const override;
  std::vector<std::string> FComandoPartida() const override;
};
#endif

// Starts a program and returns at once, without waiting for it to finish. Throws
// std::system_error when the program could not be started.
class TLancadorProcesso {
 public:
  virtual ~TLancadorProcesso() = default;
  virtual void PLanca(const std::vector<std::string>& comando) = 0;
};

// The real launcher: the program runs detached from this one, its standard input and output on
// /dev/null, and none of this process's descriptors (single-instance lock, log files) open in
// it; it is reaped when it ends, whenever that is.
#ifndef _WIN32
class TLancadorPosix final : public TLancadorProcesso {
 public:
  void PLanca(const std::vector<std::string>& comando) override;
};
#else
// Windows: WinExec with a normally shown window.
class TLancadorWindows final : public TLancadorProcesso {
 public:
  void PLanca(const std::vector<std::string>& comando) override;
};
#endif

using TEspera = std::function<void(std::chrono::milliseconds)>;

inline constexpr std::chrono::milliseconds kEsperaPartidaFirebird{40000};

// Asks the local service to start (when an installation was found), then waits 40 seconds,
// whether or not the service was already running; the outcome of the request itself is not read.
// True means start-up may go on; false only when finding the installation, launching the request
// or waiting raised an error. With no local installation the wait still happens and the result is
// true: the databases may live on another machine.
bool FStartFirebird(const TServicoFirebird& servico, TLancadorProcesso& lancador,
                    const TEspera& espera);
// The same with this platform's service, the real launcher and a real 40-second sleep.
bool FStartFirebird();
