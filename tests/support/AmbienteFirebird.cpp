// The Firebird environment of every test process, set before the client library is first used.
//
// The tests' databases are private: they are opened through a lock directory of the test run's
// own (FIREBIRD_LOCK), the one the test run's private server uses too, never the system's
// /tmp/firebird, which an ordinary user cannot enter once the system server has run. When the
// private server has been started, its configuration root (FIREBIRD) is used as well, so that a
// plain path the client library hands to a server on this machine reaches that server and not
// the system's. The Firebird tools the tests start in-process (isql, gfix) act as SYSDBA, the
// owner of the test databases, whoever runs the tests (an ordinary user is otherwise known by
// its own name, which owns nothing). Processes the tests start inherit all three.
//
// This file is compiled into every test program (an INTERFACE source of the test support), so
// its initialiser runs before main() in each of them.
#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace {

std::string FPastaBase() {
  if (const char* pasta = std::getenv("SV_FIREBIRD_TESTE"); pasta && *pasta) return pasta;
  return SV_FIREBIRD_TESTE;
}

struct TAmbienteFirebird {
  TAmbienteFirebird() {
    const std::string base = FPastaBase();
    ::mkdir(base.c_str(), 0700);
    // Inside a network namespace of a test's own (see RedeIsolada.h) the databases are that
    // child's alone; its lock directory is kept apart, because files that a root process
    // outside left to the server's user cannot be entered from a user namespace.
    const std::string trava =
        base + (std::getenv("SV_REDE_ISOLADA") ? "/trava-rede-isolada" : "/trava");
    ::mkdir(trava.c_str(), 0700);
    ::setenv("FIREBIRD_LOCK", trava.c_str(), 1);
    ::setenv("ISC_USER", "SYSDBA", 0);
    const std::string raiz = base + "/raiz";
    struct stat st {};
    if (::stat((raiz + "/firebird.conf").c_str(), &st) == 0) ::setenv("FIREBIRD", raiz.c_str(), 1);
  }
};

const TAmbienteFirebird ambiente;

}  // namespace
