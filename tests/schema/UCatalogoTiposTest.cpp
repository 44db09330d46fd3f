// The compile-time check of catalogue entries must reject the mistakes a hand edit can make.
#include <gtest/gtest.h>

#include <string_view>

#include "schema/UCatalogoTipos.h"

namespace {
constexpr TDominioId Dominios[] = {TDominioId::CHAR5, TDominioId::DATA};
constexpr TColunaCatalogo Colunas[] = {
    FColuna("CODIGO", "Codigo", TDominioId::CHAR5, true),
    FColuna("DT_BASE", "Dt_base", TDominioId::DATA, false),
};
constexpr std::string_view Chave[] = {"CODIGO", "DT_BASE"};
constexpr TTabelaCatalogo Valida{"EXEMPLO", "Exemplo", "TRegistroExemplo", true, Colunas, Dominios,
                                 "PK_Exemplo", "CODIGO,DT_BASE", Chave};
static_assert(fbTabelaCoerente(Valida));

constexpr TDominioId SemData[] = {TDominioId::CHAR5};
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                Colunas, SemData, "PK_Exemplo", "CODIGO,DT_BASE",
                                                Chave}),
              "a column domain the table does not declare");
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                Colunas, Dominios, "PK_Exemplo", "CODIGO, DT_BASE",
                                                Chave}),
              "constraint text not built from the key columns");
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                Colunas, Dominios, "PK_EXEMPLO", "CODIGO,DT_BASE",
                                                Chave}),
              "constraint name not PK_ + initial capital");
constexpr std::string_view ChaveInexistente[] = {"CODIGO", "DTBASE"};
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                Colunas, Dominios, "PK_Exemplo", "CODIGO,DTBASE",
                                                ChaveInexistente}),
              "key column that is not a column");
constexpr TColunaCatalogo PropriedadeErrada[] = {
    FColuna("CODIGO", "Codigo", TDominioId::CHAR5, true),
    FColuna("DT_BASE", "DtBase", TDominioId::DATA, false),
};
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                PropriedadeErrada, Dominios, "PK_Exemplo",
                                                "CODIGO,DT_BASE", Chave}),
              "property not named after its column");
constexpr TColunaCatalogo Repetida[] = {
    FColuna("CODIGO", "Codigo", TDominioId::CHAR5, true),
    FColuna("CODIGO", "Codigo", TDominioId::DATA, false),
};
static_assert(!fbTabelaCoerente(TTabelaCatalogo{"EXEMPLO", "Exemplo", "TRegistroExemplo", true,
                                                Repetida, Dominios, "PK_Exemplo", "CODIGO",
                                                Chave}),
              "column listed twice");
}  // namespace

TEST(ChaveTabela, OrdemDaDefinicaoEOrdemDasColunas) {
  static constexpr std::string_view invertida[] = {"DT_BASE", "CODIGO"};
  static constexpr TTabelaCatalogo tabela{"EXEMPLO", "Exemplo", "TRegistroExemplo", true, Colunas,
                                   Dominios, "PK_Exemplo", "DT_BASE,CODIGO", invertida};
  static_assert(fbTabelaCoerente(tabela));
  constexpr TChaveTabela pk = FChavePk(tabela);
  constexpr TChaveTabela ordem = FChaveEmOrdemDeColuna(tabela);
  static_assert(pk.quantidade == 2 && pk.posicoes[0] == 1 && pk.posicoes[1] == 0);
  static_assert(ordem.quantidade == 2 && ordem.posicoes[0] == 0 && ordem.posicoes[1] == 1);
  EXPECT_EQ(FPosicaoColuna(tabela, "codigo"), NaoEncontrado);
  EXPECT_EQ(FPosicaoPropriedade(tabela, "Dt_base"), 1u);
  EXPECT_EQ(tabela.colunas[0].FNulo(), "NOT NULL");
  EXPECT_EQ(tabela.colunas[1].FNulo(), "");
}
