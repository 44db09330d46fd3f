#pragma once
// A host that never answers, without a single packet leaving the machine.
//
// A test that needs one runs again in a child process inside a network namespace of its own
// (`unshare -rn`): there the loopback interface is up and every 10.202.0.x is routed to it, where
// nothing answers, so an echo or a connect to such a host simply times out. The namespace has no
// other interface, so nothing the test does can reach another machine.
//
// Use it as the first statement of a test body:
//     SV_NA_REDE_ISOLADA();
// In the original process the test is then run in the namespace and its outcome becomes this
// test's outcome (a failure there fails here, with the child's output); inside the namespace the
// body goes on. Where the machine allows no user namespace the test is skipped with the reason.
// Only the test's own databases (embedded) can be used in there: the loopback server of the test
// run is outside the namespace.
#include <gtest/gtest.h>

#include <string>

// A host inside the namespace that never answers.
inline const std::string kHostMudo = "10.202.0.5";

enum class TRedeIsolada { Dentro, Concluido, Indisponivel };

// Dentro: this process runs in the namespace. Concluido: the test ran in a child inside it (its
// failures have been reported here). Indisponivel: no namespace could be made; `motivo` says why.
TRedeIsolada FRodaNaRedeIsolada(std::string& motivo);

#define SV_NA_REDE_ISOLADA()                                       \
  do {                                                             \
    std::string svMotivoRede;                                      \
    switch (FRodaNaRedeIsolada(svMotivoRede)) {                    \
      case TRedeIsolada::Dentro:                                   \
        break;                                                     \
      case TRedeIsolada::Concluido:                                \
        return;                                                    \
      case TRedeIsolada::Indisponivel:                             \
        GTEST_SKIP() << "no network namespace: " << svMotivoRede; \
    }                                                              \
  } while (0)
