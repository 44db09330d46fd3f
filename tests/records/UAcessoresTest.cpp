// The typed accessors under the names and types code outside the records layer uses: getters and
// setters named after the property, typed by the column's domain, the irregular getter of SANGRIA
// and the setters-only OPERADOR.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/UDataHora.h"
#include "records/UClassCadoper.h"
#include "records/UClassMovirec.h"
#include "records/UClassMvgeral.h"
#include "records/UClassOperador.h"
#include "records/UClassProduto.h"
#include "records/UClassReducaoz_c.h"
#include "records/UClassSangria.h"

namespace {
template <class T>
concept TemGetDc = requires(const T& r) { r.GetDc(); };
template <class T>
concept TemGetNome = requires(const T& r) { r.GetNome(); };
template <class T>
concept TemGetCodoperador = requires(const T& r) { r.GetCodoperador(); };

}  // namespace

// Signatures: text as std::string, dates as TDateTime, floating point as double, integers as
// std::int32_t, getters const and by value.
static_assert(std::is_same_v<decltype(&TRegistroSangria::GetCodsangria),
                             std::string (TAcessoresSangria::*)() const>);
static_assert(std::is_same_v<decltype(&TRegistroSangria::SetCodsangria),
                             void (TAcessoresSangria::*)(std::string)>);
static_assert(std::is_same_v<decltype(&TRegistroSangria::SetValor),
                             void (TAcessoresSangria::*)(double)>);
static_assert(std::is_same_v<decltype(&TRegistroSangria::GetDatasangria),
                             TDateTime (TAcessoresSangria::*)() const>);
static_assert(std::is_same_v<decltype(&TRegistroSangria::GetId_rotina_origem),
                             std::int32_t (TAcessoresSangria::*)() const>);
static_assert(std::is_same_v<decltype(&TRegistroCadoper::GetHistoricocliente),
                             std::int32_t (TAcessoresCadoper::*)() const>);
static_assert(std::is_same_v<decltype(&TRegistroMvgeral::SetDt_movimento),
                             void (TAcessoresMvgeral::*)(TDateTime)>);
static_assert(std::is_same_v<decltype(&TRegistroProduto::GetObservacao),
                             std::string (TAcessoresProduto::*)() const>);
static_assert(std::is_same_v<decltype(&TRegistroOperador::SetCodoperador),
                             void (TAcessoresOperador::*)(std::int32_t)>);

// SANGRIA's Dc is read by GetDC only; OPERADOR is written and never read.
static_assert(!TemGetDc<TRegistroSangria>);
static_assert(!TemGetNome<TRegistroOperador> && !TemGetCodoperador<TRegistroOperador>);
static_assert(TemGetNome<TRegistroCadoper>);

TEST(Acessores, SangriaPelosNomesDasPropriedades) {
  TRegistroSangria registro;
  registro.SetCodsangria("00042");
  registro.SetUsuario("CAIXA01");
  registro.SetDatasangria(FEncodeDataHora(2016, 12, 16));
  registro.SetValor(150.75);
  registro.SetDc("D");
  registro.SetCoo(123456);
  registro.SetId_rotina_origem(-7);
  registro.SetMaquina("0003");

  EXPECT_EQ(registro.GetCodsangria(), "00042");
  EXPECT_EQ(registro.GetUsuario(), "CAIXA01");
  EXPECT_EQ(fsDataCurta(registro.GetDatasangria()), "16/12/2016");
  EXPECT_EQ(registro.GetValor(), 150.75);
  EXPECT_EQ(registro.GetDC(), "D");
  EXPECT_EQ(registro.GetCoo(), 123456);
  EXPECT_EQ(registro.GetId_rotina_origem(), -7);
  EXPECT_EQ(registro.GetMaquina(), "0003");
  // The typed accessors and the access by name reach the same values.
  EXPECT_EQ(registro.GetTexto("Codsangria"), "00042");
  EXPECT_EQ(registro.GetFlutuante("Valor"), 150.75);
  EXPECT_EQ(registro.GetInteiro("Coo"), 123456);
  registro.SetTexto("Dc", "C");
  EXPECT_EQ(registro.GetDC(), "C");
  EXPECT_EQ(registro.GetHorasangria(), "");
}

TEST(Acessores, ChaveDeMvgeralLidaPelosGetters) {
  // The sales cycle looks an MVGERAL row up in the central database by these properties.
  TRegistroMvgeral registro;
  registro.SetCodempresa("01");
  registro.SetTipoagente("C");
  registro.SetCodigoagente("0000000012");
  registro.SetDocumento("DOC1");
  registro.SetCodprod("000123");
  registro.SetCodgrade("G1");
  registro.SetDt_movimento(FEncodeDataHora(2023, 2, 28));
  registro.SetTipomov("VE");
  registro.SetSequencia(3);
  registro.SetQuantidade(-2.5);

  EXPECT_EQ(registro.GetCodempresa(), "01");
  EXPECT_EQ(registro.GetTipoagente(), "C");
  EXPECT_EQ(registro.GetCodigoagente(), "0000000012");
  EXPECT_EQ(registro.GetDocumento(), "DOC1");
  EXPECT_EQ(registro.GetCodprod(), "000123");
  EXPECT_EQ(registro.GetCodgrade(), "G1");
  EXPECT_EQ(registro.GetDt_movimento(), FEncodeDataHora(2023, 2, 28));
  EXPECT_EQ(registro.GetTipomov(), "VE");
  EXPECT_EQ(registro.GetSequencia(), 3);
  EXPECT_EQ(registro.GetQuantidade(), -2.5);
  EXPECT_EQ(registro.GetDataHora("Dt_movimento"), FEncodeDataHora(2023, 2, 28));
}

TEST(Acessores, ValoresCopiadosSemAlteracao) {
  TRegistroProduto produto;
  // Wider than any column, with accents and edge spaces: the record neither trims nor cuts.
  std::string texto = "  descrição ção ÇÃO " + std::string(600, 'y') + "  ";
  produto.SetObservacao(texto);
  produto.SetDescricao(texto);
  texto += "mudou";
  EXPECT_EQ(produto.GetObservacao() + "mudou", texto);
  std::string lido = produto.GetDescricao();
  lido.clear();
  EXPECT_EQ(produto.GetDescricao() + "mudou", texto);

  // The time part of a date-time is kept as given; integers at their limits stay whole.
  const TDateTime comHora = FEncodeDataHora(2016, 12, 16, 9, 5, 7);
  produto.SetDt_cadastro(comHora);
  produto.SetGrade(INT32_MIN);
  produto.SetPassapelolaudo("S");
  EXPECT_EQ(produto.GetDt_cadastro(), comHora);
  EXPECT_EQ(produto.GetGrade(), INT32_MIN);
  produto.SetGrade(INT32_MAX);
  EXPECT_EQ(produto.GetGrade(), INT32_MAX);
  EXPECT_EQ(produto.GetPassapelolaudo(), "S");

  // A property named like a generic accessor does not hide it.
  TRegistroMovirec movirec;
  movirec.SetDatahora("161220160905");
  EXPECT_EQ(movirec.GetDatahora(), "161220160905");
  EXPECT_EQ(movirec.GetTexto("Datahora"), "161220160905");
}

TEST(Acessores, CadoperEOperador) {
  TRegistroCadoper cadoper;
  cadoper.SetCodoper("00001");
  cadoper.SetNome("MARIA");
  cadoper.SetHistoricocliente(7);
  cadoper.SetLiquidadocurec("S");
  EXPECT_EQ(cadoper.GetCodoper(), "00001");
  EXPECT_EQ(cadoper.GetNome(), "MARIA");
  EXPECT_EQ(cadoper.GetHistoricocliente(), 7);
  EXPECT_EQ(cadoper.GetLiquidadocurec(), "S");

  TRegistroOperador operador;
  operador.SetCodoperador(5);
  operador.SetUsuario("JOSE");
  operador.SetNome("JOSE DA SILVA");
  operador.SetAtivo("S");
  operador.SetCodcliente("00000001");
  EXPECT_EQ(operador.GetInteiro("Codoperador"), 5);
  EXPECT_EQ(operador.GetTexto("Usuario"), "JOSE");
  EXPECT_EQ(operador.GetTexto("Nome"), "JOSE DA SILVA");
  EXPECT_EQ(operador.GetTexto("Ativo"), "S");
  EXPECT_EQ(operador.GetTexto("Codcliente"), "00000001");

  TRegistroReducaoz_c reducao;
  reducao.SetDatareducao(FEncodeDataHora(2020, 1, 31));
  reducao.SetMaparesumo(12);
  EXPECT_EQ(fsDataCurta(reducao.GetDatareducao()), "31/01/2020");
  EXPECT_EQ(reducao.GetMaparesumo(), 12);
}
