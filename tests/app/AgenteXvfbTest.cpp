// The agent as a store runs it: the real executable on a demo store under a virtual display,
// with the 40-second database service wait of every start, a sale rung up at a point of sale
// reaching the central database, and SIGTERM closing it as "Sair" does.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <csignal>

#include "support/PastaTemporaria.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

#if defined(SV_AGENTE) && defined(SV_CLI)
constexpr const char* kAgente = SV_AGENTE;
constexpr const char* kCli = SV_CLI;
#else
constexpr const char* kAgente = "";
constexpr const char* kCli = "";
#endif

// The embedded engine shared by several processes (agent, tool, isql) needs SuperClassic and lock
// files of its own: a private Firebird root beside the store.
QProcessEnvironment FAmbienteFirebird(const fs::path& pasta) {
  fs::path padrao;
  for (const char* p : {"/usr/lib/x86_64-linux-gnu/firebird/3.0", "/usr/lib/aarch64-linux-gnu/firebird/3.0",
                        "/usr/lib/firebird/3.0"})
    if (fs::exists(fs::path(p) / "firebird.msg")) padrao = p;
  const fs::path raiz = pasta / "fbraiz";
  fs::create_directories(raiz);
  fs::create_directories(pasta / "fbtrava");
  for (const char* f : {"firebird.msg", "intl", "plugins", "plugins.conf", "UDF", "lib"})
    if (fs::exists(padrao / f)) fs::create_symlink(padrao / f, raiz / f);
  std::ofstream(raiz / "firebird.conf") << "ServerMode = SuperClassic\nUdfAccess = None\n";
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("FIREBIRD", QString::fromStdString(raiz.string()));
  ambiente.insert("FIREBIRD_LOCK", QString::fromStdString((pasta / "fbtrava").string()));
  return ambiente;
}

struct TSaida {
  int status = -1;
  std::string texto;
};

TSaida FRoda(const QString& programa, const QStringList& argumentos,
             const QProcessEnvironment& ambiente, const QByteArray& entrada = {}) {
  QProcess p;
  p.setProcessEnvironment(ambiente);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(programa, argumentos);
  if (!p.waitForStarted(10000)) return {};
  if (!entrada.isEmpty()) p.write(entrada);
  p.closeWriteChannel();
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          p.readAll().toStdString()};
}

std::string FIsql(const fs::path& banco, const std::string& sql, const QProcessEnvironment& amb) {
  return FRoda("isql-fb", {"-q", "-user", "SYSDBA", "-password", "masterkey",
                           QString::fromStdString(banco.string())},
               amb, QByteArray::fromStdString("SET HEADING OFF;\n" + sql + "\n"))
      .texto;
}

std::string FLog(const fs::path& pasta) {
  std::string tudo;
  std::error_code ec;
  for (fs::directory_iterator it(pasta / "LogIntg", ec), fim; !ec && it != fim; ++it) {
    std::ifstream in(it->path(), std::ios::binary);
    tudo.append(std::istreambuf_iterator<char>(in), {});
  }
  return tudo;
}

TEST(AgenteXvfbTest, UnderAVirtualDisplayASaleAtATillReachesTheCentreAndSigtermClosesInOrder) {
  if (!*kAgente) GTEST_SKIP() << "the agent executable is not built in this tree";
  if (QStandardPaths::findExecutable("Xvfb").isEmpty())
    GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb): the agent needs a display";
  if (QStandardPaths::findExecutable("isql-fb").isEmpty())
    GTEST_SKIP() << "isql-fb is not installed (Debian package firebird3.0-utils)";

  TPastaTemporaria pasta;
  const fs::path loja = pasta / "loja";
  fs::create_directories(loja);
  // The store's folder holds the agent, its configuration and its log.
  fs::copy_file(kAgente, loja / "sincrovia");
  const QProcessEnvironment firebird = FAmbienteFirebird(pasta.caminho());
  const QString ini = QString::fromStdString((loja / "VeltrixIntegracao.ini").string());
  TSaida r = FRoda(kCli, {"--ini", ini, "criar-demo", QString::fromStdString(loja.string()),
                          "--caixas", "2"},
                   firebird);
  ASSERT_EQ(r.status, 0) << r.texto;
  r = FRoda(kCli, {"--ini", ini, "atualizar-bancos"}, firebird);
  ASSERT_EQ(r.status, 0) << r.texto;

  QProcess xvfb;
  xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
  ASSERT_TRUE(xvfb.waitForStarted(10000));
  ASSERT_TRUE(xvfb.waitForReadyRead(20000)) << "Xvfb gave no display number";
  const QString tela = ":" + QString::fromLatin1(xvfb.readAllStandardOutput()).trimmed();

  QProcessEnvironment ambiente = firebird;
  ambiente.insert("DISPLAY", tela);
  ambiente.remove("WAYLAND_DISPLAY");
  ambiente.insert("XDG_RUNTIME_DIR", QString::fromStdString(pasta.caminho().string()));
  QProcess agente;
  agente.setProcessEnvironment(ambiente);
  agente.setProcessChannelMode(QProcess::MergedChannels);
  const auto partida = std::chrono::steady_clock::now();
  agente.start(QString::fromStdString((loja / "sincrovia").string()), {});
  ASSERT_TRUE(agente.waitForStarted(10000));

  // A sale at the second point of sale while the agent waits for the database service.
  const std::string pedido =
      FIsql(loja / "caixa002.fdb",
            "INSERT INTO PEDIDOC (CODEMPRESA, TIPOPEDIDO, CODPEDIDO, CODCLIENTE, TOTALPEDIDO) "
            "VALUES ('01', '01', 'XVFB0001', '00000001', 12.5);\nCOMMIT;",
            firebird);
  EXPECT_EQ(pedido.find("error"), std::string::npos) << pedido;

  // Start-up waits 40 s before its first step; then the release timer ticks every 5 s.
  bool chegou = false;
  std::chrono::steady_clock::duration fimCreate{};
  while (std::chrono::steady_clock::now() - partida < 120s && agente.state() == QProcess::Running) {
    std::this_thread::sleep_for(1s);
    if (fimCreate == decltype(fimCreate){} && FLog(loja).find("Fim Create.") != std::string::npos)
      fimCreate = std::chrono::steady_clock::now() - partida;
    const std::string n = FIsql(loja / "servidor.fdb",
                                "SELECT COUNT(*) FROM PEDIDOC WHERE CODPEDIDO = 'XVFB0001';",
                                firebird);
    if (n.find('1') != std::string::npos) {
      chegou = true;
      break;
    }
  }
  const auto chegada = std::chrono::steady_clock::now() - partida;
  EXPECT_TRUE(chegou) << agente.readAll().toStdString() << FLog(loja);
  EXPECT_GE(fimCreate, 40s);
  // Within a few ticks of the end of start-up.
  EXPECT_LT(chegada, fimCreate + 20s);
  EXPECT_EQ(FIsql(loja / "caixa002.fdb", "SELECT COUNT(*) FROM INTEGECF;", firebird)
                .find_first_not_of(" \n0"),
            std::string::npos);

  ::kill(static_cast<pid_t>(agente.processId()), SIGTERM);
  ASSERT_TRUE(agente.waitForFinished(15000)) << "the agent did not end after SIGTERM";
  EXPECT_EQ(agente.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(agente.exitCode(), 0);
  const std::string log = FLog(loja);
  for (const char* texto : {"PCriaObjetos", "Fim Create.", "Execute da vendas trhead",
                            "Sincronize da trehad", "Fim vendas Trhead", "Fim Cadastro Trhead"})
    EXPECT_NE(log.find(texto), std::string::npos) << texto;
  std::ifstream arquivoIni(loja / "VeltrixIntegracao.ini", std::ios::binary);
  const std::string textoIni(std::istreambuf_iterator<char>(arquivoIni), {});
  EXPECT_NE(textoIni.find("[VENDAS]\r\nATUALIZA=1"), std::string::npos) << textoIni;

  xvfb.terminate();
  xvfb.waitForFinished(5000);
}

}  // namespace
