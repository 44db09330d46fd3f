#include "cli/UCliComandos.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <string_view>

#include "cli/UCliDemo.h"
#include "cli/UCliSessao.h"
#include "cli/UCliStatus.h"
#include "cli/UCliVerificacao.h"
#include "engine/UCapturaTabelas.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

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

const char* FLado(bool servidor) { return servidor ? "no servidor" : "nos caixas"; }

// The capture rule on one side, then a look at what it left: a set-up that stopped, or queue objects
// that its statements failed to create (those failures are only logged), is a failure; a captured
// table left without its triggers is named as a warning.
bool fbCaptura(TSessaoCli& sessao, const TSelecaoTabelas& selecao, bool servidor,
               std::ostream& erro) {
  if (!FAplicaCaptura(sessao.cadastro, selecao, servidor)) {
    erro << "erro: a captura " << FLado(servidor)
         << " não foi configurada: um caixa está inacessível ou houve um aviso acima (veja o log "
            "em "
         << TGenerico::FPastaLog().string() << ")\n";
    return false;
  }
  bool completa = true;
  TListaConexao& lista = sessao.cadastro.GetListaConexao();
  const std::size_t primeiro = servidor ? 0 : 1;
  const std::size_t fim = servidor ? std::min<std::size_t>(1, lista.FQuantidade())
                                   : lista.FQuantidade();
  for (std::size_t k = primeiro; k < fim; ++k) {
    fb::Connection& conexao = lista.FConexao(k);
    if (!conexao.isOpen()) continue;
    for (const std::string& falta : FObjetosCapturaFaltantes(conexao)) {
      erro << "erro: falta " << falta << " no banco [" << k << "] " << conexao.database()
           << " (veja o log em " << TGenerico::FPastaLog().string() << ")\n";
      completa = false;
    }
    for (const std::string& tabela : FTabelasSemGatilhos(conexao, selecao, servidor))
      erro << "aviso: a tabela " << tabela << " do banco [" << k << "] " << conexao.database()
           << " está selecionada mas não tem os gatilhos de captura (sem chave primária?)\n";
  }
  return completa;
}

int FAtualizarBancos(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return kSaidaFalha;
  if (!sessao.fbAbreCaixas()) return kSaidaFalha;
  const bool estrutura = sessao.cadastro.FAtualizaBancoDeDados();
  if (!estrutura)
    erro << "erro: a estrutura de um dos bancos não pôde ser atualizada (veja o log em "
         << TGenerico::FPastaLog().string() << ")\n";
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  const bool central = fbCaptura(sessao, selecao, true, erro);
  const bool caixas = fbCaptura(sessao, selecao, false, erro);
  saida << "estrutura: " << (estrutura ? "atualizada" : "com erro")
        << "; captura no servidor: " << (central ? "configurada" : "não configurada")
        << "; captura nos caixas: " << (caixas ? "configurada" : "não configurada") << '\n';
  return estrutura && central && caixas ? kSaidaSucesso : kSaidaFalha;
}

int FConfigurarCaptura(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao())) return kSaidaFalha;
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  const bool central = fbCaptura(sessao, selecao, true, erro);
  const bool caixas = fbCaptura(sessao, selecao, false, erro);
  saida << "captura no servidor: " << (central ? "configurada" : "não configurada")
        << "; captura nos caixas: " << (caixas ? "configurada" : "não configurada") << '\n';
  return central && caixas ? kSaidaSucesso : kSaidaFalha;
}

int FStatus(const TArgumentos&, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao(), true)) return kSaidaFalha;
  return fbImprimeStatus(sessao, saida, erro) ? kSaidaSucesso : kSaidaFalha;
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
  // "--opcao valor" and "--opcao=valor" are the same.
  std::vector<std::string> lista;
  for (const std::string& a : argumentos) {
    const auto igual = a.find('=');
    if (a.starts_with("--") && igual != std::string::npos &&
        (a.compare(0, igual, "--ini") == 0 || a.compare(0, igual, "--caixas") == 0)) {
      lista.push_back(a.substr(0, igual));
      lista.push_back(a.substr(igual + 1));
    } else {
      lista.push_back(a);
    }
  }
  for (std::size_t i = 0; i < lista.size(); ++i) {
    const std::string& a = lista[i];
    if (a == "--ini") {
      if (i + 1 >= lista.size() || lista[i + 1].empty())
        return FErroUso(erro, "--ini precisa de um arquivo");
      TConfiguracao::PDefineArquivoPadrao(lista[++i]);
    } else if (a == "--caixas") {
      if (i + 1 >= lista.size()) return FErroUso(erro, "--caixas precisa de um número");
      const std::string& n = lista[++i];
      const auto r = std::from_chars(n.data(), n.data() + n.size(), args.caixas);
      if (r.ec != std::errc() || r.ptr != n.data() + n.size())
        return FErroUso(erro, "--caixas precisa de um número, não \"" + n + "\"");
      if (args.caixas < 1 || args.caixas > kMaximoCaixasDemo)
        return FErroUso(erro, "--caixas deve ser de 1 a " + std::to_string(kMaximoCaixasDemo));
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
