// TBancoDados: the capture triggers. A table is captured while it carries three triggers, after
// insert, update and delete, that pass its primary-key values to PGRAVA_INTEGECF. The key is read
// from the database that carries the triggers.
#include <exception>

#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "platform/UGenerico.h"

namespace {

const std::string kSufixoInclusao = "_INC_ECF";
const std::string kSufixoAlteracao = "_ALT_ECF";
const std::string kSufixoExclusao = "_EXC_ECF";

// Identifiers are at most 31 characters, and a trigger name adds its suffix to the table's.
constexpr std::size_t kTamanhoIdentificador = 31;

// A plain upper-case identifier: the only kind of name spliced into a trigger's text.
bool fbIdentificadorSimples(const std::string& nome, std::size_t tamanhoMaximo) {
  if (nome.empty() || nome.size() > tamanhoMaximo) return false;
  if (nome[0] < 'A' || nome[0] > 'Z') return false;
  for (const char c : nome)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$')) return false;
  return true;
}

bool fbTabelaValida(const std::string& tabela) {
  if (fbIdentificadorSimples(tabela, kTamanhoIdentificador - kSufixoInclusao.size())) return true;
  TGenerico::PGeraLog("Nome de tabela inválido para os gatilhos de captura: \"" + tabela +
                      "\". Nenhum gatilho foi criado ou excluído.");
  return false;
}

}  // namespace

const char* TBancoDados::FSqlPrimaryKey() {
  return "SELECT RDB$INDEX_SEGMENTS.RDB$FIELD_NAME FROM RDB$RELATION_CONSTRAINTS "
         "INNER JOIN RDB$INDEX_SEGMENTS ON RDB$RELATION_CONSTRAINTS.RDB$INDEX_NAME = "
         "RDB$INDEX_SEGMENTS.RDB$INDEX_NAME WHERE RDB$RELATION_CONSTRAINTS.RDB$RELATION_NAME = "
         ":TABELA AND RDB$RELATION_CONSTRAINTS.RDB$CONSTRAINT_TYPE = \"PRIMARY KEY\" "
         "ORDER BY RDB$INDEX_SEGMENTS.RDB$FIELD_POSITION ";
}

// The condition reads (relation and insert trigger) or update trigger or delete trigger: trigger
// names are unique in a database, so a row comes back when any of the three exists.
const char* TBancoDados::FSqlTrigger() {
  return "SELECT RDB$TRIGGERS.RDB$TRIGGER_NAME FROM RDB$TRIGGERS "
         "WHERE RDB$TRIGGERS.RDB$RELATION_NAME = :TABELA AND RDB$TRIGGERS.RDB$TRIGGER_NAME = :INC "
         "OR RDB$TRIGGERS.RDB$TRIGGER_NAME = :ALT OR RDB$TRIGGERS.RDB$TRIGGER_NAME = :EXC ";
}

std::size_t TBancoDados::FPrimaryKey(const std::string& tabela, std::size_t posicao,
                                     TListaDeChave& lista) {
  lista.PLimpa();
  fb::Statement consulta(listaConexao_.FConexao(posicao), FSqlPrimaryKey());
  consulta.setString("TABELA", tabela);
  fb::ResultSet linhas = consulta.executeQuery();
  std::size_t quantidade = 0;
  while (linhas.next()) {
    std::string campo = linhas.getString("RDB$FIELD_NAME");
    campo.erase(campo.find_last_not_of(' ') + 1);
    if (quantidade < kQuantidadeChaves) lista[quantidade] = std::move(campo);
    ++quantidade;
  }
  return quantidade;
}

std::string TBancoDados::FTextoTrigger(const std::string& tabela, const std::string& sufixo,
                                       const TListaDeChave& chave) {
  const bool exclusao = sufixo == kSufixoExclusao;
  const char* evento = exclusao ? "DELETE" : sufixo == kSufixoAlteracao ? "UPDATE" : "INSERT";
  const char* acao = exclusao ? "E" : sufixo == kSufixoAlteracao ? "A" : "I";
  std::string texto = "CREATE TRIGGER " + tabela + sufixo + " FOR " + tabela + "\r";
  texto += std::string("ACTIVE AFTER ") + evento + " POSITION 0\r";
  texto += "AS\r";
  texto += "BEGIN\r";
  texto += std::string("    EXECUTE PROCEDURE PGRAVA_INTEGECF(\"") + acao + "\", \"" + tabela +
           "\"";
  for (std::size_t i = 0; i < kQuantidadeChaves; ++i)
    texto += ", " + (chave[i].empty() ? std::string("\"\"")
                                      : (exclusao ? "OLD." : "NEW.") + chave[i]);
  texto += "); \r";
  texto += "END";
  return texto;
}

bool TBancoDados::fbExisteTrigger(const std::string& tabela, std::size_t posicao) {
  fb::Statement consulta(listaConexao_.FConexao(posicao), FSqlTrigger());
  consulta.setString("TABELA", tabela);
  consulta.setString("INC", tabela + kSufixoInclusao);
  consulta.setString("ALT", tabela + kSufixoAlteracao);
  consulta.setString("EXC", tabela + kSufixoExclusao);
  return consulta.executeQuery().next();
}

void TBancoDados::PCriaTrigger(const std::string& tabela, bool servidor) {
  if (!fbTabelaValida(tabela)) return;
  fbParaCadaAlvo(servidor, [&](std::size_t i) {
    // Existing triggers are neither replaced nor completed.
    if (fbExisteTrigger(tabela, i)) return true;
    TListaDeChave chave;
    const std::size_t colunas = FPrimaryKey(tabela, i, chave);
    if (colunas == 0) return true;
    if (colunas > kQuantidadeChaves) {
      TGenerico::PGeraLog("Os gatilhos da tabela " + tabela + " não foram criados: a chave "
                          "primária tem " + std::to_string(colunas) +
                          " colunas e a fila de integração guarda no máximo " +
                          std::to_string(kQuantidadeChaves) + ".");
      return true;
    }
    for (std::size_t k = 0; k < colunas; ++k) {
      if (!fbIdentificadorSimples(chave[k], kTamanhoIdentificador)) {
        TGenerico::PGeraLog("Os gatilhos da tabela " + tabela + " não foram criados: a coluna \"" +
                            chave[k] + "\" da chave primária não tem um nome simples.");
        return true;
      }
    }
    // The three commit together: one of them alone would keep the others from ever being made,
    // since any existing trigger of the table blocks the creation.
    fbExecutaLote(i,
                  {FTextoTrigger(tabela, kSufixoInclusao, chave),
                   FTextoTrigger(tabela, kSufixoAlteracao, chave),
                   FTextoTrigger(tabela, kSufixoExclusao, chave)},
                  true, true);
    return true;
  });
}

void TBancoDados::PExcluiTrigger(const std::string& tabela, bool servidor) {
  if (!fbTabelaValida(tabela)) return;
  fbParaCadaAlvo(servidor, [&](std::size_t i) {
    if (!fbExisteTrigger(tabela, i)) return true;
    // A trigger that is not there is refused and logged; the others still go, all in one
    // commit, so a lost connection never leaves part of the three behind.
    fbExecutaLote(i,
                  {"DROP TRIGGER " + tabela + kSufixoInclusao,
                   "DROP TRIGGER " + tabela + kSufixoAlteracao,
                   "DROP TRIGGER " + tabela + kSufixoExclusao},
                  true, false);
    return true;
  });
}
