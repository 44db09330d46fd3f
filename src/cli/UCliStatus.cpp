#include "cli/UCliStatus.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cli/UCliJson.h"
#include "cli/UCliSessao.h"
#include "engine/UCapturaTabelas.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "platform/UDataHora.h"
#include "platform/UGenerico.h"
#include "schema/UCatalogo.h"

namespace {

// Pending rows of one queue with the same point of sale, table and action.
struct TGrupoFila {
  std::string ecf, tabela, acao;
  std::size_t quantidade = 0;
  // The recorded capture moment (day and hour:minute, the queue database's own clock) of the
  // oldest row; empty when no row of the group has a capture day.
  std::optional<TDateTime> maisAntiga;
  // Whether a replication cycle reads and applies these rows from this queue; rows it never
  // carries (deletions in the central queue, another machine's rows at a point of sale, tables it
  // does not know) stay for good and say nothing about a stall.
  bool lida = false;
  std::optional<std::int64_t> idadeSegundos;
};

enum class TFormatoFila { Ausente, Antigo, Atual };

struct TBancoStatus {
  std::size_t posicao = 0;
  std::string caminho;
  bool acessivel = false;
  bool consultado = false;  // reachable and every query answered
  std::string maquina;      // points of sale only, trimmed; "" when none
  std::string erro;         // why it could not be consulted
  int tabelasCatalogo = 0, capturadas = 0, selecionadas = 0;
  TFormatoFila formato = TFormatoFila::Ausente;
  std::size_t linhasFormatoAntigo = 0;
  std::vector<TGrupoFila> grupos;
  TDateTime agora = 0;  // the database's clock when it was read

  std::size_t FPendentes() const {
    std::size_t n = linhasFormatoAntigo;
    for (const TGrupoFila& g : grupos) n += g.quantidade;
    return n;
  }
  std::size_t FLidas() const {
    std::size_t n = 0;
    for (const TGrupoFila& g : grupos) n += g.lida ? g.quantidade : 0;
    return n;
  }
  // The age of the oldest row a cycle carries from this queue.
  std::optional<std::int64_t> FIdade() const {
    std::optional<std::int64_t> idade;
    for (const TGrupoFila& g : grupos)
      if (g.lida && g.idadeSegundos && (!idade || *g.idadeSegundos > *idade)) idade = g.idadeSegundos;
    return idade;
  }
};


// Everything status reads from one database runs in one read-only transaction, ended whatever
// happens.
class TLeituraSomente {
 public:
  explicit TLeituraSomente(fb::Connection& conexao) : conexao_(conexao) {
    conexao_.startReadOnlyTransaction();
  }
  ~TLeituraSomente() {
    try {
      conexao_.rollback();
    } catch (const std::exception&) {
      // A connection that went away ends its transaction with it.
    }
  }
  TLeituraSomente(const TLeituraSomente&) = delete;
  TLeituraSomente& operator=(const TLeituraSomente&) = delete;

 private:
  fb::Connection& conexao_;
};

std::set<std::string> FNomes(fb::Connection& conexao, const char* sql) {
  std::set<std::string> nomes;
  fb::Statement st(conexao, sql);
  auto rs = st.executeQuery();
  while (rs.next()) nomes.insert(rs.getString("NOME"));
  return nomes;
}

// HORAATUAL holds hour and minute without leading zeros ("9:5"); a value that is not such a time
// counts as midnight, the earliest moment its day allows.
double FFracaoHora(const std::string& texto) {
  const std::string hora = FAparaEspacos(texto);
  const auto doisPontos = hora.find(':');
  if (doisPontos == std::string::npos) return 0;
  int h = 0, m = 0;
  const char* inicio = hora.data();
  const char* meio = inicio + doisPontos;
  const char* fim = inicio + hora.size();
  if (std::from_chars(inicio, meio, h).ptr != meio || std::from_chars(meio + 1, fim, m).ptr != fim)
    return 0;
  if (h < 0 || h > 23 || m < 0 || m > 59) return 0;
  return (h * 60.0 + m) / 1440.0;
}

void PLeFila(fb::Connection& conexao, TBancoStatus& banco, const std::set<std::string>& relacoes) {
  if (!relacoes.count("INTEGECF")) return;
  // A queue table of an older layout has no action, table or capture-time columns yet.
  fb::Statement colunas(conexao,
                        "SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = "
                        "\"INTEGECF\" AND RDB$FIELD_NAME IN (\"ECF\", \"ATUALIZOU\", \"DATAATUAL\", "
                        "\"HORAATUAL\", \"TABELA\", \"ACAO\")");
  auto rc = colunas.executeQuery();
  if (!rc.next() || rc.getInt(0u) < 6) {
    fb::Statement total(conexao, "SELECT COUNT(*) FROM INTEGECF");
    auto rt = total.executeQuery();
    rt.expectOneRow();
    banco.formato = TFormatoFila::Antigo;
    banco.linhasFormatoAntigo = static_cast<std::size_t>(rt.getInt64(0u));
    return;
  }
  banco.formato = TFormatoFila::Atual;
  // One pass over the pending rows, grouped down to the recorded minute; the oldest moment of
  // each group is found here, as HORAATUAL does not sort as text.
  fb::Statement fila(conexao,
                     "SELECT INTEGECF.ECF, INTEGECF.TABELA, INTEGECF.ACAO, INTEGECF.DATAATUAL, "
                     "INTEGECF.HORAATUAL, COUNT(*) AS QTD FROM INTEGECF "
                     "WHERE INTEGECF.ATUALIZOU = \"N\" GROUP BY INTEGECF.ECF, INTEGECF.TABELA, "
                     "INTEGECF.ACAO, INTEGECF.DATAATUAL, INTEGECF.HORAATUAL");
  std::map<std::tuple<std::string, std::string, std::string>, TGrupoFila> grupos;
  auto rs = fila.executeQuery();
  while (rs.next()) {
    const std::string ecf = FAparaEspacos(rs.getString("ECF"));
    const std::string tabela = FAparaEspacos(rs.getString("TABELA"));
    const std::string acao = FAparaEspacos(rs.getString("ACAO"));
    TGrupoFila& g = grupos[{ecf, tabela, acao}];
    g.ecf = ecf;
    g.tabela = tabela;
    g.acao = acao;
    g.quantidade += static_cast<std::size_t>(rs.getInt64("QTD"));
    if (rs.isNull("DATAATUAL")) continue;
    const TDateTime momento =
        std::floor(rs.getDateTime("DATAATUAL")) + FFracaoHora(rs.getString("HORAATUAL"));
    if (!g.maisAntiga || momento < *g.maisAntiga) g.maisAntiga = momento;
  }
  fb::Statement relogio(conexao, "SELECT CURRENT_TIMESTAMP AS AGORA FROM RDB$DATABASE");
  auto ra = relogio.executeQuery();
  ra.expectOneRow();
  banco.agora = ra.getDateTime("AGORA");
  for (auto& [chave, g] : grupos) {
    if (g.maisAntiga)
      g.idadeSegundos = std::max<std::int64_t>(
          0, std::llround((banco.agora - *g.maisAntiga) * 86400.0));
    banco.grupos.push_back(std::move(g));
  }
}

void PConsultaBanco(TSessaoCli& sessao, const TSelecaoTabelas& selecao, TBancoStatus& banco) {
  fb::Connection& conexao = sessao.cadastro.GetListaConexao().FConexao(banco.posicao);
  TLeituraSomente leitura(conexao);
  if (banco.posicao == 0 && !FVerificaBancoOnline(conexao)) {
    banco.acessivel = false;
    return;
  }
  if (banco.posicao > 0) banco.maquina = FAparaEspacos(sessao.cadastro.FBuscaNumeroCaixa(&conexao));

  const auto relacoes = FNomes(conexao,
                               "SELECT TRIM(RDB$RELATION_NAME) AS NOME FROM RDB$RELATIONS "
                               "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  for (const TTabelaCatalogo* tabela : Catalogo)
    banco.tabelasCatalogo += static_cast<int>(relacoes.count(std::string(tabela->nome)));

  // A table is captured when it carries its three triggers; out of those the selection captures
  // on this side (master data in the central database, sales at the points of sale).
  const auto gatilhos = FNomes(conexao,
                               "SELECT TRIM(RDB$TRIGGER_NAME) AS NOME FROM RDB$TRIGGERS "
                               "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, banco.posicao == 0)) {
    if (!t.capturada) continue;
    const std::string nome(t.tabela);
    ++banco.selecionadas;
    banco.capturadas += gatilhos.count(nome + "_INC_ECF") && gatilhos.count(nome + "_ALT_ECF") &&
                        gatilhos.count(nome + "_EXC_ECF");
  }
  PLeFila(conexao, banco, relacoes);
  banco.consultado = true;
}

// Which pending rows a cycle carries. The sales cycle reads a point of sale's rows of its own
// machine and applies those of the sales tables. The master-data cycle reads the central rows
// other than deletions and applies those of the master-data tables to the point of sale of their
// machine, so only the machines of the points of sale reached count.
void PMarcaLidas(std::vector<TBancoStatus>& bancos, const TSelecaoTabelas& selecao) {
  std::set<std::string> tabelasVenda, tabelasCadastro;
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, false)) tabelasVenda.emplace(t.tabela);
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, true)) tabelasCadastro.emplace(t.tabela);
  std::set<std::string> ecfsAlcancados;
  for (const TBancoStatus& b : bancos)
    if (b.posicao > 0 && b.consultado && !b.maquina.empty()) ecfsAlcancados.insert("0" + b.maquina);
  for (TBancoStatus& b : bancos) {
    for (TGrupoFila& g : b.grupos) {
      if (b.posicao == 0)
        g.lida = g.acao != "E" && tabelasCadastro.count(g.tabela) && ecfsAlcancados.count(g.ecf);
      else
        g.lida = !b.maquina.empty() && g.ecf == "0" + b.maquina && tabelasVenda.count(g.tabela);
    }
  }
}

std::string FPapel(std::size_t posicao) { return posicao == 0 ? "servidor" : "caixa"; }

std::string FNomeBanco(const TBancoStatus& b) {
  return "[" + std::to_string(b.posicao) + "] " + FPapel(b.posicao) + " " + b.caminho;
}

void PImprimeTexto(const std::vector<TBancoStatus>& bancos, std::ostream& saida) {
  for (const TBancoStatus& b : bancos) {
    saida << "[" << b.posicao << "] " << FPapel(b.posicao) << "  " << b.caminho << "  "
          << (b.acessivel ? "acessível" : "inacessível");
    if (!b.acessivel) {
      saida << '\n';
      continue;
    }
    if (!b.consultado) {
      saida << "  erro ao consultar: " << b.erro << '\n';
      continue;
    }
    if (b.posicao > 0) saida << "  máquina " << (b.maquina.empty() ? "(nenhuma)" : b.maquina);
    saida << "  tabelas do catálogo " << b.tabelasCatalogo << "/" << std::size(Catalogo)
          << "  tabelas capturadas " << b.capturadas << "/" << b.selecionadas;
    switch (b.formato) {
      case TFormatoFila::Ausente:
        saida << "  fila: sem tabela INTEGECF\n";
        continue;
      case TFormatoFila::Antigo:
        saida << "  fila: INTEGECF no formato antigo, " << b.linhasFormatoAntigo << " linha(s)\n";
        continue;
      case TFormatoFila::Atual:
        break;
    }
    std::map<std::pair<std::string, std::string>, std::size_t> porTabela;
    for (const TGrupoFila& g : b.grupos) porTabela[{g.tabela, g.acao}] += g.quantidade;
    std::string itens;
    for (const auto& [chave, quantidade] : porTabela)
      itens += (itens.empty() ? " " : ", ") + chave.first + " " + chave.second + "=" +
               std::to_string(quantidade);
    saida << "  fila:" << (itens.empty() ? std::string(" vazia") : itens);
    if (const auto idade = b.FIdade()) saida << "  linha mais antiga há " << *idade << " s";
    saida << '\n';
  }
  saida << "configuração: " << TConfiguracao::FArquivoPadrao().string()
        << "  log: " << TGenerico::FPastaLog().string() << '\n';
}

std::string FJsonIdade(const std::optional<std::int64_t>& idade) {
  return idade ? std::to_string(*idade) : std::string("null");
}

void PImprimeJson(const std::vector<TBancoStatus>& bancos, const TOpcoesStatus& opcoes,
                  const std::vector<std::string>& atrasos, std::ostream& saida) {
  const TDataHoraPartes p = FDecodeDataHora(FAgora());
  char momento[32];
  std::snprintf(momento, sizeof momento, "%04d-%02d-%02dT%02d:%02d:%02d", p.ano, p.mes, p.dia,
                p.hora, p.minuto, p.segundo);
  saida << "{\n  \"momento\": " << fsJson(momento) << ",\n  \"atrasoMaximoSegundos\": "
        << (opcoes.atrasoMaximoMinutos ? std::to_string(*opcoes.atrasoMaximoMinutos * 60LL)
                                       : std::string("null"))
        << ",\n  \"bancos\": [";
  for (std::size_t i = 0; i < bancos.size(); ++i) {
    const TBancoStatus& b = bancos[i];
    saida << (i ? "," : "") << "\n    {\"posicao\": " << b.posicao
          << ", \"papel\": " << fsJson(FPapel(b.posicao)) << ", \"caminho\": " << fsJson(b.caminho)
          << ", \"acessivel\": " << (b.acessivel ? "true" : "false") << ", \"maquina\": "
          << (b.posicao > 0 && b.consultado && !b.maquina.empty() ? fsJson(b.maquina) : "null")
          << ", \"erro\": " << (b.erro.empty() ? std::string("null") : fsJson(b.erro));
    if (b.consultado) {
      saida << ", \"tabelasCatalogo\": " << b.tabelasCatalogo
            << ", \"tabelasSelecionadas\": " << b.selecionadas
            << ", \"tabelasCapturadas\": " << b.capturadas;
    }
    saida << ",\n     \"fila\": ";
    if (!b.consultado || b.formato == TFormatoFila::Ausente) {
      saida << "null}";
      continue;
    }
    saida << "{\"formato\": " << (b.formato == TFormatoFila::Atual ? "\"atual\"" : "\"antigo\"")
          << ", \"pendentes\": " << b.FPendentes() << ", \"transportadas\": " << b.FLidas()
          << ", \"idadeSegundos\": " << FJsonIdade(b.FIdade()) << ", \"linhas\": [";
    for (std::size_t j = 0; j < b.grupos.size(); ++j) {
      const TGrupoFila& g = b.grupos[j];
      saida << (j ? "," : "") << "\n       {\"ecf\": " << fsJson(g.ecf)
            << ", \"tabela\": " << fsJson(g.tabela) << ", \"acao\": " << fsJson(g.acao)
            << ", \"quantidade\": " << g.quantidade << ", \"transportada\": "
            << (g.lida ? "true" : "false") << ", \"idadeSegundos\": " << FJsonIdade(g.idadeSegundos)
            << "}";
    }
    saida << "]}}";
  }
  saida << "\n  ],\n  \"atrasos\": [";
  for (std::size_t i = 0; i < atrasos.size(); ++i)
    saida << (i ? ", " : "") << fsJson(atrasos[i]);
  saida << "]\n}\n";
}

}  // namespace

int FExecutaStatus(TSessaoCli& sessao, const TOpcoesStatus& opcoes, std::ostream& saida,
                   std::ostream& erro) {
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  TListaConexao& lista = sessao.cadastro.GetListaConexao();
  std::vector<TBancoStatus> bancos(lista.FQuantidade());
  bool todos = true;
  for (std::size_t k = 0; k < lista.FQuantidade(); ++k) {
    TBancoStatus& b = bancos[k];
    fb::Connection& conexao = lista.FConexao(k);
    b.posicao = k;
    b.caminho = conexao.database();
    // The central database was opened on connecting (a failure has been shown then); the points
    // of sale are checked as the agent checks them.
    b.acessivel = k == 0 ? conexao.isOpen() : sessao.cadastro.FVerificaConexao(k);
    if (b.acessivel) {
      try {
        PConsultaBanco(sessao, selecao, b);
      } catch (const std::exception& e) {
        b.consultado = false;
        b.erro = e.what();
        b.grupos.clear();
      }
    }
    if (!b.acessivel) {
      erro << "erro: o banco [" << k << "] " << b.caminho << " está inacessível (veja o log em "
           << TGenerico::FPastaLog().string() << ")\n";
      todos = false;
    } else if (!b.consultado) {
      erro << "erro: o banco [" << k << "] " << b.caminho << " não pôde ser consultado: " << b.erro
           << '\n';
      todos = false;
    }
  }
  PMarcaLidas(bancos, selecao);

  std::vector<std::string> atrasos;
  if (opcoes.atrasoMaximoMinutos) {
    const std::int64_t limite = *opcoes.atrasoMaximoMinutos * 60LL;
    for (const TBancoStatus& b : bancos) {
      if (b.posicao > 0 && !b.acessivel) {
        atrasos.push_back(FNomeBanco(b) + ": inacessível");
        continue;
      }
      std::optional<std::int64_t> idade;
      const TGrupoFila* pior = nullptr;
      for (const TGrupoFila& g : b.grupos)
        if (g.lida && g.idadeSegundos && *g.idadeSegundos > limite &&
            (!idade || *g.idadeSegundos > *idade)) {
          idade = g.idadeSegundos;
          pior = &g;
        }
      if (pior)
        atrasos.push_back(FNomeBanco(b) + ": a linha mais antiga da fila (" + pior->tabela + " " +
                          pior->acao + ", ECF " + pior->ecf + ") tem " + std::to_string(*idade) +
                          " s, acima do limite de " + std::to_string(limite) + " s");
    }
    for (const std::string& a : atrasos) erro << "atraso: " << a << '\n';
  }

  if (opcoes.json)
    PImprimeJson(bancos, opcoes, atrasos, saida);
  else
    PImprimeTexto(bancos, saida);
  if (!atrasos.empty()) return kSaidaAtraso;
  return todos ? 0 : 1;
}
