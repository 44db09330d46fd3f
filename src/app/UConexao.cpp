#include "app/UConexao.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <regex>

#include "app/UControles.h"
#include "app/ULacoAninhado.h"
#include "engine/UBancoDados.h"
#include "platform/TNotificador.h"
#include "platform/UConfiguracao.h"

std::string FReescreveCaminhoCaixa(const std::string& caminho) {
  // \\host\X:rest -> host:X:rest. The host is what lies between the two leading backslashes and
  // the next one; the drive letter stays with the path on the host.
  static const std::regex kPipeComUnidade(R"(^\\\\([^\\:]+)\\([A-Za-z]:.*)$)");
  std::smatch m;
  if (caminho.find("\\\\") == std::string::npos ||
      !std::regex_match(caminho, m, kPipeComUnidade))
    return caminho;
  return m[1].str() + ":" + m[2].str();
}

TFrmConexao::TFrmConexao(TBancoDados& cadastro, TBancoDados& vendas, TNotificador& notificador,
                         QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                       Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      cadastro_(cadastro),
      vendas_(vendas),
      notificador_(notificador) {
  setObjectName("FrmConexao");
  setWindowTitle(QStringLiteral("Conexão com Caixa"));
  setFixedSize(446, 86);
  PAplicaFundo(*this);

  auto* lb1 = FRotulo(this, "Banco Caixa:", 8, 10, 80);
  edtBancoCaixa = FCampo(this, "edtBancoCaixa", 90, 6, 264);
  btnProcurar = FBotao(this, "btnProcurar", "&Procurar", 360, 5, 78);
  auto* lb2 = FRotulo(this, "Usuário:", 8, 36, 80);
  edtUsuario = FCampo(this, "edtUsuario", 90, 32, 120);
  PMaiusculas(*edtUsuario);
  auto* lb3 = FRotulo(this, "Senha:", 220, 36, 50);
  edtSenha = FCampo(this, "edtSenha", 270, 32, 84);
  PSenha(*edtSenha);
  btnConexao = FBotao(this, "btnConexao", "&Conectar", 360, 31, 78);
  lb1->setBuddy(edtBancoCaixa);
  lb2->setBuddy(edtUsuario);
  lb3->setBuddy(edtSenha);
  setTabOrder(edtBancoCaixa, btnProcurar);
  setTabOrder(btnProcurar, edtUsuario);
  setTabOrder(edtUsuario, edtSenha);
  setTabOrder(edtSenha, btnConexao);

  connect(btnConexao, &QPushButton::clicked, this, [this] { btnConexaoClick(); });
  connect(btnProcurar, &QPushButton::clicked, this, [this] { btnProcurarClick(); });
  // Sees every key before the focused control (Enter as Tab).
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

bool TFrmConexao::FRetornaConexaoCaixa() {
  int resultado;
  {
    TLacoAninhado laco;
    resultado = exec();
  }
  if (resultado != QDialog::Accepted) return false;
  const TListaConexao& lista = cadastro_.GetListaConexao();
  for (std::size_t k = lista.FQuantidade(); k-- > 1;) {
    const fb::Connection& entrada = lista.FConexao(k);
    if (entrada.database() != caminho_) continue;
    // Entry k is named ConexaoCaixa(k-1); upper-cased, that is its section.
    int numero = static_cast<int>(k) - 1;
    const std::string& nome = entrada.name();
    if (nome.size() > 12 && nome.compare(0, 12, "ConexaoCaixa") == 0)
      numero = std::stoi(nome.substr(12));
    TConfiguracao::Padrao().PGravaConexaoCaixa(
        numero, {caminho_, edtUsuario->text().toStdString(), edtSenha->text().toStdString()});
    return true;
  }
  return false;
}

void TFrmConexao::btnConexaoClick() {
  const std::string caminho = FReescreveCaminhoCaixa(edtBancoCaixa->text().toStdString());
  const std::string usuario = edtUsuario->text().toStdString();
  const std::string senha = edtSenha->text().toStdString();
  if (cadastro_.FExisteConexao(caminho)) {
    notificador_.PAviso("Conexao já existente.");
    edtBancoCaixa->clear();
    edtBancoCaixa->setFocus();
    return;
  }
  // A section stored with a blank path, user or password would end the list of points of sale
  // at the next start, silently dropping this one and every one added after it.
  if (fbEmBranco(caminho)) {
    notificador_.PInformacao("Banco de dados não informado.");
    edtBancoCaixa->setFocus();
    return;
  }
  if (fbEmBranco(usuario)) {
    notificador_.PInformacao("Usuário não informado.");
    edtUsuario->setFocus();
    return;
  }
  if (fbEmBranco(senha)) {
    notificador_.PInformacao("Senha não informada.");
    edtSenha->setFocus();
    return;
  }
  bool registrou = false;
  try {
    registrou = cadastro_.FCriaConexao(caminho, usuario, senha, "") &&
                vendas_.FCriaConexao(caminho, usuario, senha, "");
  } catch (const std::exception& e) {
    notificador_.PErro(e.what());
  }
  if (!registrou) {
    edtBancoCaixa->clear();
    edtUsuario->clear();
    edtSenha->clear();
    edtBancoCaixa->setFocus();
    return;
  }
  caminho_ = caminho;
  accept();
}

void TFrmConexao::btnProcurarClick() {
  QString arquivo;
  {
    TLacoAninhado laco;
    arquivo = QFileDialog::getOpenFileName(this);
  }
  if (!arquivo.isEmpty()) edtBancoCaixa->setText(arquivo);
}

bool TFrmConexao::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}
