// The catalogue against the published figures of the maintained tables: column counts by type
// per class, nullability, declared domains, keys in the order the data-access classes use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "schema/UCatalogo.h"

namespace {

struct TFigurasClasse {
  const char* classe;
  const char* tabela;
  int propriedades, texto, data, flutuante, inteiro;
};

struct TResumoTabela {
  const char* tabela;
  std::size_t dominiosDeclarados;
  std::vector<std::string> notNull;
};

struct TColunaChave {
  const char* coluna;
  TTipoValor tipo;
};

struct TChaveDao {
  const char* classe;
  const char* tabela;
  std::vector<TColunaChave> chave;
  std::size_t larguraRotulo;
  std::vector<std::string> blobs;
};

// Properties per record class, split by type: class, table, properties, text (blobs included),
// date, floating point, integer.
const TFigurasClasse FigurasClasses[] = {
    {"TRegistroProduto", "PRODUTO", 165, 84, 8, 68, 5},
    {"TRegistroCliente", "CLIENTE", 92, 69, 8, 4, 11},
    {"TRegistroFornece", "FORNECE", 30, 29, 0, 1, 0},
    {"TRegistroVendend", "VENDEND", 38, 34, 2, 1, 1},
    {"TRegistroCadusua", "CADUSUA", 48, 42, 0, 3, 3},
    {"TRegistroCadoper", "CADOPER", 14, 13, 0, 0, 1},
    {"TRegistroCdoperc", "CDOPERC", 61, 57, 0, 2, 2},
    {"TRegistroOperador", "OPERADOR", 5, 4, 0, 0, 1},
    {"TRegistroPedidoc", "PEDIDOC", 83, 54, 6, 19, 4},
    {"TRegistroPedidoi", "PEDIDOI", 50, 24, 1, 22, 3},
    {"TRegistroParcpedc", "PARCPEDC", 51, 3, 24, 24, 0},
    {"TRegistroConvencefat", "CONVENCEFAT", 7, 6, 0, 1, 0},
    {"TRegistroEncefat", "ENCEFAT", 30, 15, 2, 13, 0},
    {"TRegistroFinanciamento", "FINANCIAMENTO", 17, 6, 2, 8, 1},
    {"TRegistroEncerra", "ENCERRA", 105, 34, 26, 43, 2},
    {"TRegistroVendpdv", "VENDPDV", 31, 19, 1, 10, 1},
    {"TRegistroEnccartao", "ENCCARTAO", 14, 11, 1, 1, 1},
    {"TRegistroMvgeral", "MVGERAL", 18, 9, 1, 7, 1},
    {"TRegistroSangria", "SANGRIA", 18, 12, 1, 1, 4},
    {"TRegistroEcfgeral", "ECFGERAL", 21, 3, 1, 17, 0},
    {"TRegistroReducoesz", "REDUCOESZ", 11, 8, 2, 1, 0},
    {"TRegistroReducaoz_c", "REDUCAOZ_C", 12, 6, 1, 4, 1},
    {"TRegistroReducaoz_i", "REDUCAOZ_I", 4, 2, 1, 1, 0},
    {"TRegistroDetalhereducoesz", "DETALHEREDUCOESZ", 9, 6, 1, 1, 1},
    {"TRegistroDemaisdocumentosecf", "DEMAISDOCUMENTOSECF", 12, 6, 2, 0, 4},
    {"TRegistroSintegra60a", "SINTEGRA60A", 5, 3, 1, 1, 0},
    {"TRegistroSintegra60d", "SINTEGRA60D", 9, 4, 1, 4, 0},
    {"TRegistroSintegra60i", "SINTEGRA60I", 12, 7, 1, 4, 0},
    {"TRegistroSintegra60m", "SINTEGRA60M", 9, 6, 1, 2, 0},
    {"TRegistroSintegra60r", "SINTEGRA60R", 8, 5, 0, 3, 0},
    {"TRegistroDocurec", "DOCUREC", 41, 25, 3, 12, 1},
    {"TRegistroMovirec", "MOVIREC", 36, 28, 2, 3, 3},
    {"TRegistroPreterc", "PRETERC", 46, 32, 7, 3, 4},
};

// Per maintained table: declared domain count and the NOT NULL columns in column order.
const TResumoTabela ResumoTabelas[] = {
    {"PRODUTO", 17, {"CODPROD", "IPIANTIGO"}},
    {"FORNECE", 19, {"CODFORNEC"}},
    {"VENDEND", 15, {"CODVENDEDOR"}},
    {"CADUSUA", 14, {"USUARIO"}},
    {"OPERADOR", 5, {"CODOPERADOR", "USUARIO", "NOME", "ATIVO"}},
    {"CLIENTE", 23, {"CODCLIENTE"}},
    {"CDOPERC", 12, {"CODOPER", "STNFNAODESTACA"}},
    {"PEDIDOC", 21, {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE"}},
    {"PEDIDOI", 17, {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE", "CODPROD", "CODGRADE"}},
    {"SANGRIA", 12, {"CODSANGRIA", "USUARIO", "MAQUINA"}},
    {"ENCERRA", 17, {"PDV", "CUPOM", "CODEMPRESA"}},
    {"VENDPDV", 13, {"PDV", "CUPOM", "ITEM", "CODPROD", "CODGRADE", "CODEMPRESA"}},
    {"ENCEFAT", 10, {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"}},
    {"MVGERAL", 10, {"CODEMPRESA", "TIPOAGENTE", "CODIGOAGENTE", "DOCUMENTO", "CODPROD", "CODGRADE", "DT_MOVIMENTO", "TIPOMOV", "SEQUENCIA"}},
    {"ENCCARTAO", 14, {"CODEMPRESA", "PDV", "CUPOM", "IDENTIFICACAO"}},
    {"PARCPEDC", 4, {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"}},
    {"CONVENCEFAT", 6, {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CONVENIO"}},
    {"FINANCIAMENTO", 8, {"CODVENDA", "TIPOVENDA"}},
    {"REDUCOESZ", 8, {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO"}},
    {"REDUCAOZ_C", 6, {"NUMSERIE", "DATAREDUCAO"}},
    {"REDUCAOZ_I", 4, {"NUMSERIE", "DATAREDUCAO", "ICMS"}},
    {"DETALHEREDUCOESZ", 8, {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO", "SEQUENCIA"}},
    {"ECFGERAL", 5, {"PDV", "DTULTRED", "CODEMPRESA"}},
    {"DEMAISDOCUMENTOSECF", 7, {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO", "COO"}},
    {"DOCUREC", 17, {"CODEMPRESA", "CODCLIENTE", "TIPODOCTO", "CODDOCTO"}},
    {"MOVIREC", 17, {"CODEMPRESA", "TIPODOCTO", "CODDOCTO", "CODCLIENTE", "TIPOMOV", "NUMORD"}},
    {"PRETERC", 18, {"CODEMPRESA", "CODBANCO", "CODAGEN", "CONTA", "NUMCHEQUE"}},
    {"SINTEGRA60A", 5, {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "ALIQICM"}},
    {"SINTEGRA60D", 6, {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "CODPROD", "ALIQICM"}},
    {"SINTEGRA60I", 8, {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "CODPROD", "ALIQICM", "CUPOM", "ITEM"}},
    {"SINTEGRA60M", 6, {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO"}},
    {"SINTEGRA60R", 5, {"CODEMPRESA", "NUMSERIE", "MES_ANO", "CODPROD", "ALIQICM"}},
};

// Per data-access class: table, key in key order with its type, label width, blob properties.
const TChaveDao ChavesDao[] = {
    {"TProdutoDao", "PRODUTO", {{"CODPROD", TTipoValor::Texto}}, 10, {"Observacao"}},
    {"TClienteDao", "CLIENTE", {{"CODCLIENTE", TTipoValor::Texto}}, 13, {"Observacao", "Motivocancelacontrato"}},
    {"TForneceDao", "FORNECE", {{"CODFORNEC", TTipoValor::Texto}}, 12, {"Observacao"}},
    {"TVendendDao", "VENDEND", {{"CODVENDEDOR", TTipoValor::Texto}}, 14, {}},
    {"TCadusuaDao", "CADUSUA", {{"USUARIO", TTipoValor::Texto}}, 10, {"Codopercautorizados", "Tpvendaautorizados", "Digital1", "Digital2", "Digital3", "Tpvendaautorizadosorc"}},
    {"TCadoperDao", "CADOPER", {{"CODOPER", TTipoValor::Texto}}, 10, {}},
    {"TCdopercDao", "CDOPERC", {{"CODOPER", TTipoValor::Texto}}, 10, {"Observacao"}},
    {"TPedidocDao", "PEDIDOC", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOPEDIDO", TTipoValor::Texto}, {"CODPEDIDO", TTipoValor::Texto}, {"CODCLIENTE", TTipoValor::Texto}}, 13, {"Observacao"}},
    {"TPedidoiDao", "PEDIDOI", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOPEDIDO", TTipoValor::Texto}, {"CODPEDIDO", TTipoValor::Texto}, {"CODCLIENTE", TTipoValor::Texto}, {"CODPROD", TTipoValor::Texto}, {"CODGRADE", TTipoValor::Texto}}, 13, {}},
    {"TParcpedcDao", "PARCPEDC", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOPEDIDO", TTipoValor::Texto}, {"CODPEDIDO", TTipoValor::Texto}}, 13, {}},
    {"TConvencefatDao", "CONVENCEFAT", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOPEDIDO", TTipoValor::Texto}, {"CODPEDIDO", TTipoValor::Texto}, {"CONVENIO", TTipoValor::Texto}, {"MATRICULA", TTipoValor::Texto}}, 13, {}},
    {"TEncefatDao", "ENCEFAT", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOPEDIDO", TTipoValor::Texto}, {"CODPEDIDO", TTipoValor::Texto}}, 13, {}},
    {"TFinanciamentoDao", "FINANCIAMENTO", {{"CODVENDA", TTipoValor::Texto}, {"TIPOVENDA", TTipoValor::Texto}, {"CODEMPRESA", TTipoValor::Texto}}, 13, {}},
    {"TEncerraDao", "ENCERRA", {{"PDV", TTipoValor::Texto}, {"CUPOM", TTipoValor::Texto}, {"CODEMPRESA", TTipoValor::Texto}}, 13, {}},
    {"TVendpdvDao", "VENDPDV", {{"PDV", TTipoValor::Texto}, {"CUPOM", TTipoValor::Texto}, {"ITEM", TTipoValor::Texto}, {"CODPROD", TTipoValor::Texto}, {"CODGRADE", TTipoValor::Texto}, {"CODEMPRESA", TTipoValor::Texto}}, 13, {}},
    {"TEnccartaoDao", "ENCCARTAO", {{"CODEMPRESA", TTipoValor::Texto}, {"PDV", TTipoValor::Texto}, {"CUPOM", TTipoValor::Texto}, {"IDENTIFICACAO", TTipoValor::Texto}}, 16, {"Dados"}},
    {"TMvgeralDao", "MVGERAL", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPOAGENTE", TTipoValor::Texto}, {"CODIGOAGENTE", TTipoValor::Texto}, {"DOCUMENTO", TTipoValor::Texto}, {"CODPROD", TTipoValor::Texto}, {"CODGRADE", TTipoValor::Texto}, {"DT_MOVIMENTO", TTipoValor::DataHora}, {"TIPOMOV", TTipoValor::Texto}}, 15, {}},
    {"TSangriaDao", "SANGRIA", {{"CODSANGRIA", TTipoValor::Texto}, {"USUARIO", TTipoValor::Texto}, {"MAQUINA", TTipoValor::Texto}}, 13, {}},
    {"TEcfgeralDao", "ECFGERAL", {{"PDV", TTipoValor::Texto}, {"DTULTRED", TTipoValor::DataHora}, {"CODEMPRESA", TTipoValor::Texto}}, 13, {}},
    {"TReducoeszDao", "REDUCOESZ", {{"CODEMPRESA", TTipoValor::Texto}, {"MAQUINA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAMOVIMENTO", TTipoValor::DataHora}}, 16, {}},
    {"TReducaoz_cDao", "REDUCAOZ_C", {{"NUMSERIE", TTipoValor::Texto}, {"DATAREDUCAO", TTipoValor::DataHora}}, 14, {}},
    {"TReducaoz_iDao", "REDUCAOZ_I", {{"NUMSERIE", TTipoValor::Texto}, {"DATAREDUCAO", TTipoValor::DataHora}, {"ICMS", TTipoValor::Texto}}, 14, {}},
    {"TDetalhereducoeszDao", "DETALHEREDUCOESZ", {{"CODEMPRESA", TTipoValor::Texto}, {"MAQUINA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAMOVIMENTO", TTipoValor::DataHora}, {"SEQUENCIA", TTipoValor::Inteiro}}, 16, {}},
    {"TDemaisdocumentosecfDao", "DEMAISDOCUMENTOSECF", {{"CODEMPRESA", TTipoValor::Texto}, {"MAQUINA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAMOVIMENTO", TTipoValor::DataHora}, {"COO", TTipoValor::Inteiro}}, 16, {}},
    {"TSintegra60aDao", "SINTEGRA60A", {{"CODEMPRESA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAEMISSAO", TTipoValor::DataHora}, {"ALIQICM", TTipoValor::Texto}}, 14, {}},
    {"TSintegra60dDao", "SINTEGRA60D", {{"CODEMPRESA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAEMISSAO", TTipoValor::DataHora}, {"CODPROD", TTipoValor::Texto}, {"ALIQICM", TTipoValor::Texto}}, 14, {}},
    {"TSintegra60iDao", "SINTEGRA60I", {{"CODEMPRESA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAEMISSAO", TTipoValor::DataHora}, {"CODPROD", TTipoValor::Texto}, {"ALIQICM", TTipoValor::Texto}, {"CUPOM", TTipoValor::Texto}, {"ITEM", TTipoValor::Texto}}, 14, {}},
    {"TSintegra60mDao", "SINTEGRA60M", {{"CODEMPRESA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"DATAEMISSAO", TTipoValor::DataHora}}, 14, {}},
    {"TSintegra60rDao", "SINTEGRA60R", {{"CODEMPRESA", TTipoValor::Texto}, {"NUMSERIE", TTipoValor::Texto}, {"MES_ANO", TTipoValor::Texto}, {"CODPROD", TTipoValor::Texto}, {"ALIQICM", TTipoValor::Texto}}, 13, {}},
    {"TDocurecDao", "DOCUREC", {{"CODEMPRESA", TTipoValor::Texto}, {"CODCLIENTE", TTipoValor::Texto}, {"TIPODOCTO", TTipoValor::Texto}, {"CODDOCTO", TTipoValor::Texto}}, 13, {"Anotacoes"}},
    {"TMovirecDao", "MOVIREC", {{"CODEMPRESA", TTipoValor::Texto}, {"TIPODOCTO", TTipoValor::Texto}, {"CODDOCTO", TTipoValor::Texto}, {"CODCLIENTE", TTipoValor::Texto}, {"TIPOMOV", TTipoValor::Texto}, {"NUMORD", TTipoValor::Texto}}, 13, {}},
    {"TPretercDao", "PRETERC", {{"CODEMPRESA", TTipoValor::Texto}, {"CODBANCO", TTipoValor::Texto}, {"CODAGEN", TTipoValor::Texto}, {"CONTA", TTipoValor::Texto}, {"NUMCHEQUE", TTipoValor::Texto}}, 13, {}},
};

const TTabelaCatalogo& FTabela(std::string_view nome) {
  const TTabelaCatalogo* tabela = FProcuraTabela(nome);
  if (tabela == nullptr) throw std::runtime_error("tabela desconhecida: " + std::string(nome));
  return *tabela;
}

}  // namespace

TEST(Catalogo, TotaisDeTabelasColunasEDominios) {
  EXPECT_EQ(Catalogo.size(), 32u);
  std::size_t colunas = 0;
  std::set<std::string_view> nomes, dominiosUsados;
  for (const TTabelaCatalogo* tabela : Catalogo) {
    colunas += tabela->colunas.size();
    nomes.insert(tabela->nome);
    for (TDominioId d : tabela->dominios) dominiosUsados.insert(FDominio(d).Nome);
  }
  EXPECT_EQ(colunas, 1098u);
  EXPECT_EQ(nomes.size(), 32u);
  EXPECT_FALSE(nomes.count("CADOPER"));
  EXPECT_EQ(std::size(DominiosCatalogo), 43u);
  EXPECT_EQ(dominiosUsados.size(), 43u) << "every domain of the vocabulary is declared somewhere";
}

TEST(Catalogo, TipoSqlDeCadaDominioSegueSeuNome) {
  const std::regex comTamanho("(VARCHAR|CHAR)([0-9]+)");
  std::set<std::string_view> distintos;
  for (const TDominioCatalogo& d : DominiosCatalogo) {
    distintos.insert(d.Nome);
    std::string nome(d.Nome);
    std::smatch m;
    EXPECT_TRUE(d.tipoValor == TTipoValor::Texto || !d.blob);
    if (std::regex_match(nome, m, comTamanho)) {
      EXPECT_EQ(d.Tipo, m[1].str() + "(" + m[2].str() + ")");
      EXPECT_EQ(d.tipoValor, TTipoValor::Texto);
      EXPECT_FALSE(d.blob);
    }
  }
  EXPECT_EQ(distintos.size(), 43u);
  EXPECT_EQ(FDominio(TDominioId::INTEIRO).Tipo, "INTEGER");
  EXPECT_EQ(FDominio(TDominioId::NUMERICO).Tipo, "DOUBLE PRECISION");
  EXPECT_EQ(FDominio(TDominioId::DATA).Tipo, "DATE");
  EXPECT_EQ(FDominio(TDominioId::BLOB50).Tipo, "BLOB SUB_TYPE 1 SEGMENT SIZE 50");
  EXPECT_EQ(FDominio(TDominioId::BLOB80).Tipo, "BLOB SUB_TYPE 1 SEGMENT SIZE 80");
  EXPECT_TRUE(FDominio(TDominioId::BLOB80).blob);
  EXPECT_EQ(FDominio(TDominioId::DATA).tipoValor, TTipoValor::DataHora);
  EXPECT_EQ(FDominio(TDominioId::NUMERICO).tipoValor, TTipoValor::Flutuante);
  EXPECT_EQ(FDominio(TDominioId::INTEIRO).tipoValor, TTipoValor::Inteiro);
}

TEST(Catalogo, PropriedadesPorTipoDeCadaClasse) {
  ASSERT_EQ(std::size(FigurasClasses), 33u);
  for (const TFigurasClasse& f : FigurasClasses) {
    SCOPED_TRACE(f.classe);
    const TTabelaCatalogo& tabela = FTabela(f.tabela);
    EXPECT_EQ(tabela.classeRegistro, f.classe);
    int contagem[4] = {0, 0, 0, 0};
    for (const TColunaCatalogo& c : tabela.colunas) ++contagem[static_cast<int>(c.tipo)];
    EXPECT_EQ(static_cast<int>(tabela.colunas.size()), f.propriedades);
    EXPECT_EQ(contagem[static_cast<int>(TTipoValor::Texto)], f.texto);
    EXPECT_EQ(contagem[static_cast<int>(TTipoValor::DataHora)], f.data);
    EXPECT_EQ(contagem[static_cast<int>(TTipoValor::Flutuante)], f.flutuante);
    EXPECT_EQ(contagem[static_cast<int>(TTipoValor::Inteiro)], f.inteiro);
    EXPECT_EQ(f.texto + f.data + f.flutuante + f.inteiro, f.propriedades);
  }
}

TEST(Catalogo, NulidadeEDominiosDeclaradosDeCadaTabela) {
  ASSERT_EQ(std::size(ResumoTabelas), Catalogo.size());
  for (std::size_t i = 0; i < Catalogo.size(); ++i) {
    const TTabelaCatalogo& tabela = *Catalogo[i];
    const TResumoTabela& resumo = ResumoTabelas[i];
    SCOPED_TRACE(resumo.tabela);
    EXPECT_EQ(tabela.nome, resumo.tabela) << "tables keep the order of the structure update";
    EXPECT_EQ(tabela.dominios.size(), resumo.dominiosDeclarados);
    std::vector<std::string> notNull;
    for (const TColunaCatalogo& c : tabela.colunas)
      if (c.notNull) notNull.emplace_back(c.nome);
    EXPECT_EQ(notNull, resumo.notNull);
  }
}

TEST(Catalogo, ChaveNaOrdemDasColunasComoUsamAsClassesDeAcesso) {
  ASSERT_EQ(std::size(ChavesDao), 32u);
  for (const TChaveDao& dao : ChavesDao) {
    SCOPED_TRACE(dao.classe);
    const TTabelaCatalogo& tabela = FTabela(dao.tabela);
    const TChaveTabela chave = FChaveEmOrdemDeColuna(tabela);
    ASSERT_EQ(chave.quantidade, dao.chave.size());
    std::size_t larguraRotulo = 0;
    for (std::size_t i = 0; i < chave.quantidade; ++i) {
      const TColunaCatalogo& coluna = tabela.colunas[chave.posicoes[i]];
      EXPECT_EQ(coluna.nome, dao.chave[i].coluna);
      EXPECT_EQ(coluna.tipo, dao.chave[i].tipo);
      larguraRotulo = std::max(larguraRotulo, coluna.propriedade.size() + 1 + 2);
    }
    EXPECT_EQ(larguraRotulo, dao.larguraRotulo);
    std::vector<std::string> blobs;
    for (const TColunaCatalogo& c : tabela.colunas)
      if (c.blob) blobs.emplace_back(c.propriedade);
    EXPECT_EQ(blobs, dao.blobs);
  }
}

TEST(Catalogo, ChaveDefinidaForaDaOrdemDasColunas) {
  // The constraint keeps its own column order; the data-access order follows the columns.
  const TTabelaCatalogo& detalhe = FTabela("DETALHEREDUCOESZ");
  EXPECT_EQ(detalhe.campoPk, "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA");
  const TChaveTabela pk = FChavePk(detalhe);
  const TChaveTabela ordem = FChaveEmOrdemDeColuna(detalhe);
  std::vector<std::string_view> emPk, emOrdem;
  for (auto p : pk.FPosicoes()) emPk.push_back(detalhe.colunas[p].nome);
  for (auto p : ordem.FPosicoes()) emOrdem.push_back(detalhe.colunas[p].nome);
  EXPECT_EQ(emPk, (std::vector<std::string_view>{"CODEMPRESA", "SEQUENCIA", "DATAMOVIMENTO",
                                                 "NUMSERIE", "MAQUINA"}));
  EXPECT_EQ(emOrdem, (std::vector<std::string_view>{"CODEMPRESA", "MAQUINA", "NUMSERIE",
                                                    "DATAMOVIMENTO", "SEQUENCIA"}));
  int diferentes = 0;
  for (const TTabelaCatalogo* t : Catalogo) {
    const TChaveTabela a = FChavePk(*t), b = FChaveEmOrdemDeColuna(*t);
    if (!std::equal(a.FPosicoes().begin(), a.FPosicoes().end(), b.FPosicoes().begin())) ++diferentes;
  }
  EXPECT_EQ(diferentes, 6);
}

TEST(Catalogo, ColunasSingularesDasTabelas) {
  const TTabelaCatalogo& produto = FTabela("PRODUTO");
  EXPECT_EQ(produto.colunas.front().nome, "CODPROD");
  EXPECT_EQ(produto.colunas.front().dominio, TDominioId::CHAR6);
  EXPECT_TRUE(produto.colunas[FPosicaoColuna(produto, "IPIANTIGO")].notNull);

  const TTabelaCatalogo& fornece = FTabela("FORNECE");
  EXPECT_EQ(fornece.colunas[FPosicaoColuna(fornece, "OBSERVACAO")].dominio, TDominioId::BLOB80);

  // Instalment values 01..24, then due dates 01..24, right after the three key columns.
  const TTabelaCatalogo& parcelas = FTabela("PARCPEDC");
  for (int i = 1; i <= 24; ++i) {
    const std::string sufixo = (i < 10 ? "0" : "") + std::to_string(i);
    const TColunaCatalogo& valor = parcelas.colunas[2 + i];
    const TColunaCatalogo& vencimento = parcelas.colunas[26 + i];
    EXPECT_EQ(valor.nome, "VLRPARC" + sufixo);
    EXPECT_EQ(valor.dominio, TDominioId::NUMERICO);
    EXPECT_EQ(vencimento.nome, "VENCPARC" + sufixo);
    EXPECT_EQ(vencimento.dominio, TDominioId::DATA);
  }

  // Key columns defined without NOT NULL: the key step of the structure update sets it.
  const TTabelaCatalogo& convenio = FTabela("CONVENCEFAT");
  EXPECT_FALSE(convenio.colunas[FPosicaoColuna(convenio, "MATRICULA")].notNull);
  const TTabelaCatalogo& financiamento = FTabela("FINANCIAMENTO");
  EXPECT_FALSE(financiamento.colunas[FPosicaoColuna(financiamento, "CODEMPRESA")].notNull);

  const TTabelaCatalogo& mvgeral = FTabela("MVGERAL");
  EXPECT_EQ(mvgeral.colunas[FPosicaoPropriedade(mvgeral, "Dt_movimento")].tipo, TTipoValor::DataHora);
  const TTabelaCatalogo& sangria = FTabela("SANGRIA");
  EXPECT_EQ(sangria.colunas[FPosicaoPropriedade(sangria, "Id_rotina_origem")].nome, "ID_ROTINA_ORIGEM");
}

TEST(Catalogo, ProcuraPeloNomeExatoDaTabela) {
  EXPECT_EQ(FProcuraTabela("SANGRIA"), &TabelaSangria);
  EXPECT_EQ(FProcuraTabela("REDUCAOZ_C")->nomeCapital, "Reducaoz_c");
  EXPECT_EQ(FProcuraTabela("sangria"), nullptr);
  EXPECT_EQ(FProcuraTabela("INTEGECF"), nullptr);
  const TTabelaCatalogo* cadoper = FProcuraTabela("CADOPER");
  ASSERT_NE(cadoper, nullptr);
  EXPECT_FALSE(cadoper->possuiDefinicao);
  EXPECT_EQ(FChaveEmOrdemDeColuna(*cadoper).quantidade, 1u);
}
