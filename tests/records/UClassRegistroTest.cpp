// The generic record seen through a few classes: structure operations, the irregular getter of
// SANGRIA, CADOPER's properties, and the errors for a wrong property name or type.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "records/UClassCadoper.h"
#include "records/UClassMvgeral.h"
#include "records/UClassOperador.h"
#include "records/UClassProduto.h"
#include "records/UClassSangria.h"

namespace {
// The message of the error raised by an access, or "" when none was raised.
template <class Acesso>
std::string FMensagemDeErro(Acesso acesso) {
  try {
    acesso();
  } catch (const EPropriedadeRegistro& e) {
    return e.what();
  }
  return "";
}

template <class T>
concept TemEstrutura = requires(const T& r) { r.FRetornaColecaoCampos(); };
}  // namespace

TEST(Registro, OperacoesDeEstruturaDevolvemColecoesNovasACadaChamada) {
  const TRegistroProduto registro;
  auto primeira = registro.FRetornaColecaoCampos();
  auto segunda = registro.FRetornaColecaoCampos();
  ASSERT_EQ(primeira->Count(), 165u);
  ASSERT_EQ(segunda->Count(), 165u);
  EXPECT_NE(&primeira->FRetornaCampo(0), &segunda->FRetornaCampo(0));
  primeira->FRetornaCampo(0).Nulo = "";
  EXPECT_EQ(segunda->FRetornaCampo(0).Nulo, "NOT NULL");
  EXPECT_EQ(registro.FRetornaColecaoDominios()->Count(), 17u);
  EXPECT_EQ(registro.FRetornaColecaoConstraint()->FRetornaConstraint(0).Nome, "PK_Produto");

  const TRegistroOperador operador;
  auto campos = operador.FRetornaColecaoCampos();
  ASSERT_EQ(campos->Count(), 5u);
  EXPECT_EQ(campos->FRetornaCampo(4).NomeCampo, "CODCLIENTE");
}

TEST(Registro, CadoperTemQuatorzePropriedadesESemEstrutura) {
  static_assert(!TemEstrutura<TRegistroCadoper>);
  static_assert(TemEstrutura<TRegistroSangria>);
  TRegistroCadoper registro;
  const std::vector<std::string> esperadas = {
      "Codoper", "Nome", "Senha", "Sangria", "Cancelaitem", "Cancelavenda", "Leiturax", "Leituraz",
      "Leituramemoria", "Aberturagaveta", "Cancelaatual", "Usuario", "Historicocliente",
      "Liquidadocurec"};
  const TTabelaCatalogo& tabela = registro.FRetornaTabela();
  ASSERT_EQ(registro.FQuantidadePropriedades(), esperadas.size());
  for (std::size_t i = 0; i < esperadas.size(); ++i) {
    EXPECT_EQ(tabela.colunas[i].propriedade, esperadas[i]);
    EXPECT_EQ(tabela.colunas[i].tipo,
              esperadas[i] == "Historicocliente" ? TTipoValor::Inteiro : TTipoValor::Texto);
  }
  registro.SetInteiro("Historicocliente", 7);
  EXPECT_EQ(registro.GetInteiro("Historicocliente"), 7);
}

TEST(Registro, GetDCDeSangriaDevolveOQueSetDcGuardou) {
  TRegistroSangria registro;
  registro.SetDc("D");
  EXPECT_EQ(registro.GetDC(), "D");
  EXPECT_EQ(registro.GetTexto("Dc"), "D");
  registro.SetTexto("Dc", "C");
  EXPECT_EQ(registro.GetDC(), "C");
}

TEST(Registro, TextoMaiorQueAColunaEhGuardadoSemAlteracao) {
  TRegistroSangria registro;
  // CODSANGRIA is CHAR5: the width is checked by the database on writing, never by the record.
  const std::string longo = std::string(300, 'x') + " ação ç é " + std::string(300, ' ');
  registro.SetTexto("Codsangria", longo);
  EXPECT_EQ(registro.GetTexto("Codsangria"), longo);
  registro.SetTexto("Motivo", "");
  EXPECT_EQ(registro.GetTexto("Motivo"), "");
}

TEST(Registro, DataGuardaOValorInteiroComoFoiDado) {
  TRegistroMvgeral registro;
  const TDateTime dia = FEncodeDataHora(2016, 12, 16);
  registro.SetDataHora("Dt_movimento", dia);
  EXPECT_EQ(fsDataCurta(registro.GetDataHora("Dt_movimento")), "16/12/2016");
  registro.SetInteiro("Sequencia", 5);
  EXPECT_EQ(registro.GetInteiro("Sequencia"), 5);
  const std::size_t posicao = FPosicaoPropriedade(registro.FRetornaTabela(), "Sequencia");
  EXPECT_EQ(std::get<std::int32_t>(registro.FValor(posicao)), 5);
  registro.PAtribuiValor(posicao, std::int32_t{-2147483647 - 1});
  EXPECT_EQ(registro.GetInteiro("Sequencia"), -2147483647 - 1);
}

TEST(Registro, PropriedadeInexistenteEhErroQueNomeiaClasseEPropriedade) {
  TRegistroSangria registro;
  const std::string mensagem = FMensagemDeErro([&] { registro.GetTexto("Codigo"); });
  EXPECT_NE(mensagem.find("TRegistroSangria"), std::string::npos) << mensagem;
  EXPECT_NE(mensagem.find("\"Codigo\""), std::string::npos) << mensagem;
  // Names are exact: the column name and other spellings are not properties.
  EXPECT_NE(FMensagemDeErro([&] { registro.GetTexto("CODSANGRIA"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.GetTexto("codsangria"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.GetTexto("DC"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.SetTexto("", "x"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.SetInteiro("Codigo", 1); }), "");
  // A property of another class is not one of this class.
  EXPECT_NE(FMensagemDeErro([&] { registro.GetTexto("Codprod"); }), "");
}

TEST(Registro, TipoErradoEhErroENaoAlteraOValor) {
  TRegistroSangria registro;
  registro.SetFlutuante("Valor", 12.5);
  const std::string mensagem = FMensagemDeErro([&] { registro.SetInteiro("Valor", 3); });
  EXPECT_NE(mensagem.find("TRegistroSangria"), std::string::npos) << mensagem;
  EXPECT_NE(mensagem.find("\"Valor\""), std::string::npos) << mensagem;
  EXPECT_EQ(registro.GetFlutuante("Valor"), 12.5);

  // Date and floating point share a representation but not a type.
  EXPECT_NE(FMensagemDeErro([&] { registro.GetFlutuante("Datasangria"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.SetDataHora("Valor", 1.0); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.GetTexto("Coo"); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.GetInteiro("Usuario"); }), "");

  const std::size_t coo = FPosicaoPropriedade(registro.FRetornaTabela(), "Coo");
  EXPECT_NE(FMensagemDeErro([&] { registro.PAtribuiValor(coo, std::string("1")); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.PAtribuiValor(coo, 1.0); }), "");
  EXPECT_EQ(registro.GetInteiro("Coo"), 0);
  EXPECT_NE(FMensagemDeErro([&] { registro.FValor(18); }), "");
  EXPECT_NE(FMensagemDeErro([&] { registro.PAtribuiValor(18, std::string()); }), "");
}

TEST(Registro, RegistrosNaoCompartilhamValores) {
  TRegistroSangria a, b;
  a.SetTexto("Usuario", "ANA");
  a.SetInteiro("Coo", 10);
  EXPECT_EQ(b.GetTexto("Usuario"), "");
  EXPECT_EQ(b.GetInteiro("Coo"), 0);
}
