#pragma once
// The point-of-sale connection dialog: takes a point of sale's database path, user and password,
// registers an unopened connection to it in both engines and, on success, stores it as a new
// CONEXAOCAIXA section of the configuration file. Nothing is contacted while it is open.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class TBancoDados;
class TNotificador;

// A path in the named-pipe form with a drive letter, \\host\C:\path, becomes the TCP/IP form
// host:C:\path. Any other path (one with two backslashes but no drive letter after the host
// among them) is returned unchanged, so the path registered is the one stored and looked up.
std::string FReescreveCaminhoCaixa(const std::string& caminho);

class TFrmConexao : public QDialog {
 public:
  TFrmConexao(TBancoDados& cadastro, TBancoDados& vendas, TNotificador& notificador,
              QWidget* pai = nullptr);

  // Shows the dialog modally. True when a point of sale was registered and stored; false when the
  // dialog was cancelled (nothing registered or stored).
  bool FRetornaConexaoCaixa();

  QLineEdit* edtBancoCaixa;
  QPushButton* btnProcurar;
  QLineEdit* edtUsuario;
  QLineEdit* edtSenha;
  QPushButton* btnConexao;

  void btnConexaoClick();
  void btnProcurarClick();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  TBancoDados& cadastro_;
  TBancoDados& vendas_;
  TNotificador& notificador_;
  std::string caminho_;  // the rewritten path that was registered
};
