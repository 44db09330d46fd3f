#include "platform/UServicoFirebird.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdexcept>
#include <thread>

#include "ArquivoAuxiliar.h"
#include "support/PastaTemporaria.h"

namespace {

namespace fs = std::filesystem;

void PCriaScript(const fs::path& arquivo, std::string_view corpo) {
  fs::create_directories(arquivo.parent_path());
  PGravaBytes(arquivo, corpo);
  fs::permissions(arquivo, fs::perms::owner_all);
}

class TLancadorGravador : public TLancadorProcesso {
 public:
  std::vector<std::vector<std::string>> chamadas;
  bool falha = false;
  void PLanca(const std::vector<std::string>& comando) override {
    chamadas.push_back(comando);
    if (falha) throw std::system_error(ENOENT, std::generic_category(), comando.at(0));
  }
};

struct TEsperaGravada {
  std::vector<std::chrono::milliseconds> esperas;
  TEspera FFuncao() {
    return [this](std::chrono::milliseconds t) { esperas.push_back(t); };
  }
};

TEST(ServicoFirebird, DebianPackageIsFoundAndAskedToStartThenTheWaitIs40Seconds) {
  TPastaTemporaria raiz;
  PCriaScript(raiz / "etc/init.d/firebird3.0", "#!/bin/sh\n");
  fs::create_directories(raiz / "usr/lib/x86_64-linux-gnu/firebird/3.0");
  fs::create_directories(raiz / "usr/lib/x86_64-linux-gnu/outra");
  const TServicoFirebirdLinux servico(raiz.caminho());
  EXPECT_EQ(servico.FRetornaLocalInstalacaoFirebird(),
            (raiz / "usr/lib/x86_64-linux-gnu/firebird/3.0").string() + "/");

  TLancadorGravador lancador;
  TEsperaGravada espera;
  EXPECT_TRUE(FStartFirebird(servico, lancador, espera.FFuncao()));
  ASSERT_EQ(lancador.chamadas.size(), 1u);
  EXPECT_EQ(lancador.chamadas[0],
            (std::vector<std::string>{(raiz / "etc/init.d/firebird3.0").string(), "start"}));
  EXPECT_EQ(espera.esperas, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(40000)});
}

TEST(ServicoFirebird, SelfInstalledServerIsFound) {
  TPastaTemporaria raiz;
  PCriaScript(raiz / "etc/init.d/firebird", "#!/bin/sh\n");
  fs::create_directories(raiz / "opt/firebird");
  const TServicoFirebirdLinux servico(raiz.caminho());
  EXPECT_EQ(servico.FRetornaLocalInstalacaoFirebird(), (raiz / "opt/firebird").string() + "/");
  EXPECT_EQ(servico.FComandoPartida(),
            (std::vector<std::string>{(raiz / "etc/init.d/firebird").string(), "start"}));
}

TEST(ServicoFirebird, WithoutAnInstallationNothingIsLaunchedButTheWaitHappensAndStartUpGoesOn) {
  TPastaTemporaria raiz;
  // A script that cannot be run is no installation.
  PGravaBytes(raiz / "firebird3.0", "#!/bin/sh\n");
  fs::create_directories(raiz / "etc/init.d");
  fs::rename(raiz / "firebird3.0", raiz / "etc/init.d/firebird3.0");
  fs::permissions(raiz / "etc/init.d/firebird3.0", fs::perms::owner_read | fs::perms::owner_write);
  const TServicoFirebirdLinux servico(raiz.caminho());
  EXPECT_EQ(servico.FRetornaLocalInstalacaoFirebird(), "");
  EXPECT_TRUE(servico.FComandoPartida().empty());

  TLancadorGravador lancador;
  TEsperaGravada espera;
  EXPECT_TRUE(FStartFirebird(servico, lancador, espera.FFuncao()));
  EXPECT_TRUE(lancador.chamadas.empty());
  EXPECT_EQ(espera.esperas.size(), 1u);
}

TEST(ServicoFirebird, ALaunchOrWaitThatRaisesMeansTheServerIsNotActive) {
  TPastaTemporaria raiz;
  PCriaScript(raiz / "etc/init.d/firebird3.0", "#!/bin/sh\n");
  const TServicoFirebirdLinux servico(raiz.caminho());
  TLancadorGravador lancador;
  lancador.falha = true;
  TEsperaGravada espera;
  EXPECT_FALSE(FStartFirebird(servico, lancador, espera.FFuncao()));
  EXPECT_TRUE(espera.esperas.empty());

  lancador.falha = false;
  EXPECT_FALSE(FStartFirebird(servico, lancador,
                              [](std::chrono::milliseconds) { throw std::runtime_error("x"); }));
}

TEST(ServicoFirebird, TheRealLauncherStartsTheProgramWithoutWaitingForIt) {
  TPastaTemporaria pasta;
  const auto marca = pasta / "iniciado";
  PCriaScript(pasta / "servico", "#!/bin/sh\necho \"$1\" > \"$2\"\n");
  TLancadorPosix lancador;
  lancador.PLanca({(pasta / "servico").string(), "start", marca.string()});
  // The launch does not wait; poll until the program has done its work.
  for (int i = 0; i < 500 && FLeBytes(marca) != "start\n"; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(FLeBytes(marca), "start\n");

  EXPECT_THROW(lancador.PLanca({(pasta / "nao-existe").string(), "start"}), std::system_error);
}

TEST(ServicoFirebird, ThisMachinesDebianPackage) {
  if (!fs::exists("/etc/init.d/firebird3.0")) GTEST_SKIP() << "no packaged Firebird server here";
  EXPECT_EQ(TServicoFirebirdLinux().FComandoPartida(),
            (std::vector<std::string>{"/etc/init.d/firebird3.0", "start"}));
}

}  // namespace
