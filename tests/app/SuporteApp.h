#pragma once
// What the window and worker tests share: a program folder of the test's own (configuration file
// and log), a reader of the log's messages, the main window built with a recording notifier and
// no waiting, and a way to let the event loop run until something holds.
#include <QCoreApplication>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/UPrincipal.h"
#include "support/NotificadorGravador.h"
#include "support/PastaTemporaria.h"

// The configuration file and the log go to a fresh folder while the object lives.
class TPastaProgramaTeste {
 public:
  TPastaProgramaTeste();
  ~TPastaProgramaTeste();
  const std::filesystem::path& caminho() const { return pasta_.caminho(); }
  std::filesystem::path ini() const { return pasta_ / "VeltrixIntegracao.ini"; }
  // Appends text to the configuration file (created when missing).
  void escreveIni(const std::string& texto) const;
  std::string leIni() const;
  // The messages of every log entry so far, in order.
  std::vector<std::string> mensagens() const;
  int conta(const std::string& mensagem) const;

 private:
  TPastaTemporaria pasta_;
};

// Lets the event loop run until `condicao` holds or `limite` passes; returns whether it held.
bool fbAguardaQue(const std::function<bool()>& condicao,
                  std::chrono::milliseconds limite = std::chrono::seconds(20));
// Lets the event loop run for `tempo`.
void PProcessaPor(std::chrono::milliseconds tempo);

// The main window with a recording notifier, no service wait, no tray, its lock in the test's
// folder, and cycles that the test chooses (none by default).
struct TJanelaTeste {
  explicit TJanelaTeste(const TPastaProgramaTeste& pasta);
  TNotificadorGravador notificador;
  TDependenciasPrincipal dependencias;
  bool encerrou = false;
  std::unique_ptr<TFrmPrincipal_Intg> janela;
  // Builds the window with `dependencias` as they stand.
  TFrmPrincipal_Intg& cria();
};
