// status for monitors: the JSON document against the schema kept in the tree, the age of each
// queue's oldest carried row, and the stall check's exit status, on a demo store whose sales and
// product changes come from the simulator.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

#include "SuporteCli.h"
#include "ValidadorJson.h"
#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "support/BancoTeste.h"

namespace fs = std::filesystem;

namespace {

class CliStatusTest : public TCliTeste {
 protected:
  // A point of sale that never answers, without a packet leaving the machine: a loopback port
  // where nothing listens.
  void acrescentaCaixaInacessivel(int secao) {
    std::ofstream(ini, std::ios::app | std::ios::binary)
        << "[CONEXAOCAIXA" << secao
        << "]\r\nCAMINHO=127.0.0.1/1:/loja/caixa.fdb\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n";
  }

  static TJson FEsquema() {
    return TLeitorJson::FLe(FLeArquivo(fs::path(SV_FONTE) / "docs" / "status.schema.json"));
  }
};

const TJson* FLinha(const TJson& banco, const std::string& ecf, const std::string& tabela,
                    const std::string& acao) {
  for (const TJson& l : banco.campo("fila")->campo("linhas")->lista)
    if (l.campo("ecf")->texto == ecf && l.campo("tabela")->texto == tabela &&
        l.campo("acao")->texto == acao)
      return &l;
  return nullptr;
}

TEST_F(CliStatusTest, JsonDocumentValidatesAgainstTheSchemaAndCountsEveryQueue) {
  // A folder name with a double quote must come out escaped.
  loja = pasta / "loja \"1\"";
  criaLoja(2);
  auto r = roda("simular --vendas 3 --cadastros 2");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  // Rows no cycle carries: a deletion in the central queue, another machine's row at a till.
  executa(loja / "servidor.fdb", "DELETE FROM FORNECE WHERE CODFORNEC = '000002'");
  executa(loja / "caixa002.fdb",
          "INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU, DATAATUAL, HORAATUAL, ACAO, "
          "TABELA, CHAVE0) VALUES ('01', '0999', '900', 'N', 'TODAY', '0:0', 'I', 'SANGRIA', 'X')");
  const int filaCaixa1 = conta(loja / "caixa001.fdb", "SELECT COUNT(*) FROM INTEGECF");
  ASSERT_GT(filaCaixa1, 0);
  acrescentaCaixaInacessivel(2);

  r = roda("status --json");
  EXPECT_EQ(r.status, 1) << r.erro;
  const TJson doc = TLeitorJson::FLe(r.saida);
  const TJson esquema = FEsquema();
  const TValidadorJson validador(esquema);
  const auto erros = validador.FErros(doc);
  EXPECT_TRUE(erros.empty()) << erros.front() << "\n" << r.saida;

  const auto& bancos = doc.campo("bancos")->lista;
  ASSERT_EQ(bancos.size(), 4u) << r.saida;
  EXPECT_EQ(bancos[0].campo("caminho")->texto, (loja / "servidor.fdb").string());
  EXPECT_EQ(bancos[0].campo("papel")->texto, "servidor");
  EXPECT_EQ(bancos[0].campo("maquina")->tipo, TJson::TTipo::Nulo);
  EXPECT_EQ(bancos[1].campo("maquina")->texto, "001");
  EXPECT_EQ(bancos[2].campo("maquina")->texto, "002");
  EXPECT_FALSE(bancos[3].campo("acessivel")->booleano);
  EXPECT_EQ(bancos[3].campo("fila")->tipo, TJson::TTipo::Nulo);
  EXPECT_EQ(doc.campo("atrasos")->lista.size(), 0u);

  const TJson& fila1 = *bancos[1].campo("fila");
  EXPECT_EQ(fila1.campo("pendentes")->numero, filaCaixa1);
  EXPECT_EQ(fila1.campo("transportadas")->numero, filaCaixa1);
  ASSERT_EQ(fila1.campo("idadeSegundos")->tipo, TJson::TTipo::Numero);
  EXPECT_LE(fila1.campo("idadeSegundos")->numero, 600);
  const TJson* vendas = FLinha(bancos[1], "0001", "VENDPDV", "I");
  ASSERT_NE(vendas, nullptr) << r.saida;
  EXPECT_TRUE(vendas->campo("transportada")->booleano);

  const TJson* alheia = FLinha(bancos[2], "0999", "SANGRIA", "I");
  ASSERT_NE(alheia, nullptr) << r.saida;
  EXPECT_FALSE(alheia->campo("transportada")->booleano);
  EXPECT_EQ(bancos[2].campo("fila")->campo("transportadas")->numero,
            bancos[2].campo("fila")->campo("pendentes")->numero - 1);

  // The master-data rows of both tills are carried; the deletion is not.
  for (const char* ecf : {"0001", "0002"}) {
    const TJson* produto = FLinha(bancos[0], ecf, "PRODUTO", "A");
    ASSERT_NE(produto, nullptr) << ecf << r.saida;
    EXPECT_EQ(produto->campo("quantidade")->numero, 2);
    EXPECT_TRUE(produto->campo("transportada")->booleano);
    const TJson* exclusao = FLinha(bancos[0], ecf, "FORNECE", "E");
    ASSERT_NE(exclusao, nullptr) << ecf << r.saida;
    EXPECT_FALSE(exclusao->campo("transportada")->booleano);
  }

  // The validator has teeth: each of these documents breaks the schema.
  for (const auto& [de, para] : std::vector<std::pair<std::string, std::string>>{
           {"\"acessivel\": true", "\"acessivel\": \"sim\""},
           {"\"papel\": \"caixa\"", "\"papel\": \"pdv\""},
           {"\"caminho\": ", "\"outro\": 1, \"caminho\": "},
           {"\"momento\": ", "\"hora\": 1, \"momento\": "},
           {"\"transportadas\": ", "\"transportadas\": -1, \"x\": "}}) {
    std::string alterado = r.saida;
    alterado.replace(alterado.find(de), de.size(), para);
    EXPECT_FALSE(validador.FErros(TLeitorJson::FLe(alterado)).empty()) << para;
  }
  std::string semCaminho = r.saida;
  const auto p = semCaminho.find("\"caminho\": ");
  semCaminho.erase(p, semCaminho.find(", ", p) + 2 - p);
  EXPECT_FALSE(validador.FErros(TLeitorJson::FLe(semCaminho)).empty());
}

TEST_F(CliStatusTest, StallLimitNamesOldCarriedQueuesAndUnreachableTills) {
  criaLoja(2);
  auto r = roda("simular --vendas 2 --caixa 1");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;

  r = roda("status --atraso-maximo 60");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("linha mais antiga há "), std::string::npos) << r.saida;

  // Rows no cycle carries may be as old as they like: a deletion in the central queue, another
  // machine's row at a till, a table the sales cycle does not know.
  executa(loja / "servidor.fdb", "DELETE FROM FORNECE WHERE CODFORNEC = '000002'");
  executa(loja / "servidor.fdb", "UPDATE INTEGECF SET DATAATUAL = CAST('TODAY' AS DATE) - 3, HORAATUAL = '8:0'");
  for (const char* sql :
       {"INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU, DATAATUAL, HORAATUAL, ACAO, "
        "TABELA) VALUES ('01', '0003', '900', 'N', CAST('TODAY' AS DATE) - 5, '7:30', 'I', 'SANGRIA')",
        "INSERT INTO INTEGECF (CODEMPRESA, ECF, ARQUIVO, ATUALIZOU, DATAATUAL, HORAATUAL, ACAO, "
        "TABELA) VALUES ('01', '0002', '901', 'N', CAST('TODAY' AS DATE) - 5, '7:30', 'I', 'PRODUTO')"})
    executa(loja / "caixa002.fdb", sql);
  r = roda("status --atraso-maximo 60");
  EXPECT_EQ(r.status, 0) << r.erro << r.saida;

  // A sale that has waited a day at till 1.
  executa(loja / "caixa001.fdb",
          "UPDATE INTEGECF SET DATAATUAL = CAST('TODAY' AS DATE) - 1, HORAATUAL = '9:5' WHERE TABELA = 'ENCERRA'");
  r = roda("status --atraso-maximo 60");
  EXPECT_EQ(r.status, 3) << r.erro << r.saida;
  EXPECT_NE(r.erro.find("atraso: [1] caixa " + (loja / "caixa001.fdb").string()), std::string::npos)
      << r.erro;
  EXPECT_NE(r.erro.find("ENCERRA I"), std::string::npos) << r.erro;
  EXPECT_EQ(r.erro.find("[2] caixa"), std::string::npos) << r.erro;
  EXPECT_EQ(r.erro.find("[0] servidor"), std::string::npos) << r.erro;

  r = roda("status --json --atraso-maximo 60");
  EXPECT_EQ(r.status, 3);
  const TJson doc = TLeitorJson::FLe(r.saida);
  EXPECT_TRUE(TValidadorJson(FEsquema()).FErros(doc).empty()) << r.saida;
  ASSERT_EQ(doc.campo("atrasos")->lista.size(), 1u) << r.saida;
  const double idade = doc.campo("bancos")->lista[1].campo("fila")->campo("idadeSegundos")->numero;
  EXPECT_GT(idade, 86400 - 9 * 3600 - 5 * 60 - 60) << r.saida;
  EXPECT_LT(idade, 2 * 86400) << r.saida;

  // Above the limit only when older than it; without a limit the exit status is unchanged.
  r = roda("status --atraso-maximo 4000");
  EXPECT_EQ(r.status, 0) << r.erro;
  EXPECT_EQ(roda("status").status, 0);

  // A till that cannot be reached is a stall too, named; without a limit it is a failure.
  acrescentaCaixaInacessivel(2);
  r = roda("status --atraso-maximo 4000");
  EXPECT_EQ(r.status, 3) << r.erro << r.saida;
  EXPECT_NE(r.erro.find("atraso: [3] caixa 127.0.0.1/1:/loja/caixa.fdb: inacessível"),
            std::string::npos)
      << r.erro;
  EXPECT_EQ(roda("status").status, 1);

  for (const char* args : {"status --atraso-maximo", "status --atraso-maximo -1",
                           "status --atraso-maximo uma", "status --json=1", "sincrovia --json"}) {
    r = roda(args);
    EXPECT_EQ(r.status, 2) << args;
  }
}

TEST_F(CliStatusTest, StatusReadsWithoutWaitingOnASaleOrACycleInProgress) {
  criaLoja(1);
  ASSERT_EQ(roda("simular --vendas 2").status, 0);
  const int fila = conta(loja / "caixa001.fdb", "SELECT COUNT(*) FROM INTEGECF");
  // Tool and test share the databases through the test run's private loopback server.
  const std::string senha = FConfiguracaoServidor("").password;
  const std::string prefixo = FCaminhoServidor("localhost", "");
  std::string texto = FLeArquivo(ini);
  for (auto p = texto.find("CAMINHO="); p != std::string::npos; p = texto.find("CAMINHO=", p + 1))
    texto.insert(p + 8, prefixo);
  for (auto p = texto.find("SENHA=masterkey"); p != std::string::npos;
       p = texto.find("SENHA=masterkey", p + 1))
    texto.replace(p + 6, 9, senha);
  PGravaArquivo(ini, texto);

  fb::Connection escritor(
      FConfiguracaoServidor(FCaminhoServidor("localhost", (loja / "caixa001.fdb").string())));
  escritor.open();
  escritor.startTransaction();
  // A cycle between the delete of a queue row and its commit, and a sale being rung up.
  escritor.execute("DELETE FROM INTEGECF WHERE ARQUIVO = (SELECT MIN(ARQUIVO) FROM INTEGECF)");
  escritor.execute("INSERT INTO SANGRIA (CODSANGRIA, USUARIO, MAQUINA, VALOR) "
                   "VALUES ('00009', 'CAIXA', '001', 10)");
  const std::string comando = "timeout 60 '" SV_CLI "' --ini '" + ini.string() + "' status --json";
  auto r = FRodaComando(pasta.caminho(), comando);
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  // What was committed, neither less nor more.
  TJson doc = TLeitorJson::FLe(r.saida);
  EXPECT_EQ(doc.campo("bancos")->lista[1].campo("fila")->campo("pendentes")->numero, fila);
  escritor.commit();

  r = FRodaComando(pasta.caminho(), comando);
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  doc = TLeitorJson::FLe(r.saida);
  EXPECT_EQ(doc.campo("bancos")->lista[1].campo("fila")->campo("pendentes")->numero, fila);
  EXPECT_NE(r.saida.find("\"tabela\": \"SANGRIA\""), std::string::npos) << r.saida;
}

TEST_F(CliStatusTest, JsonStaysValidForAnOldQueueLayoutAndAnUnreachableCentre) {
  // A store database of an older layout: its queue table has neither action nor capture time.
  const fs::path central = pasta / "central.fdb";
  PIsql(pasta.caminho(),
        "CREATE DATABASE '" + central.string() + "' USER 'SYSDBA' PASSWORD 'masterkey';\n"
        "CREATE TABLE PDVFISC (MAQUINA CHAR(3) NOT NULL, CODEMPRESA CHAR(2), NUMSERIE CHAR(20));\n"
        "CREATE TABLE INTEGECF (CODEMPRESA VARCHAR(2) NOT NULL, ECF VARCHAR(4) NOT NULL, "
        "ARQUIVO VARCHAR(20) NOT NULL);\n"
        "INSERT INTO INTEGECF VALUES ('01', '0001', '1');\n"
        "INSERT INTO INTEGECF VALUES ('01', '0001', '2');");
  PGravaArquivo(ini, "[CONEXAO]\r\nCAMINHO=" + central.string() +
                         "\r\nUSUARIO=SYSDBA\r\nSENHA=masterkey\r\n");
  acrescentaCaixaInacessivel(0);
  auto r = roda("status --json --atraso-maximo 5");
  EXPECT_EQ(r.status, 3) << r.erro;
  const TJson esquema = FEsquema();
  TJson doc = TLeitorJson::FLe(r.saida);
  EXPECT_TRUE(TValidadorJson(esquema).FErros(doc).empty()) << r.saida;
  const TJson& fila = *doc.campo("bancos")->lista[0].campo("fila");
  EXPECT_EQ(fila.campo("formato")->texto, "antigo");
  EXPECT_EQ(fila.campo("pendentes")->numero, 2);
  EXPECT_EQ(fila.campo("idadeSegundos")->tipo, TJson::TTipo::Nulo);
  EXPECT_EQ(doc.campo("atrasoMaximoSegundos")->numero, 300);
  EXPECT_EQ(doc.campo("atrasos")->lista.size(), 1u);

  // The central database gone: every database is still in the document.
  fs::rename(central, pasta / "outro.fdb");
  r = roda("status --json");
  EXPECT_EQ(r.status, 1);
  doc = TLeitorJson::FLe(r.saida);
  EXPECT_TRUE(TValidadorJson(esquema).FErros(doc).empty()) << r.saida;
  ASSERT_EQ(doc.campo("bancos")->lista.size(), 2u) << r.saida;
  EXPECT_FALSE(doc.campo("bancos")->lista[0].campo("acessivel")->booleano);
}

}  // namespace
