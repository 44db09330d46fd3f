#include "cli/UCliComandos.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <string_view>

#include "cli/UCliCiclos.h"
#include "cli/UCliDemo.h"
#include "cli/UCliSessao.h"
#include "cli/UCliSimulador.h"
#include "cli/UCliStatus.h"
#include "cli/UCliVerificacao.h"
#include "engine/UCapturaTabelas.h"
#include "platform/UConfiguracao.h"
#include "platform/UGenerico.h"

namespace {

// An option of a command: a flag, or one taking a whole number within limits.
struct TOpcaoCli {
  std::string_view nome;
  bool numero;
  long minimo = 0, maximo = 0;
};

constexpr std::array<TOpcaoCli, 8> kOpcoes = {{
    {"--caixas", true, 1, kMaximoCaixasDemo},
    {"--substituir", false},
    {"--json", false},
    {"--atraso-maximo", true, 0, 10'000'000},
    {"--vendas", true, 1, 1'000'000},
    {"--caixa", true, 1, 999},
    {"--cadastros", true, 1, 1'000'000},
    {"--ini", false},  // global, handled apart
}};

const TOpcaoCli* FProcuraOpcao(std::string_view nome) {
  for (const TOpcaoCli& o : kOpcoes)
    if (o.nome == nome) return &o;
  return nullptr;
}

struct TArgumentos {
  std::vector<std::string> posicionais;
  std::map<std::string, long, std::less<>> opcoes;  // flags hold 1

  bool fbTem(std::string_view nome) const { return opcoes.find(nome) != opcoes.end(); }
  long FNumero(std::string_view nome, long padrao) const {
    const auto it = opcoes.find(nome);
    return it == opcoes.end() ? padrao : it->second;
  }
};

struct TComando {
  std::string_view nome;
  std::string_view uso;
  std::string_view ajuda;
  std::size_t posicionais;  // how many positional arguments it takes
  std::vector<std::string_view> opcoes;
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

int FStatus(const TArgumentos& a, std::ostream& saida, std::ostream& erro) {
  TSessaoCli sessao(erro);
  if (!sessao.fbConecta(TConfiguracao::Padrao(), true)) return kSaidaFalha;
  TOpcoesStatus opcoes;
  opcoes.json = a.fbTem("--json");
  if (a.fbTem("--atraso-maximo"))
    opcoes.atrasoMaximoMinutos = static_cast<int>(a.FNumero("--atraso-maximo", 0));
  return FExecutaStatus(sessao, opcoes, saida, erro);
}

int FCriarDemo(const TArgumentos& a, std::ostream& saida, std::ostream& erro) {
  return FCriaDemo({a.posicionais.at(0), static_cast<int>(a.FNumero("--caixas", 2)),
                    a.fbTem("--substituir")},
                   saida, erro);
}

int FSimular(const TArgumentos& a, std::ostream& saida, std::ostream& erro) {
  TOpcoesSimulacao opcoes;
  opcoes.vendas = static_cast<int>(a.FNumero("--vendas", 0));
  opcoes.cadastros = static_cast<int>(a.FNumero("--cadastros", 0));
  opcoes.caixa = static_cast<int>(a.FNumero("--caixa", 0));
  return FSimula(opcoes, saida, erro);
}

const std::vector<TComando>& FComandos() {
  static const std::vector<TComando> comandos = {
      {"criar-demo", "criar-demo PASTA [--caixas N] [--substituir]",
       "cria uma loja de demonstração (servidor e N caixas, padrão 2) na PASTA e o arquivo de "
       "configuração",
       1, {"--caixas", "--substituir"}, FCriarDemo},
      {"atualizar-bancos", "atualizar-bancos",
       "atualiza a estrutura de todos os bancos configurados e configura a captura", 0, {},
       FAtualizarBancos},
      {"configurar-captura", "configurar-captura",
       "configura a fila e os gatilhos de captura conforme as tabelas selecionadas", 0, {},
       FConfigurarCaptura},
      {"status", "status [--json] [--atraso-maximo MINUTOS]",
       "mostra cada banco configurado: acesso, máquina, tabelas, captura, fila pendente e a idade "
       "da linha mais antiga que um ciclo transporta; --json: um documento JSON para monitores; "
       "--atraso-maximo: sai com 3 se uma fila tem linha mais antiga que MINUTOS ou um caixa está "
       "inacessível",
       0, {"--json", "--atraso-maximo"}, FStatus},
      {"sincronizar-cadastros", "sincronizar-cadastros",
       "um ciclo de cadastros: a fila do servidor aplicada aos caixas; uma linha por caixa "
       "(aplicadas, pendentes, a linha que falhou)",
       0, {}, [](const TArgumentos&, std::ostream& s, std::ostream& e) {
         return FSincronizaCadastros(s, e);
       }},
      {"sincronizar-vendas", "sincronizar-vendas",
       "um ciclo de vendas: a fila de cada caixa aplicada ao servidor; uma linha por caixa "
       "(aplicadas, pendentes, a linha que falhou)",
       0, {}, [](const TArgumentos&, std::ostream& s, std::ostream& e) {
         return FSincronizaVendas(s, e);
       }},
      {"executar", "executar",
       "um ciclo de vendas a cada 5 s até SIGINT ou SIGTERM, que param na próxima linha sem "
       "deixar transação aberta",
       0, {}, [](const TArgumentos&, std::ostream& s, std::ostream& e) {
         return FExecutaContinuo(s, e);
       }},
      {"simular", "simular [--vendas N [--caixa K]] [--cadastros N]",
       "simula a loja: registra N vendas completas nos caixas (pedido, itens, encerramento, "
       "movimento de estoque), em rodízio ou só no caixa K da configuração; altera N produtos no "
       "servidor",
       0, {"--vendas", "--caixa", "--cadastros"}, FSimular},
  };
  return comandos;
}

void PAjuda(std::ostream& saida) {
  saida << "uso: sincrovia-cli [--ini ARQUIVO] COMANDO [ARGUMENTOS]\n\n"
           "Sem --ini, usa VeltrixIntegracao.ini na pasta do programa ou, quando o programa está "
           "numa pasta do sistema (/usr/bin), em $XDG_CONFIG_HOME/sincrovia; status mostra qual.\n\n"
           "comandos:\n";
  for (const TComando& c : FComandos())
    saida << "  " << c.uso << "\n      " << c.ajuda << '\n';
  saida << "  ajuda\n      mostra esta ajuda\n\n"
           "saída: 0 sucesso; 1 falha (um banco inacessível, uma linha que falhou); 2 uso "
           "incorreto; 3 atraso encontrado por status --atraso-maximo\n";
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
    const TOpcaoCli* opcao =
        a.starts_with("--") && igual != std::string::npos ? FProcuraOpcao(a.substr(0, igual)) : nullptr;
    if (opcao && (opcao->numero || opcao->nome == "--ini")) {
      lista.push_back(a.substr(0, igual));
      lista.push_back(a.substr(igual + 1));
    } else {
      lista.push_back(a);
    }
  }
  for (std::size_t i = 0; i < lista.size(); ++i) {
    const std::string& a = lista[i];
    const TOpcaoCli* opcao = FProcuraOpcao(a);
    if (a == "--ini") {
      if (i + 1 >= lista.size() || lista[i + 1].empty())
        return FErroUso(erro, "--ini precisa de um arquivo");
      TConfiguracao::PDefineArquivoPadrao(lista[++i]);
    } else if (opcao && opcao->numero) {
      if (i + 1 >= lista.size()) return FErroUso(erro, a + " precisa de um número");
      const std::string& n = lista[++i];
      long valor = 0;
      const auto r = std::from_chars(n.data(), n.data() + n.size(), valor);
      if (r.ec != std::errc() || r.ptr != n.data() + n.size() || n.empty())
        return FErroUso(erro, a + " precisa de um número, não \"" + n + "\"");
      if (valor < opcao->minimo || valor > opcao->maximo)
        return FErroUso(erro, a + " deve ser de " + std::to_string(opcao->minimo) + " a " +
                                  std::to_string(opcao->maximo));
      args.opcoes[a] = valor;
    } else if (opcao) {
      args.opcoes[a] = 1;
    } else if (a == "--ajuda" || a == "--help" || a == "-h" || (!comando && a == "ajuda")) {
      pediuAjuda = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return FErroUso(erro, "opção desconhecida: " + a);
    } else if (!comando) {
      for (const TComando& c : FComandos())
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
  for (const auto& [nome, valor] : args.opcoes)
    if (std::find(comando->opcoes.begin(), comando->opcoes.end(), nome) == comando->opcoes.end())
      return FErroUso(erro, "a opção " + nome + " não serve para o comando " +
                                std::string(comando->nome));
  if (comando->nome == "simular") {
    if (!args.fbTem("--vendas") && !args.fbTem("--cadastros"))
      return FErroUso(erro, "simular precisa de --vendas N, --cadastros N ou os dois");
    if (args.fbTem("--caixa") && !args.fbTem("--vendas"))
      return FErroUso(erro, "--caixa serve só com --vendas");
  }
  try {
    return comando->executa(args, saida, erro);
  } catch (const std::exception& e) {
    erro << "erro: " << e.what() << '\n';
    return kSaidaFalha;
  }
}
