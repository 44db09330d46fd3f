#include "app/UEntregaPrincipal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <exception>

#include "app/ULacoAninhado.h"

TEntregaPrincipal::TEntregaPrincipal() = default;

bool TEntregaPrincipal::fbExecuta(const std::function<void()>& rotina) {
  bool executou = false;
  std::exception_ptr erro;
  auto naPrincipal = [&] {
    if (fechada_) return;
    // The routine may let window events through (a cycle does, between rows) or show a modal box:
    // a nested loop that a shutdown must wait for.
    TLacoAninhado laco;
    executou = true;
    try {
      rotina();
    } catch (...) {
      erro = std::current_exception();
    }
  };
  if (QThread::currentThread() == thread())
    naPrincipal();
  else
    QMetaObject::invokeMethod(this, naPrincipal, Qt::BlockingQueuedConnection);
  if (erro) std::rethrow_exception(erro);
  return executou;
}

void TEntregaPrincipal::PFecha() { fechada_ = true; }

bool TEntregaPrincipal::fbFechada() const { return fechada_; }

void TEntregaPrincipal::PAtendePendentes() {
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
