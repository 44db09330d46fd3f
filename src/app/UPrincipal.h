#pragma once
// The main window: the agent's only permanent window, living in the system tray. It holds the
// central connection settings, the table selection, the two synchronisation switches and the list
// of points of sale, and owns, from start-up (FormCreate) to shutdown (FormClose), the two
// engines, the two workers and the two timers. Its handlers only wire controls to operations that
// live in the engine, the capture rule and the configuration.
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/UConfiguracao.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QTableWidget;
class QTimer;
class TBancoDados;
class TEntregaPrincipal;
class TInstanciaUnica;
class TNotificador;
class TParaleloCadastros;
class TParaleloVendas;

inline constexpr const char* kTituloJanela = "Veltrix Integração de Dados ECF v. 16.12ve(VE)";
inline constexpr const char* kHintBandeja = "Sincronizando informações, favor aguardar.";

// What the window takes from outside, so that tests can run it without waiting, a tray or cycles
// of their own choosing.
struct TDependenciasPrincipal {
  // The database service check (40 seconds in the program).
  std::function<bool()> servicoFirebird;
  // Where the single-instance lock lives (empty: the user's runtime folder).
  std::filesystem::path pastaTrava;
  // The two cycles, run on the main thread by the workers' routines.
  std::function<void(TBancoDados&)> cicloCadastro;
  std::function<void(TBancoDados&)> cicloVenda;
  // What ends the program once the window has shut down (the event loop's exit).
  std::function<void()> aoEncerrar;
  // Whether a system tray exists (asked of the desktop when empty).
  std::function<bool()> bandejaDisponivel;
  // Whether SIGTERM and SIGINT close the window (the program's own; tests leave them alone).
  bool escutaSinais = false;
};

// The program's own: the 40-second service check (cut short by SIGTERM/SIGINT), the engines'
// cycles, the event loop's exit.
TDependenciasPrincipal FDependenciasPadrao();

class TFrmPrincipal_Intg : public QWidget {
 public:
  TFrmPrincipal_Intg(TNotificador& notificador, TDependenciasPrincipal dependencias);
  ~TFrmPrincipal_Intg() override;

  // --- Start-up and shutdown (UPrincipalInicio.cpp) ----------------------------------------
  // The start-up sequence. False when the program must end without starting (another copy runs,
  // or the database service check failed); the reason has been shown.
  bool FormCreate();
  // The initial state: minimised to the tray (to the task bar where there is no tray).
  void PMostraInicial();
  // The shutdown sequence; run once, by closing the window.
  void FormClose();
  // Closing as "Sair" does. While a cycle, a message box or a dialog runs on the main thread, the
  // stop flags are set and open boxes are cancelled, and the window closes once they returned.
  void PSolicitaFechamento();
  bool fbEncerrado() const { return encerrado_; }

  // --- Handlers (UPrincipal.cpp) ---------------------------------------------------------
  void btnProcurarClick();
  void btnConexaoClick();
  void btnAtualizarClick();
  void btnAdicionarClick();
  void btnLiberarClick();
  void LiberaCadClick();
  void ckTodasClick();
  void ckAtualizaCadastroClick();
  void ckAtualizaVendaClick();
  void Arquivo1Click();
  void Sair1Click();
  void PLiberaAtualizacao();
  void PVerificaTermino() {}
  bool FCkeckBoxHabilitado() const;
  void PConfiguraBanco();
  void PConfiguraBancoVenda();
  void PMontaGrid();
  void PLimpaGrid();
  void PAtulizaTabelas();
  // The table selection as the 27 boxes hold it.
  TSelecaoTabelas FSelecao() const;

  // --- Controls, named as the system names them -----------------------------------------
  QLineEdit* edtBancoServidor;
  QPushButton* btnProcurar;
  QLineEdit* edtUsuario;
  QLineEdit* edtSenha;
  QPushButton* btnConexao;
  QPushButton* btnAtualizar;
  QPushButton* btnLiberar;
  QPushButton* btnAdicionar;
  std::array<QCheckBox*, kQuantidadeTabelas> ckTabelas{};  // in kChavesTabelas order
  QCheckBox* ckTodas = nullptr;
  QCheckBox* ckAtualizaCadastro;
  QCheckBox* ckAtualizaVenda;
  QTableWidget* GridConexao;
  std::array<QLineEdit*, 4> edtHoras{};  // edtHora, edtHora1, edtHora2, edtHora3
  QLabel* lbHora;
  QSystemTrayIcon* TrayIcon;
  QMenu* PopupMenu;
  QAction* LiberaCad;
  QAction* Arquivo1;
  QAction* Sair1;

  // --- What the window owns ------------------------------------------------------------
  TBancoDados* FMotorCadastro() const { return cadastro_.get(); }
  TBancoDados* FMotorVendas() const { return vendas_.get(); }
  TParaleloCadastros* FParaleloCadastros() const { return paraleloCadastros_.get(); }
  TParaleloVendas* FParaleloVendas() const { return paraleloVendas_.get(); }
  QTimer* FTimerLiberacao() const { return timerLiberacao_; }
  QTimer* FTimerVerificacao() const { return timerVerificacao_; }
  bool fbHintLigado() const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  // UPrincipalTela.cpp: builds the controls and connects them to the handlers.
  void PMontaTela();
  void PMontaBandeja();
  // UPrincipalInicio.cpp
  void PCriaObjetos();
  void PCarregaParametros();
  void PCriaArqIni();
  void PCriaThread();
  void PMontaConexoes();
  void PMontaTimer();
  void PMontaTimerVerificacao();
  void PDestroyObjetos();
  void PMostraJanela();
  void PLigaHint();
  bool fbBandeja() const;
  // Runs a handler's work; an error it lets through is shown as an error box instead of ending
  // the program.
  void PProtegido(const std::function<void()>& acao);
  void PGravaChave(const TChaveConfiguracao& chave, const std::function<void(TConfiguracao&)>& g);

  TNotificador& notificador_;
  TDependenciasPrincipal dependencias_;
  std::unique_ptr<TInstanciaUnica> instancia_;
  std::unique_ptr<TEntregaPrincipal> entrega_;
  std::unique_ptr<TBancoDados> cadastro_;
  std::unique_ptr<TBancoDados> vendas_;
  std::unique_ptr<TParaleloCadastros> paraleloCadastros_;
  std::unique_ptr<TParaleloVendas> paraleloVendas_;
  QTimer* timerLiberacao_ = nullptr;
  QTimer* timerVerificacao_ = nullptr;
  bool criado_ = false;
  bool fechamentoPendente_ = false;
  bool encerrado_ = false;
  bool hintLigado_ = false;
};
