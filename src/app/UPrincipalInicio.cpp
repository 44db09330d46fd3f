// The main window's start-up and shutdown sequences, and the objects it owns from one to the
// other.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/UEntregaPrincipal.h"
#include "app/ULacoAninhado.h"
#include "app/UNotificadorJanela.h"
#include "app/UParalelo.h"
#include "app/UPrincipal.h"
#include "app/USinaisEncerramento.h"
#include "engine/UBancoDados.h"
#include "engine/UMontaConexoes.h"
#include "platform/UGenerico.h"
#include "platform/UInstanciaUnica.h"

TFrmPrincipal_Intg::TFrmPrincipal_Intg(TNotificador& notificador,
                                       TDependenciasPrincipal dependencias)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      notificador_(notificador),
      dependencias_(std::move(dependencias)) {
  PMontaTela();
}

TFrmPrincipal_Intg::~TFrmPrincipal_Intg() {
  // A window that was never closed (start-up refused, a test) still ends its workers first,
  // running none of their routines any more.
  if (entrega_) entrega_->PFecha();
  paraleloCadastros_.reset();
  paraleloVendas_.reset();
  TLacoAninhado::PDefineAoZerar({});
}

bool TFrmPrincipal_Intg::fbBandeja() const {
  return dependencias_.bandejaDisponivel ? dependencias_.bandejaDisponivel()
                                         : QSystemTrayIcon::isSystemTrayAvailable();
}

bool TFrmPrincipal_Intg::FormCreate() {
  // 1. One copy per user and desktop. The lock is taken by the check itself, so two copies
  // started together cannot both pass it; from here on a second copy finds this one.
  instancia_ = std::make_unique<TInstanciaUnica>(std::string(kTituloAplicacao),
                                                 dependencias_.pastaTrava);
  if (instancia_->FAdquire() == TResultadoInstancia::OutraEmExecucao) {
    notificador_.PAviso("Sistema já está iniciado. É permitido apenas uma sessão.");
    return false;
  }
  // 2. The database service check.
  if (dependencias_.servicoFirebird && !dependencias_.servicoFirebird()) {
    notificador_.PAviso("O firebird não está ativo, favor verificar.");
    return false;
  }
  // Asked to end during the wait: nothing has started yet.
  if (dependencias_.escutaSinais && TSinaisEncerramento::fbRecebido()) return false;
  // 3. The application title.
  QCoreApplication::setApplicationName(QString::fromUtf8(kTituloAplicacao.data(),
                                                         kTituloAplicacao.size()));
  // 4.
  TGenerico::PGeraLog("PCriaObjetos");
  PCriaObjetos();
  // 5.
  TGenerico::PGeraLog("PCarregaParametros");
  PProtegido([this] { PCarregaParametros(); });
  // 6.
  TGenerico::PGeraLog("PMontaConexoes");
  PCriaThread();
  PProtegido([this] { PMontaConexoes(); });
  TGenerico::PGeraLog("Fim PMontaConexoes");
  // 7.
  PProtegido([this] { PConfiguraBancoVenda(); });
  // 8.
  PLimpaGrid();
  PProtegido([this] { PMontaGrid(); });
  // 9.
  TrayIcon->setIcon(windowIcon());
  TrayIcon->setToolTip(QString());
  hintLigado_ = false;
  if (fbBandeja()) TrayIcon->show();
  // 10.
  TGenerico::PGeraLog("PMontaTimer");
  PMontaTimer();
  // 11.
  TGenerico::PGeraLog("PMontaTimerVerificacao");
  PMontaTimerVerificacao();
  // 12.
  TGenerico::PGeraLog("Fim Create.");
  criado_ = true;
  // A close asked for during start-up (a signal, a box cancelled) happens now.
  TLacoAninhado::PDefineAoZerar([this] {
    if (fechamentoPendente_) PSolicitaFechamento();
  });
  if (dependencias_.escutaSinais)
    TSinaisEncerramento::PConecta(this, [this] { PSolicitaFechamento(); });
  if (fechamentoPendente_) QTimer::singleShot(0, this, [this] { PSolicitaFechamento(); });
  return true;
}

void TFrmPrincipal_Intg::PMostraInicial() {
  if (fbBandeja()) return;  // minimised to the tray: only the tray icon shows
  showMinimized();
}

void TFrmPrincipal_Intg::PCriaObjetos() {
  entrega_ = std::make_unique<TEntregaPrincipal>();
  cadastro_ = std::make_unique<TBancoDados>(notificador_);
  vendas_ = std::make_unique<TBancoDados>(notificador_);
  // Window events (timer ticks, buttons, the other worker's cycle) run between two queue rows.
  cadastro_->PDefineProcessaEventos([] { QCoreApplication::processEvents(); });
  vendas_->PDefineProcessaEventos([] { QCoreApplication::processEvents(); });
}

void TFrmPrincipal_Intg::PCriaArqIni() {
  const TConfiguracao configuracao = TConfiguracao::Padrao();
  const TDadosConexao central = configuracao.FLeConexaoServidor();
  edtBancoServidor->setText(QString::fromStdString(central.caminho));
  edtUsuario->setText(QString::fromStdString(central.usuario));
  edtSenha->setText(QString::fromStdString(central.senha));
  // In table order; ticking the select-all box ticks every box, so when TODAS reads yes only the
  // three keys after it keep their own values.
  for (std::size_t i = 0; i < kQuantidadeTabelas; ++i)
    ckTabelas[i]->setChecked(configuracao.fbLeFlag(kChavesTabelas[i]));
  const auto horas = configuracao.FLeHoras();
  for (int i = 0; i < 4; ++i) edtHoras[i]->setText(QString::fromStdString(horas[i]));
  ckAtualizaCadastro->setChecked(configuracao.GetAtualizaCadastro());
  ckAtualizaVenda->setChecked(configuracao.GetAtualizaVendas());
}

void TFrmPrincipal_Intg::PCarregaParametros() {
  PCriaArqIni();
  // Both switches are on after every start, whatever the file held; ticking stores them.
  ckAtualizaCadastro->setChecked(true);
  ckAtualizaVenda->setChecked(true);
  LiberaCad->setVisible(ckAtualizaCadastro->isChecked());
  const std::string caminho = edtBancoServidor->text().toStdString();
  const std::string usuario = edtUsuario->text().toStdString();
  const std::string senha = edtSenha->text().toStdString();
  if (fbEmBranco(caminho) || fbEmBranco(usuario) || fbEmBranco(senha)) return;
  TGenerico::PGeraLog("Cria conexao servidor cadastro.");
  if (!cadastro_->FCriaConexao(caminho, usuario, senha, "ConexaoServidor", true)) return;
  TGenerico::PGeraLog("Cria conexao servidor venda.");
  vendas_->FCriaConexao(caminho, usuario, senha, "ConexaoServidorVend", true);
  btnConexao->setEnabled(false);
  TGenerico::PGeraLog("Configurando tabelas cadastro.");
  PConfiguraBanco();
}

void TFrmPrincipal_Intg::PCriaThread() {
  auto ciclo = [this](const std::function<void(TBancoDados&)>& c, TBancoDados& motor) {
    return [&c, &motor] {
      if (c) c(motor);
    };
  };
  if (!paraleloCadastros_)
    paraleloCadastros_ = std::make_unique<TParaleloCadastros>(
        *entrega_, notificador_, *cadastro_, ciclo(dependencias_.cicloCadastro, *cadastro_));
  if (!paraleloVendas_)
    paraleloVendas_ = std::make_unique<TParaleloVendas>(
        *entrega_, notificador_, *vendas_, ciclo(dependencias_.cicloVenda, *vendas_));
}

void TFrmPrincipal_Intg::PMontaConexoes() {
  ::PMontaConexoes(*cadastro_, *vendas_, TConfiguracao::Padrao());
}

void TFrmPrincipal_Intg::PMontaTimer() {
  timerLiberacao_ = new QTimer(this);
  timerLiberacao_->setObjectName("TimerLiberacao");
  timerLiberacao_->setInterval(5000);
  connect(timerLiberacao_, &QTimer::timeout, this, [this] { PLiberaAtualizacao(); });
  // Enabled exactly when the central connection was established at start-up; never changed.
  if (!btnConexao->isEnabled()) timerLiberacao_->start();
}

void TFrmPrincipal_Intg::PMontaTimerVerificacao() {
  timerVerificacao_ = new QTimer(this);
  timerVerificacao_->setObjectName("TimerVerificacao");
  timerVerificacao_->setInterval(1000);
  connect(timerVerificacao_, &QTimer::timeout, this, [this] { PVerificaTermino(); });
  timerVerificacao_->start();
}

void TFrmPrincipal_Intg::PSolicitaFechamento() {
  if (encerrado_) return;
  if (!criado_ || TLacoAninhado::FProfundidade() > 0) {
    // Something below on the main thread's stack (a cycle, a box, a dialog) still uses the
    // engines: make a cycle return at its next row, cancel open boxes, and close once they
    // have all returned.
    fechamentoPendente_ = true;
    if (cadastro_) cadastro_->PFinalizar(true);
    if (vendas_) vendas_->PFinalizar(true);
    TLacoAninhado::PFechaModais();
    return;
  }
  encerrado_ = true;
  FormClose();
  if (TrayIcon) TrayIcon->hide();
  hide();
  // Closing the main window ends the program.
  if (dependencias_.aoEncerrar) dependencias_.aoEncerrar();
}

void TFrmPrincipal_Intg::FormClose() {
  if (auto* janela = dynamic_cast<TNotificadorJanela*>(&notificador_))
    janela->PDefineEncerrando(true);
  if (timerLiberacao_) timerLiberacao_->stop();
  if (timerVerificacao_) timerVerificacao_->stop();
  // 1.
  if (paraleloCadastros_) paraleloCadastros_->PParalisar();
  if (paraleloVendas_) paraleloVendas_->PParalisar();
  // 2.
  if (paraleloCadastros_) paraleloCadastros_->PFinalizar();
  if (paraleloVendas_) paraleloVendas_->PFinalizar();
  // 3. A routine a worker queued meanwhile is dropped, so no worker waits on this thread.
  if (entrega_) entrega_->PFecha();
  paraleloVendas_.reset();
  paraleloCadastros_.reset();
  // 4.
  PAtulizaTabelas();
  // 5.
  PDestroyObjetos();
}

void TFrmPrincipal_Intg::PDestroyObjetos() {
  cadastro_.reset();
  vendas_.reset();
  delete timerLiberacao_;
  timerLiberacao_ = nullptr;
  delete timerVerificacao_;
  timerVerificacao_ = nullptr;
}
