#include "SuporteMotor.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/UGenerico.h"
#include "platform/ULatin1.h"

TLogTeste::TLogTeste(std::filesystem::path pasta)
    : pasta_(std::move(pasta)), anterior_(TGenerico::FPastaLog()) {
  TGenerico::PDefinePastaLog(pasta_);
}

TLogTeste::~TLogTeste() { TGenerico::PDefinePastaLog(anterior_); }

std::vector<std::string> TLogTeste::FMensagens() const {
  std::vector<std::string> mensagens;
  if (!std::filesystem::exists(pasta_)) return mensagens;
  std::vector<std::filesystem::path> arquivos;
  for (const auto& item : std::filesystem::directory_iterator(pasta_))
    arquivos.push_back(item.path());
  std::sort(arquivos.begin(), arquivos.end());
  // Each entry: "DATA E HORA: ...\r\n", the message, "\r\n \r\n". A message may itself hold "\r",
  // which a later entry re-ends as "\r\n"; both read back as "\r".
  const std::string inicio = "DATA E HORA: ";
  const std::string fim = "\r\n \r\n";
  for (const auto& arquivo : arquivos) {
    std::ifstream in(arquivo, std::ios::binary);
    const std::string texto{std::istreambuf_iterator<char>(in), {}};
    std::size_t pos = 0;
    while ((pos = texto.find(inicio, pos)) != std::string::npos) {
      const std::size_t comeco = texto.find("\r\n", pos) + 2;
      const std::size_t final = texto.find(fim, comeco);
      std::string mensagem;
      for (std::size_t k = comeco; k < final; ++k)
        if (!(texto[k] == '\n' && k > comeco && texto[k - 1] == '\r')) mensagem += texto[k];
      mensagens.push_back(FLatin1ParaUtf8(mensagem));
      pos = final + fim.size();
    }
  }
  return mensagens;
}

int TLogTeste::FConta(const std::string& mensagem) const {
  const auto m = FMensagens();
  return static_cast<int>(std::count(m.begin(), m.end(), mensagem));
}

int TLogTeste::FContaComeco(const std::string& prefixo) const {
  int n = 0;
  for (const auto& m : FMensagens()) n += m.rfind(prefixo, 0) == 0;
  return n;
}
