// The main window driven as a person would, on real store databases: start-up and its log,
// the table boxes and switches, the grid, the buttons' refusals, and shutdown.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "SuporteApp.h"
#include "app/UParalelo.h"
#include "engine/UBancoDados.h"
#include "platform/UInstanciaUnica.h"
#include "support/BancoTeste.h"

namespace {

using namespace std::chrono_literals;

std::string FSecaoConexao(const std::string& secao, const std::string& caminho) {
  return "[" + secao + "]\r\nCAMINHO=" + caminho + "\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n";
}

void PTecla(QWidget* alvo, int tecla, const QString& texto = {}) {
  QKeyEvent evento(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
  QCoreApplication::sendEvent(alvo, &evento);
}

QString FCelula(QTableWidget* grid, int linha, int coluna) {
  QTableWidgetItem* item = grid->item(linha, coluna);
  return item ? item->text() : QString();
}

int FRelacoes(TBancoTeste& banco) {
  return banco.contagem(
      "SELECT COUNT(*) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
}

class TFrmPrincipalTest : public ::testing::Test {
 protected:
  TPastaProgramaTeste pasta;
  TJanelaTeste t{pasta};

  // A central database and the points of sale, closed so that the window opens them itself.
  std::unique_ptr<TBancoTeste> central;
  std::vector<std::unique_ptr<TBancoTeste>> caixas;

  void configuraCentral() {
    central = std::make_unique<TBancoTeste>(pasta.caminho() / "servidor.fdb");
    central->fecha();
    pasta.escreveIni(FSecaoConexao("CONEXAO", central->caminho()));
  }
  TBancoTeste& configuraCaixa(const std::string& maquina) {
    const int n = static_cast<int>(caixas.size());
    auto banco =
        std::make_unique<TBancoTeste>(pasta.caminho() / ("caixa" + std::to_string(n) + ".fdb"));
    banco->adicionaMaquina({maquina, "SERIE" + maquina});
    banco->fecha();
    pasta.escreveIni(FSecaoConexao("CONEXAOCAIXA" + std::to_string(n), banco->caminho()));
    caixas.push_back(std::move(banco));
    return *caixas.back();
  }
};

TEST_F(TFrmPrincipalTest, NormalStartLogsItsStepsInOrderOpensTheCentralDatabaseAndArmsTheTimers) {
  configuraCentral();
  configuraCaixa("001");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  EXPECT_TRUE(t.notificador.avisos.empty());

  const std::vector<std::string> passos = {
      "PCriaObjetos",           "PCarregaParametros",         "Cria conexao servidor cadastro.",
      "Cria conexao servidor venda.", "Configurando tabelas cadastro.", "PMontaConexoes",
      "Montando conexao cadastro.",   "Montando conexao venda.",  "Fim PMontaConexoes",
      "PMontaTimer",            "PMontaTimerVerificacao",     "Fim Create."};
  std::vector<std::string> vistos;
  for (const std::string& m : pasta.mensagens())
    if (std::find(passos.begin(), passos.end(), m) != passos.end()) vistos.push_back(m);
  EXPECT_EQ(vistos, passos);

  EXPECT_FALSE(janela.btnConexao->isEnabled());
  ASSERT_NE(janela.FTimerLiberacao(), nullptr);
  EXPECT_TRUE(janela.FTimerLiberacao()->isActive());
  EXPECT_EQ(janela.FTimerLiberacao()->interval(), 5000);
  EXPECT_TRUE(janela.FTimerVerificacao()->isActive());
  EXPECT_EQ(janela.FTimerVerificacao()->interval(), 1000);
  EXPECT_EQ(janela.GridConexao->rowCount(), 1);
  EXPECT_EQ(FCelula(janela.GridConexao, 0, 0), "001");
  EXPECT_EQ(FCelula(janela.GridConexao, 0, 1).toStdString(), caixas[0]->caminho());
  EXPECT_FALSE(janela.fbHintLigado());
  // Both workers wait, suspended, for their first release.
  EXPECT_TRUE(janela.FParaleloVendas()->FEmExecucao());
  EXPECT_EQ(pasta.conta("Execute da vendas trhead"), 0);
  // The central capture objects were installed.
  central->reabre();
  EXPECT_EQ(central->contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                              "'INTEGECF'"),
            1);
  central->fecha();

  // Shutdown releases the never-released workers once: each logs its start and end.
  janela.Sair1->trigger();
  EXPECT_TRUE(t.encerrou);
  for (const char* texto : {"Execute da Cadastro trhead", "Fim Cadastro Trhead",
                            "Execute da vendas trhead", "Fim vendas Trhead"})
    EXPECT_EQ(pasta.conta(texto), 1) << texto;
  EXPECT_EQ(pasta.conta("Sincronize da trehad"), 0);
  EXPECT_EQ(janela.FMotorCadastro(), nullptr);
  EXPECT_EQ(janela.FMotorVendas(), nullptr);
}

TEST_F(TFrmPrincipalTest, ASecondCopyIsRefusedBeforeAnyLogEntryOrDatabaseChange) {
  configuraCentral();
  TInstanciaUnica primeira("Sincrovia", pasta.caminho());
  ASSERT_EQ(primeira.FAdquire(), TResultadoInstancia::Unica);
  bool servicoChamado = false;
  t.dependencias.servicoFirebird = [&] { return servicoChamado = true; };
  TFrmPrincipal_Intg& janela = t.cria();
  EXPECT_FALSE(janela.FormCreate());
  EXPECT_EQ(t.notificador.avisos,
            std::vector<std::string>{"Sistema já está iniciado. É permitido apenas uma sessão."});
  EXPECT_FALSE(servicoChamado);
  EXPECT_TRUE(pasta.mensagens().empty());
  central->reabre();
  EXPECT_EQ(FRelacoes(*central), 4);  // the application tables the test database was made with
}

TEST_F(TFrmPrincipalTest, AFailedServiceCheckEndsTheProgramWithItsWarning) {
  t.dependencias.servicoFirebird = [] { return false; };
  TFrmPrincipal_Intg& janela = t.cria();
  EXPECT_FALSE(janela.FormCreate());
  EXPECT_EQ(t.notificador.avisos,
            std::vector<std::string>{"O firebird não está ativo, favor verificar."});
  EXPECT_TRUE(pasta.mensagens().empty());
}

TEST_F(TFrmPrincipalTest, WithoutAFileStartsUnconnectedWithBothSwitchesOnAndEscapeEndsAfterShutdown) {
  bool desligouDepoisDoFechamento = false;
  t.dependencias.aoEncerrar = [&] {
    // The program ends only once the shutdown has run: workers ended, selection stored.
    desligouDepoisDoFechamento = pasta.conta("Fim vendas Trhead") == 1 &&
                                 pasta.conta("Fim Cadastro Trhead") == 1 &&
                                 pasta.leIni().find("FINANCIAMENTO=S") != std::string::npos;
    t.encerrou = true;
  };
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  EXPECT_TRUE(janela.btnConexao->isEnabled());
  EXPECT_FALSE(janela.FTimerLiberacao()->isActive());
  EXPECT_EQ(janela.GridConexao->rowCount(), 1);
  EXPECT_EQ(FCelula(janela.GridConexao, 0, 0), "");
  for (QCheckBox* caixa : janela.ckTabelas) EXPECT_TRUE(caixa->isChecked());
  EXPECT_TRUE(janela.ckAtualizaCadastro->isChecked());
  EXPECT_TRUE(janela.LiberaCad->isVisible());
  const std::string ini = pasta.leIni();
  EXPECT_NE(ini.find("[CADASTRO]\r\nATUALIZA=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[VENDAS]\r\nATUALIZA=1"), std::string::npos) << ini;
  EXPECT_EQ(pasta.conta("Cria conexao servidor cadastro."), 0);

  PTecla(janela.edtUsuario, Qt::Key_Escape);
  EXPECT_TRUE(t.encerrou);
  EXPECT_TRUE(desligouDepoisDoFechamento);
  const std::string depois = pasta.leIni();
  for (const auto& chave : kChavesTabelas)
    EXPECT_NE(depois.find(std::string(chave.chave) + "=S\r\n"), std::string::npos) << chave.chave;
}

TEST_F(TFrmPrincipalTest, TheTableBoxesLoadInOrderAndSelectAllRulesOnlyTheBoxesBeforeIt) {
  pasta.escreveIni("[TABELAS]\r\nPRODUTO=N\r\nCLIENTE=s\r\nTODAS=N\r\nPARCPEDC=S\r\n");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  auto caixa = [&](const char* nome) { return janela.findChild<QCheckBox*>(nome); };
  EXPECT_FALSE(caixa("ckProduto")->isChecked());
  EXPECT_FALSE(caixa("ckCliente")->isChecked());  // a lower-case s reads as no
  EXPECT_TRUE(caixa("ckFornecedor")->isChecked());
  EXPECT_FALSE(janela.ckTodas->isChecked());
  EXPECT_TRUE(caixa("ckParcPedC")->isChecked());

  // Ticking select-all ticks the 26 others; clearing it clears them; a single box leaves it.
  janela.ckTodas->setChecked(true);
  for (QCheckBox* c : janela.ckTabelas) EXPECT_TRUE(c->isChecked()) << c->objectName().toStdString();
  janela.ckTodas->setChecked(false);
  for (QCheckBox* c : janela.ckTabelas) EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
  janela.ckTodas->setChecked(true);
  caixa("ckProduto")->setChecked(false);
  EXPECT_TRUE(janela.ckTodas->isChecked());
  EXPECT_FALSE(janela.FSelecao()["PRODUTO"]);
}

TEST_F(TFrmPrincipalTest, SelectAllStoredAsYesTicksEveryBoxReadBeforeIt) {
  pasta.escreveIni("[TABELAS]\r\nPRODUTO=N\r\nTODAS=S\r\nFINANCIAMENTO=N\r\n");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  EXPECT_TRUE(janela.findChild<QCheckBox*>("ckProduto")->isChecked());
  EXPECT_FALSE(janela.findChild<QCheckBox*>("ckFinanciamento")->isChecked());
}

TEST_F(TFrmPrincipalTest, ClearingTheMasterDataSwitchHidesTheMenuItemAndStoresZeroAtOnce) {
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  ASSERT_TRUE(janela.LiberaCad->isVisible());
  janela.ckAtualizaCadastro->setChecked(false);
  EXPECT_FALSE(janela.LiberaCad->isVisible());
  EXPECT_NE(pasta.leIni().find("[CADASTRO]\r\nATUALIZA=0"), std::string::npos) << pasta.leIni();
  janela.ckAtualizaVenda->setChecked(false);
  EXPECT_NE(pasta.leIni().find("[VENDAS]\r\nATUALIZA=0"), std::string::npos) << pasta.leIni();
  janela.ckAtualizaCadastro->setChecked(true);
  EXPECT_TRUE(janela.LiberaCad->isVisible());
  EXPECT_NE(pasta.leIni().find("[CADASTRO]\r\nATUALIZA=1"), std::string::npos);
}

TEST_F(TFrmPrincipalTest, TimeFieldsAreHiddenTakeDigitsOnlyAndStoreEveryChange) {
  pasta.escreveIni("[HORA]\r\nSEGUNDA=12:30:00\r\n");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  QLineEdit* hora = janela.edtHoras[0];
  EXPECT_FALSE(hora->isVisibleTo(&janela));
  EXPECT_EQ(janela.edtHoras[1]->text(), "12:30:00");
  ASSERT_EQ(hora->text(), "00:00:00");
  hora->setCursorPosition(0);
  PTecla(hora, Qt::Key_A, "a");
  EXPECT_EQ(hora->text(), "00:00:00");
  PTecla(hora, Qt::Key_Colon, ":");
  EXPECT_EQ(hora->text(), "00:00:00");
  PTecla(hora, Qt::Key_1, "1");
  EXPECT_EQ(hora->text(), "10:00:00");
  EXPECT_NE(pasta.leIni().find("PRIMEIRA=10:00:00"), std::string::npos) << pasta.leIni();
}

TEST_F(TFrmPrincipalTest, TheGridShowsEachTillAndDisconnectedForOneUnreachableOrWithoutAMachine) {
  configuraCentral();
  configuraCaixa("001");
  pasta.escreveIni(FSecaoConexao("CONEXAOCAIXA1", (pasta.caminho() / "sumiu.fdb").string()));
  caixas.push_back(nullptr);
  configuraCaixa("999");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  ASSERT_EQ(janela.GridConexao->rowCount(), 3);
  EXPECT_EQ(FCelula(janela.GridConexao, 0, 0), "001");
  EXPECT_EQ(FCelula(janela.GridConexao, 1, 0), "Desconectado.");
  EXPECT_EQ(FCelula(janela.GridConexao, 1, 1).toStdString(), (pasta.caminho() / "sumiu.fdb").string());
  EXPECT_EQ(FCelula(janela.GridConexao, 2, 0), "Desconectado.");
  janela.PLimpaGrid();
  EXPECT_EQ(janela.GridConexao->rowCount(), 1);
  EXPECT_EQ(FCelula(janela.GridConexao, 0, 0), "");
  EXPECT_EQ(janela.GridConexao->horizontalHeaderItem(0)->text(), "CAIXA");
  EXPECT_EQ(janela.GridConexao->horizontalHeaderItem(1)->text(), "CAMINHO DO BANCO");
}

TEST_F(TFrmPrincipalTest, UpdateAndAddWithoutACentralConnectionRefuseAndChangeNoDatabase) {
  TBancoTeste& caixa = configuraCaixa("001");
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  janela.btnAtualizar->click();
  EXPECT_EQ(t.notificador.avisos,
            std::vector<std::string>{
                "Não será possível atualizar a base de dados, pois não há um servidor cadastrado."});
  janela.btnAdicionar->click();
  EXPECT_EQ(t.notificador.informacoes,
            std::vector<std::string>{"Não existe conexão com servidor."});
  caixa.reabre();
  EXPECT_EQ(FRelacoes(caixa), 4);
  EXPECT_EQ(caixa.contagem("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"), 0);
}

TEST_F(TFrmPrincipalTest, ConnectRefusesMissingInputAndAFailedAttemptClearsTheFields) {
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  auto conecta = [&](const QString& caminho, const QString& usuario, const QString& senha) {
    t.notificador.informacoes.clear();
    t.notificador.avisos.clear();
    janela.edtBancoServidor->setText(caminho);
    janela.edtUsuario->setText(usuario);
    janela.edtSenha->setText(senha);
    janela.btnConexao->click();
  };
  conecta("  ", "SYSDBA", "x");
  EXPECT_EQ(t.notificador.informacoes, std::vector<std::string>{"Banco de dados não informado."});
  conecta("/x.fdb", " ", "x");
  EXPECT_EQ(t.notificador.informacoes, std::vector<std::string>{"Usuário não informado."});
  conecta("/x.fdb", "SYSDBA", "");
  EXPECT_EQ(t.notificador.informacoes, std::vector<std::string>{"Senha não informada."});
  for (QCheckBox* c : janela.ckTabelas) c->setChecked(false);
  conecta("/x.fdb", "SYSDBA", "x");
  EXPECT_EQ(t.notificador.informacoes,
            std::vector<std::string>{"Nenhuma tabela de cadastro foi selecionada para atualização."});
  janela.ckTodas->setChecked(true);

  conecta((pasta.caminho() / "nao-existe.fdb").c_str(), "SYSDBA", "masterkey");
  ASSERT_EQ(t.notificador.avisos.size(), 1u);
  EXPECT_EQ(t.notificador.avisos[0].rfind("Ocorreu um erro ao tentar fazer conexão", 0), 0u)
      << t.notificador.avisos[0];
  EXPECT_TRUE(janela.edtBancoServidor->text().isEmpty());
  EXPECT_TRUE(janela.edtUsuario->text().isEmpty());
  EXPECT_TRUE(janela.edtSenha->text().isEmpty());
  EXPECT_TRUE(janela.btnConexao->isEnabled());
  EXPECT_EQ(pasta.leIni().find("[CONEXAO]"), std::string::npos);
}

TEST_F(TFrmPrincipalTest, ConnectingStoresTheSettingsButLeavesTheReleaseTimerOff) {
  central = std::make_unique<TBancoTeste>(pasta.caminho() / "servidor.fdb");
  central->fecha();
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  janela.edtBancoServidor->setText(QString::fromStdString(central->caminho()));
  janela.edtUsuario->setText("SYSDBA");
  janela.edtSenha->setText("masterkey");
  janela.btnConexao->click();
  EXPECT_EQ(t.notificador.informacoes,
            std::vector<std::string>{"Conexão estabelecida com sucesso.\rFinalize o sistema para "
                                     "salvar os dados do servidor"});
  EXPECT_FALSE(janela.btnConexao->isEnabled());
  EXPECT_FALSE(janela.FTimerLiberacao()->isActive());
  EXPECT_NE(pasta.leIni().find("CAMINHO=" + central->caminho()), std::string::npos);
  EXPECT_EQ(janela.FMotorVendas()->GetListaConexao().FConexao(0).name(), "ConexaoServidorVend");
}

TEST_F(TFrmPrincipalTest, MinimisingHidesTheWindowInTheTrayOrKeepsItInTheTaskBarWithoutOne) {
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  janela.PMostraInicial();
  PProcessaPor(100ms);
  // No tray: the window stays reachable, minimised in the task bar.
  EXPECT_TRUE(janela.isVisible());
  EXPECT_TRUE(janela.isMinimized());

  TPastaProgramaTeste outra;
  TJanelaTeste comBandeja(outra);
  comBandeja.dependencias.bandejaDisponivel = [] { return true; };
  TFrmPrincipal_Intg& janela2 = comBandeja.cria();
  ASSERT_TRUE(janela2.FormCreate());
  janela2.PMostraInicial();
  EXPECT_FALSE(janela2.isVisible());
  janela2.Arquivo1->trigger();  // "Configurar"
  EXPECT_TRUE(janela2.isVisible());
  janela2.showMinimized();
  ASSERT_TRUE(fbAguardaQue([&] { return !janela2.isVisible(); }, 5s));
  // Every release turns the tray hint on.
  EXPECT_EQ(janela2.TrayIcon->toolTip(), "");
  janela2.LiberaCad->trigger();
  EXPECT_EQ(janela2.TrayIcon->toolTip().toStdString(), kHintBandeja);
  EXPECT_EQ(outra.conta("Sincronização do cadastro iniciada."), 1);
  janela2.PSolicitaFechamento();
  janela.PSolicitaFechamento();
}

TEST_F(TFrmPrincipalTest, EnterMovesTheFocusOnAsTabDoes) {
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  janela.show();
  janela.activateWindow();
  janela.edtBancoServidor->setFocus();
  PProcessaPor(50ms);
  PTecla(janela.edtBancoServidor, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), janela.btnProcurar);
  janela.hide();
}

TEST_F(TFrmPrincipalTest, ClosingDuringARunningCycleWaitsForItsNextRowAndEndsWithinFiveSeconds) {
  // A cycle over an endless queue, as the engine runs one: window events between two rows, and
  // a return at the next row once the stop flag is set.
  bool emCiclo = false;
  int linhas = 0;
  t.dependencias.cicloVenda = [&](TBancoDados& motor) {
    emCiclo = true;
    while (!motor.GetFinalizar()) {
      ++linhas;
      QCoreApplication::processEvents();
      QThread::msleep(2);
    }
    emCiclo = false;
  };
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  std::chrono::steady_clock::time_point pedido;
  bool fechouNoCiclo = false;
  QTimer::singleShot(300, [&] {
    pedido = std::chrono::steady_clock::now();
    fechouNoCiclo = emCiclo;
    janela.Sair1->trigger();
  });
  janela.FParaleloVendas()->PIniciar();
  ASSERT_TRUE(fbAguardaQue([&] { return t.encerrou; }, 10s));
  const auto duracao = std::chrono::steady_clock::now() - pedido;
  EXPECT_TRUE(fechouNoCiclo);
  EXPECT_FALSE(emCiclo);
  EXPECT_GT(linhas, 10);
  EXPECT_LT(duracao, 5s);
  EXPECT_EQ(pasta.conta("Fim vendas Trhead"), 1);
  EXPECT_EQ(pasta.conta("Fim Cadastro Trhead"), 1);
}

TEST_F(TFrmPrincipalTest, ASignalOrSairWhileAWorkerWaitsForTheMainThreadDoesNotHang) {
  int ciclos = 0;
  t.dependencias.cicloCadastro = [&](TBancoDados&) { ++ciclos; };
  TFrmPrincipal_Intg& janela = t.cria();
  ASSERT_TRUE(janela.FormCreate());
  // Released, the worker queues its routine; the main thread closes before serving it.
  janela.btnLiberar->click();
  for (int i = 0; i < 500 && pasta.conta("Sincronize da trehad") == 0; ++i) QThread::msleep(10);
  ASSERT_EQ(pasta.conta("Sincronize da trehad"), 1);
  QThread::msleep(50);
  janela.PSolicitaFechamento();
  EXPECT_TRUE(t.encerrou);
  EXPECT_EQ(pasta.conta("Fim Cadastro Trhead"), 1);
  EXPECT_EQ(pasta.conta("Sincronização Cadastro iniciada."), 1);
  EXPECT_EQ(ciclos, 0);
}


// The real cycles on a central database and a point of sale brought up to date by the window's
// own "Atualizar Bancos".
class TFrmPrincipalCicloTest : public TFrmPrincipalTest {
 protected:
  TBancoTeste* caixa = nullptr;

  TFrmPrincipal_Intg& criaLojaAtualizada() {
    configuraCentral();
    caixa = &configuraCaixa("001");
    t.dependencias.cicloCadastro = [](TBancoDados& m) { m.FAtualizacoesCadastro(); };
    t.dependencias.cicloVenda = [](TBancoDados& m) { m.FAtualizacoesVenda(); };
    TFrmPrincipal_Intg& janela = t.cria();
    EXPECT_TRUE(janela.FormCreate());
    // The test releases the sales worker itself.
    janela.FTimerLiberacao()->stop();
    janela.btnAtualizar->click();
    central->reabre();
    caixa->reabre();
    return janela;
  }
  int sangriasNoServidor() { return central->contagem("SELECT COUNT(*) FROM SANGRIA"); }
  int filaNoCaixa() { return caixa->contagem("SELECT COUNT(*) FROM INTEGECF"); }
};

TEST_F(TFrmPrincipalCicloTest, WithTheSalesSwitchOffAReleaseTouchesNoDatabaseAndOnTheNextCarriesIt) {
  TFrmPrincipal_Intg& janela = criaLojaAtualizada();
  caixa->executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) VALUES "
                 "('00001', 'OPER', '001', 10)");
  ASSERT_EQ(filaNoCaixa(), 1);
  janela.ckAtualizaVenda->setChecked(false);
  janela.PLiberaAtualizacao();
  ASSERT_TRUE(fbAguardaQue([&] {
    return pasta.conta("Sincronize da trehad") == 1 && janela.FParaleloVendas()->FEmExecucao();
  }));
  PProcessaPor(300ms);
  EXPECT_EQ(sangriasNoServidor(), 0);
  EXPECT_EQ(filaNoCaixa(), 1);
  EXPECT_TRUE(janela.fbHintLigado());

  janela.ckAtualizaVenda->setChecked(true);
  janela.PLiberaAtualizacao();
  ASSERT_TRUE(fbAguardaQue([&] { return sangriasNoServidor() == 1; }));
  ASSERT_TRUE(fbAguardaQue([&] { return janela.FParaleloVendas()->FEmExecucao(); }));
  EXPECT_EQ(filaNoCaixa(), 0);
  EXPECT_EQ(pasta.conta("Sincronize da trehad"), 2);
}

TEST_F(TFrmPrincipalCicloTest, SairDuringALongSalesCycleEndsItAtARowWithinFiveSecondsLosingNothing) {
  TFrmPrincipal_Intg& janela = criaLojaAtualizada();
  caixa->executa(
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 3000) DO BEGIN "
      "INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) VALUES "
      "(LPAD(:I, 5, '0'), 'OPER', '001', :I); I = I + 1; END END");
  ASSERT_EQ(filaNoCaixa(), 3000);
  std::chrono::steady_clock::time_point pedido;
  QTimer::singleShot(1500, [&] {
    pedido = std::chrono::steady_clock::now();
    janela.Sair1->trigger();
  });
  janela.PLiberaAtualizacao();
  ASSERT_TRUE(fbAguardaQue([&] { return t.encerrou; }, 60s));
  EXPECT_LT(std::chrono::steady_clock::now() - pedido, 5s);
  const int aplicadas = sangriasNoServidor(), pendentes = filaNoCaixa();
  EXPECT_GT(aplicadas, 0);
  EXPECT_LT(aplicadas, 3000) << "the cycle was not interrupted";
  EXPECT_EQ(aplicadas + pendentes, 3000);
  EXPECT_EQ(pasta.conta("Fim vendas Trhead"), 1);
}

}  // namespace
