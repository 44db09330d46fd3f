// Data-access classes on store databases made by hand, as a store's own tooling leaves them: CHAR
// where the catalogue says VARCHAR and the other way round, columns in other character sets,
// numbers of other types, a text blob where the catalogue has text, extra columns, a missing
// column. A row is read from a point of sale and written to the central database, through the
// loopback server as host:path.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "BancoCatalogo.h"
#include "dao/UClassCadoperDao.h"
#include "dao/UClassEcfgeralDao.h"
#include "dao/UClassEnccartaoDao.h"
#include "dao/UClassSangriaDao.h"
#include "firebird/Connection.h"
#include "firebird/Error.h"
#include "firebird/Statement.h"
#include "platform/UDataHora.h"
#include "platform/ULatin1.h"

namespace {

// A point of sale whose default character set is WIN1252: keys of other widths and kinds, text in
// WIN1252 and ISO8859_1, a scaled number and a SMALLINT where the catalogue has a double and an
// integer, a column of its own, its primary key defined in another order.
constexpr const char* ScriptCaixa = R"(
CREATE TABLE SANGRIA (CODSANGRIA VARCHAR(5) NOT NULL, USUARIO CHAR(15) CHARACTER SET ISO8859_1
  NOT NULL, DATASANGRIA DATE, HORASANGRIA CHAR(8), VALOR NUMERIC(9,2), DC CHAR(1),
  QLIBEROU VARCHAR(10), MOTIVO VARCHAR(300), CODEMPRESA CHAR(2), ABERTURACAIXA CHAR(1),
  CODOPER VARCHAR(5), COO INTEGER, GNF SMALLINT, MAQUINA VARCHAR(4) NOT NULL,
  ESPELHOSANGRIA VARCHAR(40) CHARACTER SET ISO8859_1, ID_ROTINA_ORIGEM INTEGER,
  TIPO_VALOR INTEGER, CODTURNO VARCHAR(2), OBSERVACAO_LOJA VARCHAR(40),
  CONSTRAINT PK_SANGRIA PRIMARY KEY (MAQUINA, CODSANGRIA, USUARIO));
CREATE TABLE ENCCARTAO (CODEMPRESA CHAR(2) NOT NULL, PDV CHAR(4) NOT NULL, CUPOM CHAR(6) NOT NULL,
  IDENTIFICACAO VARCHAR(12) NOT NULL, CONVENIO VARCHAR(4), VALOR DOUBLE PRECISION,
  NOMEREDE VARCHAR(30), DOCUMENTO VARCHAR(12), DATA DATE, HORA VARCHAR(8), BANDEIRA INTEGER,
  DADOS BLOB SUB_TYPE 1 SEGMENT SIZE 80, CANCELADO VARCHAR(1), CODDOCTO VARCHAR(15),
  PRIMARY KEY (CODEMPRESA, PDV, CUPOM, IDENTIFICACAO));
CREATE TABLE CADOPER (CODOPER CHAR(10) NOT NULL PRIMARY KEY, NOME CHAR(40), SENHA CHAR(10),
  SANGRIA CHAR(1), CANCELAITEM CHAR(1), CANCELAVENDA CHAR(1), LEITURAX CHAR(1), LEITURAZ CHAR(1),
  LEITURAMEMORIA CHAR(1), ABERTURAGAVETA CHAR(1), CANCELAATUAL CHAR(1), USUARIO CHAR(10),
  HISTORICOCLIENTE SMALLINT, LIQUIDADOCUREC CHAR(1), ATIVO CHAR(1) DEFAULT 'S');
)";

// The central database, ISO8859_1 by default: CHAR keys narrower than the point of sale's, the
// motive kept in a WIN1252 text blob, the card data in a binary blob, a column of its own with a
// default and one that is NOT NULL without any, ECFGERAL without one of the catalogue's columns.
constexpr const char* ScriptServidor = R"(
CREATE TABLE SANGRIA (CODSANGRIA CHAR(5) NOT NULL, USUARIO CHAR(10) NOT NULL,
  DATASANGRIA TIMESTAMP, HORASANGRIA VARCHAR(8), VALOR DOUBLE PRECISION, DC VARCHAR(1),
  QLIBEROU VARCHAR(10), MOTIVO BLOB SUB_TYPE 1 CHARACTER SET WIN1252, CODEMPRESA VARCHAR(2),
  ABERTURACAIXA VARCHAR(1), CODOPER VARCHAR(5), COO DOUBLE PRECISION, GNF INTEGER,
  MAQUINA CHAR(4) NOT NULL, ESPELHOSANGRIA VARCHAR(40) CHARACTER SET NONE,
  ID_ROTINA_ORIGEM INTEGER, TIPO_VALOR INTEGER, CODTURNO VARCHAR(2),
  ORIGEM VARCHAR(10) DEFAULT 'CAIXA',
  CONSTRAINT PK_SANGRIA PRIMARY KEY (CODSANGRIA, USUARIO, MAQUINA));
CREATE TABLE ENCCARTAO (CODEMPRESA CHAR(2) NOT NULL, PDV CHAR(4) NOT NULL, CUPOM CHAR(6) NOT NULL,
  IDENTIFICACAO VARCHAR(12) NOT NULL, CONVENIO VARCHAR(4), VALOR DOUBLE PRECISION,
  NOMEREDE VARCHAR(30) CHARACTER SET WIN1252, DOCUMENTO VARCHAR(12), DATA DATE, HORA VARCHAR(8),
  BANDEIRA INTEGER, DADOS BLOB SUB_TYPE 0, CANCELADO VARCHAR(1), CODDOCTO VARCHAR(15),
  PRIMARY KEY (CODEMPRESA, PDV, CUPOM, IDENTIFICACAO));
CREATE TABLE ECFGERAL (PDV VARCHAR(4) NOT NULL, DTULTRED DATE NOT NULL,
  CODEMPRESA VARCHAR(2) NOT NULL, PRIMARY KEY (CODEMPRESA, PDV, DTULTRED));
CREATE TABLE CADOPER (CODOPER VARCHAR(10) NOT NULL PRIMARY KEY, NOME VARCHAR(40),
  SENHA VARCHAR(10), SANGRIA VARCHAR(1), CANCELAITEM VARCHAR(1), CANCELAVENDA VARCHAR(1),
  LEITURAX VARCHAR(1), LEITURAZ VARCHAR(1), LEITURAMEMORIA VARCHAR(1), ABERTURAGAVETA VARCHAR(1),
  CANCELAATUAL VARCHAR(1), USUARIO VARCHAR(10), HISTORICOCLIENTE INTEGER,
  LIQUIDADOCUREC VARCHAR(1), CONFERIDO VARCHAR(1) NOT NULL);
)";

// A database made by the command-line SQL tool from `corpo`; the test run's server may also open
// it as host:path.
std::string FCriaBancoPorScript(const std::filesystem::path& pasta, const std::string& nome,
                                const std::string& charset, const std::string& corpo) {
  const std::filesystem::path arquivo = pasta / (nome + ".fdb");
  const std::filesystem::path script = pasta / (nome + ".sql");
  std::ofstream(script) << "SET SQL DIALECT 1;\nCREATE DATABASE '" << arquivo.string()
                        << "' USER 'SYSDBA' PASSWORD 'masterkey' DEFAULT CHARACTER SET " << charset
                        << ";\n"
                        << corpo << "COMMIT;\n";
  const std::string saida = (pasta / (nome + ".out")).string();
  const std::string comando =
      "isql-fb -sql_dialect 1 -q -bail -i '" + script.string() + "' >'" + saida + "' 2>&1";
  if (std::system(comando.c_str()) != 0 || !std::filesystem::exists(arquivo)) {
    std::ifstream in(saida);
    ADD_FAILURE() << "isql-fb failed on " << script << ": " << in.rdbuf();
  }
  return arquivo.string();
}

std::string FValor(fb::Connection& conexao, const std::string& sql) {
  fb::Statement comando(conexao, sql, false);
  fb::ResultSet linhas = comando.executeQuery();
  return linhas.next() ? linhas.getString(0u) : std::string();
}

std::string FTodosOsBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

class TBancoLojaTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    caixa_ = FCriaBancoPorScript(pasta_.caminho(), "caixa", "WIN1252", ScriptCaixa);
    servidor_ = FCriaBancoPorScript(pasta_.caminho(), "servidor", "ISO8859_1", ScriptServidor);
  }

  // The point of sale opened in-process, or through the server; the central database always
  // through the server.
  fb::Connection& caixaEmbarcado() { return PAbre(conexaoCaixa_, FConfiguracaoEmbarcada(caixa_)); }
  fb::Connection& caixaNoServidor() {
    return PAbre(conexaoCaixa_, FConfiguracaoServidor(FCaminhoServidor("localhost", caixa_)));
  }
  fb::Connection& servidor() {
    return PAbre(conexaoServidor_, FConfiguracaoServidor(FCaminhoServidor("127.0.0.1", servidor_)));
  }

  TPastaTemporaria pasta_;
  TLogTeste log_;

 private:
  static fb::Connection& PAbre(std::unique_ptr<fb::Connection>& conexao,
                               fb::ConnectionSettings configuracao) {
    if (!conexao) {
      conexao = std::make_unique<fb::Connection>(std::move(configuracao), "Loja");
      conexao->open();
    }
    return *conexao;
  }

  std::string caixa_, servidor_;
  std::unique_ptr<fb::Connection> conexaoCaixa_, conexaoServidor_;
};

TEST_F(TBancoLojaTeste, SaleCopiedFromAPointOfSaleArrivesByteForByteAndIsUpdatedAndDeletedByItsKey) {
  fb::Connection& caixa = caixaEmbarcado();
  const std::string bytes = FTodosOsBytes();
  TRegistroSangria sangria;
  sangria.SetTexto("Codsangria", "00001");
  sangria.SetTexto("Usuario", "JOSÉ");
  sangria.SetTexto("Maquina", "001");
  sangria.SetDataHora("Datasangria", FEncodeDataHora(2026, 3, 7, 18, 30, 15));
  sangria.SetTexto("Motivo", FLatin1ParaUtf8(bytes));
  sangria.SetTexto("Espelhosangria", FLatin1ParaUtf8(bytes.substr(215)));
  sangria.SetFlutuante("Valor", 12.5);
  sangria.SetInteiro("Coo", 4711);
  sangria.SetInteiro("Gnf", 70000);  // beyond the point of sale's SMALLINT
  EXPECT_FALSE(TSangriaDao(caixa).FInsereRegistro(sangria));
  sangria.SetInteiro("Gnf", -7);
  ASSERT_TRUE(TSangriaDao(caixa).FInsereRegistro(sangria));
  ASSERT_EQ(log_.FMensagens().size(), 1u);
  EXPECT_TRUE(log_.FMensagens()[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TSangriaDao.\rCodsangria:  00001\r"
      "Usuario:     JOSÉ\rMaquina:     001\rMotivo: "))
      << log_.FMensagens()[0];

  // The point of sale pads its CHAR(15) key; the central database's CHAR(10) takes it.
  std::unique_ptr<TRegistroSangria> lida = TSangriaDao(caixa).FRetornaRegistro("00001", "JOSÉ", "001");
  ASSERT_NE(lida, nullptr);
  EXPECT_EQ(lida->GetTexto("Usuario"), "JOSÉ" + std::string(11, ' '));
  EXPECT_EQ(lida->GetTexto("Horasangria"), std::string(8, ' '));
  EXPECT_EQ(lida->GetFlutuante("Valor"), 12.5);
  EXPECT_EQ(lida->GetInteiro("Gnf"), -7);

  fb::Connection& central = servidor();
  const TSangriaDao dao(central);
  ASSERT_TRUE(dao.FInsereRegistro(*lida));
  EXPECT_EQ(FValor(central, "SELECT OCTET_LENGTH(MOTIVO) FROM SANGRIA"), "255");
  EXPECT_EQ(FValor(central, "SELECT ORIGEM FROM SANGRIA"), "CAIXA");
  EXPECT_EQ(FValor(central, "SELECT CAST(DATASANGRIA AS VARCHAR(30)) FROM SANGRIA"),
            "07-MAR-2026 18:30:15.0000");
  std::unique_ptr<TRegistroSangria> copiada = dao.FRetornaRegistro(
      lida->GetTexto("Codsangria"), lida->GetTexto("Usuario"), lida->GetTexto("Maquina"));
  ASSERT_NE(copiada, nullptr);
  EXPECT_TRUE(copiada->GetTexto("Motivo") == lida->GetTexto("Motivo"));
  EXPECT_EQ(copiada->GetTexto("Espelhosangria"), lida->GetTexto("Espelhosangria"));
  EXPECT_EQ(copiada->GetTexto("Usuario"), "JOSÉ      ");
  EXPECT_EQ(copiada->GetInteiro("Coo"), 4711);
  EXPECT_EQ(copiada->GetDataHora("Datasangria"), lida->GetDataHora("Datasangria"));

  lida->SetTexto("Motivo", "Troco");
  ASSERT_TRUE(dao.FUpdateRegistro(*lida));
  EXPECT_EQ(FValor(central, "SELECT MOTIVO FROM SANGRIA"), "Troco");
  // A key wider than the central column by more than blanks fits no row there.
  EXPECT_FALSE(dao.FDeletaRegistro("00001", "JOSÉ", "00001"));
  EXPECT_TRUE(dao.FDeletaRegistro(lida->GetTexto("Codsangria"), lida->GetTexto("Usuario"),
                                  lida->GetTexto("Maquina")));
  EXPECT_EQ(FValor(central, "SELECT COUNT(*) FROM SANGRIA"), "0");
  ASSERT_EQ(log_.FMensagens().size(), 2u);
  EXPECT_TRUE(log_.FMensagens()[1].starts_with(
      "Ocorreu um erro ao tentar excluir os dados da TSangriaDao.\rCodsangria:  00001\r"
      "Usuario:     JOSÉ\rMaquina:     00001\rMotivo: "))
      << log_.FMensagens()[1];
}

TEST_F(TBancoLojaTeste, BlobOfSeveralMegabytesTravelsBetweenTwoDatabasesOverTheServer) {
  const std::string latin = FLatin1ParaUtf8(FTodosOsBytes());
  std::string dados;
  while (dados.size() < 4 * 1024 * 1024) dados += latin;
  TRegistroEnccartao cartao;
  cartao.SetTexto("Codempresa", "01");
  cartao.SetTexto("Pdv", "0001");
  cartao.SetTexto("Cupom", "000042");
  cartao.SetTexto("Identificacao", "ABC");
  cartao.SetTexto("Dados", dados);
  cartao.SetTexto("Nomerede", FLatin1ParaUtf8(FTodosOsBytes().substr(120, 30)));
  fb::Connection& caixa = caixaNoServidor();
  ASSERT_TRUE(TEnccartaoDao(caixa).FInsereRegistro(cartao));
  std::unique_ptr<TRegistroEnccartao> lido =
      TEnccartaoDao(caixa).FRetornaRegistro("01", "0001", "000042", "ABC");
  ASSERT_NE(lido, nullptr);

  fb::Connection& central = servidor();
  ASSERT_TRUE(TEnccartaoDao(central).FInsereRegistro(*lido));
  EXPECT_EQ(FValor(central, "SELECT OCTET_LENGTH(DADOS) FROM ENCCARTAO"),
            std::to_string(FUtf8ParaLatin1(dados).size()));
  std::unique_ptr<TRegistroEnccartao> copiado =
      TEnccartaoDao(central).FRetornaRegistro("01", "0001", "000042", "ABC");
  ASSERT_NE(copiado, nullptr);
  EXPECT_TRUE(copiado->GetTexto("Dados") == dados);
  EXPECT_EQ(copiado->GetTexto("Nomerede"), cartao.GetTexto("Nomerede"));
  EXPECT_TRUE(log_.FMensagens().empty());
}

TEST_F(TBancoLojaTeste, TableLackingAColumnRefusesEveryWriteWithALoggedMessageAndFailsTheRead) {
  fb::Connection& central = servidor();
  const TEcfgeralDao dao(central);
  TRegistroEcfgeral ecf;
  ecf.SetTexto("Pdv", "001");
  ecf.SetDataHora("Dtultred", FEncodeDataHora(2026, 3, 7));
  ecf.SetTexto("Codempresa", "01");
  EXPECT_FALSE(dao.FInsereRegistro(ecf));
  EXPECT_FALSE(dao.FUpdateRegistro(ecf));
  EXPECT_TRUE(dao.FDeletaRegistro("001", FEncodeDataHora(2026, 3, 7), "01"));  // names no column
  EXPECT_THROW(dao.FRetornaRegistro("001", FEncodeDataHora(2026, 3, 7), "01"), fb::Error);

  const auto mensagens = log_.FMensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  const std::string chaves = "Pdv:         001\rDtultred:    07/03/2026\rCodempresa:  01\rMotivo: ";
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TEcfgeralDao.\r" + chaves))
      << mensagens[0];
  EXPECT_TRUE(mensagens[1].starts_with(
      "Ocorreu um erro ao tentar atualizar os dados da TEcfgeralDao.\r" + chaves))
      << mensagens[1];
  for (const std::string& m : mensagens) EXPECT_NE(m.find("Column unknown"), std::string::npos) << m;
  EXPECT_EQ(FValor(central, "SELECT COUNT(*) FROM ECFGERAL"), "0");
}

TEST_F(TBancoLojaTeste, OperatorCopiedFromTheCentralDatabaseKeepsItsFourteenColumns) {
  fb::Connection& central = servidor();
  central.execute(
      "INSERT INTO CADOPER (CODOPER, NOME, SENHA, SANGRIA, CANCELAITEM, USUARIO, "
      "HISTORICOCLIENTE, LIQUIDADOCUREC, CONFERIDO) "
      "VALUES ('7', 'MARIA DA CONCEIÇÃO', 'x1', 'S', 'N', 'MARIA', 12, 'S', 'S')");
  std::unique_ptr<TRegistroCadoper> operador = TCadoperDao(central).FRetornaRegistro("7");
  ASSERT_NE(operador, nullptr);
  EXPECT_EQ(operador->GetTexto("Cancelavenda"), "");  // NULL
  EXPECT_EQ(operador->GetInteiro("Historicocliente"), 12);

  fb::Connection& caixa = caixaEmbarcado();
  const TCadoperDao dao(caixa);
  ASSERT_TRUE(dao.FInsereRegistro(*operador));
  std::unique_ptr<TRegistroCadoper> copiado = dao.FRetornaRegistro("7");
  ASSERT_NE(copiado, nullptr);
  EXPECT_EQ(copiado->GetTexto("Nome"), "MARIA DA CONCEIÇÃO" + std::string(22, ' '));
  EXPECT_EQ(copiado->GetTexto("Cancelavenda"), " ");  // "" into CHAR(1)
  EXPECT_EQ(copiado->GetTexto("Liquidadocurec"), "S");
  EXPECT_EQ(copiado->GetInteiro("Historicocliente"), 12);
  EXPECT_EQ(FValor(caixa, "SELECT ATIVO FROM CADOPER"), "S");
  EXPECT_EQ(FValor(caixa, "SELECT COUNT(*) FROM CADOPER WHERE CANCELAVENDA IS NULL"), "0");

  // The point of sale's SMALLINT refuses what the central INTEGER holds; the row stays as it was.
  operador->SetInteiro("Historicocliente", 40000);
  EXPECT_FALSE(dao.FUpdateRegistro(*operador));
  EXPECT_EQ(FValor(caixa, "SELECT HISTORICOCLIENTE FROM CADOPER"), "12");
  // The central database's own NOT NULL column without a default refuses a row from elsewhere.
  copiado->SetTexto("Codoper", "8");
  EXPECT_FALSE(TCadoperDao(central).FInsereRegistro(*copiado));

  const auto mensagens = log_.FMensagens();
  ASSERT_EQ(mensagens.size(), 2u);
  EXPECT_TRUE(mensagens[0].starts_with(
      "Ocorreu um erro ao tentar atualizar os dados da TCadoperDao.\rCodoper:  7\rMotivo: "))
      << mensagens[0];
  EXPECT_TRUE(mensagens[1].starts_with(
      "Ocorreu um erro ao tentar inserir os dados da TCadoperDao.\rCodoper:  8\rMotivo: "))
      << mensagens[1];
  EXPECT_NE(mensagens[1].find("CONFERIDO"), std::string::npos) << mensagens[1];
}

}  // namespace
