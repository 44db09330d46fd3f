#include "app/UNotificadorJanela.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "app/ULacoAninhado.h"
#include "platform/UGenerico.h"
#include "platform/UInstanciaUnica.h"

QString TNotificadorJanela::FTextoExibido(const std::string& mensagem) {
  QString texto = QString::fromStdString(mensagem);
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return texto;
}

void TNotificadorJanela::PErro(const std::string& mensagem) { PMostra(TTipo::Erro, mensagem); }

void TNotificadorJanela::PAviso(const std::string& mensagem) { PMostra(TTipo::Aviso, mensagem); }

void TNotificadorJanela::PInformacao(const std::string& mensagem) {
  PMostra(TTipo::Informacao, mensagem);
}

void TNotificadorJanela::PMostra(TTipo tipo, const std::string& mensagem) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || encerrando_) {
    TGenerico::PGeraLog(mensagem);
    return;
  }
  if (QThread::currentThread() != app->thread()) {
    QMetaObject::invokeMethod(app, [&] { PMostra(tipo, mensagem); },
                              Qt::BlockingQueuedConnection);
    return;
  }
  const QMessageBox::Icon icone = tipo == TTipo::Erro    ? QMessageBox::Critical
                                  : tipo == TTipo::Aviso ? QMessageBox::Warning
                                                         : QMessageBox::Information;
  QMessageBox caixa(icone, QString::fromUtf8(kTituloAplicacao.data(), kTituloAplicacao.size()),
                    FTextoExibido(mensagem),
                    QMessageBox::Ok, QApplication::activeWindow());
  caixa.setTextFormat(Qt::PlainText);
  TLacoAninhado laco;
  caixa.exec();
}
