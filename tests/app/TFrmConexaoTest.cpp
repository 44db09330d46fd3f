// The point-of-sale dialog: path rewriting, the duplicate check, registration in both engines and
// the new section, and the refusals.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "SuporteApp.h"
#include "app/UConexao.h"
#include "engine/UBancoDados.h"
#include "platform/UConfiguracao.h"

namespace {

TEST(FReescreveCaminhoCaixaTest, ANamedPipePathWithADriveLetterBecomesTheTcpForm) {
  EXPECT_EQ(FReescreveCaminhoCaixa(R"(\\servidor\C:\dados\pdv.fdb)"), R"(servidor:C:\dados\pdv.fdb)");
  EXPECT_EQ(FReescreveCaminhoCaixa(R"(\\127.0.0.5\d:\pdv.fdb)"), R"(127.0.0.5:d:\pdv.fdb)");
  // Anything else is kept as typed.
  for (const char* caminho : {R"(servidor:C:\dados\pdv.fdb)", "/dados/pdv.fdb",
                              "caixa1:/dados/pdv.fdb", R"(\\servidor\share\pdv.fdb)",
                              R"(C:\\dados\pdv.fdb)", R"(\\servidor)", ""})
    EXPECT_EQ(FReescreveCaminhoCaixa(caminho), caminho);
}

class TFrmConexaoTest : public ::testing::Test {
 protected:
  TPastaProgramaTeste pasta;
  TNotificadorGravador notificador;
  TBancoDados cadastro{notificador};
  TBancoDados vendas{notificador};

  void SetUp() override {
    for (TBancoDados* motor : {&cadastro, &vendas})
      motor->FCriaConexao("/loja/servidor.fdb", "SYSDBA", "x",
                          motor == &cadastro ? "ConexaoServidor" : "ConexaoServidorVend");
  }
  // Adds a point of sale through the dialog as a person would; returns the dialog's result.
  bool adiciona(const QString& caminho, const QString& usuario = "SYSDBA",
                const QString& senha = "masterkey") {
    TFrmConexao dialogo(cadastro, vendas, notificador);
    QTimer::singleShot(0, &dialogo, [&] {
      dialogo.edtBancoCaixa->setText(caminho);
      dialogo.edtUsuario->setText(usuario);
      dialogo.edtSenha->setText(senha);
      dialogo.btnConexao->click();
      if (dialogo.isVisible()) dialogo.reject();
    });
    return dialogo.FRetornaConexaoCaixa();
  }
};

TEST_F(TFrmConexaoTest, APointOfSaleIsRegisteredUnopenedInBothEnginesAndStoredInTheNextSection) {
  ASSERT_TRUE(adiciona("/loja/caixa0.fdb"));
  ASSERT_TRUE(adiciona("/loja/caixa1.fdb"));
  ASSERT_TRUE(adiciona(R"(\\servidor\C:\dados\pdv.fdb)"));
  const TConfiguracao configuracao = TConfiguracao::Padrao();
  EXPECT_EQ(configuracao.FLeConexaoCaixa(2),
            (TDadosConexao{R"(servidor:C:\dados\pdv.fdb)", "SYSDBA", "masterkey"}));
  EXPECT_EQ(configuracao.FLeConexaoCaixa(0).caminho, "/loja/caixa0.fdb");
  for (TBancoDados* motor : {&cadastro, &vendas}) {
    ASSERT_EQ(motor->GetListaConexao().FQuantidade(), 4u);
    const fb::Connection& nova = motor->GetListaConexao().FConexao(3);
    EXPECT_EQ(nova.database(), R"(servidor:C:\dados\pdv.fdb)");
    EXPECT_EQ(nova.name(), "ConexaoCaixa2");
    EXPECT_FALSE(nova.isOpen());
  }
  EXPECT_TRUE(notificador.avisos.empty());

  // The same database in the TCP form is refused; nothing more is registered or stored.
  EXPECT_FALSE(adiciona(R"(servidor:C:\dados\pdv.fdb)"));
  EXPECT_EQ(notificador.avisos, std::vector<std::string>{"Conexao já existente."});
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 4u);
  EXPECT_TRUE(fbEmBranco(configuracao.FLeConexaoCaixa(3).caminho));
}

TEST_F(TFrmConexaoTest, TheDuplicateWarningClearsThePathAndKeepsTheDialogOpen) {
  cadastro.FCriaConexao("/loja/caixa0.fdb", "SYSDBA", "x", "");
  TFrmConexao dialogo(cadastro, vendas, notificador);
  dialogo.edtBancoCaixa->setText("/loja/caixa0.fdb");
  dialogo.edtUsuario->setText("SYSDBA");
  dialogo.edtSenha->setText("x");
  dialogo.btnConexaoClick();
  EXPECT_EQ(notificador.avisos, std::vector<std::string>{"Conexao já existente."});
  EXPECT_TRUE(dialogo.edtBancoCaixa->text().isEmpty());
  EXPECT_EQ(dialogo.edtUsuario->text(), "SYSDBA");
  EXPECT_NE(dialogo.result(), QDialog::Accepted);
}

TEST_F(TFrmConexaoTest, ABlankPathUserOrPasswordIsRefusedAndNothingIsRegisteredOrStored) {
  EXPECT_FALSE(adiciona("/loja/caixa0.fdb", "  ", "masterkey"));
  EXPECT_FALSE(adiciona("/loja/caixa0.fdb", "SYSDBA", ""));
  EXPECT_FALSE(adiciona(" ", "SYSDBA", "masterkey"));
  EXPECT_EQ(notificador.informacoes,
            (std::vector<std::string>{"Usuário não informado.", "Senha não informada.",
                                      "Banco de dados não informado."}));
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 1u);
  EXPECT_EQ(vendas.GetListaConexao().FQuantidade(), 1u);
  EXPECT_FALSE(std::filesystem::exists(pasta.ini()));
}

TEST_F(TFrmConexaoTest, EscapeCancelsWithoutRegisteringAnything) {
  TFrmConexao dialogo(cadastro, vendas, notificador);
  QTimer::singleShot(0, &dialogo, [&] {
    dialogo.edtBancoCaixa->setText("/loja/caixa0.fdb");
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialogo.edtBancoCaixa, &esc);
  });
  EXPECT_FALSE(dialogo.FRetornaConexaoCaixa());
  EXPECT_EQ(cadastro.GetListaConexao().FQuantidade(), 1u);
  EXPECT_FALSE(std::filesystem::exists(pasta.ini()));
}

TEST_F(TFrmConexaoTest, TheWindowHasItsCaptionSizeAndMaskedPassword) {
  TFrmConexao dialogo(cadastro, vendas, notificador);
  EXPECT_EQ(dialogo.windowTitle(), "Conexão com Caixa");
  EXPECT_EQ(dialogo.size(), QSize(446, 86));
  EXPECT_EQ(dialogo.edtSenha->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialogo.btnConexao->text(), "&Conectar");
  EXPECT_EQ(dialogo.btnProcurar->text(), "&Procurar");
}

}  // namespace
