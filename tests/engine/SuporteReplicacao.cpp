#include "SuporteReplicacao.h"

#include <algorithm>

#include "cli/UCliDemo.h"
#include "engine/UCapturaTabelas.h"
#include "firebird/Statement.h"
#include "platform/UConfiguracao.h"
#include "schema/UCatalogo.h"

void PInsere(fb::Connection& banco, const std::string& nomeTabela, const TValores& valores) {
  const TTabelaCatalogo* tabela = FProcuraTabela(nomeTabela);
  ASSERT_NE(tabela, nullptr) << nomeTabela;
  const TInsercaoCatalogo insercao = FInsercaoCatalogo(*tabela, valores);
  fb::Connection& c = banco;
  c.startTransaction();
  try {
    fb::Statement st(c, insercao.sql);
    for (const auto& [coluna, valor] : insercao.parametros) {
      switch (coluna->tipo) {
        case TTipoValor::Texto:
          if (coluna->blob)
            st.setBlob(coluna->nome, valor);
          else
            st.setString(coluna->nome, valor);
          break;
        case TTipoValor::Inteiro: st.setInt(coluna->nome, valor.empty() ? 0 : std::stoi(valor)); break;
        case TTipoValor::Flutuante: st.setDouble(coluna->nome, valor.empty() ? 0.0 : std::stod(valor)); break;
        case TTipoValor::DataHora:
          st.setDateTime(coluna->nome, valor.empty() ? 0.0 : TBancoDados::FLeDataChave(valor));
          break;
      }
    }
    st.execute();
    c.commit();
  } catch (...) {
    c.rollback();
    throw;
  }
}

std::vector<std::string> FLinhas(fb::Connection& banco, const std::string& nomeTabela,
                                 const std::vector<std::string>& exceto) {
  const TTabelaCatalogo* tabela = FProcuraTabela(nomeTabela);
  std::string sql = "SELECT ";
  std::vector<std::string> nomes;
  for (const TColunaCatalogo& coluna : tabela->colunas) {
    const std::string nome(coluna.nome);
    if (std::find(exceto.begin(), exceto.end(), nome) != exceto.end()) continue;
    // Replication writes no NULL: a NULL arrives as the empty value of its type.
    const char* vazio = coluna.tipo == TTipoValor::Texto       ? "\"\""
                        : coluna.tipo == TTipoValor::Inteiro   ? "0"
                        : coluna.tipo == TTipoValor::Flutuante ? "CAST(0 AS DOUBLE PRECISION)"
                                                               : "CAST(\"30-DEC-1899\" AS DATE)";
    sql += (nomes.empty() ? "" : ", ") + std::string("CAST(COALESCE(") + nome + ", " + vazio +
           (coluna.blob ? ") AS VARCHAR(8000))" : ") AS VARCHAR(200))");
    nomes.push_back(nome);
  }
  sql += " FROM " + nomeTabela;
  fb::Statement st(banco, sql, false);
  auto rs = st.executeQuery();
  std::vector<std::string> linhas;
  while (rs.next()) {
    std::string linha;
    for (unsigned i = 0; i < nomes.size(); ++i) linha += (i ? "|" : "") + nomes[i] + "=" + rs.getString(i);
    linhas.push_back(linha);
  }
  std::sort(linhas.begin(), linhas.end());
  return linhas;
}

std::vector<std::string> FFilaResumida(fb::Connection& banco) {
  fb::Statement st(banco,
                   "SELECT ACAO, TABELA, CHAVE0 FROM INTEGECF ORDER BY CAST(ARQUIVO AS INTEGER)", false);
  auto rs = st.executeQuery();
  std::vector<std::string> fila;
  while (rs.next()) fila.push_back(rs.getString(0u) + " " + rs.getString(1u) + " " + rs.getString(2u));
  return fila;
}

std::string FValor(fb::Connection& banco, const std::string& sql) {
  fb::Statement st(banco, sql, false);
  auto rs = st.executeQuery();
  return rs.next() ? rs.getString(0u) : std::string();
}

int FContaLimbo(fb::Connection& banco) {
  return std::stoi(FValor(banco, "SELECT COUNT(*) FROM RDB$TRANSACTIONS WHERE RDB$TRANSACTION_STATE = 1"));
}

void ReplicacaoTest::SetUp() {
  servidor = std::make_unique<TBancoTeste>(pasta / "servidor.fdb");
  for (int k = 1; k <= FQuantidadeCaixas(); ++k) {
    char maquina[16];
    std::snprintf(maquina, sizeof maquina, "%03d", k);
    caixas.push_back(std::make_unique<TBancoTeste>(pasta / ("caixa" + std::to_string(k) + ".fdb")));
    caixas.back()->adicionaMaquina({maquina, std::string("SN") + maquina, "01"});
    servidor->adicionaMaquina({maquina, std::string("SN") + maquina, "01"});
  }
  for (TBancoDados* motor : {&cadastro, &vendas}) {
    ASSERT_TRUE(motor->FCriaConexao(servidor->caminho(), "SYSDBA", "masterkey",
                                    motor == &cadastro ? "ConexaoServidor" : "ConexaoServidorVend",
                                    true));
    for (auto& c : caixas) ASSERT_TRUE(motor->FCriaConexao(c->caminho(), "SYSDBA", "masterkey", ""));
  }
  ASSERT_TRUE(cadastro.FAtualizaBancoDeDados());
  const TSelecaoTabelas todas;
  ASSERT_TRUE(FAplicaCaptura(cadastro, todas, true));
  ASSERT_TRUE(FAplicaCaptura(cadastro, todas, false));
  vendas.PDefineEspera([this](std::chrono::milliseconds t) { esperas.push_back(t); });
}

void ReplicacaoTest::PAuditaServidor(const std::string& tabela, const std::string& coluna) {
  servidor->executa("CREATE TABLE AUDITORIA (SEQ INTEGER NOT NULL, OPERACAO VARCHAR(60))");
  servidor->executa("CREATE GENERATOR G_AUDITORIA");
  const std::pair<const char*, const char*> tipos[] = {
      {"INSERT", "\"I \" || NEW."}, {"UPDATE", "\"U \" || NEW."}, {"DELETE", "\"D \" || OLD."}};
  for (const auto& [evento, prefixo] : tipos)
    servidor->executa("CREATE TRIGGER AUD_" + tabela + "_" + evento + " FOR " + tabela +
                      " AFTER " + evento + " AS BEGIN INSERT INTO AUDITORIA VALUES (GEN_ID(G_AUDITORIA, 1), " +
                      prefixo + coluna + "); END");
}

std::vector<std::string> ReplicacaoTest::FAuditoria() {
  fb::Statement st(servidor->conexao(), "SELECT OPERACAO FROM AUDITORIA ORDER BY SEQ", false);
  auto rs = st.executeQuery();
  std::vector<std::string> ops;
  while (rs.next()) ops.push_back(rs.getString(0u));
  return ops;
}
