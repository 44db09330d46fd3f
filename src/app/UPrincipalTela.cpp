// The main window's controls: placement, captions, names, and the wiring of each to its handler.
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <string_view>

#include "app/UControles.h"
#include "app/UPrincipal.h"

namespace {

// The labels of the 27 table boxes, in the order of kChavesTabelas.
constexpr std::array<std::string_view, kQuantidadeTabelas> kRotulosTabelas = {
    "Produto",   "Fornecedor",       "Vendedor",   "Usuário",    "Operador",
    "Cliente",   "Tipo de Operação", "PedidoC",    "PedidoI",    "Encerra",
    "Vendpdv",   "Encefat",          "MvGeral",    "ReducoesZ",  "ReducaoZ_C",
    "ReducaoZ_I", "DetalheReducoesZ", "Ecfgeral",  "DemaisDocumentosECF", "Sangria",
    "Financeiro", "Sintegra",        "EncCartao",  "Selecionar todas", "ParcPedC",
    "Convencefat", "Financiamento"};

QString FTexto(std::string_view texto) {
  return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

QCheckBox* FCaixa(QWidget* pai, std::string_view nome, const QString& texto, int x, int y,
                  int largura) {
  auto* caixa = new QCheckBox(texto, pai);
  caixa->setObjectName(FTexto(nome));
  caixa->setGeometry(x, y, largura, 20);
  PTextoBranco(*caixa);
  return caixa;
}

}  // namespace

void TFrmPrincipal_Intg::PMontaTela() {
  setObjectName("FrmPrincipal_Intg");
  setWindowTitle(QString::fromUtf8(kTituloJanela));
  setWindowIcon(FIconeAplicacao());
  setFixedSize(748, 338);
  PAplicaFundo(*this);

  // Central connection and the buttons.
  auto* lbBanco = FRotulo(this, "Banco Servidor:", 12, 14, 100);
  edtBancoServidor = FCampo(this, "edtBancoServidor", 112, 10, 176);
  btnProcurar = FBotao(this, "btnProcurar", "&Procurar", 292, 9, 76);
  auto* lbUsuario = FRotulo(this, QStringLiteral("Usuário:"), 12, 42, 100);
  edtUsuario = FCampo(this, "edtUsuario", 112, 38, 112);
  PMaiusculas(*edtUsuario);
  btnConexao = FBotao(this, "btnConexao", "&Conectar", 232, 37, 136);
  auto* lbSenha = FRotulo(this, "Senha:", 12, 70, 100);
  edtSenha = FCampo(this, "edtSenha", 112, 66, 112);
  PSenha(*edtSenha);
  btnAtualizar = FBotao(this, "btnAtualizar", "Atualizar Bancos", 232, 65, 136);
  btnLiberar = FBotao(this, "btnLiberar", "&Liberar Cadastro", 12, 96, 176);
  btnAdicionar = FBotao(this, "btnAdicionar", "&Adicionar Caixa", 192, 96, 176);
  lbBanco->setBuddy(edtBancoServidor);
  lbUsuario->setBuddy(edtUsuario);
  lbSenha->setBuddy(edtSenha);

  // The 27 table boxes, two columns, in reading order.
  for (std::size_t i = 0; i < kQuantidadeTabelas; ++i) {
    const int coluna = static_cast<int>(i / 14), linha = static_cast<int>(i % 14);
    ckTabelas[i] = FCaixa(this, kChavesTabelas[i].controle, FTexto(kRotulosTabelas[i]),
                          392 + coluna * 176, 12 + linha * 22, 172);
    if (kChavesTabelas[i].chave == "TODAS") ckTodas = ckTabelas[i];
  }

  ckAtualizaCadastro = FCaixa(this, "ckAtualizaCadastro", "Atualizar Cadastros", 12, 128, 176);
  ckAtualizaVenda = FCaixa(this, "ckAtualizaVenda", "Atualizar Vendas", 192, 128, 176);

  GridConexao = new QTableWidget(1, 2, this);
  GridConexao->setObjectName("GridConexao");
  GridConexao->setGeometry(12, 154, 356, 172);
  GridConexao->setHorizontalHeaderLabels({"CAIXA", "CAMINHO DO BANCO"});
  GridConexao->setColumnWidth(0, 38);
  GridConexao->setColumnWidth(1, 280);
  GridConexao->verticalHeader()->hide();
  GridConexao->verticalHeader()->setDefaultSectionSize(20);
  GridConexao->setSelectionBehavior(QAbstractItemView::SelectRows);
  GridConexao->setEditTriggers(QAbstractItemView::NoEditTriggers);

  // The four stored times: hidden, digits only.
  lbHora = FRotulo(this, "Integrar os dados:", 12, 300, 100);
  lbHora->setObjectName("lbHora");
  lbHora->hide();
  const char* nomesHora[] = {"edtHora", "edtHora1", "edtHora2", "edtHora3"};
  for (int i = 0; i < 4; ++i) {
    edtHoras[i] = FCampo(this, nomesHora[i], 112 + i * 64, 296, 60);
    edtHoras[i]->setInputMask(QStringLiteral("99:99:99"));
    edtHoras[i]->hide();
  }

  // Tab order: creation order above, the table boxes after the grid.
  QWidget* anterior = nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{
           edtBancoServidor, btnProcurar, edtUsuario, edtSenha, btnConexao, btnAtualizar,
           btnLiberar, btnAdicionar, ckAtualizaCadastro, ckAtualizaVenda, GridConexao}) {
    if (anterior) setTabOrder(anterior, w);
    anterior = w;
  }
  for (QCheckBox* c : ckTabelas) {
    setTabOrder(anterior, c);
    anterior = c;
  }

  connect(btnProcurar, &QPushButton::clicked, this, [this] { btnProcurarClick(); });
  connect(btnConexao, &QPushButton::clicked, this, [this] { btnConexaoClick(); });
  connect(btnAtualizar, &QPushButton::clicked, this, [this] { btnAtualizarClick(); });
  connect(btnAdicionar, &QPushButton::clicked, this, [this] { btnAdicionarClick(); });
  connect(btnLiberar, &QPushButton::clicked, this, [this] { btnLiberarClick(); });
  connect(ckTodas, &QCheckBox::toggled, this, [this] { ckTodasClick(); });
  connect(ckAtualizaCadastro, &QCheckBox::toggled, this, [this] { ckAtualizaCadastroClick(); });
  connect(ckAtualizaVenda, &QCheckBox::toggled, this, [this] { ckAtualizaVendaClick(); });
  const std::array<const TChaveConfiguracao*, 4> chavesHora = {
      &FChaveConfiguracao("HORA", "PRIMEIRA"), &FChaveConfiguracao("HORA", "SEGUNDA"),
      &FChaveConfiguracao("HORA", "TERCEIRA"), &FChaveConfiguracao("HORA", "QUARTA")};
  for (int i = 0; i < 4; ++i) {
    // edtHoraChange and its siblings: every change stored at once.
    connect(edtHoras[i], &QLineEdit::textChanged, this, [this, i, chave = chavesHora[i]] {
      const std::string valor = edtHoras[i]->text().toStdString();
      PGravaChave(*chave, [&](TConfiguracao& c) { c.PGravaTexto(*chave, valor); });
    });
  }
  // The window sees every key before the focused control.
  installEventFilter(this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

  PMontaBandeja();

  if (QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
}

void TFrmPrincipal_Intg::PMontaBandeja() {
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName("PopupMenu");
  LiberaCad = PopupMenu->addAction(QStringLiteral("Libera Cadastros"));
  LiberaCad->setObjectName("LiberaCad");
  Arquivo1 = PopupMenu->addAction(QStringLiteral("Configurar"));
  Arquivo1->setObjectName("Arquivo1");
  Sair1 = PopupMenu->addAction(QStringLiteral("Sair"));
  Sair1->setObjectName("Sair1");
  connect(LiberaCad, &QAction::triggered, this, [this] { LiberaCadClick(); });
  connect(Arquivo1, &QAction::triggered, this, [this] { Arquivo1Click(); });
  connect(Sair1, &QAction::triggered, this, [this] { Sair1Click(); });

  TrayIcon = new QSystemTrayIcon(this);
  TrayIcon->setObjectName("TrayIcon");
  TrayIcon->setContextMenu(PopupMenu);
  connect(TrayIcon, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason razao) {
            // The menu opens on a left click too; a double click shows the window.
            if (razao == QSystemTrayIcon::Trigger)
              PopupMenu->popup(QCursor::pos());
            else if (razao == QSystemTrayIcon::DoubleClick)
              PMostraJanela();
          });
}
