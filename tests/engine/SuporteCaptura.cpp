#include "SuporteCaptura.h"

#include "firebird/Statement.h"

namespace {
// The loopback server's own password: a plain path that cannot be opened in-process is tried
// through the server on this machine.
const std::string kSenha = FConfiguracaoServidor("").password;

const char* const kColunasFila[] = {"CODEMPRESA", "ECF",    "ARQUIVO", "ATUALIZOU", "DATAATUAL",
                                    "HORAATUAL",  "ACAO",   "TABELA",  "CHAVE0",    "CHAVE1",
                                    "CHAVE2",     "CHAVE3", "CHAVE4",  "CHAVE5",    "CHAVE6",
                                    "CHAVE7",     "CHAVE8", "CHAVE9",  "LIBERARALT"};
}  // namespace

std::vector<TLinhaFila> FLeFila(TBancoTeste& banco) {
  std::string sql = "SELECT ";
  for (const char* c : kColunasFila) {
    if (sql.size() > 7) sql += ", ";
    // NULL shows as <null>, so an empty string and a missing value stay apart.
    sql += std::string("COALESCE(CAST(") + c + " AS VARCHAR(40)), \"<null>\") AS " + c;
  }
  sql += " FROM INTEGECF ORDER BY CAST(ARQUIVO AS INTEGER)";
  fb::Statement consulta(banco.conexao(), sql, false);
  auto linhas = consulta.executeQuery();
  std::vector<TLinhaFila> fila;
  while (linhas.next()) {
    TLinhaFila linha;
    for (const char* c : kColunasFila) linha[c] = linhas.getString(c);
    fila.push_back(std::move(linha));
  }
  return fila;
}

int FContaTriggers(TBancoTeste& banco, const std::string& tabela) {
  return banco.contagem("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME IN (\"" +
                        tabela + "_INC_ECF\", \"" + tabela + "_ALT_ECF\", \"" + tabela +
                        "_EXC_ECF\")");
}

std::vector<std::string> FColunas(TBancoTeste& banco, const std::string& tabela) {
  fb::Statement consulta(banco.conexao(),
                         "SELECT TRIM(RDB$FIELD_NAME) || \" \" || TRIM(RDB$FIELD_SOURCE) "
                         "FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = :T "
                         "ORDER BY RDB$FIELD_POSITION");
  consulta.setString("T", tabela);
  auto linhas = consulta.executeQuery();
  std::vector<std::string> colunas;
  while (linhas.next()) colunas.push_back(linhas.getString(0u));
  return colunas;
}

std::string FHoraMinutoDoBanco(TBancoTeste& banco) {
  fb::Statement consulta(banco.conexao(),
                         "SELECT EXTRACT(HOUR FROM CURRENT_TIMESTAMP) AS H, "
                         "EXTRACT(MINUTE FROM CURRENT_TIMESTAMP) AS M FROM RDB$DATABASE",
                         false);
  auto linha = consulta.executeQuery();
  linha.expectOneRow();
  return std::to_string(linha.getInt("H")) + ":" + std::to_string(linha.getInt("M"));
}

void CapturaTest::SetUp() {
  ASSERT_TRUE(motor.FCriaConexao(servidor.caminho(), "SYSDBA", kSenha, "ConexaoServidor", true));
}

TBancoTeste& CapturaTest::novoCaixa() {
  caixas.push_back(std::make_unique<TBancoTeste>(
      pasta / ("caixa" + std::to_string(caixas.size() + 1) + ".fdb")));
  registra(caixas.back()->caminho());
  return *caixas.back();
}

std::size_t CapturaTest::registra(const std::string& caminho) {
  EXPECT_TRUE(motor.FCriaConexao(caminho, "SYSDBA", kSenha, ""));
  return motor.GetListaConexao().FQuantidade() - 1;
}
