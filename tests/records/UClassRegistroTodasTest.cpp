// Every record class: bound to its own table, created empty, values typed by column, and a clear
// error for a property the class does not have or a value of the wrong type.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "records/UClassCadoper.h"
#include "records/UClassCadusua.h"
#include "records/UClassCdoperc.h"
#include "records/UClassCliente.h"
#include "records/UClassConvencefat.h"
#include "records/UClassDemaisdocumentosecf.h"
#include "records/UClassDetalhereducoesz.h"
#include "records/UClassDocurec.h"
#include "records/UClassEcfgeral.h"
#include "records/UClassEnccartao.h"
#include "records/UClassEncefat.h"
#include "records/UClassEncerra.h"
#include "records/UClassFinanciamento.h"
#include "records/UClassFornece.h"
#include "records/UClassMovirec.h"
#include "records/UClassMvgeral.h"
#include "records/UClassOperador.h"
#include "records/UClassParcpedc.h"
#include "records/UClassPedidoc.h"
#include "records/UClassPedidoi.h"
#include "records/UClassPreterc.h"
#include "records/UClassProduto.h"
#include "records/UClassReducaoz_c.h"
#include "records/UClassReducaoz_i.h"
#include "records/UClassReducoesz.h"
#include "records/UClassSangria.h"
#include "records/UClassSintegra60a.h"
#include "records/UClassSintegra60d.h"
#include "records/UClassSintegra60i.h"
#include "records/UClassSintegra60m.h"
#include "records/UClassSintegra60r.h"
#include "records/UClassVendend.h"
#include "records/UClassVendpdv.h"
#include "records/UClassRegistro.h"

namespace {
template <class T>
class TodasAsClasses : public ::testing::Test {};
using ClassesDeRegistro = ::testing::Types<
    TRegistroProduto,
    TRegistroFornece,
    TRegistroVendend,
    TRegistroCadusua,
    TRegistroOperador,
    TRegistroCliente,
    TRegistroCdoperc,
    TRegistroPedidoc,
    TRegistroPedidoi,
    TRegistroSangria,
    TRegistroEncerra,
    TRegistroVendpdv,
    TRegistroEncefat,
    TRegistroMvgeral,
    TRegistroEnccartao,
    TRegistroParcpedc,
    TRegistroConvencefat,
    TRegistroFinanciamento,
    TRegistroReducoesz,
    TRegistroReducaoz_c,
    TRegistroReducaoz_i,
    TRegistroDetalhereducoesz,
    TRegistroEcfgeral,
    TRegistroDemaisdocumentosecf,
    TRegistroDocurec,
    TRegistroMovirec,
    TRegistroPreterc,
    TRegistroSintegra60a,
    TRegistroSintegra60d,
    TRegistroSintegra60i,
    TRegistroSintegra60m,
    TRegistroSintegra60r,
    TRegistroCadoper>;

// The getter names that depart from Get + property, and the class that has setters only.
std::string FNomeGetterEsperado(const TTabelaCatalogo& tabela, std::string_view propriedade) {
  if (tabela.nome == "OPERADOR") return "";
  if (tabela.nome == "SANGRIA" && propriedade == "Dc") return "GetDC";
  return "Get" + std::string(propriedade);
}

template <class>
struct TArgumentoSetter;
template <class C, class A>
struct TArgumentoSetter<void (C::*)(A)> {
  using tipo = A;
};

// Whether a property of type T is right for a column of the given type.
template <class T>
constexpr bool fbTipoDaColuna(TTipoValor tipo) {
  if constexpr (std::is_same_v<T, std::string>)
    return tipo == TTipoValor::Texto;
  else if constexpr (std::is_same_v<T, std::int32_t>)
    return tipo == TTipoValor::Inteiro;
  else if constexpr (std::is_same_v<T, double>)
    return tipo == TTipoValor::DataHora || tipo == TTipoValor::Flutuante;
  else
    return false;
}

// A value of the given type that differs per column and per round.
template <class T>
T FValorDistinto(std::size_t posicao, int rodada) {
  const auto n = static_cast<std::int32_t>(posicao) + 1;
  if constexpr (std::is_same_v<T, std::string>)
    return "c" + std::to_string(n) + "r" + std::to_string(rodada);
  else if constexpr (std::is_same_v<T, double>)
    return 40000.0 + n + rodada / 4.0;
  else
    return -n - 1000 * rodada;
}

struct TNomeClasse {
  template <class T>
  static std::string GetName(int) {
    return std::string(T().FNomeClasse());
  }
};
}  // namespace

TYPED_TEST_SUITE(TodasAsClasses, ClassesDeRegistro, TNomeClasse);

TYPED_TEST(TodasAsClasses, NovoRegistroTemTodasAsPropriedadesVazias) {
  const TypeParam registro;
  const TTabelaCatalogo& tabela = registro.FRetornaTabela();
  ASSERT_EQ(registro.FQuantidadePropriedades(), tabela.colunas.size());
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela.colunas[i];
    SCOPED_TRACE(std::string(coluna.propriedade));
    switch (coluna.tipo) {
      case TTipoValor::Texto:
        EXPECT_EQ(registro.GetTexto(coluna.propriedade), "");
        break;
      case TTipoValor::DataHora:
        EXPECT_EQ(registro.GetDataHora(coluna.propriedade), 0.0);
        EXPECT_EQ(fsDataCurta(registro.GetDataHora(coluna.propriedade)), "30/12/1899");
        break;
      case TTipoValor::Flutuante:
        EXPECT_EQ(registro.GetFlutuante(coluna.propriedade), 0.0);
        break;
      case TTipoValor::Inteiro:
        EXPECT_EQ(registro.GetInteiro(coluna.propriedade), 0);
        break;
    }
  }
}

TYPED_TEST(TodasAsClasses, CadaPropriedadeGuardaSeuProprioValor) {
  TypeParam registro;
  const TTabelaCatalogo& tabela = registro.FRetornaTabela();
  // A distinct value per property, so a value landing in the wrong slot shows.
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& c = tabela.colunas[i];
    const auto n = static_cast<std::int32_t>(i + 1);
    switch (c.tipo) {
      case TTipoValor::Texto: registro.SetTexto(c.propriedade, "v" + std::to_string(n)); break;
      case TTipoValor::DataHora: registro.SetDataHora(c.propriedade, 40000.0 + n); break;
      case TTipoValor::Flutuante: registro.SetFlutuante(c.propriedade, n + 0.25); break;
      case TTipoValor::Inteiro: registro.SetInteiro(c.propriedade, -n); break;
    }
  }
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& c = tabela.colunas[i];
    const auto n = static_cast<std::int32_t>(i + 1);
    SCOPED_TRACE(std::string(c.propriedade));
    switch (c.tipo) {
      case TTipoValor::Texto: EXPECT_EQ(registro.GetTexto(c.propriedade), "v" + std::to_string(n)); break;
      case TTipoValor::DataHora: EXPECT_EQ(registro.GetDataHora(c.propriedade), 40000.0 + n); break;
      case TTipoValor::Flutuante: EXPECT_EQ(registro.GetFlutuante(c.propriedade), n + 0.25); break;
      case TTipoValor::Inteiro: EXPECT_EQ(registro.GetInteiro(c.propriedade), -n); break;
    }
    EXPECT_EQ(std::holds_alternative<std::string>(registro.FValor(i)), c.tipo == TTipoValor::Texto);
  }
  EXPECT_EQ(TypeParam().FQuantidadePropriedades(), tabela.colunas.size());
}

TYPED_TEST(TodasAsClasses, ClasseLigadaATabelaDoMesmoNome) {
  const TypeParam registro;
  EXPECT_EQ(registro.FRetornaTabela().classeRegistro, registro.FNomeClasse());
  EXPECT_EQ(registro.FNomeClasse(), "TRegistro" + std::string(registro.FRetornaTabela().nomeCapital));
  EXPECT_EQ(FProcuraTabela(registro.FRetornaTabela().nome), &registro.FRetornaTabela());
  constexpr bool comEstrutura = std::is_base_of_v<TRegistroComEstrutura, TypeParam>;
  EXPECT_EQ(comEstrutura, registro.FRetornaTabela().possuiDefinicao);
}

TYPED_TEST(TodasAsClasses, CadaColunaTemGetterESetterTipados) {
  TypeParam registro;
  const TTabelaCatalogo& tabela = registro.FRetornaTabela();
  EXPECT_EQ(TypeParam::QuantidadeAcessores, tabela.colunas.size());
  std::vector<int> visitas(tabela.colunas.size(), 0);

  TypeParam::PVisitaAcessores([&](const auto& acessor) {
    ASSERT_LT(acessor.posicao, tabela.colunas.size()) << acessor.propriedade;
    const TColunaCatalogo& coluna = tabela.colunas[acessor.posicao];
    SCOPED_TRACE(std::string(coluna.propriedade));
    ++visitas[acessor.posicao];
    EXPECT_EQ(acessor.propriedade, coluna.propriedade);
    EXPECT_EQ(acessor.nomeSetter, "Set" + std::string(coluna.propriedade));
    EXPECT_EQ(acessor.nomeGetter, FNomeGetterEsperado(tabela, coluna.propriedade));

    // The setter takes the type of the column's domain and stores into the column's own slot.
    using TValor = typename TArgumentoSetter<decltype(acessor.setter)>::tipo;
    EXPECT_TRUE(fbTipoDaColuna<TValor>(coluna.tipo));
    const TValor escrito = FValorDistinto<TValor>(acessor.posicao, 1);
    std::invoke(acessor.setter, registro, escrito);
    EXPECT_EQ(registro.FValor(acessor.posicao), TValorCampo(escrito));

    // The getter returns that type and reads the column's own slot.
    if constexpr (!std::is_same_v<decltype(acessor.getter), std::nullptr_t>) {
      EXPECT_TRUE((std::is_same_v<decltype(std::invoke(acessor.getter, registro)), TValor>));
      EXPECT_EQ(std::invoke(acessor.getter, std::as_const(registro)), escrito);
      const TValor outro = FValorDistinto<TValor>(acessor.posicao, 2);
      registro.PAtribuiValor(acessor.posicao, outro);
      EXPECT_EQ(std::invoke(acessor.getter, std::as_const(registro)), outro);
      EXPECT_EQ(std::invoke(acessor.getter, TypeParam()), TValor{});
    }
  });

  for (std::size_t i = 0; i < visitas.size(); ++i)
    EXPECT_EQ(visitas[i], 1) << tabela.colunas[i].propriedade;
}
