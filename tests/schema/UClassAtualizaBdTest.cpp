// The structure updater against tables that differ from their definition: what it changes, what
// it keeps, and what it refuses and logs.
#include "schema/UClassAtualizaBd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "firebird/Error.h"
#include "platform/UGenerico.h"
#include "schema/EstruturaBanco.h"
#include "schema/UCatalogo.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

class AtualizaBd : public ::testing::Test {
 protected:
  AtualizaBd() { TGenerico::PDefinePastaLog(pasta_ / "log"); }
  ~AtualizaBd() override { TGenerico::PDefinePastaLog({}); }

  fb::Connection& conexao() { return banco_.conexao(); }
  std::string log() { return FLeLog(pasta_ / "log"); }

  // The table's domains, as the first pass creates them.
  void PCriaDominios(const TTabelaCatalogo& tabela) {
    TUtilsAtualizaBD utils(conexao(), avisos_);
    for (TDominioId d : tabela.dominios)
      ASSERT_TRUE(utils.fbAtualizaEstruturaDominio(std::string(FDominio(d).Nome),
                                                   std::string(FDominio(d).Tipo), ""));
  }
  void PAtualiza(const TTabelaCatalogo& tabela) {
    FRetornaEstruturaTabela(tabela)->PAtualizaBancoDeDados(conexao(), avisos_);
  }

  TPastaTemporaria pasta_;
  TBancoTeste banco_{pasta_ / "loja.fdb"};
  TNotificadorGravador avisos_;
};

TEST_F(AtualizaBd, ColunaQueFaltaVaiParaOFimEColunaDesconhecidaFica) {
  PCriaDominios(TabelaFornece);
  banco_.executa(FCreateTableDefinida(TabelaFornece, "OBSERVACAO"));
  banco_.executa("ALTER TABLE FORNECE ADD EXTRA VARCHAR(10)");
  banco_.executa("ALTER TABLE FORNECE ADD CONSTRAINT PK_Fornece PRIMARY KEY (CODFORNEC)");
  banco_.executa("INSERT INTO FORNECE (CODFORNEC, EXTRA) VALUES ('F1', 'fica')");

  PAtualiza(TabelaFornece);

  std::vector<TColunaBanco> esperadas;
  for (const TColunaBanco& c : FColunasDefinidas(TabelaFornece))
    if (c.nome != "OBSERVACAO") esperadas.push_back(c);
  const auto colunas = FColunasNoBanco(conexao(), "FORNECE");
  ASSERT_EQ(colunas.size(), esperadas.size() + 2);
  EXPECT_EQ(std::vector<TColunaBanco>(colunas.begin(), colunas.end() - 2), esperadas);
  EXPECT_EQ(colunas[colunas.size() - 2].nome, "EXTRA");
  EXPECT_EQ(colunas.back(), (TColunaBanco{"OBSERVACAO", "BLOB80", false}));
  EXPECT_EQ(banco_.valor("SELECT EXTRA FROM FORNECE WHERE CODFORNEC = 'F1'"), "fica");
  EXPECT_EQ(FChaveNoBanco(conexao(), "FORNECE"), std::make_pair(std::string("PK_FORNECE"),
                                                                std::string("CODFORNEC")));
  EXPECT_EQ(log(), "");
}

TEST_F(AtualizaBd, ColunaComOutroDominioEhApontadaParaODefinidoENulidadeNaExecucaoSeguinte) {
  PCriaDominios(TabelaSangria);
  banco_.executa(FCreateTableDefinida(TabelaSangria));
  // HORASANGRIA: a bare type and NOT NULL (defined VARCHAR5, nullable). QLIBEROU: another
  // catalogue domain (defined VARCHAR10). MOTIVO: wider than its definition, which the server
  // cannot shrink without losing text.
  banco_.executa("ALTER TABLE SANGRIA DROP HORASANGRIA");
  banco_.executa("ALTER TABLE SANGRIA ADD HORASANGRIA VARCHAR(3) NOT NULL");
  banco_.executa("ALTER TABLE SANGRIA DROP QLIBEROU");
  banco_.executa("ALTER TABLE SANGRIA ADD QLIBEROU VARCHAR4");
  banco_.executa("ALTER TABLE SANGRIA ALTER COLUMN MOTIVO TYPE VARCHAR(300)");
  banco_.executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, HORASANGRIA, QLIBEROU) "
                 "VALUES ('S1', 'ANA', '001', '9h', 'JOAO')");

  PAtualiza(TabelaSangria);
  const auto coluna = [&](const std::string& nome) {
    for (const TColunaBanco& c : FColunasNoBanco(conexao(), "SANGRIA"))
      if (c.nome == nome) return c;
    return TColunaBanco{};
  };
  EXPECT_EQ(coluna("HORASANGRIA"), (TColunaBanco{"HORASANGRIA", "VARCHAR5", true}));
  EXPECT_EQ(coluna("QLIBEROU"), (TColunaBanco{"QLIBEROU", "VARCHAR10", false}));
  EXPECT_EQ(coluna("MOTIVO").dominio.substr(0, 4), "RDB$");
  EXPECT_EQ(banco_.valor("SELECT QLIBEROU || '/' || HORASANGRIA FROM SANGRIA"), "JOAO/9h");
  const std::string registro = log();
  EXPECT_NE(registro.find("com o comando: ALTER TABLE SANGRIA ALTER COLUMN MOTIVO TYPE VARCHAR250"
                          "\r"),
            std::string::npos)
      << registro;
  EXPECT_NE(registro.find("New size specified for column MOTIVO"), std::string::npos);
  EXPECT_EQ(registro.find("HORASANGRIA"), std::string::npos);

  PAtualiza(TabelaSangria);
  EXPECT_EQ(coluna("HORASANGRIA"), (TColunaBanco{"HORASANGRIA", "VARCHAR5", false}));
  EXPECT_TRUE(avisos_.avisos.empty());
}

TEST_F(AtualizaBd, ColunasDaChaveComTiposSemDominioSaoApontadasDepoisQueAChaveCai) {
  // A table made without the domains: the server refuses to change the type of a column while a
  // key stands on it, so the key columns are pointed at their domains once the key is dropped.
  banco_.executa("CREATE TABLE SANGRIA (CODSANGRIA CHAR(5) NOT NULL, USUARIO CHAR(10) NOT NULL, "
                 "MAQUINA VARCHAR(4) NOT NULL, VALOR DOUBLE PRECISION, "
                 "CONSTRAINT PK_SANGRIA PRIMARY KEY (CODSANGRIA, USUARIO, MAQUINA))");
  banco_.executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) "
                 "VALUES ('S1', 'ANA', '001', 2.5)");

  PAtualiza(TabelaSangria);
  PAtualiza(TabelaSangria);

  EXPECT_EQ(FColunasNoBanco(conexao(), "SANGRIA")[0], (TColunaBanco{"CODSANGRIA", "CHAR5", true}));
  EXPECT_EQ(FColunasNoBanco(conexao(), "SANGRIA")[1], (TColunaBanco{"USUARIO", "CHAR10", true}));
  EXPECT_EQ(FColunasNoBanco(conexao(), "SANGRIA")[2], (TColunaBanco{"MAQUINA", "VARCHAR4", true}));
  EXPECT_EQ(FColunasNoBanco(conexao(), "SANGRIA")[3], (TColunaBanco{"VALOR", "NUMERICO", false}));
  EXPECT_EQ(FChaveNoBanco(conexao(), "SANGRIA"),
            std::make_pair(std::string("PK_SANGRIA"), std::string("CODSANGRIA,USUARIO,MAQUINA")));
  EXPECT_EQ(banco_.valor("SELECT TRIM(CODSANGRIA) || '/' || TRIM(USUARIO) || '/' || MAQUINA || "
                         "'/' || CAST(VALOR * 10 AS INTEGER) FROM SANGRIA"),
            "S1/ANA/001/25");
  EXPECT_EQ(log(), "");
  EXPECT_FALSE(conexao().inTransaction());
}

TEST_F(AtualizaBd, ConversaoQueOServidorAceitaMasPerderiaDadosEhRecusada) {
  // The store's own VARCHAR10 holds Latin-1 text; its QLIBEROU holds WIN1252 text with the euro
  // sign, which Latin-1 lacks. COO keeps cents in an exact number, which the INTEIRO domain
  // would round away. GNF is a bare INTEGER, which is re-pointed as usual.
  banco_.executa("CREATE DOMAIN VARCHAR10 AS VARCHAR(10) CHARACTER SET ISO8859_1");
  PCriaDominios(TabelaSangria);
  banco_.executa(FCreateTableDefinida(TabelaSangria));
  banco_.executa("ALTER TABLE SANGRIA ADD CONSTRAINT PK_Sangria PRIMARY KEY "
                 "(CODSANGRIA, USUARIO, MAQUINA)");
  banco_.executa("ALTER TABLE SANGRIA DROP QLIBEROU");
  banco_.executa("ALTER TABLE SANGRIA ADD QLIBEROU VARCHAR(10) CHARACTER SET WIN1252");
  banco_.executa("ALTER TABLE SANGRIA DROP COO");
  banco_.executa("ALTER TABLE SANGRIA ADD COO NUMERIC(9,2)");
  banco_.executa("ALTER TABLE SANGRIA DROP GNF");
  banco_.executa("ALTER TABLE SANGRIA ADD GNF INTEGER");
  banco_.executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, QLIBEROU, COO, GNF) "
                 "VALUES ('S1', 'ANA', '001', '5\u0080', 12.34, 7)");

  PAtualiza(TabelaSangria);

  EXPECT_EQ(banco_.valor("SELECT QLIBEROU FROM SANGRIA"), "5\u0080");
  EXPECT_EQ(banco_.valor("SELECT CAST(COO * 100 AS INTEGER) FROM SANGRIA"), "1234");
  const auto colunas = FColunasNoBanco(conexao(), "SANGRIA");
  for (const TColunaBanco& c : colunas) {
    if (c.nome == "QLIBEROU" || c.nome == "COO") {
      EXPECT_EQ(c.dominio.substr(0, 4), "RDB$") << c;
    }
    if (c.nome == "GNF") {
      EXPECT_EQ(c.dominio, "INTEIRO");
    }
  }
  const std::string registro = log();
  EXPECT_NE(registro.find("A coluna SANGRIA.QLIBEROU do banco de dados " + banco_.caminho() +
                          " não foi apontada para o domínio VARCHAR10: o texto passaria do "
                          "conjunto de caracteres WIN1252 para ISO8859_1"),
            std::string::npos)
      << registro;
  EXPECT_NE(registro.find("A coluna SANGRIA.COO do banco de dados " + banco_.caminho() +
                          " não foi apontada para o domínio INTEIRO: os valores têm 2 casas "
                          "decimais"),
            std::string::npos);
  EXPECT_EQ(registro.find("GNF"), std::string::npos);
}

TEST_F(AtualizaBd, ColunaNotNullQueFaltaEmTabelaComLinhasEntraSemONotNull) {
  PCriaDominios(TabelaOperador);
  banco_.executa(FCreateTableDefinida(TabelaOperador, "NOME"));
  banco_.executa("ALTER TABLE OPERADOR ADD CONSTRAINT PK_Operador PRIMARY KEY (CODOPERADOR)");
  banco_.executa("INSERT INTO OPERADOR (CODOPERADOR, USUARIO, ATIVO) VALUES (1, 'ANA', 'S')");

  PAtualiza(TabelaOperador);

  const auto colunas = FColunasNoBanco(conexao(), "OPERADOR");
  ASSERT_EQ(colunas.size(), TabelaOperador.colunas.size());
  EXPECT_EQ(colunas.back(), (TColunaBanco{"NOME", "VARCHAR50", false}));
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM OPERADOR WHERE NOME IS NULL"), 1);
  std::string registro = log();
  EXPECT_NE(registro.find("A coluna OPERADOR.NOME foi criada sem NOT NULL no banco de dados " +
                          banco_.caminho()),
            std::string::npos)
      << registro;

  // Once the rows hold values, the next run sets the flag.
  banco_.executa("UPDATE OPERADOR SET NOME = 'Ana'");
  PAtualiza(TabelaOperador);
  EXPECT_EQ(FColunasNoBanco(conexao(), "OPERADOR").back(),
            (TColunaBanco{"NOME", "VARCHAR50", true}));
  EXPECT_FALSE(conexao().inTransaction());
}

TEST_F(AtualizaBd, ChaveComOutroNomeOuOutraOrdemEhSubstituidaPelaDefinida) {
  PCriaDominios(TabelaOperador);
  banco_.executa(FCreateTableDefinida(TabelaOperador));
  banco_.executa("ALTER TABLE OPERADOR ADD CONSTRAINT PK_OPERADOR_ANTIGA "
                 "PRIMARY KEY (CODOPERADOR, USUARIO)");
  PCriaDominios(TabelaDetalhereducoesz);
  banco_.executa(FCreateTableDefinida(TabelaDetalhereducoesz));
  banco_.executa("ALTER TABLE DETALHEREDUCOESZ ADD CONSTRAINT PK_Detalhereducoesz PRIMARY KEY "
                 "(CODEMPRESA, MAQUINA, NUMSERIE, DATAMOVIMENTO, SEQUENCIA)");

  // The key step on its own: a key of the defined name in another order is dropped and added
  // again in the defined order; an equal one is left alone.
  {
    TUtilsAtualizaBD utils(conexao(), avisos_);
    EXPECT_FALSE(utils.fbVerificaEstruturaPK("PK_Detalhereducoesz",
                                             "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA"));
    EXPECT_TRUE(utils.fbVerificaEstruturaPK(
        "pk_detalhereducoesz", "codempresa, maquina, numserie, datamovimento, sequencia"));
    EXPECT_TRUE(utils.fbAtualizaEstruturaConstraint(
        "PK", "PK_Detalhereducoesz", "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA",
        "Detalhereducoesz", "", ""));
    EXPECT_EQ(FChaveNoBanco(conexao(), "DETALHEREDUCOESZ").second,
              "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA");
    // Nothing to do: the transaction the step opened stays open for the next step to commit.
    EXPECT_TRUE(utils.fbAtualizaEstruturaConstraint(
        "PK", "PK_Detalhereducoesz", "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA",
        "Detalhereducoesz", "", ""));
    EXPECT_TRUE(conexao().inTransaction());
    utils.PConfirmaTransacao();
  }
  banco_.executa("ALTER TABLE DETALHEREDUCOESZ DROP CONSTRAINT PK_Detalhereducoesz");
  banco_.executa("ALTER TABLE DETALHEREDUCOESZ ADD CONSTRAINT PK_Detalhereducoesz PRIMARY KEY "
                 "(CODEMPRESA, MAQUINA, NUMSERIE, DATAMOVIMENTO, SEQUENCIA)");

  PAtualiza(TabelaOperador);
  PAtualiza(TabelaDetalhereducoesz);

  EXPECT_EQ(FChaveNoBanco(conexao(), "OPERADOR"),
            std::make_pair(std::string("PK_OPERADOR"), std::string("CODOPERADOR")));
  EXPECT_EQ(FChaveNoBanco(conexao(), "DETALHEREDUCOESZ"),
            std::make_pair(std::string("PK_DETALHEREDUCOESZ"),
                           std::string("CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA")));
  EXPECT_EQ(log(), "");
  EXPECT_FALSE(conexao().inTransaction());
}

TEST_F(AtualizaBd, ChaveQueOsDadosNaoAdmitemDeixaAChaveAnteriorEFicaNoLog) {
  PCriaDominios(TabelaSangria);
  banco_.executa(FCreateTableDefinida(TabelaSangria));
  banco_.executa("ALTER TABLE SANGRIA ALTER COO SET NOT NULL");
  banco_.executa("ALTER TABLE SANGRIA ADD CONSTRAINT PK_SANGRIA_COO "
                 "PRIMARY KEY (CODSANGRIA, USUARIO, MAQUINA, COO)");
  banco_.executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, COO) "
                 "VALUES ('S1', 'ANA', '001', 1)");
  banco_.executa("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, COO) "
                 "VALUES ('S1', 'ANA', '001', 2)");

  PAtualiza(TabelaSangria);

  EXPECT_EQ(FChaveNoBanco(conexao(), "SANGRIA"),
            std::make_pair(std::string("PK_SANGRIA_COO"),
                           std::string("CODSANGRIA,USUARIO,MAQUINA,COO")));
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM SANGRIA"), 2);
  const std::string registro = log();
  EXPECT_NE(registro.find("com o comando: ALTER TABLE Sangria ADD CONSTRAINT PK_Sangria PRIMARY "
                          "KEY (CODSANGRIA,USUARIO,MAQUINA)"),
            std::string::npos)
      << registro;
  EXPECT_NE(registro.find("a chave anterior PK_SANGRIA_COO (CODSANGRIA,USUARIO,MAQUINA,COO) foi "
                          "restaurada"),
            std::string::npos);
  EXPECT_TRUE(avisos_.avisos.empty());
}

TEST_F(AtualizaBd, ChaveReferenciadaPorOutraTabelaFicaComoEstava) {
  PCriaDominios(TabelaOperador);
  banco_.executa(FCreateTableDefinida(TabelaOperador));
  banco_.executa("ALTER TABLE OPERADOR ADD CONSTRAINT PK_Operador PRIMARY KEY (CODOPERADOR)");
  banco_.executa("CREATE TABLE TURNO (CODOPERADOR INTEGER, CONSTRAINT FK_TURNO_OPERADOR "
                 "FOREIGN KEY (CODOPERADOR) REFERENCES OPERADOR (CODOPERADOR))");

  PAtualiza(TabelaOperador);

  EXPECT_EQ(FChaveNoBanco(conexao(), "OPERADOR"),
            std::make_pair(std::string("PK_OPERADOR"), std::string("CODOPERADOR")));
  const std::string registro = log();
  EXPECT_NE(registro.find("com o comando: ALTER TABLE Operador DROP CONSTRAINT PK_OPERADOR"),
            std::string::npos)
      << registro;
  EXPECT_EQ(registro.find("restaurada"), std::string::npos);
  EXPECT_EQ(registro.find("sem chave"), std::string::npos);
}

TEST_F(AtualizaBd, NotNullComLinhasNulasEhRecusadoSemTocarOsDados) {
  PCriaDominios(TabelaOperador);
  banco_.executa(FCreateTableDefinida(TabelaOperador));
  banco_.executa("ALTER TABLE OPERADOR ALTER NOME DROP NOT NULL");
  banco_.executa("ALTER TABLE OPERADOR ADD CONSTRAINT PK_Operador PRIMARY KEY (CODOPERADOR)");
  banco_.executa("INSERT INTO OPERADOR (CODOPERADOR, USUARIO, ATIVO) VALUES (1, 'ANA', 'S')");

  PAtualiza(TabelaOperador);

  EXPECT_EQ(FColunasNoBanco(conexao(), "OPERADOR")[2], (TColunaBanco{"NOME", "VARCHAR50", false}));
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM OPERADOR WHERE NOME IS NULL"), 1);
  const std::string registro = log();
  EXPECT_NE(registro.find("com o comando: ALTER TABLE OPERADOR ALTER NOME SET NOT NULL\r"),
            std::string::npos)
      << registro;
  EXPECT_NE(registro.find("NULLs present"), std::string::npos);
  EXPECT_TRUE(avisos_.avisos.empty());
  EXPECT_FALSE(conexao().inTransaction());
}

TEST_F(AtualizaBd, MissingDomainIsAnErrorNoticeAndTheColumnIsSkipped) {
  PCriaDominios(TabelaOperador);
  banco_.executa(FCreateTableDefinida(TabelaOperador));
  TAtualizaBaseDados atualizador(conexao(), avisos_);
  EXPECT_FALSE(atualizador.fbAtualizaEstruturaCampo("OPERADOR", "APELIDO", "VARCHAR99", "", ""));
  EXPECT_FALSE(atualizador.fbAtualizaEstruturaCampo("OPERADOR", "SETOR", "CHAR99", "", ""));
  EXPECT_EQ(avisos_.erros,
            (std::vector<std::string>{"Dominio Não Existe \"VARCHAR99\". Atualizações serão canceladas",
                                      "Dominio Não Existe \"CHAR99\". Atualizações serão canceladas"}));
  EXPECT_TRUE(avisos_.avisos.empty());
  EXPECT_EQ(FColunasNoBanco(conexao(), "OPERADOR").size(), TabelaOperador.colunas.size());
}

TEST_F(AtualizaBd, DefaultPreencheNulosComTriggersDesligadosEIntegracaoZerada) {
  banco_.executa("ALTER TABLE PARATLM ADD INTEGGERAL INTEGER");
  banco_.executa("UPDATE PARATLM SET INTEGGERAL = 5");
  banco_.executa("CREATE DOMAIN VARCHAR10 AS VARCHAR(10)");
  banco_.executa("CREATE TABLE TURNO (CODTURNO VARCHAR10 NOT NULL, NOME VARCHAR10)");
  banco_.executa("INSERT INTO TURNO VALUES ('T1', NULL)");
  banco_.executa("INSERT INTO TURNO VALUES ('T2', 'noite')");
  banco_.executa("CREATE EXCEPTION E_TURNO 'turno'");
  banco_.executa("CREATE TRIGGER TURNO_BU FOR TURNO ACTIVE BEFORE UPDATE AS BEGIN "
                 "EXCEPTION E_TURNO; END");
  banco_.executa("CREATE TRIGGER TURNO_BI FOR TURNO INACTIVE BEFORE INSERT AS BEGIN END");

  TAtualizaBaseDados atualizador(conexao(), avisos_);
  EXPECT_TRUE(atualizador.fbAtualizaEstruturaCampo("TURNO", "NOME", "VARCHAR10", "", "O'Neil"));
  EXPECT_TRUE(atualizador.fbAtualizaEstruturaCampo("TURNO", "SETOR", "VARCHAR10", "", "caixa"));

  EXPECT_EQ(banco_.valor("SELECT NOME || '/' || SETOR FROM TURNO WHERE CODTURNO = 'T1'"),
            "O'Neil/caixa");
  EXPECT_EQ(banco_.valor("SELECT NOME || '/' || SETOR FROM TURNO WHERE CODTURNO = 'T2'"),
            "noite/caixa");
  EXPECT_EQ(banco_.valor("SELECT INTEGGERAL FROM PARATLM"), "0");
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM RDB$TRIGGERS WHERE RDB$RELATION_NAME = 'TURNO' "
                            "AND RDB$TRIGGER_INACTIVE = 0"),
            2);
  EXPECT_EQ(log(), "");
}

TEST_F(AtualizaBd, NomesQueNaoSaoSimplesNuncaChegamAoBanco) {
  TAtualizaBaseDados atualizador(conexao(), avisos_);
  EXPECT_FALSE(atualizador.fbAtualizaEstruturaCampo("PDVFISC", "X INTEGER); DROP TABLE CADOPER; --",
                                                    "INTEIRO", "", ""));
  EXPECT_FALSE(atualizador.fbAtualizaEstruturaDominio("D1", "INTEGER; DROP TABLE CADOPER", ""));
  EXPECT_FALSE(atualizador.fbAtualizaEstruturaConstraint("PK", "PK_Pdvfisc", "MAQUINA) --",
                                                         "Pdvfisc", "", ""));
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'CADOPER'"),
            1);
  EXPECT_EQ(FChaveNoBanco(conexao(), "PDVFISC").first, "PK_PDVFISC");
  const std::string registro = log();
  EXPECT_NE(registro.find("Nome inválido"), std::string::npos) << registro;
  EXPECT_NE(registro.find("Tipo inválido"), std::string::npos);
  EXPECT_NE(registro.find("Lista de colunas inválida"), std::string::npos);
  EXPECT_THROW(atualizador.fbVerificaExistencia("X", "Y", 5), std::invalid_argument);
}

TEST_F(AtualizaBd, VerificacoesDeExistenciaPorTipo) {
  banco_.executa("CREATE GENERATOR G_TESTE");
  banco_.executa("CREATE EXCEPTION E_TESTE 'x'");
  banco_.executa("CREATE INDEX TABINTE_IDX1 ON TABINTE (TABELA)");
  banco_.executa("CREATE TRIGGER TABINTE_BI FOR TABINTE BEFORE INSERT AS BEGIN END");
  TUtilsAtualizaBD u(conexao(), avisos_);
  using namespace TVerificacao;
  EXPECT_TRUE(u.fbVerificaExistencia("varchar30", "", Dominio));
  EXPECT_FALSE(u.fbVerificaExistencia("VARCHAR31", "", Dominio));
  EXPECT_TRUE(u.fbVerificaExistencia("paratlm", "", Tabela));
  EXPECT_FALSE(u.fbVerificaExistencia("PRODUTO", "", Tabela));
  EXPECT_TRUE(u.fbVerificaExistencia("numserie", "pdvfisc", Campo));
  EXPECT_FALSE(u.fbVerificaExistencia("NUMSERIE", "PARATLM", Campo));
  EXPECT_TRUE(u.fbVerificaExistencia("TABINTE_IDX1", "TABINTE", Indice));
  EXPECT_FALSE(u.fbVerificaExistencia("TABINTE_IDX1", "PDVFISC", Indice));
  EXPECT_TRUE(u.fbVerificaExistencia("PK_CADOPER", "CADOPER", Constraint));
  EXPECT_FALSE(u.fbVerificaExistencia("PK_CADOPER", "PDVFISC", Constraint));
  EXPECT_TRUE(u.fbVerificaExistencia("tabinte_bi", "tabinte", Trigger));
  EXPECT_FALSE(u.fbVerificaExistencia("O'BRIEN", "TABINTE", Trigger));
  EXPECT_TRUE(u.fbVerificaExistencia("g_teste", "", Generator));
  EXPECT_FALSE(u.fbVerificaExistencia("G_OUTRO", "", Generator));
  EXPECT_TRUE(u.fbVerificaExistencia("CODOPER", "CADOPER", NotNull));
  EXPECT_FALSE(u.fbVerificaExistencia("NOME", "CADOPER", NotNull));
  EXPECT_FALSE(u.fbVerificaExistencia("NAOHA", "CADOPER", NotNull));
  EXPECT_TRUE(u.fbVerificaExistencia("E_TESTE", "", Excecao));
  EXPECT_TRUE(u.fbVerificaExistencia("E_OUTRA", "e_teste", Excecao));
  EXPECT_FALSE(u.fbVerificaExistencia("E_OUTRA", " ", Excecao));
  EXPECT_EQ(u.fsVerificaTipo("cadoper", "nome").substr(0, 4), "RDB$");
  EXPECT_EQ(u.fsVerificaTipo("PDVFISC", "NAOHA"), "");
  EXPECT_TRUE(FAcha("NULL", "NOT NULL"));
  EXPECT_FALSE(FAcha("null", "NOT NULL"));
  EXPECT_EQ(FTroca("A, B ,C", " ", ""), "A,B,C");
}

TEST_F(AtualizaBd, BancoSomenteLeituraRegistraAsFalhasEBancoFechadoLevantaErro) {
  banco_.fecha();
  EXPECT_THROW(PAtualiza(TabelaOperador), fb::Error);
  EXPECT_EQ(log(), "");

  const std::string comando = "gfix -mode read_only " + banco_.caminho() + " 2>&1";
  ASSERT_EQ(std::system(comando.c_str()), 0);
  banco_.reabre();
  EXPECT_NO_THROW(PAtualiza(TabelaOperador));
  EXPECT_EQ(banco_.contagem("SELECT COUNT(*) FROM RDB$RELATION_FIELDS "
                            "WHERE RDB$RELATION_NAME = 'OPERADOR'"),
            0);
  EXPECT_FALSE(conexao().inTransaction());
  const std::string registro = log();
  EXPECT_NE(registro.find("com o comando: CREATE DOMAIN VARCHAR8 AS VARCHAR(8) \r"),
            std::string::npos)
      << registro;
  EXPECT_NE(registro.find("com o comando: CREATE TABLE OPERADOR(CODOPERADOR INTEIRO NOT NULL)"),
            std::string::npos);
}

}  // namespace
