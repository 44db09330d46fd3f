#include "app/UParalelo.h"

#include <QDeadlineTimer>
#include <exception>

#include "app/UEntregaPrincipal.h"
#include "engine/UBancoDados.h"
#include "platform/TNotificador.h"
#include "platform/UGenerico.h"

TParalelo::TParalelo(TEntregaPrincipal& entrega, TNotificador& notificador,
                     std::string textoInicio, std::string textoFim)
    : entrega_(entrega),
      notificador_(notificador),
      textoInicio_(std::move(textoInicio)),
      textoFim_(std::move(textoFim)) {}

TParalelo::~TParalelo() { PLibera(); }

void TParalelo::PIniciar() {
  {
    std::lock_guard trava(guarda_);
    suspensoes_ = 0;
  }
  liberacao_.notify_all();
}

void TParalelo::PParalisar() {
  std::lock_guard trava(guarda_);
  if (suspensoes_ == 0) ++suspensoes_;
}

bool TParalelo::fbSuspenso() const {
  std::lock_guard trava(guarda_);
  return suspensoes_ > 0 && !isFinished();
}

void TParalelo::PSolicitaTermino() { termino_ = true; }

void TParalelo::PLibera() {
  PSolicitaTermino();
  {
    std::lock_guard trava(guarda_);
    liberando_ = true;
  }
  liberacao_.notify_all();
  while (!wait(QDeadlineTimer(20))) entrega_.PAtendePendentes();
}

void TParalelo::PAguardaLiberacao() {
  std::unique_lock trava(guarda_);
  liberacao_.wait(trava, [this] { return suspensoes_ == 0 || liberando_; });
}

void TParalelo::PAvisaErro(const std::string& motivo) {
  const std::string mensagem =
      "Ocorreu um erro no processo de verificação de atualizações.\rMotivo: " + motivo;
  // A person sees it on the main thread and the worker ends once it has been closed; when the
  // program is already closing, it goes to the log instead.
  if (!entrega_.fbExecuta([&] { notificador_.PAviso(mensagem); })) TGenerico::PGeraLog(mensagem);
}

void TParalelo::run() {
  PAguardaLiberacao();
  TGenerico::PGeraLog(textoInicio_);
  try {
    while (!termino_) {
      TGenerico::PGeraLog("Sincronize da trehad");
      entrega_.fbExecuta([this] { PRotina(); });
      PAguardaLiberacao();
    }
  } catch (const std::exception& e) {
    PAvisaErro(e.what());
  } catch (...) {
    PAvisaErro("erro desconhecido");
  }
  TGenerico::PGeraLog(textoFim_);
}

TParaleloCadastros::TParaleloCadastros(TEntregaPrincipal& entrega, TNotificador& notificador,
                                       TBancoDados& motor, TCiclo ciclo)
    : TParalelo(entrega, notificador, "Execute da Cadastro trhead", "Fim Cadastro Trhead"),
      motor_(motor),
      ciclo_(std::move(ciclo)) {
  // The thread starts at once and waits at its first suspension point until released.
  start();
}

void TParaleloCadastros::PFinalizar() {
  motor_.PFinalizar(true);
  PSolicitaTermino();
}

void TParaleloCadastros::PVerificaAtualizacaoCad() {
  if (TGenerico::GetAtualizaCadastro()) ciclo_();
  PParalisar();
}

TParaleloVendas::TParaleloVendas(TEntregaPrincipal& entrega, TNotificador& notificador,
                                 TBancoDados& motor, TCiclo ciclo)
    : TParalelo(entrega, notificador, "Execute da vendas trhead", "Fim vendas Trhead"),
      motor_(motor),
      ciclo_(std::move(ciclo)) {
  // The thread starts at once and waits at its first suspension point until released.
  start();
}

void TParaleloVendas::PFinalizar() {
  motor_.PFinalizar(true);
  PSolicitaTermino();
}

void TParaleloVendas::PVerificaAtualizacaoVend() {
  if (TGenerico::GetAtualizaVendas()) ciclo_();
  PParalisar();
}
