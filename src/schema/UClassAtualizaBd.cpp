#include "schema/UClassAtualizaBd.h"

#include <cctype>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/TNotificador.h"
#include "platform/UGenerico.h"

namespace {

std::string FApara(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(" \t\r\n");
  if (inicio == std::string_view::npos) return {};
  const auto fim = texto.find_last_not_of(" \t\r\n");
  return std::string(texto.substr(inicio, fim - inicio + 1));
}

bool fbEmBranco(std::string_view texto) { return FApara(texto).empty(); }

// A value between double quotes: a string literal in SQL dialect 1, embedded quotes doubled.
std::string FLiteralAspas(std::string_view texto) {
  return "\"" + FTroca(texto, "\"", "\"\"") + "\"";
}

bool fbSomente(std::string_view texto, std::string_view permitidos) {
  for (char c : texto)
    if (!std::isalnum(static_cast<unsigned char>(c)) && permitidos.find(c) == std::string_view::npos)
      return false;
  return true;
}

// A SQL type as a domain is created with: "VARCHAR(30)", "DOUBLE PRECISION",
// "BLOB SUB_TYPE 1 SEGMENT SIZE 50".
bool fbTipoSimples(std::string_view tipo) { return !fbEmBranco(tipo) && fbSomente(tipo, "_ (),"); }

// A nullability clause: words only ("NOT NULL", or empty).
bool fbNuloSimples(std::string_view nulo) {
  for (char c : nulo)
    if (!std::isalpha(static_cast<unsigned char>(c)) && c != ' ') return false;
  return true;
}

// The parts of a comma-separated column list, each trimmed.
std::vector<std::string> FPartes(std::string_view lista) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  while (true) {
    const auto virgula = lista.find(',', inicio);
    partes.push_back(FApara(lista.substr(inicio, virgula == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : virgula - inicio)));
    if (virgula == std::string_view::npos) break;
    inicio = virgula + 1;
  }
  return partes;
}

bool fbListaSimples(std::string_view lista) {
  for (const std::string& parte : FPartes(lista))
    if (!fbIdentificadorSimples(parte)) return false;
  return true;
}

bool fbQuerNotNull(std::string_view nulo) { return FMaiusculas(nulo) == "NOT NULL"; }

// The first column of every row, trimmed.
std::vector<std::string> FColuna(fb::Statement& consulta) {
  std::vector<std::string> valores;
  auto linhas = consulta.executeQuery();
  while (linhas.next()) valores.push_back(FApara(linhas.getString(0u)));
  return valores;
}

}  // namespace

bool fbIdentificadorSimples(std::string_view nome) {
  if (nome.empty() || nome.size() > 31) return false;
  if (!std::isalpha(static_cast<unsigned char>(nome[0]))) return false;
  for (char c : nome)
    if (!(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9') && c != '_' &&
        c != '$')
      return false;
  return true;
}

std::string FMaiusculas(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return resultado;
}

std::string FLiteral(std::string_view texto) { return "'" + FTroca(texto, "'", "''") + "'"; }

bool FAcha(std::string_view procurado, std::string_view texto) {
  return texto.find(procurado) != std::string_view::npos;
}

std::string FTroca(std::string_view texto, std::string_view procurado, std::string_view troca) {
  if (procurado.empty()) return std::string(texto);
  std::string resultado;
  std::size_t inicio = 0;
  for (auto pos = texto.find(procurado); pos != std::string_view::npos;
       pos = texto.find(procurado, inicio)) {
    resultado.append(texto.substr(inicio, pos - inicio)).append(troca);
    inicio = pos + procurado.size();
  }
  resultado.append(texto.substr(inicio));
  return resultado;
}

// ---------------------------------------------------------------------------------------------

TUtilsAtualizaBD::TUtilsAtualizaBD(fb::Connection& conexao, TNotificador& notificador)
    : conexao_(conexao), notificador_(notificador) {}

TUtilsAtualizaBD::~TUtilsAtualizaBD() = default;

void TUtilsAtualizaBD::PIniciaTransacao() {
  if (!conexao_.inTransaction()) conexao_.startTransaction();
}

void TUtilsAtualizaBD::PConfirmaTransacao() {
  if (conexao_.inTransaction()) conexao_.commit();
}

void TUtilsAtualizaBD::PCancelaTransacao() {
  if (conexao_.inTransaction()) conexao_.rollback();
}

bool TUtilsAtualizaBD::fbAtualizaTabelaErro(const std::string& comando, const std::string& motivo) {
  std::string falhaDesfazer;
  try {
    PCancelaTransacao();
  } catch (const fb::Error& e) {
    falhaDesfazer = e.what();
  }
  if (!comando.empty())
    TGenerico::PGeraLog("Erro ao atualizar a estrutura do banco de dados " + conexao_.database() +
                        " com o comando: " + comando + "\rMotivo: " + motivo);
  if (!falhaDesfazer.empty())
    TGenerico::PGeraLog("Erro ao desfazer a transação do banco de dados " + conexao_.database() +
                        "\rMotivo: " + falhaDesfazer);
  return true;
}

bool TUtilsAtualizaBD::fbNomesSimples(std::initializer_list<std::string_view> nomes,
                                      std::string_view passo) {
  for (std::string_view nome : nomes) {
    if (fbIdentificadorSimples(nome)) continue;
    TGenerico::PGeraLog("Nome inválido na estrutura de " + std::string(passo) + ": \"" +
                        std::string(nome) + "\". A alteração não foi feita no banco de dados " +
                        conexao_.database());
    return false;
  }
  return true;
}

void TUtilsAtualizaBD::PExecutaComando(const std::string& comando) {
  sql_.reset();
  sql_ = std::make_unique<fb::Statement>(conexao_, comando, false);
  sql_->execute();
}

bool TUtilsAtualizaBD::fbExecutaAlteracao(const std::string& comando) {
  try {
    PIniciaTransacao();
    PExecutaComando(comando);
    PConfirmaTransacao();
    return true;
  } catch (const fb::Error& e) {
    fbAtualizaTabelaErro(comando, e.what());
    return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Read-only checks

namespace {

// Runs a count query and answers whether the count (column EXISTE) is above zero. The names bound
// are already upper-cased.
bool fbContagemPositiva(fb::Connection& conexao, const std::string& sql,
                        std::initializer_list<std::pair<const char*, std::string>> parametros) {
  fb::Statement q(conexao, sql, parametros.size() > 0);
  for (const auto& [nome, valor] : parametros) q.setString(nome, valor);
  auto r = q.executeQuery();
  r.expectOneRow();
  return r.getInt("EXISTE") > 0;
}

}  // namespace

bool TUtilsAtualizaBD::fbVerificaExistencia(const std::string& nome, const std::string& tabela,
                                            std::uint8_t tipo) {
  const std::string n = FMaiusculas(nome);
  const std::string t = FMaiusculas(tabela);
  switch (tipo) {
    case TVerificacao::Dominio:
      return fbContagemPositiva(
          conexao_, "SELECT COUNT(*) EXISTE FROM RDB$FIELDS WHERE RDB$FIELD_NAME = :VERIFICACAO",
          {{"VERIFICACAO", n}});
    case TVerificacao::Tabela:
      return fbContagemPositiva(conexao_,
                                "SELECT COUNT(*) EXISTE FROM RDB$RELATION_FIELDS WHERE "
                                "RDB$RELATION_NAME = :VERIFICATABELA ",
                                {{"VERIFICATABELA", n}});
    case TVerificacao::Campo:
      return fbContagemPositiva(conexao_,
                                "SELECT COUNT(*) EXISTE FROM RDB$RELATION_FIELDS WHERE "
                                "RDB$FIELD_NAME = :VERIFICACAMPO \n"
                                "AND RDB$RELATION_NAME = :VERIFICATABELA ",
                                {{"VERIFICACAMPO", n}, {"VERIFICATABELA", t}});
    case TVerificacao::Indice:
      return fbContagemPositiva(conexao_,
                                "SELECT COUNT(*) EXISTE FROM RDB$INDICES WHERE RDB$INDEX_NAME = "
                                ":VERIFICAINDEX \n"
                                "AND RDB$RELATION_NAME = :VERIFICATABELA",
                                {{"VERIFICAINDEX", n}, {"VERIFICATABELA", t}});
    case TVerificacao::Constraint:
      return fbContagemPositiva(conexao_,
                                "SELECT COUNT(*) EXISTE FROM RDB$RELATION_CONSTRAINTS \n"
                                "WHERE RDB$CONSTRAINT_NAME = :VERIFICACONSTRAINT AND "
                                "RDB$RELATION_NAME = :VERIFICATABELA",
                                {{"VERIFICACONSTRAINT", n}, {"VERIFICATABELA", t}});
    case TVerificacao::Trigger:
      return fbContagemPositiva(
          conexao_,
          "Select Count(*) As Existe                From Rdb$Triggers                        "
          "Where Rdb$Trigger_name = " + FLiteral(n) + "  And Rdb$Relation_name = " +
              FLiteral(t) + "  And Rdb$Flags = 1       ",
          {});
    case TVerificacao::Generator:
      return fbContagemPositiva(conexao_,
                                "Select Count(*) Existe From RDB$Generators Where "
                                "RDB$Generator_Name = :Verificacao",
                                {{"Verificacao", n}});
    case TVerificacao::NotNull: {
      fb::Statement q(conexao_,
                      "SELECT RDB$NULL_FLAG FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = " +
                          FLiteral(n) + "  AND RDB$RELATION_NAME = " + FLiteral(t),
                      false);
      auto r = q.executeQuery();
      return r.next() && !r.isNull("RDB$NULL_FLAG");
    }
    case TVerificacao::Excecao: {
      std::string sql =
          "Select Count(*) As Existe                From rdb$exceptions                      "
          "Where (rdb$exception_name = " + FLiteral(n) + ")";
      if (!fbEmBranco(tabela)) sql += "\nOr (rdb$exception_name = " + FLiteral(t) + ")";
      return fbContagemPositiva(conexao_, sql, {});
    }
    default:
      throw std::invalid_argument("fbVerificaExistencia: tipo de verificação desconhecido: " +
                                  std::to_string(tipo));
  }
}

std::string TUtilsAtualizaBD::fsVerificaTipo(const std::string& tabela, const std::string& campo) {
  fb::Statement q(conexao_,
                  "SELECT RDB$FIELD_SOURCE TIPO \n"
                  "FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = :VERIFICATABELA \n"
                  "AND RDB$FIELD_NAME = :VERIFICACAMPO");
  q.setString("VERIFICATABELA", FMaiusculas(tabela));
  q.setString("VERIFICACAMPO", FMaiusculas(campo));
  auto r = q.executeQuery();
  return r.next() ? FMaiusculas(FApara(r.getString("TIPO"))) : std::string();
}

bool TUtilsAtualizaBD::fbVerificaEstruturaPK(const std::string& nome, const std::string& campos) {
  fb::Statement q(conexao_,
                  " SELECT RDB$FIELD_NAME FROM RDB$INDEX_SEGMENTS     WHERE "
                  "RDB$INDEX_SEGMENTS.RDB$INDEX_NAME = " +
                      FLiteral(FMaiusculas(nome)) +
                      " ORDER BY RDB$INDEX_SEGMENTS.RDB$FIELD_POSITION   ",
                  false);
  std::string atuais;
  for (const std::string& campo : FColuna(q)) atuais += (atuais.empty() ? "" : ",") + campo;
  return atuais == FTroca(FMaiusculas(campos), " ", "");
}

std::string TUtilsAtualizaBD::FCamposDaConstraint(const std::string& nome) {
  fb::Statement q(conexao_,
                  "SELECT S.RDB$FIELD_NAME FROM RDB$RELATION_CONSTRAINTS C \n"
                  "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME \n"
                  "WHERE C.RDB$CONSTRAINT_NAME = :PNOME ORDER BY S.RDB$FIELD_POSITION");
  q.setString("PNOME", FMaiusculas(nome));
  std::string campos;
  for (const std::string& campo : FColuna(q)) campos += (campos.empty() ? "" : ",") + campo;
  return campos;
}

bool TUtilsAtualizaBD::fbCampoDaChavePrimaria(const std::string& tabela, const std::string& campo) {
  fb::Statement q(conexao_,
                  "SELECT COUNT(*) EXISTE FROM RDB$RELATION_CONSTRAINTS C \n"
                  "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME \n"
                  "WHERE C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' AND C.RDB$RELATION_NAME = "
                  ":PTABELA \n"
                  "AND S.RDB$FIELD_NAME = :PCAMPO");
  q.setString("PTABELA", FMaiusculas(tabela));
  q.setString("PCAMPO", FMaiusculas(campo));
  auto r = q.executeQuery();
  r.expectOneRow();
  return r.getInt("EXISTE") > 0;
}

std::string TUtilsAtualizaBD::fsPerdaNaConversao(const std::string& tabela,
                                                 const std::string& campo,
                                                 const std::string& dominio) {
  fb::Statement q(conexao_,
                  "SELECT C.RDB$FIELD_TYPE, COALESCE(C.RDB$FIELD_SCALE, 0), "
                  "COALESCE(C.RDB$CHARACTER_SET_ID, 0), \n"
                  "D.RDB$FIELD_TYPE, COALESCE(D.RDB$FIELD_SCALE, 0), "
                  "COALESCE(D.RDB$CHARACTER_SET_ID, 0), \n"
                  "(SELECT TRIM(RDB$CHARACTER_SET_NAME) FROM RDB$CHARACTER_SETS \n"
                  " WHERE RDB$CHARACTER_SET_ID = COALESCE(C.RDB$CHARACTER_SET_ID, 0)), \n"
                  "(SELECT TRIM(RDB$CHARACTER_SET_NAME) FROM RDB$CHARACTER_SETS \n"
                  " WHERE RDB$CHARACTER_SET_ID = COALESCE(D.RDB$CHARACTER_SET_ID, 0)) \n"
                  "FROM RDB$RELATION_FIELDS R \n"
                  "JOIN RDB$FIELDS C ON C.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE \n"
                  "CROSS JOIN RDB$FIELDS D \n"
                  "WHERE R.RDB$RELATION_NAME = :PTABELA AND R.RDB$FIELD_NAME = :PCAMPO \n"
                  "AND D.RDB$FIELD_NAME = :PDOMINIO");
  q.setString("PTABELA", FMaiusculas(tabela));
  q.setString("PCAMPO", FMaiusculas(campo));
  q.setString("PDOMINIO", FMaiusculas(dominio));
  auto r = q.executeQuery();
  if (!r.next()) return {};
  // RDB$FIELD_TYPE codes: 14 CHAR, 37 VARCHAR, 40 CSTRING; 7 SMALLINT, 8 INTEGER, 16 BIGINT.
  const auto texto = [](int tipo) { return tipo == 14 || tipo == 37 || tipo == 40; };
  const auto inteiro = [](int tipo) { return tipo == 7 || tipo == 8 || tipo == 16; };
  const int tipoAtual = r.getInt(0u), escalaAtual = r.getInt(1u), conjuntoAtual = r.getInt(2u);
  const int tipoNovo = r.getInt(3u), escalaNova = r.getInt(4u), conjuntoNovo = r.getInt(5u);
  if (texto(tipoAtual) && texto(tipoNovo) && conjuntoAtual != conjuntoNovo)
    return "o texto passaria do conjunto de caracteres " + FApara(r.getString(6u)) + " para " +
           FApara(r.getString(7u)) + ", e as linhas com caracteres sem equivalente ficariam "
           "ilegíveis";
  if (inteiro(tipoAtual) && inteiro(tipoNovo) && escalaAtual < escalaNova)
    return "os valores têm " + std::to_string(-escalaAtual) + " casas decimais, que o domínio " +
           "arredondaria para " + std::to_string(-escalaNova);
  return {};
}

// ---------------------------------------------------------------------------------------------
// Steps

bool TUtilsAtualizaBD::fbAtualizaEstruturaDominio(const std::string& Nome, const std::string& Tipo,
                                                  const std::string& Nulo) {
  if (!fbNomesSimples({Nome}, "domínio")) return false;
  if (fbVerificaExistencia(Nome, "", TVerificacao::Dominio)) return true;
  if (!fbTipoSimples(Tipo) || !fbNuloSimples(Nulo)) {
    TGenerico::PGeraLog("Tipo inválido na estrutura do domínio " + Nome + ": \"" + Tipo + " " +
                        Nulo + "\". O domínio não foi criado no banco de dados " +
                        conexao_.database());
    return false;
  }
  return fbExecutaAlteracao("CREATE DOMAIN " + Nome + " AS " + Tipo + " " + Nulo);
}

bool TUtilsAtualizaBD::fbAtualizaEstruturaTabela(const std::string& tabela,
                                                 const std::string& campo,
                                                 const std::string& dominio,
                                                 const std::string& nulo) {
  if (!fbNomesSimples({tabela, campo, dominio}, "tabela") || !fbNuloSimples(nulo)) return false;
  return fbExecutaAlteracao("CREATE TABLE " + tabela + "(" + campo + " " + dominio + " " + nulo +
                            ")");
}

bool TUtilsAtualizaBD::fbAtualizaEstruturaCampo(const std::string& Tabela,
                                                const std::string& NomeCampo,
                                                const std::string& TipoCampo,
                                                const std::string& Nulo,
                                                const std::string& Default) {
  if (!fbNomesSimples({Tabela, NomeCampo, TipoCampo}, "coluna")) return false;
  if (!fbNuloSimples(Nulo)) {
    TGenerico::PGeraLog("Nulidade inválida na estrutura da coluna " + Tabela + "." + NomeCampo +
                        ": \"" + Nulo + "\". A coluna não foi alterada no banco de dados " +
                        conexao_.database());
    return false;
  }
  // Fills the column's NULLs with its default.
  const auto preenche = [&] {
    fbAtualizaDados("A", Tabela, NomeCampo + "= " + FLiteralAspas(Default),
                    NomeCampo + " IS NULL");
  };

  if (!fbVerificaExistencia(Tabela, "", TVerificacao::Tabela)) {
    fbAtualizaEstruturaTabela(Tabela, NomeCampo, TipoCampo, Nulo);
    preenche();
    return true;
  }

  if (!fbVerificaExistencia(TipoCampo, "", TVerificacao::Dominio)) {
    const std::string mensagem =
        "Dominio Não Existe \"" + TipoCampo + "\". Atualizações serão canceladas";
    notificador_.PErro(mensagem);
    TGenerico::PGeraLog(mensagem + " (coluna " + Tabela + "." + NomeCampo + " do banco de dados " +
                        conexao_.database() + ")");
    fbAtualizaTabelaErro();
    return false;
  }

  if (!fbVerificaExistencia(NomeCampo, Tabela, TVerificacao::Campo)) {
    std::string comando = "ALTER TABLE " + Tabela + " ADD " + NomeCampo + " " + TipoCampo;
    if (!fbEmBranco(Default)) comando += " DEFAULT " + FLiteral(Default);
    if (!fbExecutaAlteracao(comando + " " + Nulo)) {
      // The server refuses a NOT NULL column without a value for the rows already in the table.
      // The column is added without the flag, so the table can be read and written with it; the
      // flag follows once the rows hold values (each later run tries it and logs the refusal).
      if (!fbQuerNotNull(Nulo) || !fbExecutaAlteracao(comando + " ")) return false;
      TGenerico::PGeraLog("A coluna " + Tabela + "." + NomeCampo + " foi criada sem NOT NULL no " +
                          "banco de dados " + conexao_.database() +
                          ", porque a tabela já tem linhas sem valor para ela.");
      return false;
    }
  } else if (fsVerificaTipo(Tabela, NomeCampo) != FMaiusculas(TipoCampo)) {
    if (adiaColunasDaChave_ && fbCampoDaChavePrimaria(Tabela, NomeCampo)) {
      colunasAdiadas_.push_back({Tabela, NomeCampo, TipoCampo, Nulo, Default});
      return true;
    }
    // The server converts the stored values, or refuses a type that cannot hold them; the few
    // conversions it accepts although they lose data are refused here.
    const std::string perda = fsPerdaNaConversao(Tabela, NomeCampo, TipoCampo);
    if (!perda.empty()) {
      TGenerico::PGeraLog("A coluna " + Tabela + "." + NomeCampo + " do banco de dados " +
                          conexao_.database() + " não foi apontada para o domínio " + TipoCampo +
                          ": " + perda + ".");
      return false;
    }
    if (!fbExecutaAlteracao("ALTER TABLE " + Tabela + " ALTER COLUMN " + NomeCampo + " TYPE " +
                            TipoCampo))
      return false;
  } else {
    const bool querNotNull = fbQuerNotNull(Nulo);
    const bool ehNotNull = fbVerificaExistencia(NomeCampo, Tabela, TVerificacao::NotNull);
    // A column of the current primary key cannot lose NOT NULL while the key stands; the key
    // step decides it once the key has been re-created.
    const bool deixaParaChave =
        !querNotNull && ehNotNull && fbCampoDaChavePrimaria(Tabela, NomeCampo);
    if (querNotNull != ehNotNull && !deixaParaChave &&
        !fbAtualizaNotNull(Tabela, NomeCampo, Nulo))
      return false;
  }
  if (!Default.empty()) preenche();
  return true;
}

bool TUtilsAtualizaBD::fbAtualizaNotNull(const std::string& tabela, const std::string& campo,
                                         const std::string& nulo) {
  if (!fbNomesSimples({tabela, campo}, "coluna")) return false;
  // Refused by the server while rows hold NULL in the column: nothing is filled behind the data.
  return fbExecutaAlteracao("ALTER TABLE " + tabela + " ALTER " + campo +
                            (fbQuerNotNull(nulo) ? " SET NOT NULL" : " DROP NOT NULL"));
}

bool TUtilsAtualizaBD::fbExcluiConstraint(const std::string& nome, const std::string& tabela) {
  if (!fbVerificaExistencia(nome, tabela, TVerificacao::Constraint)) return true;
  if (!fbNomesSimples({tabela, nome}, "constraint")) return false;
  return fbExecutaAlteracao("ALTER TABLE " + tabela + " DROP CONSTRAINT " + nome);
}

bool TUtilsAtualizaBD::fbAtualizaEstruturaConstraint(const std::string& Tipo,
                                                     const std::string& Nome,
                                                     const std::string& Campo,
                                                     const std::string& Tabela,
                                                     const std::string& CampoReferencia,
                                                     const std::string& TabelaReferencia) {
  const bool chaveEstrangeira = Tipo != "PK" && Tipo != "UNQ";
  if (!fbNomesSimples({Tabela, Nome}, "constraint") ||
      (chaveEstrangeira && !fbNomesSimples({TabelaReferencia}, "constraint")))
    return false;
  if (!fbListaSimples(Campo) || (chaveEstrangeira && !fbListaSimples(CampoReferencia))) {
    TGenerico::PGeraLog("Lista de colunas inválida na constraint " + Nome + ": \"" + Campo +
                        "\". A constraint não foi alterada no banco de dados " +
                        conexao_.database());
    return false;
  }

  try {
    PConfirmaTransacao();
    PIniciaTransacao();
  } catch (const fb::Error& e) {
    fbAtualizaTabelaErro("(confirmação da transação aberta)", e.what());
    return false;
  }

  // Adds the constraint in a fresh transaction of its own.
  const auto adiciona = [&](const std::string& comando) {
    try {
      PConfirmaTransacao();
      PIniciaTransacao();
      PExecutaComando(comando);
      PConfirmaTransacao();
      return true;
    } catch (const fb::Error& e) {
      fbAtualizaTabelaErro(comando, e.what());
      return false;
    }
  };

  const bool existe = fbVerificaExistencia(Nome, Tabela, TVerificacao::Constraint);
  if (Tipo == "PK") {
    if (existe) {
      if (fbVerificaEstruturaPK(Nome, Campo)) return true;
      if (!fbExecutaAlteracao("ALTER TABLE " + Tabela + " DROP CONSTRAINT " + Nome)) return false;
      return fbAtualizaEstruturaConstraint(Tipo, Nome, Campo, Tabela, CampoReferencia,
                                           TabelaReferencia);
    }
    for (const std::string& parte : FPartes(Campo))
      if (!fbVerificaExistencia(parte, Tabela, TVerificacao::NotNull))
        fbAtualizaNotNull(Tabela, parte, "NOT NULL");
    return adiciona("ALTER TABLE " + Tabela + " ADD CONSTRAINT " + Nome + " PRIMARY KEY (" +
                    Campo + ")");
  }
  if (existe) return true;
  if (Tipo == "UNQ")
    return adiciona("ALTER TABLE " + Tabela + " ADD CONSTRAINT " + Nome + " UNIQUE (" + Campo +
                    ")");
  return adiciona("ALTER TABLE " + Tabela + " ADD CONSTRAINT " + Nome + " FOREIGN KEY (" + Campo +
                  ") REFERENCES " + TabelaReferencia + " (" + CampoReferencia + ")");
}

bool TUtilsAtualizaBD::fbAtualizaDados(const std::string& acao, const std::string& tabela,
                                       const std::string& valores, const std::string& condicao) {
  if (!fbNomesSimples({tabela}, "dados")) return false;
  PTrataIntegracao(1);
  std::string comando;
  if (acao == "A") {
    PAtivaTriggers(tabela, false);
    comando = "UPDATE " + tabela + " SET " + valores;
    if (!fbEmBranco(condicao)) comando += " WHERE " + condicao;
  } else if (acao == "I") {
    if (!fbEmBranco(condicao) && FMaiusculas(condicao.substr(0, 6)) == "SELECT")
      comando = "INSERT INTO " + tabela + "(" + valores + ") " + condicao;
    else
      comando = "INSERT INTO " + tabela + "(" + valores + ") VALUES (" + condicao + ")";
  } else {
    comando = "DELETE FROM " + tabela;
    if (!fbEmBranco(condicao)) comando += " WHERE " + condicao;
  }
  bool ok = true;
  try {
    PExecutaComando(comando);
  } catch (const fb::Error& e) {
    fbAtualizaTabelaErro(comando, e.what());
    ok = false;
  }
  if (acao == "A") PAtivaTriggers(tabela, true);
  PTrataIntegracao(0);
  return ok;
}

void TUtilsAtualizaBD::PTrataIntegracao(int valor) {
  if (!fbVerificaExistencia("INTEGGERAL", "PARATLM", TVerificacao::Campo)) return;
  const std::string comando =
      "Update ParaTlm                 Set IntegGeral = " + std::to_string(valor);
  try {
    PIniciaTransacao();
    fb::Statement(conexao_, comando, false).execute();
    PConfirmaTransacao();
  } catch (const fb::Error& e) {
    fbAtualizaTabelaErro(comando, e.what());
  }
}

void TUtilsAtualizaBD::PAtivaTriggers(const std::string& tabela, bool ativa) {
  std::vector<std::string> triggers;
  {
    fb::Statement q(conexao_,
                    " Select RDB$Triggers.RDB$Trigger_Name As NomeTrigger  From RDB$Triggers    "
                    "                                Where RDB$Triggers.RDB$Relation_Name = "
                    ":PTabela       And Rdb$Flags = 1                                  ");
    q.setString("PTabela", FMaiusculas(tabela));
    triggers = FColuna(q);
  }
  for (const std::string& trigger : triggers) {
    if (!fbNomesSimples({trigger}, "trigger")) continue;
    const std::string comando =
        " Alter Trigger " + trigger + (ativa ? " Active " : " Inactive ");
    try {
      PIniciaTransacao();
      fb::Statement(conexao_, comando, false).execute();
      PConfirmaTransacao();
    } catch (const fb::Error& e) {
      fbAtualizaTabelaErro(comando, e.what());
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Driver

std::string TAtualizaBaseDados::FRetornaNomePk(const std::string& tabela) {
  fb::Statement q(conexao_,
                  "SELECT TRIM(A.RDB$CONSTRAINT_NAME) AS PK                            \n"
                  "  FROM                                                              \n"
                  "      RDB$RELATION_CONSTRAINTS A LEFT JOIN                          \n"
                  "      RDB$INDEX_SEGMENTS B ON (B.RDB$INDEX_NAME = A.RDB$INDEX_NAME) \n"
                  " WHERE                                                              \n"
                  "      RDB$CONSTRAINT_TYPE = \"PRIMARY KEY\" AND                       \n"
                  "      RDB$RELATION_NAME = UPPER(:PTABELA)                           \n"
                  "GROUP BY 1                                                          ");
  q.setString("PTABELA", tabela);
  auto r = q.executeQuery();
  return r.next() ? FApara(r.getString("PK")) : std::string();
}

void TAtualizaBaseDados::pAtualizaBaseDeDados(const TEstruturaTabela& estrutura) {
  const TColDominio& dominios = estrutura.GetColDominio();
  for (std::size_t i = 0; i < dominios.Count(); ++i) {
    const TDominio& d = dominios.FRetornaDominio(i);
    fbAtualizaEstruturaDominio(d.Nome, d.Tipo, d.Nulo);
  }

  const TColCampo& campos = estrutura.GetColCampos();
  colunasAdiadas_.clear();
  adiaColunasDaChave_ = true;
  for (std::size_t i = 0; i < campos.Count(); ++i) {
    const TCampo& c = campos.FRetornaCampo(i);
    fbAtualizaEstruturaCampo(c.Tabela, c.NomeCampo, c.TipoCampo, c.Nulo, c.Default);
  }
  adiaColunasDaChave_ = false;

  // The primary key of every maintained table is dropped here and created again below. The key
  // that was dropped is remembered, so a table whose defined key cannot be created (its data
  // violates it) gets its old key back instead of being left without one.
  struct TChaveExcluida {
    std::string tabela, nome, campos;
  };
  std::vector<TChaveExcluida> excluidas;
  const TColConstraint& constraints = estrutura.GetColConstraint();
  for (std::size_t i = 0; i < constraints.Count(); ++i) {
    const TConstraint& c = constraints.FRetornaConstraint(i);
    const std::string nomePk = FRetornaNomePk(c.Tabela);
    const std::string camposPk = nomePk.empty() ? std::string() : FCamposDaConstraint(nomePk);
    if (fbExcluiConstraint(nomePk, c.Tabela) && !nomePk.empty())
      excluidas.push_back({c.Tabela, nomePk, camposPk});
  }

  // With the key gone its columns can change type (a key that could not be dropped makes the
  // change fail, and that is logged).
  for (const TCampo& c : std::exchange(colunasAdiadas_, {}))
    fbAtualizaEstruturaCampo(c.Tabela, c.NomeCampo, c.TipoCampo, c.Nulo, c.Default);

  for (std::size_t i = 0; i < constraints.Count(); ++i) {
    const TConstraint& c = constraints.FRetornaConstraint(i);
    fbAtualizaEstruturaConstraint(c.Tipo, c.Nome, c.Campo, c.Tabela, c.CampoReferencia,
                                  c.TabelaReferencia);
  }

  for (const TChaveExcluida& chave : excluidas) {
    if (!FRetornaNomePk(chave.tabela).empty()) continue;
    const bool restaurada =
        fbIdentificadorSimples(chave.nome) && fbIdentificadorSimples(chave.tabela) &&
        fbListaSimples(chave.campos) &&
        fbExecutaAlteracao("ALTER TABLE " + chave.tabela + " ADD CONSTRAINT " + chave.nome +
                           " PRIMARY KEY (" + chave.campos + ")");
    if (restaurada)
      TGenerico::PGeraLog("A chave primária definida para a tabela " + FMaiusculas(chave.tabela) +
                          " não pôde ser criada no banco de dados " + conexao_.database() +
                          "; a chave anterior " + chave.nome + " (" + chave.campos +
                          ") foi restaurada.");
    else
      TGenerico::PGeraLog("A tabela " + FMaiusculas(chave.tabela) + " ficou sem chave primária "
                          "no banco de dados " + conexao_.database() + ": a chave " + chave.nome +
                          " (" + chave.campos + ") foi excluída e nenhuma pôde ser criada.");
  }
}
