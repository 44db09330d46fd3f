// The capture rule on real databases: the table selection's flags decide which tables carry
// capture triggers, the master-data tables in the central database and the sales and fiscal
// tables in every point of sale.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "SuporteCaptura.h"
#include "engine/UCapturaTabelas.h"
#include "platform/UConfiguracao.h"

namespace {

const std::vector<std::string> kCentrais = {"PRODUTO", "FORNECE", "VENDEND", "CADUSUA",
                                            "CADOPER", "CLIENTE", "CDOPERC"};
const std::vector<std::string> kDosCaixas = {
    "PEDIDOC",     "PEDIDOI",     "ENCERRA",     "VENDPDV",     "ENCEFAT",
    "MVGERAL",     "REDUCOESZ",   "REDUCAOZ_C",  "REDUCAOZ_I",  "DETALHEREDUCOESZ",
    "ECFGERAL",    "DEMAISDOCUMENTOSECF",        "SANGRIA",     "MOVIREC",
    "DOCUREC",     "PRETERC",     "SINTEGRA60A", "SINTEGRA60D", "SINTEGRA60I",
    "SINTEGRA60M", "SINTEGRA60R", "ENCCARTAO",   "PARCPEDC",    "CONVENCEFAT",
    "FINANCIAMENTO"};

std::vector<std::string> FNomes(const std::vector<TTabelaCaptura>& tabelas) {
  std::vector<std::string> nomes;
  for (const auto& t : tabelas) nomes.emplace_back(t.tabela);
  return nomes;
}

// A table of the given name with a one-column key, unless the database has it already.
void PCriaTabela(TBancoTeste& banco, const std::string& tabela) {
  if (banco.contagem("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = \"" + tabela +
                     "\"") == 0)
    banco.executa("CREATE TABLE " + tabela + " (ID INTEGER NOT NULL PRIMARY KEY)");
}

// How many triggers each table carries, in the order given.
std::vector<int> FTriggers(TBancoTeste& banco, const std::vector<std::string>& tabelas) {
  std::vector<int> contagens;
  for (const auto& t : tabelas) contagens.push_back(FContaTriggers(banco, t));
  return contagens;
}

// Three triggers on the tables whose flag is ticked, none on the others.
std::vector<int> FEsperado(const std::vector<std::string>& tabelas,
                           const TSelecaoTabelas& selecao) {
  std::vector<int> contagens;
  for (const auto& t : tabelas) contagens.push_back(selecao.fbTabelaSelecionada(t) ? 3 : 0);
  return contagens;
}

TEST(FTabelasCaptura, EachSideInTheOrderOfTheFlagsWithGroupsSharingTheirFlag) {
  TSelecaoTabelas selecao;
  selecao["FINANCEIRO"] = false;
  selecao["OPERADOR"] = false;
  selecao["TODAS"] = false;
  EXPECT_EQ(FNomes(FTabelasCaptura(selecao, true)), kCentrais);
  const auto caixas = FTabelasCaptura(selecao, false);
  EXPECT_EQ(FNomes(caixas), kDosCaixas);
  for (const auto& t : FTabelasCaptura(selecao, true))
    EXPECT_EQ(t.capturada, t.tabela != "CADOPER") << t.tabela;
  for (const auto& t : caixas)
    EXPECT_EQ(t.capturada, t.tabela != "MOVIREC" && t.tabela != "DOCUREC" && t.tabela != "PRETERC")
        << t.tabela;
}

class RegraCapturaTest : public CapturaTest {
 protected:
  // The central database holds a sales table too, and each point of sale a master-data table:
  // neither may get triggers where the rule does not put them.
  void preparaCentral() {
    for (const auto& t : kCentrais) PCriaTabela(servidor, t);
    PCriaTabela(servidor, "PEDIDOC");
    servidor.adicionaMaquina({"001", "SN1"});
  }
  void preparaCaixa(TBancoTeste& caixa) {
    for (const auto& t : kDosCaixas) PCriaTabela(caixa, t);
    PCriaTabela(caixa, "PRODUTO");
    caixa.adicionaMaquina({"001", "SN1"});
  }
};

TEST_F(RegraCapturaTest, FlagsCreateAndDropTheTriggersOfTheirTablesWhereTheyBelong) {
  preparaCentral();
  TBancoTeste& primeiro = novoCaixa();
  TBancoTeste& segundo = novoCaixa();
  preparaCaixa(primeiro);
  preparaCaixa(segundo);

  TSelecaoTabelas selecao;
  PConfiguraCaptura(motor, selecao);
  EXPECT_EQ(FTriggers(servidor, kCentrais), std::vector<int>(kCentrais.size(), 3));
  EXPECT_EQ(FContaTriggers(servidor, "PEDIDOC"), 0);
  for (TBancoTeste* caixa : {&primeiro, &segundo}) {
    EXPECT_EQ(FTriggers(*caixa, kDosCaixas), std::vector<int>(kDosCaixas.size(), 3));
    EXPECT_EQ(FContaTriggers(*caixa, "PRODUTO"), 0);
  }

  // Cleared flags drop their tables' triggers, groups together; the rest stay.
  selecao["CLIENTE"] = false;
  selecao["FINANCEIRO"] = false;
  selecao["SINTEGRA"] = false;
  selecao["PEDIDOI"] = false;
  PConfiguraBanco(motor, selecao);
  EXPECT_EQ(FTriggers(servidor, kCentrais), FEsperado(kCentrais, selecao));
  EXPECT_EQ(FTriggers(primeiro, kDosCaixas), std::vector<int>(kDosCaixas.size(), 3))
      << "the central routine touched a point of sale";
  PConfiguraBancoVenda(motor, selecao);
  for (TBancoTeste* caixa : {&primeiro, &segundo})
    EXPECT_EQ(FTriggers(*caixa, kDosCaixas), FEsperado(kDosCaixas, selecao));
  EXPECT_EQ(FTriggers(servidor, kCentrais), FEsperado(kCentrais, selecao));

  // A table that is no longer captured queues nothing; the others still do.
  servidor.executa("INSERT INTO CLIENTE VALUES (1)");
  servidor.executa("INSERT INTO PRODUTO VALUES (1)");
  primeiro.executa("INSERT INTO MOVIREC VALUES (1)");
  primeiro.executa("INSERT INTO PEDIDOC VALUES (1)");
  const auto filaCentral = FLeFila(servidor);
  ASSERT_EQ(filaCentral.size(), 1u);
  EXPECT_EQ(filaCentral[0].at("TABELA"), "PRODUTO");
  const auto filaCaixa = FLeFila(primeiro);
  ASSERT_EQ(filaCaixa.size(), 1u);
  EXPECT_EQ(filaCaixa[0].at("TABELA"), "PEDIDOC");

  // Ticked again: created again.
  PConfiguraCaptura(motor, TSelecaoTabelas{});
  EXPECT_EQ(FTriggers(servidor, kCentrais), std::vector<int>(kCentrais.size(), 3));
  EXPECT_EQ(FTriggers(segundo, kDosCaixas), std::vector<int>(kDosCaixas.size(), 3));
  EXPECT_TRUE(log.FMensagens().empty()) << log.FMensagens()[0];
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(RegraCapturaTest, AnUnreachablePointOfSaleLeavesEveryDatabaseAsItWas) {
  preparaCentral();
  TBancoTeste primeiro{pasta / "primeiro.fdb"};
  TBancoTeste terceiro{pasta / "terceiro.fdb"};
  preparaCaixa(primeiro);
  preparaCaixa(terceiro);

  // Another engine, without the unreachable point of sale, captures everything first.
  {
    TBancoDados preparo{notificador};
    ASSERT_TRUE(preparo.FCriaConexao(servidor.caminho(), "SYSDBA", FConfiguracaoServidor("").password, "", true));
    ASSERT_TRUE(preparo.FCriaConexao(primeiro.caminho(), "SYSDBA", FConfiguracaoServidor("").password, ""));
    ASSERT_TRUE(preparo.FCriaConexao(terceiro.caminho(), "SYSDBA", FConfiguracaoServidor("").password, ""));
    PConfiguraCaptura(preparo, TSelecaoTabelas{});
  }
  ASSERT_EQ(FTriggers(terceiro, kDosCaixas), std::vector<int>(kDosCaixas.size(), 3));
  for (TBancoTeste* b : {&servidor, &primeiro, &terceiro})
    b->executa("UPDATE PARATLM SET INTEGGERALECF = 1");

  registra(primeiro.caminho());
  registra(kCaixaMudo);
  registra(terceiro.caminho());
  TSelecaoTabelas selecao;
  selecao.PMarcaTodas(false);
  PConfiguraCaptura(motor, selecao);

  EXPECT_EQ(FTriggers(servidor, kCentrais), std::vector<int>(kCentrais.size(), 3));
  for (TBancoTeste* caixa : {&primeiro, &terceiro})
    EXPECT_EQ(FTriggers(*caixa, kDosCaixas), std::vector<int>(kDosCaixas.size(), 3));
  // Not even the set-up's first change, the switch, was made anywhere.
  for (TBancoTeste* b : {&servidor, &primeiro, &terceiro})
    EXPECT_EQ(b->valor("SELECT INTEGGERALECF FROM PARATLM"), "1");
  EXPECT_TRUE(log.FMensagens().empty());
  EXPECT_TRUE(notificador.avisos.empty());
}

TEST_F(RegraCapturaTest, AnEngineWithoutCentralEntryChangesNothing) {
  TBancoDados vazio{notificador};
  PConfiguraCaptura(vazio, TSelecaoTabelas{});
  EXPECT_TRUE(log.FMensagens().empty());
  EXPECT_TRUE(notificador.avisos.empty());
}

}  // namespace
