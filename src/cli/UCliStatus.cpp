#include "cli/UCliStatus.h"

#include <map>
#include <set>
#include <string>

#include "cli/UCliSessao.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UGenerico.h"
#include "engine/UCapturaTabelas.h"
#include "platform/UConfiguracao.h"
#include "schema/UCatalogo.h"

namespace {

std::set<std::string> FNomes(fb::Connection& conexao, const char* sql) {
  std::set<std::string> nomes;
  fb::Statement st(conexao, sql);
  auto rs = st.executeQuery();
  while (rs.next()) nomes.insert(rs.getString("NOME"));
  return nomes;
}

std::string FResumoBanco(TSessaoCli& sessao, const TSelecaoTabelas& selecao, std::size_t posicao) {
  fb::Connection& conexao = sessao.cadastro.GetListaConexao().FConexao(posicao);
  std::string linha;
  if (posicao > 0) {
    const std::string maquina = sessao.cadastro.FBuscaNumeroCaixa(&conexao);
    linha += "  máquina " + (maquina.empty() ? std::string("(nenhuma)") : maquina);
  }

  const auto relacoes = FNomes(conexao,
                               "SELECT TRIM(RDB$RELATION_NAME) AS NOME FROM RDB$RELATIONS "
                               "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  int presentes = 0;
  for (const TTabelaCatalogo* tabela : Catalogo) presentes += relacoes.count(std::string(tabela->nome));
  linha += "  tabelas do catálogo " + std::to_string(presentes) + "/" +
           std::to_string(std::size(Catalogo));

  // A table is captured when it carries its three triggers; out of those the selection captures
  // on this side (master data in the central database, sales at the points of sale).
  const auto gatilhos = FNomes(conexao,
                               "SELECT TRIM(RDB$TRIGGER_NAME) AS NOME FROM RDB$TRIGGERS "
                               "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  int capturadas = 0, selecionadas = 0;
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, posicao == 0)) {
    if (!t.capturada) continue;
    const std::string nome(t.tabela);
    ++selecionadas;
    capturadas += gatilhos.count(nome + "_INC_ECF") && gatilhos.count(nome + "_ALT_ECF") &&
                  gatilhos.count(nome + "_EXC_ECF");
  }
  linha += "  tabelas capturadas " + std::to_string(capturadas) + "/" +
           std::to_string(selecionadas);

  if (!relacoes.count("INTEGECF")) return linha + "  fila: sem tabela INTEGECF";
  // A queue table of an older layout has no action or table columns to group by yet.
  fb::Statement colunas(conexao,
                        "SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = "
                        "\"INTEGECF\" AND RDB$FIELD_NAME IN (\"ATUALIZOU\", \"TABELA\", \"ACAO\")");
  auto rc = colunas.executeQuery();
  if (!rc.next() || rc.getInt(0u) < 3) {
    fb::Statement total(conexao, "SELECT COUNT(*) FROM INTEGECF");
    auto rt = total.executeQuery();
    rt.next();
    return linha + "  fila: INTEGECF no formato antigo, " + rt.getString(0u) + " linha(s)";
  }
  std::map<std::string, int> pendentes;
  fb::Statement fila(conexao,
                     "SELECT INTEGECF.TABELA, INTEGECF.ACAO, COUNT(*) AS QTD FROM INTEGECF "
                     "WHERE INTEGECF.ATUALIZOU = \"N\" GROUP BY INTEGECF.TABELA, INTEGECF.ACAO "
                     "ORDER BY INTEGECF.TABELA, INTEGECF.ACAO");
  auto rs = fila.executeQuery();
  std::string itens;
  while (rs.next())
    itens += (itens.empty() ? " " : ", ") + rs.getString("TABELA") + " " + rs.getString("ACAO") +
             "=" + rs.getString("QTD");
  return linha + "  fila:" + (itens.empty() ? std::string(" vazia") : itens);
}

}  // namespace

bool fbImprimeStatus(TSessaoCli& sessao, std::ostream& saida, std::ostream& erro) {
  bool todos = true;
  const TSelecaoTabelas selecao = TConfiguracao::Padrao().FLeSelecaoTabelas();
  TListaConexao& lista = sessao.cadastro.GetListaConexao();
  for (std::size_t k = 0; k < lista.FQuantidade(); ++k) {
    fb::Connection& conexao = lista.FConexao(k);
    // The central database was opened on connecting (a failure has been shown then); the points
    // of sale are checked as the agent checks them.
    const bool alcancavel = k == 0 ? conexao.isOpen() && FVerificaBancoOnline(conexao)
                                   : sessao.cadastro.FVerificaConexao(k);
    saida << "[" << k << "] " << (k == 0 ? "servidor" : "caixa") << "  " << conexao.database()
          << "  " << (alcancavel ? "acessível" : "inacessível");
    if (alcancavel) {
      try {
        saida << FResumoBanco(sessao, selecao, k);
      } catch (const std::exception& e) {
        saida << "  erro ao consultar: " << e.what();
        erro << "erro: o banco [" << k << "] " << conexao.database()
             << " não pôde ser consultado: " << e.what() << '\n';
        todos = false;
      }
    } else {
      erro << "erro: o banco [" << k << "] " << conexao.database()
           << " está inacessível (veja o log em " << TGenerico::FPastaLog().string() << ")\n";
      todos = false;
    }
    saida << '\n';
  }
  saida << "configuração: " << TConfiguracao::FArquivoPadrao().string()
        << "  log: " << TGenerico::FPastaLog().string() << '\n';
  return todos;
}
