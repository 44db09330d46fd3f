#include "cli/UCliVerificacao.h"

#include "engine/UCapturaTabelas.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"

namespace {

int FConta(fb::Connection& conexao, const char* sql, const std::string& nome) {
  fb::Statement st(conexao, sql);
  st.setString("NOME", nome);
  auto rs = st.executeQuery();
  return rs.next() ? rs.getInt(0u) : 0;
}

constexpr const char* kSqlColunas =
    "SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = :NOME";

int FContaGatilhos(fb::Connection& conexao, const std::string& tabela) {
  fb::Statement st(conexao,
                   "SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME IN (:INC, :ALT, :EXC)");
  st.setString("INC", tabela + "_INC_ECF");
  st.setString("ALT", tabela + "_ALT_ECF");
  st.setString("EXC", tabela + "_EXC_ECF");
  auto rs = st.executeQuery();
  return rs.next() ? rs.getInt(0u) : 0;
}

}  // namespace

std::vector<std::string> FObjetosCapturaFaltantes(fb::Connection& conexao) {
  std::vector<std::string> faltantes;
  if (FConta(conexao, kSqlColunas, "INTEGECF") < 19) faltantes.push_back("tabela INTEGECF");
  if (FConta(conexao,
             "SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = :NOME",
             "G_ORDEMINTEGECF") == 0)
    faltantes.push_back("generator G_ORDEMINTEGECF");
  if (FConta(conexao,
             "SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = \"PARATLM\" "
             "AND RDB$FIELD_NAME = :NOME",
             "INTEGGERALECF") == 0)
    faltantes.push_back("campo PARATLM.INTEGGERALECF");
  if (FConta(conexao,
             "SELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME = :NOME",
             "PGRAVA_INTEGECF") == 0)
    faltantes.push_back("procedure PGRAVA_INTEGECF");
  return faltantes;
}

std::vector<std::string> FTabelasSemGatilhos(fb::Connection& conexao,
                                             const TSelecaoTabelas& selecao, bool servidor) {
  std::vector<std::string> tabelas;
  for (const TTabelaCaptura& t : FTabelasCaptura(selecao, servidor)) {
    const std::string nome(t.tabela);
    if (t.capturada && FConta(conexao, kSqlColunas, nome) > 0 &&
        FContaGatilhos(conexao, nome) < 3)
      tabelas.push_back(nome);
  }
  return tabelas;
}
