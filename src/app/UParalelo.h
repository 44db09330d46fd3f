#pragma once
// The two sync workers. A worker does no database work itself: each time it is released it hands
// one cycle routine to the main thread, waits until the routine has run there, and is suspended
// again by the routine itself, so each release gives exactly one cycle.
//
// Suspension is counted, as the platform's threads count it: every suspend adds one, every resume
// removes one, and the worker runs only at zero. It takes hold where the worker waits to be
// released: at its start (a worker is created suspended) and when a hand-over returns.
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

class TBancoDados;
class TEntregaPrincipal;
class TNotificador;

class TParalelo : public QThread {
 public:
  // Releasing the worker: see PLibera.
  ~TParalelo() override;

  // Resumes the worker until it is no longer suspended.
  void PIniciar();
  // Suspends the worker unless it is suspended already.
  void PParalisar();
  bool fbSuspenso() const;
  // Asks the worker to leave its loop at the next test of its condition.
  void PSolicitaTermino();
  bool fbTerminoSolicitado() const { return termino_; }

  // Releases the worker: asks it to terminate, lets it go past any suspension from now on, and
  // waits until its thread has ended. Meanwhile the calls it queued to the main thread are served
  // (and dropped once the hand-over is closed), so it never waits on the thread waiting for it.
  // Main thread only; idempotent.
  void PLibera();

 protected:
  TParalelo(TEntregaPrincipal& entrega, TNotificador& notificador, std::string textoInicio,
            std::string textoFim);
  // The cycle routine, run on the main thread through the hand-over.
  virtual void PRotina() = 0;
  // The body (Execute): see the .cpp.
  void run() override;

 private:
  void PAguardaLiberacao();
  void PAvisaErro(const std::string& motivo);

  TEntregaPrincipal& entrega_;
  TNotificador& notificador_;
  const std::string textoInicio_, textoFim_;
  mutable std::mutex guarda_;
  std::condition_variable liberacao_;
  int suspensoes_ = 1;  // created suspended
  bool liberando_ = false;
  std::atomic<bool> termino_{false};
};

// The routine's cycle: one master-data or one sales cycle on the worker's engine (its result is
// not used).
using TCiclo = std::function<void()>;

// Master-data worker: released only by the user.
class TParaleloCadastros final : public TParalelo {
 public:
  TParaleloCadastros(TEntregaPrincipal& entrega, TNotificador& notificador, TBancoDados& motor,
                     TCiclo ciclo);
  ~TParaleloCadastros() override { PLibera(); }
  // Sets the master-data engine's stop flag (a running cycle returns before its next queue row),
  // then asks the worker to terminate.
  void PFinalizar();
  // Runs the master-data cycle when the master-data switch is on, then suspends the worker.
  void PVerificaAtualizacaoCad();

 protected:
  void PRotina() override { PVerificaAtualizacaoCad(); }

 private:
  TBancoDados& motor_;
  TCiclo ciclo_;
};

// Sales worker: released by the release timer.
class TParaleloVendas final : public TParalelo {
 public:
  TParaleloVendas(TEntregaPrincipal& entrega, TNotificador& notificador, TBancoDados& motor,
                  TCiclo ciclo);
  ~TParaleloVendas() override { PLibera(); }
  // True while the worker is suspended, waiting to be released.
  bool FEmExecucao() const { return fbSuspenso(); }
  void PFinalizar();
  // Runs the sales cycle when the sales switch is on, then suspends the worker.
  void PVerificaAtualizacaoVend();

 protected:
  void PRotina() override { PVerificaAtualizacaoVend(); }

 private:
  TBancoDados& motor_;
  TCiclo ciclo_;
};
