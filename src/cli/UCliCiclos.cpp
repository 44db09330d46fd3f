#include "cli/UCliCiclos.h"

#include <pthread.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "cli/UCliSessao.h"
#include "engine/UBancoDados.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

namespace {

constexpr std::chrono::seconds kIntervaloVendas{5};

// A failure text on one line: the engine's messages separate their parts with carriage returns.
std::string FUmaLinha(std::string texto) {
  for (char& c : texto)
    if (c == '\r' || c == '\n') c = ' ';
  return texto;
}

std::string FMaquina(const TResumoCaixa& r) {
  // The queue's ECF is "0" followed by the machine number.
  return r.ecf.size() > 1 ? r.ecf.substr(1) : std::string();
}

void PImprimeResumo(const TResumoCaixa& r, std::ostream& saida) {
  saida << "[" << r.posicao << "] caixa  " << r.caminho;
  if (!FMaquina(r).empty()) saida << "  máquina " << FMaquina(r);
  if (!r.alcancado) saida << "  inacessível";
  // A cycle that ended before it could count a queue says so rather than print a 0.
  saida << "  aplicadas " << r.aplicadas << "  pendentes "
        << (r.contado ? std::to_string(r.pendentes) : std::string("?"));
  if (r.ignoradas > 0) saida << "  ignoradas " << r.ignoradas;
  if (!r.falha.empty()) saida << "  falha: " << FUmaLinha(r.falha);
  saida << '\n';
}

// True when the point of sale was worked on and nothing failed.
bool fbResumoLimpo(const TResumoCaixa& r) { return r.alcancado && r.falha.empty(); }

void PNomeiaProblema(const TResumoCaixa& r, std::ostream& erro) {
  if (!r.alcancado)
    erro << "erro: o caixa [" << r.posicao << "] " << r.caminho
         << " está inacessível (veja o log em " << TGenerico::FPastaLog().string() << ")\n";
  else if (!r.falha.empty())
    erro << "erro: o caixa [" << r.posicao << "] " << r.caminho
         << ": uma linha da fila falhou: " << FUmaLinha(r.falha) << '\n';
}

// Runs one cycle of `motor`; an error that leaves the cycle is named and counts as a failure.
bool fbRodaCiclo(TBancoDados& motor, bool cadastros, std::ostream& erro) {
  try {
    if (cadastros)
      motor.FAtualizacoesCadastro();
    else
      motor.FAtualizacoesVenda();
    return true;
  } catch (const std::exception& e) {
    erro << "erro: o ciclo de " << (cadastros ? "cadastros" : "vendas") << " parou: " << e.what()
         << '\n';
    return false;
  }
}

int FUmCiclo(bool cadastros, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return 1;
  TBancoDados& motor = cadastros ? sessao.cadastro : sessao.vendas;
  bool limpo = fbRodaCiclo(motor, cadastros, erro);
  if (!motor.GetFalhaServidor().empty()) {
    erro << "erro: o servidor " << motor.GetListaConexao().FConexao(0).database()
         << " não pôde ser usado: " << FUmaLinha(motor.GetFalhaServidor()) << '\n';
    limpo = false;
  }
  std::size_t aplicadas = 0, pendentes = 0;
  for (const TResumoCaixa& r : motor.GetResumoCiclo()) {
    PImprimeResumo(r, saida);
    PNomeiaProblema(r, erro);
    limpo = limpo && fbResumoLimpo(r);
    aplicadas += r.aplicadas;
    pendentes += r.pendentes;
  }
  // Every configured point of sale must have been accounted for.
  const std::size_t caixas = motor.GetListaConexao().FQuantidade() - 1;
  if (motor.GetResumoCiclo().size() < caixas) {
    erro << "erro: o ciclo não chegou a todos os " << caixas << " caixa(s) configurados\n";
    limpo = false;
  }
  saida << (cadastros ? "cadastros" : "vendas") << ": aplicadas " << aplicadas << ", pendentes "
        << pendentes << '\n';
  return limpo ? 0 : 1;
}

// Waits for SIGINT or SIGTERM on a thread of its own while both are blocked everywhere else, so
// no handler (ours or a library's) runs inside a database call: the signal only sets the engine's
// stop flag and wakes the loop.
class TVigiaSinais {
 public:
  explicit TVigiaSinais(TBancoDados& motor) : motor_(motor) {
    sigemptyset(&sinais_);
    sigaddset(&sinais_, SIGINT);
    sigaddset(&sinais_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinais_, &anterior_);
    vigia_ = std::thread([this] { PVigia(); });
  }
  ~TVigiaSinais() {
    {
      std::lock_guard<std::mutex> trava(mutex_);
      fim_ = true;
    }
    vigia_.join();
    // A signal that arrived after the loop ended is not lost to the default action: it was
    // consumed by the watcher or is still pending, and the process is ending anyway.
    pthread_sigmask(SIG_SETMASK, &anterior_, nullptr);
  }

  // Waits up to `tempo`; true when a stop was asked for.
  bool fbEspera(std::chrono::milliseconds tempo) {
    std::unique_lock<std::mutex> trava(mutex_);
    cv_.wait_for(trava, tempo, [this] { return sinal_ != 0; });
    return sinal_ != 0;
  }
  int FSinal() {
    std::lock_guard<std::mutex> trava(mutex_);
    return sinal_;
  }

 private:
  void PVigia() {
    for (;;) {
      timespec passo{0, 200'000'000};
      const int s = sigtimedwait(&sinais_, nullptr, &passo);
      std::lock_guard<std::mutex> trava(mutex_);
      if (s > 0 && sinal_ == 0) {
        sinal_ = s;
        motor_.PFinalizar(true);
        cv_.notify_all();
      }
      if (fim_) return;
    }
  }

  TBancoDados& motor_;
  sigset_t sinais_{}, anterior_{};
  std::mutex mutex_;
  std::condition_variable cv_;
  int sinal_ = 0;
  bool fim_ = false;
  std::thread vigia_;
};

}  // namespace

int FSincronizaCadastros(std::ostream& saida, std::ostream& erro) {
  return FUmCiclo(true, saida, erro);
}

int FSincronizaVendas(std::ostream& saida, std::ostream& erro) {
  return FUmCiclo(false, saida, erro);
}

int FExecutaContinuo(std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  TBancoDados& motor = sessao.vendas;
  // Signals are taken over before the first connection, so that no thread of the client library
  // is ever left to receive one.
  TVigiaSinais vigia(motor);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return 1;
  motor.PFinalizar(false);
  saida << "executar: um ciclo de vendas a cada " << kIntervaloVendas.count()
        << " s; SIGINT ou SIGTERM para parar\n"
        << std::flush;
  std::size_t total = 0;
  // What was last said about each point of sale, so that a till that stays unreachable or keeps
  // failing on the same row is reported once, not every cycle.
  std::map<std::size_t, std::string> ultimoEstado;
  while (vigia.FSinal() == 0) {
    fb::Connection& central = motor.GetListaConexao().FConexao(0);
    if (!central.isOpen() || !FVerificaBancoOnline(central)) {
      try {
        central.open();
      } catch (const std::exception& e) {
        const std::string estado = std::string("central: ") + e.what();
        if (ultimoEstado[0] != estado)
          erro << "erro: o servidor " << central.database() << " está inacessível: " << e.what()
               << '\n';
        ultimoEstado[0] = estado;
        vigia.fbEspera(kIntervaloVendas);
        continue;
      }
    }
    fbRodaCiclo(motor, false, erro);
    if (motor.GetFalhaServidor() != ultimoEstado[0]) {
      if (!motor.GetFalhaServidor().empty())
        erro << "erro: o servidor " << central.database()
             << " não pôde ser usado: " << FUmaLinha(motor.GetFalhaServidor()) << '\n';
      ultimoEstado[0] = motor.GetFalhaServidor();
    }
    for (const TResumoCaixa& r : motor.GetResumoCiclo()) {
      total += r.aplicadas;
      const std::string estado = !r.alcancado ? "inacessível" : r.falha;
      const bool mudou = ultimoEstado[r.posicao] != estado;
      ultimoEstado[r.posicao] = estado;
      if (r.aplicadas > 0 || mudou) PImprimeResumo(r, saida);
      if (mudou) PNomeiaProblema(r, erro);
    }
    saida << std::flush;
    erro << std::flush;
    vigia.fbEspera(kIntervaloVendas);
  }
  // Closed while the signals are still taken over, so that a second signal cannot cut it short.
  for (TBancoDados* m : {&sessao.cadastro, &sessao.vendas})
    for (std::size_t k = 0; k < m->GetListaConexao().FQuantidade(); ++k)
      m->GetListaConexao().FConexao(k).close();
  saida << "executar: parado por " << (vigia.FSinal() == SIGINT ? "SIGINT" : "SIGTERM") << "; "
        << total << " linha(s) aplicada(s)\n";
  return 0;
}
