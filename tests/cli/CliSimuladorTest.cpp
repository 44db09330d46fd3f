// The store simulator: complete, consistent sales at the points of sale and product changes at
// the centre, queued by the capture triggers as the store's own work would be.
#include <gtest/gtest.h>

#include <string>

#include "SuporteCli.h"

namespace fs = std::filesystem;

namespace {

using CliSimuladorTest = TCliTeste;

TEST_F(CliSimuladorTest, SalesAreCompleteConsistentAndQueued) {
  ASSERT_EQ(roda("criar-demo '" + loja.string() + "' --caixas 2").status, 0);
  ASSERT_EQ(roda("atualizar-bancos").status, 0);
  auto r = roda("simular --vendas 3 --caixa 1");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("máquina 001  vendas 3  cupons 000001 a 000003"), std::string::npos)
      << r.saida;
  const fs::path caixa1 = loja / "caixa001.fdb";
  EXPECT_EQ(conta(loja / "caixa002.fdb", "SELECT COUNT(*) FROM ENCERRA"), 0);
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM ENCERRA WHERE PDV = '001'"), 3);
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM PEDIDOC WHERE TIPOPEDIDO = '55'"), 3);
  const int itens = conta(caixa1, "SELECT COUNT(*) FROM PEDIDOI");
  EXPECT_GE(itens, 3);
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM VENDPDV"), itens);
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM MVGERAL WHERE TIPOMOV = 'VD'"), itens);
  // Each order's total is its items' sum, the closing's too, and the cash paid covers it.
  EXPECT_EQ(conta(caixa1,
                  "SELECT COUNT(*) FROM PEDIDOC C JOIN ENCERRA E ON E.CODPEDIDO = C.CODPEDIDO "
                  "WHERE ABS(C.TOTALPEDIDO - E.TOTALVENDA) < 0.001 AND ABS(E.VLRDINHEIRO - "
                  "E.VLRTROCO - E.TOTALVENDA) < 0.001 AND C.TOTALPEDIDO > 0 AND "
                  "ABS(C.TOTALPEDIDO - (SELECT SUM(I.TOTALITEM) FROM PEDIDOI I WHERE I.CODPEDIDO "
                  "= C.CODPEDIDO)) < 0.001"),
            3);
  EXPECT_EQ(conta(caixa1,
                  "SELECT COUNT(*) FROM MVGERAL M JOIN PEDIDOI I ON I.CODPROD = M.CODPROD AND "
                  "M.DOCUMENTO = '001' || (SELECT E.CUPOM FROM ENCERRA E WHERE E.CODPEDIDO = "
                  "I.CODPEDIDO) WHERE M.QUANTIDADE = -I.QUANTIDADE"),
            itens);
  // Every row was queued once, for this machine, as an insert.
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM INTEGECF WHERE ECF = '0001' AND ACAO = 'I'"),
            3 + 3 + 3 * itens);
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM INTEGECF"), 3 + 3 + 3 * itens);

  // Numbering goes on where it stopped, in turn over the points of sale.
  r = roda("simular --vendas 3");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("máquina 001  vendas 2  cupons 000004 a 000005"), std::string::npos)
      << r.saida;
  EXPECT_NE(r.saida.find("máquina 002  vendas 1  cupons 000001 a 000001"), std::string::npos)
      << r.saida;
  EXPECT_EQ(valor(loja / "caixa002.fdb", "SELECT CODPEDIDO FROM PEDIDOC"), "00200001");

  // A till the configuration does not have, or one that cannot be reached: nothing is written.
  r = roda("simular --vendas 1 --caixa 3");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("2 caixa(s)"), std::string::npos) << r.erro;
  std::ofstream(ini, std::ios::app | std::ios::binary)
      << "[CONEXAOCAIXA2]\r\nCAMINHO=127.0.0.1/1:/loja/caixa.fdb\r\nUSUARIO=SYSDBA\r\n"
         "SENHA=masterkey\r\n";
  r = roda("simular --vendas 5");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erro.find("127.0.0.1/1:/loja/caixa.fdb está inacessível"), std::string::npos) << r.erro;
  EXPECT_EQ(conta(caixa1, "SELECT COUNT(*) FROM ENCERRA"), 5);
}

TEST_F(CliSimuladorTest, ProductChangesAtTheCentreAreQueuedForEveryTill) {
  ASSERT_EQ(roda("criar-demo '" + loja.string() + "' --caixas 2").status, 0);
  ASSERT_EQ(roda("atualizar-bancos").status, 0);
  const fs::path central = loja / "servidor.fdb";
  auto r = roda("simular --cadastros 7");
  ASSERT_EQ(r.status, 0) << r.erro << r.saida;
  EXPECT_NE(r.saida.find("produtos alterados no servidor: 5, novos: 2"), std::string::npos)
      << r.saida;
  EXPECT_EQ(conta(central, "SELECT COUNT(*) FROM PRODUTO"), 7);
  EXPECT_EQ(conta(central, "SELECT COUNT(*) FROM PRODUTO WHERE PRECO > 0 AND "
                           "DATA_ULT_ALTERACAO > CAST('TODAY' AS DATE)"),
            7);
  EXPECT_NE(valor(central, "SELECT OBSERVACAO FROM PRODUTO WHERE CODPROD = '000001'")
                .find("gôndola"),
            std::string::npos);
  EXPECT_EQ(valor(central, "SELECT DESCRICAO FROM PRODUTO WHERE CODPROD = '000007'"),
            "PÃO DE AÇÚCAR SIMULADO 000007");
  for (const char* ecf : {"0001", "0002"}) {
    EXPECT_EQ(conta(central, std::string("SELECT COUNT(*) FROM INTEGECF WHERE ACAO = 'A' AND "
                                         "TABELA = 'PRODUTO' AND ECF = '") + ecf + "'"),
              5);
    EXPECT_EQ(conta(central, std::string("SELECT COUNT(*) FROM INTEGECF WHERE ACAO = 'I' AND "
                                         "TABELA = 'PRODUTO' AND ECF = '") + ecf + "'"),
              2);
  }
  // A second run raises the prices again.
  const std::string preco = valor(central, "SELECT PRECO FROM PRODUTO WHERE CODPROD = '000003'");
  ASSERT_EQ(roda("simular --cadastros 3").status, 0);
  EXPECT_GT(std::stod(valor(central, "SELECT PRECO FROM PRODUTO WHERE CODPROD = '000003'")),
            std::stod(preco));
}

TEST_F(CliSimuladorTest, BadOptionsExitTwo) {
  for (const char* args : {"simular", "simular --caixa 1", "simular --vendas 0",
                           "simular --vendas x", "simular --cadastros", "simular extra --vendas 1",
                           "status --vendas 2", "criar-demo x --json", "simular --vendas 1 --json"}) {
    const auto r = roda(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.erro.find("erro:"), std::string::npos) << args;
  }
  const auto ajuda = roda("ajuda");
  for (const char* c : {"simular", "--atraso-maximo", "--json", "3 atraso"})
    EXPECT_NE(ajuda.saida.find(c), std::string::npos) << c;
}

}  // namespace
