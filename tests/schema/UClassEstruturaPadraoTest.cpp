// The structure model and the definitions built from the catalogue.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "schema/UCatalogo.h"
#include "schema/UClassEstruturaPadrao.h"

TEST(ColecoesDaEstrutura, GuardamAsEntradasNaOrdemDeInsercaoSemDescartarRepetidas) {
  TColDominio dominios;
  dominios.PAdicionaDominio("VARCHAR4", "VARCHAR(4)", "");
  dominios.PAdicionaDominio("INTEIRO", "INTEGER", "");
  dominios.PAdicionaDominio(std::make_unique<TDominio>(TDominio{"VARCHAR4", "VARCHAR(4)", ""}));
  ASSERT_EQ(dominios.Count(), 3u);
  EXPECT_EQ(dominios.FRetornaDominio(0).Nome, "VARCHAR4");
  EXPECT_EQ(dominios.FRetornaDominio(1).Tipo, "INTEGER");
  EXPECT_EQ(dominios.FRetornaDominio(2).Nome, "VARCHAR4");
  EXPECT_NE(&dominios.FRetornaDominio(0), &dominios.FRetornaDominio(2));

  TColCampo campos;
  campos.PAdicionaCampo("SANGRIA", "CODSANGRIA", "CHAR5", "NOT NULL", "X");
  const TCampo& campo = campos.FRetornaCampo(0);
  EXPECT_EQ(campo.Tabela, "SANGRIA");
  EXPECT_EQ(campo.NomeCampo, "CODSANGRIA");
  EXPECT_EQ(campo.TipoCampo, "CHAR5");
  EXPECT_EQ(campo.Nulo, "NOT NULL");
  EXPECT_EQ(campo.Default, "X");

  TColConstraint constraints;
  constraints.PAdicionaConstraint("FK", "FK_X", "A,B", "Tabela", "C,D", "OUTRA");
  const TConstraint& c = constraints.FRetornaConstraint(0);
  EXPECT_EQ(c.Tipo, "FK");
  EXPECT_EQ(c.Nome, "FK_X");
  EXPECT_EQ(c.Campo, "A,B");
  EXPECT_EQ(c.Tabela, "Tabela");
  EXPECT_EQ(c.CampoReferencia, "C,D");
  EXPECT_EQ(c.TabelaReferencia, "OUTRA");
}

TEST(ColecoesDaEstrutura, PosicaoForaDaListaEEntradaNulaSaoRecusadas) {
  TColCampo campos;
  EXPECT_THROW(campos.FRetornaCampo(0), std::out_of_range);
  campos.PAdicionaCampo("T", "A", "INTEIRO", "", "");
  EXPECT_NO_THROW(campos.FRetornaCampo(0));
  EXPECT_THROW(campos.FRetornaCampo(1), std::out_of_range);
  EXPECT_THROW(campos.PAdicionaCampo(std::unique_ptr<TCampo>()), std::invalid_argument);
  EXPECT_EQ(campos.Count(), 1u);
}

TEST(EstruturaTabela, NovaTemColecoesVaziasESubstituiAsQueRecebe) {
  TEstruturaTabela estrutura;
  EXPECT_EQ(estrutura.GetColDominio().Count(), 0u);
  EXPECT_EQ(estrutura.GetColCampos().Count(), 0u);
  EXPECT_EQ(estrutura.GetColConstraint().Count(), 0u);

  auto campos = std::make_unique<TColCampo>();
  campos->PAdicionaCampo("T", "A", "INTEIRO", "", "");
  TColCampo* dada = campos.get();
  estrutura.SetColCampos(std::move(campos));
  EXPECT_EQ(&estrutura.GetColCampos(), dada);
  EXPECT_THROW(estrutura.SetColCampos(nullptr), std::invalid_argument);
  EXPECT_EQ(&estrutura.GetColCampos(), dada);
}

TEST(DefinicaoDoCatalogo, CamposDominiosEChaveDaTabela) {
  const auto estrutura = FRetornaEstruturaTabela(TabelaSangria);
  const TColCampo& campos = estrutura->GetColCampos();
  ASSERT_EQ(campos.Count(), 18u);
  EXPECT_EQ(campos.FRetornaCampo(0).NomeCampo, "CODSANGRIA");
  EXPECT_EQ(campos.FRetornaCampo(0).TipoCampo, "CHAR5");
  EXPECT_EQ(campos.FRetornaCampo(0).Nulo, "NOT NULL");
  EXPECT_EQ(campos.FRetornaCampo(2).NomeCampo, "DATASANGRIA");
  EXPECT_EQ(campos.FRetornaCampo(2).Nulo, "");
  EXPECT_EQ(campos.FRetornaCampo(17).NomeCampo, "CODTURNO");
  for (std::size_t i = 0; i < campos.Count(); ++i) {
    EXPECT_EQ(campos.FRetornaCampo(i).Tabela, "SANGRIA");
    EXPECT_EQ(campos.FRetornaCampo(i).Default, "");
  }

  const TColDominio& dominios = estrutura->GetColDominio();
  ASSERT_EQ(dominios.Count(), 12u);
  EXPECT_EQ(dominios.FRetornaDominio(0).Nome, "VARCHAR1");
  EXPECT_EQ(dominios.FRetornaDominio(11).Nome, "VARCHAR250");
  EXPECT_EQ(dominios.FRetornaDominio(11).Tipo, "VARCHAR(250)");
  for (std::size_t i = 0; i < dominios.Count(); ++i) EXPECT_EQ(dominios.FRetornaDominio(i).Nulo, "");

  const TColConstraint& constraints = estrutura->GetColConstraint();
  ASSERT_EQ(constraints.Count(), 1u);
  const TConstraint& pk = constraints.FRetornaConstraint(0);
  EXPECT_EQ(pk.Tipo, "PK");
  EXPECT_EQ(pk.Nome, "PK_Sangria");
  EXPECT_EQ(pk.Campo, "CODSANGRIA,USUARIO,MAQUINA");
  EXPECT_EQ(pk.Tabela, "Sangria");
  EXPECT_EQ(pk.CampoReferencia, "");
  EXPECT_EQ(pk.TabelaReferencia, "");
}

TEST(DefinicaoDoCatalogo, DominioDeclaradoDuasVezesOcupaDuasPosicoes) {
  for (const TTabelaCatalogo* tabela : {&TabelaPedidoi, &TabelaVendpdv}) {
    SCOPED_TRACE(tabela->nome);
    const auto dominios = FRetornaColecaoDominios(*tabela);
    EXPECT_EQ(dominios->Count(), tabela->dominios.size());
    int varchar4 = 0;
    for (std::size_t i = 0; i < dominios->Count(); ++i)
      varchar4 += dominios->FRetornaDominio(i).Nome == "VARCHAR4";
    EXPECT_EQ(varchar4, 2);
  }
}

TEST(DefinicaoDoCatalogo, CadaChamadaDevolveColecoesIndependentes) {
  auto primeira = FRetornaColecaoCampos(TabelaProduto);
  auto segunda = FRetornaColecaoCampos(TabelaProduto);
  ASSERT_EQ(primeira->Count(), 165u);
  ASSERT_EQ(segunda->Count(), 165u);
  for (std::size_t i = 0; i < primeira->Count(); ++i) {
    EXPECT_EQ(primeira->FRetornaCampo(i).NomeCampo, segunda->FRetornaCampo(i).NomeCampo);
    EXPECT_NE(&primeira->FRetornaCampo(i), &segunda->FRetornaCampo(i));
  }
  primeira->FRetornaCampo(0).NomeCampo = "ALTERADO";
  primeira->PAdicionaCampo("PRODUTO", "EXTRA", "INTEIRO", "", "");
  EXPECT_EQ(segunda->FRetornaCampo(0).NomeCampo, "CODPROD");
  EXPECT_EQ(segunda->Count(), 165u);
  EXPECT_EQ(FRetornaColecaoCampos(TabelaProduto)->FRetornaCampo(0).NomeCampo, "CODPROD");
}

TEST(DefinicaoDoCatalogo, TabelaSemDefinicaoNaoFornecePartes) {
  EXPECT_THROW(FRetornaColecaoDominios(TabelaCadoper), std::logic_error);
  EXPECT_THROW(FRetornaColecaoCampos(TabelaCadoper), std::logic_error);
  EXPECT_THROW(FRetornaColecaoConstraint(TabelaCadoper), std::logic_error);
}
