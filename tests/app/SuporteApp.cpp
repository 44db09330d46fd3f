#include "SuporteApp.h"

#include <QThread>
#include <fstream>
#include <sstream>

#include "platform/ULatin1.h"
#include "platform/UPastaPrograma.h"

namespace fs = std::filesystem;

TPastaProgramaTeste::TPastaProgramaTeste() { PDefinePastaPrograma(pasta_.caminho()); }

TPastaProgramaTeste::~TPastaProgramaTeste() { PDefinePastaPrograma({}); }

void TPastaProgramaTeste::escreveIni(const std::string& texto) const {
  std::ofstream(ini(), std::ios::app | std::ios::binary) << texto;
}

std::string TPastaProgramaTeste::leIni() const {
  std::ifstream in(ini(), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> TPastaProgramaTeste::mensagens() const {
  std::vector<fs::path> arquivos;
  std::error_code ec;
  for (fs::directory_iterator it(pasta_ / "LogIntg", ec), fim; !ec && it != fim; ++it)
    arquivos.push_back(it->path());
  std::sort(arquivos.begin(), arquivos.end());
  std::vector<std::string> mensagens;
  for (const auto& arquivo : arquivos) {
    std::ifstream in(arquivo, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string texto = s.str();
    // Entries: "DATA E HORA: ...\r\n", the message, "\r\n \r\n".
    const std::string cabeca = "DATA E HORA: ";
    std::size_t pos = texto.find(cabeca);
    while (pos != std::string::npos) {
      const std::size_t inicio = texto.find("\r\n", pos) + 2;
      const std::size_t fim = texto.find("\r\n \r\n", inicio);
      mensagens.push_back(FLatin1ParaUtf8(texto.substr(inicio, fim - inicio)));
      pos = texto.find(cabeca, fim);
    }
  }
  return mensagens;
}

int TPastaProgramaTeste::conta(const std::string& mensagem) const {
  const auto todas = mensagens();
  return static_cast<int>(std::count(todas.begin(), todas.end(), mensagem));
}

bool fbAguardaQue(const std::function<bool()>& condicao, std::chrono::milliseconds limite) {
  const auto fim = std::chrono::steady_clock::now() + limite;
  while (!condicao()) {
    if (std::chrono::steady_clock::now() > fim) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

void PProcessaPor(std::chrono::milliseconds tempo) {
  const auto fim = std::chrono::steady_clock::now() + tempo;
  while (std::chrono::steady_clock::now() < fim) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

TJanelaTeste::TJanelaTeste(const TPastaProgramaTeste& pasta) {
  dependencias.servicoFirebird = [] { return true; };
  dependencias.pastaTrava = pasta.caminho();
  dependencias.aoEncerrar = [this] { encerrou = true; };
  dependencias.bandejaDisponivel = [] { return false; };
}

TFrmPrincipal_Intg& TJanelaTeste::cria() {
  janela = std::make_unique<TFrmPrincipal_Intg>(notificador, dependencias);
  return *janela;
}
