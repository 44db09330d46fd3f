// TBancoDados: the change queue. Every database that takes part carries the queue table INTEGECF,
// the generator that numbers its rows, the switch PARATLM.INTEGGERALECF and the procedure
// PGRAVA_INTEGECF; the set-up creates what is missing and repairs what is out of date, and the two
// statement runners that the capture operations share.
#include <exception>

#include "engine/UBancoDados.h"
#include "firebird/Statement.h"
#include "platform/TNotificador.h"
#include "platform/UGenerico.h"
#include "schema/UClassAtualizaBd.h"

namespace {

// A complete queue table has this many columns; fewer means an older layout.
constexpr int kColunasIntegECF = 19;

// The columns an older layout lacks, in the order they are added. The first three texts have
// always been sent without a semicolon and the others with one; the server takes both.
const char* const kAlargaIntegECF[] = {
    "ALTER TABLE INTEGECF ADD ATUALIZOU VARCHAR1",
    "ALTER TABLE INTEGECF ADD DATAATUAL DATA",
    "ALTER TABLE INTEGECF ADD HORAATUAL VARCHAR5",
    "ALTER TABLE INTEGECF ADD ACAO VARCHAR1;",
    "ALTER TABLE INTEGECF ADD TABELA VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE0 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE1 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE2 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE3 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE4 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE5 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE6 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE7 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE8 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD CHAVE9 VARCHAR30;",
    "ALTER TABLE INTEGECF ADD LIBERARALT VARCHAR1;",
};
static_assert(std::size(kAlargaIntegECF) == 16);

}  // namespace

const char* TBancoDados::FSqlExisteCampo() {
  return "SELECT COUNT(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = :PCAMPO "
         "AND RDB$RELATION_NAME = :PTABELA ";
}

const char* TBancoDados::FSqlGenerator() {
  return "SELECT COUNT(*) EXISTE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = :VERIFICACAO ";
}

const char* TBancoDados::FSqlIntegECF() {
  return "CREATE TABLE INTEGECF ( CODEMPRESA VARCHAR2 NOT NULL, ECF VARCHAR4 NOT NULL, "
         "ARQUIVO VARCHAR20 NOT NULL, ATUALIZOU VARCHAR1, DATAATUAL DATA, HORAATUAL VARCHAR5, "
         "ACAO VARCHAR1, TABELA VARCHAR30, CHAVE0 VARCHAR30, CHAVE1 VARCHAR30, CHAVE2 VARCHAR30, "
         "CHAVE3 VARCHAR30, CHAVE4 VARCHAR30, CHAVE5 VARCHAR30, CHAVE6 VARCHAR30, "
         "CHAVE7 VARCHAR30, CHAVE8 VARCHAR30, CHAVE9 VARCHAR30, LIBERARALT VARCHAR1 )";
}

// One queue row per machine with a serial number, written in the transaction of the change that
// fired the trigger, so the rows commit or roll back with the change.
const char* TBancoDados::FSqlGravaIntegECF() {
  return "CREATE OR ALTER PROCEDURE PGRAVA_INTEGECF (\r\n"
         "ACAO   VARCHAR(1),\r\n"
         "TABELA VARCHAR(30),\r\n"
         "CHAVE0  VARCHAR(30),\r\n"
         "CHAVE1  VARCHAR(30),\r\n"
         "CHAVE2  VARCHAR(30),\r\n"
         "CHAVE3  VARCHAR(30),\r\n"
         "CHAVE4  VARCHAR(30),\r\n"
         "CHAVE5  VARCHAR(30),\r\n"
         "CHAVE6  VARCHAR(30),\r\n"
         "CHAVE7  VARCHAR(30),\r\n"
         "CHAVE8  VARCHAR(30),\r\n"
         "CHAVE9  VARCHAR(30))\r\n"
         "AS\r\n"
         "DECLARE VARIABLE MCODEMPRESA VARCHAR(2);\r\n"
         "DECLARE VARIABLE MINTEGECF INTEGER;\r\n"
         "DECLARE VARIABLE MMAQUINA    VARCHAR(4);\r\n"
         "BEGIN\r\n"
         "SELECT PARATLM.INTEGGERALECF FROM PARATLM INTO MINTEGECF;\r\n"
         "   IF (MINTEGECF = 0) THEN\r\n"
         "      FOR SELECT PDVFISC.CODEMPRESA,\r\n"
         "                 \"0\" || PDVFISC.MAQUINA\r\n"
         "            FROM PDVFISC\r\n"
         "           WHERE PDVFISC.NUMSERIE <> \"\" INTO MCODEMPRESA, MMAQUINA\r\n"
         "       DO\r\n"
         "       BEGIN\r\n"
         "          INSERT INTO INTEGECF (INTEGECF.CODEMPRESA, INTEGECF.ECF, INTEGECF.ARQUIVO,\r\n"
         "                                INTEGECF.ATUALIZOU, INTEGECF.DATAATUAL, "
         "INTEGECF.HORAATUAL,\r\n"
         "                                INTEGECF.ACAO, INTEGECF.TABELA, "
         "INTEGECF.CHAVE0,INTEGECF.CHAVE1,\r\n"
         "                                "
         "INTEGECF.CHAVE2,INTEGECF.CHAVE3,INTEGECF.CHAVE4,INTEGECF.CHAVE5,\r\n"
         "                                "
         "INTEGECF.CHAVE6,INTEGECF.CHAVE7,INTEGECF.CHAVE8,INTEGECF.CHAVE9,\r\n"
         "                                INTEGECF.LIBERARALT)\r\n"
         "          VALUES (:MCODEMPRESA, :MMAQUINA, GEN_ID(G_ORDEMINTEGECF,1),\r\n"
         "                  \"N\", CAST(\"TODAY\" AS TIMESTAMP),\r\n"
         "                  EXTRACT(HOUR FROM CAST(\"NOW\" AS TIMESTAMP)) || \":\" ||\r\n"
         "                  EXTRACT(MINUTE FROM CAST(\"NOW\" AS TIMESTAMP)),\r\n"
         "                  :ACAO, :TABELA, :CHAVE0, :CHAVE1, :CHAVE2, :CHAVE3, :CHAVE4, "
         ":CHAVE5,\r\n"
         "                  :CHAVE6, :CHAVE7, :CHAVE8, :CHAVE9, \"N\");\r\n"
         "       END\r\n"
         "END";
}

bool TBancoDados::fbParaCadaAlvo(bool servidor, const std::function<bool(std::size_t)>& acao) {
  if (servidor) return acao(0);
  for (std::size_t i = 1; i < listaConexao_.FQuantidade(); ++i)
    if (FVerificaConexao(i) && !acao(i)) return false;
  return true;
}

bool TBancoDados::fbExecutaLote(std::size_t posicao, const std::vector<std::string>& textos,
                                bool parametros, bool tudoOuNada) {
  bool tudoCerto = true;
  try {
    PAbreTransacao(posicao, 1);
    fb::Connection& conexao = listaConexao_.FConexao(posicao);
    for (const std::string& texto : textos) {
      try {
        fb::Statement comando(conexao, texto, parametros);
        comando.execute();
      } catch (const std::exception& erro) {
        // The server undoes the failed statement alone; the transaction goes on.
        if (tudoOuNada) throw;
        TGenerico::PGeraLog(erro.what());
        tudoCerto = false;
      }
    }
    PConfirmaTransacao(posicao, 1);
    return tudoCerto;
  } catch (const std::exception& erro) {
    try {
      PCancelaTransacao(posicao, 1);
    } catch (const std::exception&) {
      // A connection that is gone has taken its transaction with it.
    }
    TGenerico::PGeraLog(erro.what());
    return false;
  }
}

bool TBancoDados::FExecutaScriptBanco(const std::string& texto, std::size_t posicao) {
  return fbExecutaLote(posicao, {texto}, true, true);
}

bool TBancoDados::FExecutaScript(const std::string& texto, bool servidor, bool semParametros) {
  fbParaCadaAlvo(servidor, [&](std::size_t i) {
    fbExecutaLote(i, {texto}, !semParametros, true);
    return true;
  });
  return true;
}

// The column once took table names of up to 20 characters; queue table names take up to 30. The
// server does not let the system table be written, so the column is re-declared with the domain,
// and only where it is narrower: a column already declared with the domain, or a character column
// of 30 characters or more, is left as it is (the server refuses to narrow one, and nothing would
// be gained). A database without TABINTE logs the refusal.
void TBancoDados::PAlargaTabInte(bool servidor) {
  fbParaCadaAlvo(servidor, [&](std::size_t i) {
    try {
      fb::Statement consulta(listaConexao_.FConexao(i),
                             "SELECT R.RDB$FIELD_SOURCE, F.RDB$FIELD_TYPE, "
                             "COALESCE(F.RDB$CHARACTER_LENGTH, F.RDB$FIELD_LENGTH) "
                             "FROM RDB$RELATION_FIELDS R "
                             "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
                             "WHERE R.RDB$RELATION_NAME = \"TABINTE\" "
                             "AND R.RDB$FIELD_NAME = \"TABELA\"");
      fb::ResultSet linha = consulta.executeQuery();
      if (linha.next()) {
        std::string dominio = linha.getString(0u);
        dominio.erase(dominio.find_last_not_of(' ') + 1);
        // 14 CHAR, 37 VARCHAR.
        const int tipo = linha.getInt(1u);
        const bool texto = tipo == 14 || tipo == 37;
        if (dominio == "VARCHAR30" || (texto && linha.getInt(2u) >= 30)) return true;
      }
    } catch (const std::exception& erro) {
      TGenerico::PGeraLog(erro.what());
      return true;
    }
    fbExecutaLote(i, {"ALTER TABLE TABINTE ALTER COLUMN TABELA TYPE VARCHAR30"}, true, true);
    return true;
  });
}

bool TBancoDados::FConfiguraBanco(bool servidor) {
  // A point of sale that is down stops everything, the central database's set-up included.
  if (!FVerificaTodasConexoes()) return false;
  if (servidor && listaConexao_.FQuantidade() == 0) return false;
  PAlargaTabInte(servidor);
  if (!FVerificaExisteCampo("PARATLM", "INTEGGERALECF", servidor)) return false;
  if (!FVerificaGenerator("G_ORDEMINTEGECF", servidor)) return false;
  FCriaTabelaIntegECF(servidor);
  return FExecutaScript(FSqlGravaIntegECF(), servidor, true);
}

// The check takes any table and column; the changes only ever concern PARATLM.INTEGGERALECF, the
// one pair the set-up asks for. Each statement commits on its own.
bool TBancoDados::FVerificaExisteCampo(const std::string& tabela, const std::string& campo,
                                       bool servidor) {
  return fbParaCadaAlvo(servidor, [&](std::size_t i) {
    fb::Connection& conexao = listaConexao_.FConexao(i);
    int quantidade = 0;
    {
      fb::Statement consulta(conexao, FSqlExisteCampo());
      consulta.setString("PCAMPO", FMaiusculas(campo));
      consulta.setString("PTABELA", FMaiusculas(tabela));
      fb::ResultSet linha = consulta.executeQuery();
      linha.expectOneRow();
      quantidade = linha.getInt("COUNT");
    }
    if (quantidade <= 0) {
      try {
        fb::Statement(conexao, "ALTER TABLE PARATLM ADD INTEGGERALECF INTEIRO").execute();
      } catch (const std::exception& erro) {
        notificador_.PAviso(
            std::string("Ocorreu um erro ao tentar incluir o campo IntegGeralECF na tabela "
                        "ParaTLM.\rMotivo: ") +
            erro.what());
        return false;
      }
    }
    try {
      fb::Statement(conexao, "UPDATE PARATLM SET INTEGGERALECF = 0 ").execute();
    } catch (const std::exception& erro) {
      notificador_.PAviso(
          std::string("Ocorreu um erro ao tentar alterar o campo IntegGeralECF na tabela "
                      "ParaTLM.\rMotivo: ") +
          erro.what());
      return false;
    }
    return true;
  });
}

bool TBancoDados::FVerificaGenerator(const std::string& nome, bool servidor) {
  return fbParaCadaAlvo(servidor, [&](std::size_t i) {
    fb::Connection& conexao = listaConexao_.FConexao(i);
    int existe = 0;
    {
      fb::Statement consulta(conexao, FSqlGenerator());
      consulta.setString("VERIFICACAO", nome);
      fb::ResultSet linha = consulta.executeQuery();
      linha.expectOneRow();
      existe = linha.getInt("EXISTE");
    }
    if (existe >= 1) return true;
    try {
      fb::Statement(conexao, "CREATE GENERATOR G_ORDEMINTEGECF").execute();
    } catch (const std::exception& erro) {
      notificador_.PAviso(
          std::string("Ocorreu um erro ao tentar incluir o generator G_ORDEMINTEGECF no banco de "
                      "dados.\rMotivo: ") +
          erro.what());
      return false;
    }
    return true;
  });
}

bool TBancoDados::FCriaTabelaIntegECF(bool servidor) {
  fbParaCadaAlvo(servidor, [&](std::size_t i) {
    int campos = 0;
    {
      fb::Statement consulta(listaConexao_.FConexao(i),
                             "SELECT COUNT(RDB$FIELD_NAME) AS QCAMPOS FROM RDB$RELATION_FIELDS "
                             "WHERE RDB$RELATION_NAME = \"INTEGECF\"");
      fb::ResultSet linha = consulta.executeQuery();
      linha.expectOneRow();
      campos = linha.getInt("QCAMPOS");
    }
    if (campos <= 0) {
      // Table, key and index commit together: a table left without its key and index would pass
      // every later set-up as complete.
      fbExecutaLote(i,
                    {FSqlIntegECF(),
                     "ALTER TABLE INTEGECF ADD CONSTRAINT PK_INTEGECF PRIMARY KEY (CODEMPRESA, "
                     "ECF, ARQUIVO)",
                     "CREATE INDEX INTEGECF_IDX1 ON INTEGECF (ARQUIVO)"},
                    true, true);
    } else if (campos < kColunasIntegECF) {
      // Rows of the older layout cannot be told apart by table and key: they are dropped. A
      // column that exists already is refused and logged; the others are still added, so a
      // widening cut short is completed by the next set-up.
      FExecutaScriptBanco("DELETE FROM INTEGECF", i);
      for (const char* texto : kAlargaIntegECF) FExecutaScriptBanco(texto, i);
    }
    return true;
  });
  return true;
}
