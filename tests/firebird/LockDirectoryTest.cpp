#include <gtest/gtest.h>
#include <ibase.h>

#include <string>

#include "firebird/LockDirectory.h"

namespace {

// The engine's own words when the lock directory cannot be entered.
fb::Error FErroDeTrava() {
  return fb::Error("operating system directive access failed\n-Permission denied\n-" +
                       fb::lockDirectory().string() + "/",
                   isc_sys_request, "HY000", "/dados/loja.fdb");
}

TEST(LockDirectory, AnUnreachableLockDirectoryIsExplainedWithWhatToDo) {
  const fb::Error e = fb::explainOpenError(FErroDeTrava(), "/dados/loja.fdb");
  const std::string texto = e.what();
  EXPECT_EQ(texto.rfind(FErroDeTrava().what(), 0), 0u) << "the engine's own text comes first";
  EXPECT_NE(texto.find("O diretório de travas do Firebird " + fb::lockDirectory().string() +
                       " não é acessível ao usuário "),
            std::string::npos)
      << texto;
  EXPECT_NE(texto.find("Entre no grupo "), std::string::npos) << texto;
  EXPECT_NE(texto.find("localhost:/dados/loja.fdb"), std::string::npos) << texto;
  EXPECT_EQ(e.code(), isc_sys_request);
  EXPECT_EQ(e.sqlState(), "HY000");
  EXPECT_EQ(e.context(), "/dados/loja.fdb");
}

// A lock file that a root process left to the server's user.
TEST(LockDirectory, ALockFileOutOfReachIsExplainedToo) {
  const fb::Error erro("I/O error during \"open\" operation for file \"" +
                           fb::lockDirectory().string() +
                           "/fb_init\"\n-Error while trying to open file\n-Permission denied",
                       isc_io_error);
  const std::string texto = fb::explainOpenError(erro, "/dados/loja.fdb").what();
  EXPECT_NE(texto.find("Entre no grupo "), std::string::npos) << texto;
  EXPECT_NE(texto.find("localhost:/dados/loja.fdb"), std::string::npos) << texto;
}

TEST(LockDirectory, OtherOpenErrorsComeBackAsTheyAre) {
  const fb::Error outros[] = {
      fb::Error("I/O error during \"open\" operation for file \"/x.fdb\"\n-Permission denied",
                isc_io_error),
      fb::Error("operating system directive access failed\n-Permission denied\n-/outra/pasta/",
                isc_sys_request),
      fb::Error("operating system directive mmap failed\n-" + fb::lockDirectory().string(),
                isc_sys_request),
  };
  for (const fb::Error& e : outros)
    EXPECT_EQ(std::string(fb::explainOpenError(e, "/x.fdb").what()), e.what());
}

}  // namespace
