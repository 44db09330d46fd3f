#include "cli/UCliComandos.h"

#include <array>
#include <charconv>
#include <functional>
#include <string_view>

#include "cli/UCliDemo.h"
#include "cli/UCliSessao.h"
#include "cli/UCliStatus.h"
#include "engine/UCapturaTabelas.h"
#include "platform/UConfiguracao.h"

namespace {

struct TArgumentos {
  std::vector<std::string> posicionais;
  int caixas = 2;
  bool caixasDado = false;
  bool substituir = false;
};

struct TComando {
  std::string_view nome;
  std::string_view uso;
  std::string_view ajuda;
  std::size_t posicionais;  // how many positional arguments it takes
  bool aceitaOpcoesDemo;
  std::function<int(const TArgumentos&, std::ostream&, std::ostream&)> executa;
};

int FAtualizarBancos(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return kSaidaFalha;
  const bool estrutura = sessao.cadastro.FAtualizaBancoDeDados();
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  const bool central = FAplicaCaptura(sessao.cadastro, selecao, true);
  const bool caixas = FAplicaCaptura(sessao.cadastro, selecao, false);
  saida << "estrutura: " << (estrutura ? "atualizada" : "com erro (veja o log)")
        << "; captura no servidor: " << (central ? "configurada" : "não configurada")
        << "; captura nos caixas: " << (caixas ? "configurada" : "não configurada") << '\n';
  return estrutura && central && caixas ? kSaidaSucesso : kSaidaFalha;
}

int FConfigurarCaptura(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return kSaidaFalha;
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  const bool central = FAplicaCaptura(sessao.cadastro, selecao, true);
  const bool caixas = FAplicaCaptura(sessao.cadastro, selecao, false);
  saida << "captura no servidor: " << (central ? "configurada" : "não configurada")
        << "; captura nos caixas: " << (caixas ? "configurada" : "não configurada") << '\n';
  return central && caixas ? kSaidaSucesso : kSaidaFalha;
}

int FStatus(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return kSaidaFalha;
  return fbImprimeStatus(sessao, saida) ? kSaidaSucesso : kSaidaFalha;
}

int FCriarDemo(const TArgumentos& a, std::ostream& saida, std::ostream& erro) {
  return FCriaDemo({a.posicionais.at(0), a.caixas, a.substituir}, saida, erro);
}

const std::array<TComando, 4> kComandos = {{
    {"criar-demo", "criar-demo PASTA [--caixas N] [--substituir]",
     "cria uma loja de demonstração (servidor e N caixas, padrão 2) na PASTA e o arquivo de "
     "configuração",
     1, true, FCriarDemo},
    {"atualizar-bancos", "atualizar-bancos",
     "atualiza a estrutura de todos os bancos configurados e configura a captura", 0, false,
     FAtualizarBancos},
    {"configurar-captura", "configurar-captura",
     "configura a fila e os gatilhos de captura conforme as tabelas selecionadas", 0, false,
     FConfigurarCaptura},
    {"status", "status",
     "mostra cada banco configurado: acesso, máquina, tabelas, captura e fila pendente", 0,
     false, FStatus},
}};

void PAjuda(std::ostream& saida) {
  saida << "uso: sincrovia-cli [--ini ARQUIVO] COMANDO [ARGUMENTOS]\n\n"
           "Sem --ini, usa VeltrixIntegracao.ini na pasta do programa.\n\ncomandos:\n";
  for (const TComando& c : kComandos)
    saida << "  " << c.uso << "\n      " << c.ajuda << '\n';
  saida << "  ajuda\n      mostra esta ajuda\n";
}

int FErroUso(std::ostream& erro, const std::string& mensagem) {
  erro << "erro: " << mensagem << "\n(sincrovia-cli ajuda mostra os comandos)\n";
  return kSaidaUso;
}

}  // namespace

int FExecutaCli(const std::vector<std::string>& argumentos, std::ostream& saida,
                std::ostream& erro) {
  const TComando* comando = nullptr;
  bool pediuAjuda = false;
  TArgumentos args;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a == "--ini") {
      if (i + 1 >= argumentos.size() || argumentos[i + 1].empty())
        return FErroUso(erro, "--ini precisa de um arquivo");
      TConfiguracao::PDefineArquivoPadrao(argumentos[++i]);
    } else if (a == "--caixas") {
      if (i + 1 >= argumentos.size()) return FErroUso(erro, "--caixas precisa de um número");
      const std::string& n = argumentos[++i];
      const auto r = std::from_chars(n.data(), n.data() + n.size(), args.caixas);
      if (r.ec != std::errc() || r.ptr != n.data() + n.size())
        return FErroUso(erro, "--caixas precisa de um número, não \"" + n + "\"");
      args.caixasDado = true;
    } else if (a == "--substituir") {
      args.substituir = true;
    } else if (a == "--ajuda" || a == "--help" || a == "-h" || (!comando && a == "ajuda")) {
      pediuAjuda = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return FErroUso(erro, "opção desconhecida: " + a);
    } else if (!comando) {
      for (const TComando& c : kComandos)
        if (c.nome == a) comando = &c;
      if (!comando) return FErroUso(erro, "comando desconhecido: " + a);
    } else {
      args.posicionais.push_back(a);
    }
  }
  if (pediuAjuda) {
    PAjuda(saida);
    return kSaidaSucesso;
  }
  if (!comando) return FErroUso(erro, "falta o comando");
  if (args.posicionais.size() != comando->posicionais)
    return FErroUso(erro, std::string("uso: sincrovia-cli ") + std::string(comando->uso));
  if ((args.caixasDado || args.substituir) && !comando->aceitaOpcoesDemo)
    return FErroUso(erro, "--caixas e --substituir servem só para criar-demo");
  try {
    return comando->executa(args, saida, erro);
  } catch (const std::exception& e) {
    erro << "erro: " << e.what() << '\n';
    return kSaidaFalha;
  }
}
