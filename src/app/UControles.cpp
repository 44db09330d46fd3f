#include "app/UControles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace {
constexpr int kAlturaLinha = 22;
}

QLabel* FRotulo(QWidget* pai, const QString& texto, int x, int y, int largura) {
  auto* rotulo = new QLabel(texto, pai);
  rotulo->setGeometry(x, y, largura, 16);
  PTextoBranco(*rotulo);
  return rotulo;
}

QLineEdit* FCampo(QWidget* pai, const char* nome, int x, int y, int largura) {
  auto* campo = new QLineEdit(pai);
  campo->setObjectName(QString::fromLatin1(nome));
  campo->setGeometry(x, y, largura, kAlturaLinha);
  return campo;
}

QPushButton* FBotao(QWidget* pai, const char* nome, const QString& texto, int x, int y,
                    int largura) {
  auto* botao = new QPushButton(texto, pai);
  botao->setObjectName(QString::fromLatin1(nome));
  botao->setGeometry(x, y, largura, kAlturaLinha + 2);
  botao->setAutoDefault(false);
  return botao;
}

void PTextoBranco(QWidget& controle) {
  // Through the palette, not a style sheet, so a check box keeps the style's own indicator.
  QPalette paleta = controle.palette();
  paleta.setColor(QPalette::WindowText, Qt::white);
  controle.setPalette(paleta);
}

void PMaiusculas(QLineEdit& campo) {
  QObject::connect(&campo, &QLineEdit::textEdited, &campo, [&campo](const QString& texto) {
    const QString maiusculo = texto.toUpper();
    if (maiusculo == texto) return;
    const int cursor = campo.cursorPosition();
    campo.setText(maiusculo);
    campo.setCursorPosition(cursor);
  });
}

void PSenha(QLineEdit& campo) {
  campo.setEchoMode(QLineEdit::Password);
  campo.setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

void PAplicaFundo(QWidget& janela) {
  janela.setAutoFillBackground(true);
  QPalette paleta = janela.palette();
  paleta.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
  janela.setPalette(paleta);
  const int l = janela.width(), a = janela.height();
  const QString faixa = QStringLiteral("background-color: #2e5c8a;");
  for (const QRect& r : {QRect(0, 0, l, 4), QRect(0, a - 4, l, 4), QRect(0, 0, 4, a),
                         QRect(l - 4, 0, 4, a)}) {
    auto* banda = new QWidget(&janela);
    banda->setGeometry(r);
    banda->setStyleSheet(faixa);
    banda->lower();
  }
}

QIcon FIconeAplicacao() {
  QIcon icone;
  for (int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QPixmap imagem(lado, lado);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xa8));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPen traco(Qt::white, 6, Qt::SolidLine, Qt::FlatCap);
    p.setPen(traco);
    p.setBrush(Qt::NoBrush);
    const QRectF circulo(16, 16, 32, 32);
    // Two arcs of a circle, each ending in an arrow head: data going both ways.
    p.drawArc(circulo, 30 * 16, 130 * 16);
    p.drawArc(circulo, 210 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath ponta1;
    ponta1.moveTo(11, 30);
    ponta1.lineTo(21, 30);
    ponta1.lineTo(16, 38);
    ponta1.closeSubpath();
    QPainterPath ponta2;
    ponta2.moveTo(53, 34);
    ponta2.lineTo(43, 34);
    ponta2.lineTo(48, 26);
    ponta2.closeSubpath();
    p.drawPath(ponta1);
    p.drawPath(ponta2);
    p.end();
    icone.addPixmap(imagem);
  }
  return icone;
}
