#include "cli/UCliStatus.h"

#include <map>
#include <set>
#include <string>

#include "cli/UCliSessao.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "schema/UCatalogo.h"

namespace {

std::set<std::string> FNomes(fb::Connection& conexao, const char* sql) {
  std::set<std::string> nomes;
  fb::Statement st(conexao, sql);
  auto rs = st.executeQuery();
  while (rs.next()) nomes.insert(rs.getString("NOME"));
  return nomes;
}

std::string FResumoBanco(TSessaoCli& sessao, std::size_t posicao) {
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

  // A table is captured when it carries its three triggers.
  const auto gatilhos = FNomes(conexao,
                               "SELECT TRIM(RDB$TRIGGER_NAME) AS NOME FROM RDB$TRIGGERS "
                               "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
  int capturadas = 0;
  for (const std::string& nome : relacoes)
    capturadas += gatilhos.count(nome + "_INC_ECF") && gatilhos.count(nome + "_ALT_ECF") &&
                  gatilhos.count(nome + "_EXC_ECF");
  linha += "  tabelas capturadas " + std::to_string(capturadas);

  if (!relacoes.count("INTEGECF")) return linha + "  fila: sem tabela INTEGECF";
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

bool fbImprimeStatus(TSessaoCli& sessao, std::ostream& saida) {
  bool todos = true;
  TListaConexao& lista = sessao.cadastro.GetListaConexao();
  for (std::size_t k = 0; k < lista.FQuantidade(); ++k) {
    fb::Connection& conexao = lista.FConexao(k);
    const bool alcancavel =
        k == 0 ? FVerificaBancoOnline(conexao) : sessao.cadastro.FVerificaConexao(k);
    saida << "[" << k << "] " << (k == 0 ? "servidor" : "caixa") << "  " << conexao.database()
          << "  " << (alcancavel ? "acessível" : "inacessível");
    if (alcancavel) {
      try {
        saida << FResumoBanco(sessao, k);
      } catch (const std::exception& e) {
        saida << "  erro ao consultar: " << e.what();
        todos = false;
      }
    } else {
      todos = false;
    }
    saida << '\n';
  }
  return todos;
}
