#include "app/ULacoAninhado.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {
int profundidade = 0;
std::function<void()> aoZerar;
}  // namespace

TLacoAninhado::TLacoAninhado() { ++profundidade; }

TLacoAninhado::~TLacoAninhado() {
  if (--profundidade == 0 && aoZerar && QCoreApplication::instance())
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
      if (profundidade == 0 && aoZerar) aoZerar();
    });
}

int TLacoAninhado::FProfundidade() { return profundidade; }

void TLacoAninhado::PDefineAoZerar(std::function<void()> funcao) { aoZerar = std::move(funcao); }

void TLacoAninhado::PFechaModais() {
  // Each reject() only asks the dialog's own loop to end; the loops unwind when control returns to
  // them, so every modal one open now is asked once.
  for (QWidget* janela : QApplication::topLevelWidgets())
    if (auto* dialogo = qobject_cast<QDialog*>(janela); dialogo && dialogo->isVisible())
      dialogo->reject();
}
