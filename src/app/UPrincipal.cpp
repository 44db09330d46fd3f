// The main window's handlers: each one wires a control to the operation that does the work.
#include "app/UPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTimer>

#include "app/UConexao.h"
#include "app/ULacoAninhado.h"
#include "app/UParalelo.h"
#include "engine/UBancoDados.h"
#include "engine/UCapturaTabelas.h"
#include "platform/TNotificador.h"
#include "platform/UGenerico.h"

namespace {

// The hourglass cursor for the length of one action.
class TCursorEspera {
 public:
  TCursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TCursorEspera() { QApplication::restoreOverrideCursor(); }
};

std::string FTexto(const QLineEdit* campo) { return campo->text().toStdString(); }

}  // namespace

void TFrmPrincipal_Intg::PProtegido(const std::function<void()>& acao) {
  try {
    acao();
  } catch (const std::exception& e) {
    notificador_.PErro(e.what());
  }
}

void TFrmPrincipal_Intg::PGravaChave(const TChaveConfiguracao& chave,
                                     const std::function<void(TConfiguracao&)>& grava) {
  try {
    TConfiguracao configuracao = TConfiguracao::Padrao();
    grava(configuracao);
  } catch (const std::exception& e) {
    // A key that cannot be stored (a read-only file, a full disk) is not a reason to stop.
    TGenerico::PGeraLog("Erro ao gravar " + std::string(chave.secao) + "/" +
                        std::string(chave.chave) + ": " + e.what());
  }
}

TSelecaoTabelas TFrmPrincipal_Intg::FSelecao() const {
  TSelecaoTabelas selecao;
  for (std::size_t i = 0; i < kQuantidadeTabelas; ++i) selecao[i] = ckTabelas[i]->isChecked();
  return selecao;
}

bool TFrmPrincipal_Intg::FCkeckBoxHabilitado() const {
  for (std::size_t i = 0; i < kTabelasCadastro.size(); ++i)
    if (ckTabelas[i]->isChecked()) return true;
  return false;
}

void TFrmPrincipal_Intg::btnProcurarClick() {
  QString arquivo;
  {
    TLacoAninhado laco;
    arquivo = QFileDialog::getOpenFileName(this);
  }
  if (!arquivo.isEmpty()) edtBancoServidor->setText(arquivo);
}

void TFrmPrincipal_Intg::btnConexaoClick() {
  PProtegido([this] {
    if (!FCkeckBoxHabilitado()) {
      ckTabelas[0]->setFocus();
      notificador_.PInformacao("Nenhuma tabela de cadastro foi selecionada para atualização.");
      return;
    }
    if (fbEmBranco(FTexto(edtBancoServidor))) {
      notificador_.PInformacao("Banco de dados não informado.");
      edtBancoServidor->setFocus();
      return;
    }
    if (fbEmBranco(FTexto(edtUsuario))) {
      notificador_.PInformacao("Usuário não informado.");
      edtUsuario->setFocus();
      return;
    }
    if (fbEmBranco(FTexto(edtSenha))) {
      notificador_.PInformacao("Senha não informada.");
      edtSenha->setFocus();
      return;
    }
    const TDadosConexao dados{FTexto(edtBancoServidor), FTexto(edtUsuario), FTexto(edtSenha)};
    if (!cadastro_->FCriaConexao(dados.caminho, dados.usuario, dados.senha, "ConexaoServidor",
                                 true)) {
      edtBancoServidor->setFocus();
      edtBancoServidor->clear();
      edtUsuario->clear();
      edtSenha->clear();
      return;
    }
    vendas_->FCriaConexao(dados.caminho, dados.usuario, dados.senha, "ConexaoServidorVend", true);
    btnConexao->setEnabled(false);
    btnAtualizar->setEnabled(true);
    notificador_.PInformacao(
        "Conexão estabelecida com sucesso.\rFinalize o sistema para salvar os dados do servidor");
    PConfiguraBanco();
    PGravaChave(FChaveConfiguracao("CONEXAO", "CAMINHO"),
                [&](TConfiguracao& c) { c.PGravaConexaoServidor(dados); });
  });
}

void TFrmPrincipal_Intg::btnAtualizarClick() {
  if (btnConexao->isEnabled()) {
    notificador_.PAviso(
        "Não será possível atualizar a base de dados, pois não há um servidor cadastrado.");
    return;
  }
  btnAtualizar->setEnabled(false);
  {
    TCursorEspera espera;
    PProtegido([this] {
      cadastro_->PAtualizaBancoDeDados();
      PConfiguraBanco();
      PConfiguraBancoVenda();
    });
  }
  btnAtualizar->setEnabled(true);
}

void TFrmPrincipal_Intg::btnAdicionarClick() {
  if (btnConexao->isEnabled()) {
    notificador_.PInformacao("Não existe conexão com servidor.");
    return;
  }
  PProtegido([this] {
    TFrmConexao dialogo(*cadastro_, *vendas_, notificador_, this);
    if (dialogo.FRetornaConexaoCaixa()) {
      PMontaConexoes();
      PLimpaGrid();
      PMontaGrid();
    }
  });
}

void TFrmPrincipal_Intg::btnLiberarClick() {
  {
    TCursorEspera espera;
    if (paraleloCadastros_) paraleloCadastros_->PIniciar();
    PLigaHint();
  }
  showMinimized();
  TGenerico::PGeraLog("Sincronização Cadastro iniciada.");
}

void TFrmPrincipal_Intg::LiberaCadClick() {
  {
    TCursorEspera espera;
    if (paraleloCadastros_) paraleloCadastros_->PIniciar();
    PLigaHint();
  }
  TGenerico::PGeraLog("Sincronização do cadastro iniciada.");
}

void TFrmPrincipal_Intg::PLiberaAtualizacao() {
  if (paraleloVendas_ && paraleloVendas_->FEmExecucao()) paraleloVendas_->PIniciar();
  PLigaHint();
  QApplication::restoreOverrideCursor();
}

void TFrmPrincipal_Intg::ckTodasClick() {
  const bool marcada = ckTodas->isChecked();
  for (QCheckBox* caixa : ckTabelas)
    if (caixa != ckTodas) caixa->setChecked(marcada);
}

void TFrmPrincipal_Intg::ckAtualizaCadastroClick() {
  const bool ligado = ckAtualizaCadastro->isChecked();
  PGravaChave(FChaveConfiguracao("CADASTRO", "ATUALIZA"),
              [&](TConfiguracao& c) { c.SetAtualizaCadastro(ligado); });
  LiberaCad->setVisible(ligado);
}

void TFrmPrincipal_Intg::ckAtualizaVendaClick() {
  const bool ligado = ckAtualizaVenda->isChecked();
  PGravaChave(FChaveConfiguracao("VENDAS", "ATUALIZA"),
              [&](TConfiguracao& c) { c.SetAtualizaVendas(ligado); });
}

void TFrmPrincipal_Intg::Arquivo1Click() { PMostraJanela(); }

void TFrmPrincipal_Intg::Sair1Click() { PSolicitaFechamento(); }

void TFrmPrincipal_Intg::PConfiguraBanco() { ::PConfiguraBanco(*cadastro_, FSelecao()); }

void TFrmPrincipal_Intg::PConfiguraBancoVenda() { ::PConfiguraBancoVenda(*cadastro_, FSelecao()); }

void TFrmPrincipal_Intg::PLimpaGrid() {
  for (int r = GridConexao->rowCount() - 1; r >= 0; --r)
    for (int c = 0; c < 2; ++c) GridConexao->setItem(r, c, nullptr);
  GridConexao->setRowCount(1);
}

void TFrmPrincipal_Intg::PMontaGrid() {
  GridConexao->setHorizontalHeaderLabels({"CAIXA", "CAMINHO DO BANCO"});
  const std::vector<TConexaoCaixa> caixas = TConfiguracao::Padrao().FLeConexoesCaixa();
  int linha = 0;
  for (const TConexaoCaixa& caixa : caixas) {
    std::string numero;
    if (fb::Connection* conexao = cadastro_->FRetornaConexao(caixa.dados.caminho)) {
      try {
        numero = cadastro_->FBuscaNumeroCaixa(conexao);
      } catch (const std::exception& e) {
        // A database without a readable machine list is shown as not connected.
        TGenerico::PGeraLog("ERRO_VERIFICAÇÃO_BANCO: " + std::string(e.what()));
      }
    }
    if (GridConexao->rowCount() < linha + 1) GridConexao->setRowCount(linha + 1);
    GridConexao->setItem(linha, 0,
                         new QTableWidgetItem(numero.empty() ? QStringLiteral("Desconectado.")
                                                             : QString::fromStdString(numero)));
    GridConexao->setItem(linha, 1, new QTableWidgetItem(QString::fromStdString(caixa.dados.caminho)));
    ++linha;
  }
}

void TFrmPrincipal_Intg::PAtulizaTabelas() {
  PGravaChave(FChaveConfiguracao("TABELAS", "TODAS"),
              [this](TConfiguracao& c) { c.PGravaSelecaoTabelas(FSelecao()); });
}

bool TFrmPrincipal_Intg::fbHintLigado() const { return hintLigado_; }

void TFrmPrincipal_Intg::PLigaHint() {
  hintLigado_ = true;
  TrayIcon->setToolTip(QString::fromUtf8(kHintBandeja));
}

void TFrmPrincipal_Intg::PMostraJanela() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

bool TFrmPrincipal_Intg::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    auto* tecla = static_cast<QKeyEvent*>(evento);
    // FormKeyDown: Enter moves on as Tab does; Escape closes the window, ending the program.
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
    if (tecla->key() == Qt::Key_Escape) {
      PSolicitaFechamento();
      return true;
    }
    // edtHoraKeyPress and its siblings: digits and backspace only.
    for (QLineEdit* hora : edtHoras)
      if (objeto == hora && !tecla->text().isEmpty() && tecla->key() != Qt::Key_Backspace &&
          !(tecla->text().size() == 1 && tecla->text()[0].isDigit() &&
            tecla->text()[0] <= QLatin1Char('9')))
        return true;
  }
  return QWidget::eventFilter(objeto, evento);
}

void TFrmPrincipal_Intg::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  // Minimising sends the window to the tray; without a tray it stays in the task bar, or it could
  // never be reached again.
  if (evento->type() == QEvent::WindowStateChange && isMinimized() && fbBandeja())
    QTimer::singleShot(0, this, [this] {
      if (isMinimized()) hide();
    });
}

void TFrmPrincipal_Intg::closeEvent(QCloseEvent* evento) {
  // However the window is asked to close (the desktop, a session ending), it closes as "Sair".
  PSolicitaFechamento();
  if (encerrado_)
    evento->accept();
  else
    evento->ignore();
}
