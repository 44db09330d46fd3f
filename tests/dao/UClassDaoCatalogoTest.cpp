// Every data-access class: key order, label width and delete against the published table, its
// statements prepared by a database holding the catalogue tables, and a row copied from one
// database to another through read and insert arriving equal in every column.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "BancoCatalogo.h"
#include "dao/UClassCadoperDao.h"
#include "dao/UClassEcfgeralDao.h"
#include "dao/UClassProdutoDao.h"
#include "dao/UClassSangriaDao.h"
#include "dao/UFabricaDao.h"
#include "firebird/Statement.h"

namespace {

struct TEsperado {
  const char* tabela;
  std::vector<const char*> chave;  // key order; "(date)" or "(integer)" after a key not text
  std::size_t largura;
  bool exclui;
  std::vector<const char*> blobs = {};
};

// The data-access catalogue as published: class by table, key in key order, label width, delete.
const std::vector<TEsperado> Esperados = {
    {"PRODUTO", {"CODPROD"}, 10, false, {"Observacao"}},
    {"CLIENTE", {"CODCLIENTE"}, 13, false, {"Observacao", "Motivocancelacontrato"}},
    {"FORNECE", {"CODFORNEC"}, 12, false, {"Observacao"}},
    {"VENDEND", {"CODVENDEDOR"}, 14, false},
    {"CADUSUA", {"USUARIO"}, 10, false,
     {"Codopercautorizados", "Tpvendaautorizados", "Digital1", "Digital2", "Digital3",
      "Tpvendaautorizadosorc"}},
    {"CADOPER", {"CODOPER"}, 10, false},
    {"CDOPERC", {"CODOPER"}, 10, false, {"Observacao"}},
    {"PEDIDOC", {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE"}, 13, true, {"Observacao"}},
    {"PEDIDOI", {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE", "CODPROD", "CODGRADE"}, 13,
     true},
    {"PARCPEDC", {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"}, 13, true},
    {"CONVENCEFAT", {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CONVENIO", "MATRICULA"}, 13, true},
    {"ENCEFAT", {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"}, 13, true},
    {"FINANCIAMENTO", {"CODVENDA", "TIPOVENDA", "CODEMPRESA"}, 13, true},
    {"ENCERRA", {"PDV", "CUPOM", "CODEMPRESA"}, 13, true},
    {"VENDPDV", {"PDV", "CUPOM", "ITEM", "CODPROD", "CODGRADE", "CODEMPRESA"}, 13, true},
    {"ENCCARTAO", {"CODEMPRESA", "PDV", "CUPOM", "IDENTIFICACAO"}, 16, true, {"Dados"}},
    {"MVGERAL",
     {"CODEMPRESA", "TIPOAGENTE", "CODIGOAGENTE", "DOCUMENTO", "CODPROD", "CODGRADE",
      "DT_MOVIMENTO(date)", "TIPOMOV"},
     15, true},
    {"SANGRIA", {"CODSANGRIA", "USUARIO", "MAQUINA"}, 13, true},
    {"ECFGERAL", {"PDV", "DTULTRED(date)", "CODEMPRESA"}, 13, true},
    {"REDUCOESZ", {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO(date)"}, 16, true},
    {"REDUCAOZ_C", {"NUMSERIE", "DATAREDUCAO(date)"}, 14, true},
    {"REDUCAOZ_I", {"NUMSERIE", "DATAREDUCAO(date)", "ICMS"}, 14, true},
    {"DETALHEREDUCOESZ", {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO(date)", "SEQUENCIA(integer)"}, 16,
     true},
    {"DEMAISDOCUMENTOSECF", {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO(date)", "COO(integer)"}, 16,
     true},
    {"SINTEGRA60A", {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO(date)", "ALIQICM"}, 14, true},
    {"SINTEGRA60D", {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO(date)", "CODPROD", "ALIQICM"}, 14, true},
    {"SINTEGRA60I",
     {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO(date)", "CODPROD", "ALIQICM", "CUPOM", "ITEM"}, 14, true},
    {"SINTEGRA60M", {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO(date)"}, 14, true},
    {"SINTEGRA60R", {"CODEMPRESA", "NUMSERIE", "MES_ANO", "CODPROD", "ALIQICM"}, 13, true},
    {"DOCUREC", {"CODEMPRESA", "CODCLIENTE", "TIPODOCTO", "CODDOCTO"}, 13, true, {"Anotacoes"}},
    {"MOVIREC", {"CODEMPRESA", "TIPODOCTO", "CODDOCTO", "CODCLIENTE", "TIPOMOV", "NUMORD"}, 13,
     true},
    {"PRETERC", {"CODEMPRESA", "CODBANCO", "CODAGEN", "CONTA", "NUMCHEQUE"}, 13, true},
};

// Compile-time shape of the typed classes: master data has no delete; keys are checked by count
// and type.
template <class D, class... T>
concept ExcluiCom = requires(const D& d, T... chaves) { d.FDeletaRegistro(chaves...); };
template <class D, class... T>
concept LeCom = requires(const D& d, T... chaves) { d.FRetornaRegistro(chaves...); };
static_assert(!ExcluiCom<TProdutoDao, const char*>);
static_assert(LeCom<TProdutoDao, const char*>);
static_assert(ExcluiCom<TSangriaDao, const char*, std::string, const char*>);
static_assert(LeCom<TEcfgeralDao, const char*, double, const char*>);
static_assert(!LeCom<TEcfgeralDao, const char*, const char*>);
static_assert(!LeCom<TEcfgeralDao, const char*, const char*, const char*>);
static_assert(!LeCom<TSangriaDao, const char*, int, const char*>);

// Values read back equal the values written: dates to the millisecond (the database keeps 1/10000
// of a second), everything else exactly.
void PComparaRegistros(const TRegistro& esperado, const TRegistro& obtido, const std::string& onde) {
  const TTabelaCatalogo& tabela = esperado.FRetornaTabela();
  ASSERT_EQ(&tabela, &obtido.FRetornaTabela()) << onde;
  for (std::size_t i = 0; i < tabela.colunas.size(); ++i) {
    const TColunaCatalogo& coluna = tabela.colunas[i];
    const std::string contexto = onde + " " + std::string(tabela.nome) + "." +
                                 std::string(coluna.nome);
    if (coluna.tipo == TTipoValor::DataHora)
      EXPECT_NEAR(std::get<double>(esperado.FValor(i)), std::get<double>(obtido.FValor(i)),
                  1.0 / 86'400'000)
          << contexto;
    else
      EXPECT_TRUE(esperado.FValor(i) == obtido.FValor(i)) << contexto;
  }
}

using TCatalogoDaoTeste = TDaoTeste;

TEST_F(TCatalogoDaoTeste, EveryClassHasThePublishedKeyOrderLabelWidthAndDelete) {
  ASSERT_EQ(FTabelasComDao().size(), Esperados.size());
  for (std::size_t n = 0; n < Esperados.size(); ++n) {
    const TEsperado& e = Esperados[n];
    EXPECT_EQ(FTabelasComDao()[n], e.tabela);
    std::unique_ptr<TDao> dao = FCriaDao(e.tabela, origem().conexao());
    ASSERT_NE(dao, nullptr) << e.tabela;
    const TTabelaCatalogo& tabela = dao->FRetornaTabela();
    EXPECT_EQ(tabela.nome, e.tabela);
    EXPECT_EQ(dao->FNomeClasse(), "T" + std::string(tabela.nomeCapital) + "Dao");
    std::vector<std::string> chave;
    for (std::uint16_t p : dao->FChave().FPosicoes()) {
      const TColunaCatalogo& c = tabela.colunas[p];
      chave.push_back(std::string(c.nome) + (c.tipo == TTipoValor::DataHora  ? "(date)"
                                             : c.tipo == TTipoValor::Inteiro ? "(integer)"
                                             : c.tipo == TTipoValor::Texto   ? ""
                                                                             : "(?)"));
    }
    EXPECT_EQ(chave, std::vector<std::string>(e.chave.begin(), e.chave.end())) << e.tabela;
    EXPECT_EQ(dao->FLarguraRotulo(), e.largura) << e.tabela;
    EXPECT_EQ(FCriaDaoComExclusao(e.tabela, origem().conexao()) != nullptr, e.exclui) << e.tabela;
    std::vector<std::string> blobs;
    for (const TColunaCatalogo& c : tabela.colunas)
      if (c.blob) blobs.emplace_back(c.propriedade);
    EXPECT_EQ(blobs, std::vector<std::string>(e.blobs.begin(), e.blobs.end())) << e.tabela;

    // The key conditions of every statement, in key order, and the delete made of them alone.
    std::string condicoes = " Where 1=1";
    for (std::string k : e.chave) {
      k = k.substr(0, k.find('('));
      condicoes += " And " + k + " = :" + k;
    }
    // Every column in column order; the update sets each one that is not in the key.
    const std::string t(tabela.nomeCapital);
    std::string colunas, parametros, atribuicoes;
    for (const TColunaCatalogo& c : tabela.colunas) {
      const std::string p(c.propriedade);
      const char* separador = colunas.empty() ? "" : ", ";
      colunas += separador + t + "." + p;
      parametros += separador + (":" + p);
      if (std::find_if(e.chave.begin(), e.chave.end(), [&](std::string k) {
            return k.substr(0, k.find('(')) == c.nome;
          }) == e.chave.end())
        atribuicoes += (atribuicoes.empty() ? "" : ", ") + t + "." + p + " = :" + p;
    }
    EXPECT_EQ(dao->FSqlSelecao(), "Select " + colunas + " From " + t + condicoes);
    EXPECT_EQ(dao->FSqlInsercao(),
              "INSERT INTO " + t + " ( " + colunas + " ) VALUES ( " + parametros + " )");
    EXPECT_EQ(dao->FSqlAtualizacao(), "UPDATE " + t + " SET " + atribuicoes + condicoes);
    if (auto* comExclusao = dynamic_cast<TDaoComExclusao*>(dao.get())) {
      EXPECT_EQ(comExclusao->FSqlExclusao(), "Delete From " + t + condicoes);
    }
  }
  EXPECT_EQ(FCriaDao("OPERADOR", origem().conexao()), nullptr);
  EXPECT_EQ(FCriaDao("produto", origem().conexao()), nullptr);
  EXPECT_EQ(FCriaDaoComExclusao("INTEGECF", origem().conexao()), nullptr);
}

TEST_F(TCatalogoDaoTeste, EveryClassNamesEachColumnOnceInColumnOrderAndItsStatementsPrepare) {
  fb::Connection& conexao = origem().conexao();
  for (std::string_view nome : FTabelasComDao()) {
    std::unique_ptr<TDao> dao = FCriaDao(nome, conexao);
    const TTabelaCatalogo& tabela = dao->FRetornaTabela();
    std::string colunas;
    for (const TColunaCatalogo& c : tabela.colunas)
      colunas += (colunas.empty() ? "" : ", ") + std::string(tabela.nomeCapital) + "." +
                 std::string(c.propriedade);
    EXPECT_EQ(dao->FSqlSelecao().substr(0, colunas.size() + 7), "Select " + colunas) << nome;
    std::vector<std::string> sqls = {dao->FSqlSelecao(), dao->FSqlInsercao(),
                                     dao->FSqlAtualizacao()};
    if (auto* comExclusao = dynamic_cast<TDaoComExclusao*>(dao.get()))
      sqls.push_back(comExclusao->FSqlExclusao());
    for (const std::string& sql : sqls) {
      try {
        fb::Statement comando(conexao, sql);
      } catch (const std::exception& erro) {
        ADD_FAILURE() << nome << ": " << erro.what() << "\n" << sql;
      }
    }
  }
  const TCadoperDao cadoper(conexao);
  EXPECT_EQ(cadoper.FRetornaSqlRegistroCadoper(),
            "Select Cadoper.Codoper, Cadoper.Nome, Cadoper.Senha, Cadoper.Sangria, "
            "Cadoper.Cancelaitem, Cadoper.Cancelavenda, Cadoper.Leiturax, Cadoper.Leituraz, "
            "Cadoper.Leituramemoria, Cadoper.Aberturagaveta, Cadoper.Cancelaatual, "
            "Cadoper.Usuario, Cadoper.Historicocliente, Cadoper.Liquidadocurec From Cadoper "
            "Where 1=1 And CODOPER = :CODOPER");
}

TEST_F(TCatalogoDaoTeste, EveryClassCopiesARowBetweenDatabasesEqualInEveryColumn) {
  for (std::string_view nome : FTabelasComDao()) {
    const std::string tabela(nome);
    std::unique_ptr<TDao> fonte = FCriaDao(nome, origem().conexao());
    std::unique_ptr<TDao> alvo = FCriaDao(nome, destino().conexao());

    std::unique_ptr<TRegistro> original = fonte->FNovoRegistro();
    PPreencheRegistro(*original, 1);
    ASSERT_TRUE(fonte->FInsereRegistro(*original)) << tabela;
    // MVGERAL's insert numbers no movement: its Sequencia is always written as 0.
    if (nome == "MVGERAL") original->SetInteiro("Sequencia", 0);

    const TListaValoresChave chave = fonte->FValoresChave(*original);
    std::unique_ptr<TRegistro> lido = fonte->FRetornaRegistro(chave);
    ASSERT_NE(lido, nullptr) << tabela;
    PComparaRegistros(*original, *lido, "origem");

    ASSERT_TRUE(alvo->FInsereRegistro(*lido)) << tabela;
    std::unique_ptr<TRegistro> copiado = alvo->FRetornaRegistro(chave);
    ASSERT_NE(copiado, nullptr) << tabela;
    PComparaRegistros(*lido, *copiado, "destino");

    // An update writes every column that is not a key, the key finding the row.
    std::unique_ptr<TRegistro> alterado = fonte->FNovoRegistro();
    PPreencheRegistro(*alterado, 2);
    for (std::uint16_t p : alvo->FChave().FPosicoes()) alterado->PAtribuiValor(p, lido->FValor(p));
    ASSERT_TRUE(alvo->FUpdateRegistro(*alterado)) << tabela;
    std::unique_ptr<TRegistro> atualizado = alvo->FRetornaRegistro(chave);
    ASSERT_NE(atualizado, nullptr) << tabela;
    PComparaRegistros(*alterado, *atualizado, "atualizado");

    if (std::unique_ptr<TDaoComExclusao> exclui = FCriaDaoComExclusao(nome, destino().conexao())) {
      ASSERT_TRUE(exclui->FDeletaRegistro(chave)) << tabela;
      EXPECT_EQ(exclui->FRetornaRegistro(chave), nullptr) << tabela;
    }
    EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM " + tabela),
              FCriaDaoComExclusao(nome, destino().conexao()) ? 0 : 1);
  }
  EXPECT_TRUE(FMensagensLog().empty()) << ::testing::PrintToString(FMensagensLog());
}

TEST_F(TCatalogoDaoTeste, NullColumnsOfEveryClassArriveAsEmptyZeroAnd30December1899) {
  for (std::string_view nome : FTabelasComDao()) {
    const std::string tabela(nome);
    std::unique_ptr<TDao> fonte = FCriaDao(nome, origem().conexao());
    std::unique_ptr<TDao> alvo = FCriaDao(nome, destino().conexao());
    const TTabelaCatalogo& t = fonte->FRetornaTabela();

    // The source row holds its key and its other NOT NULL columns, and NULL everywhere else.
    std::unique_ptr<TRegistro> cheio = fonte->FNovoRegistro();
    PPreencheRegistro(*cheio, 3);
    std::unique_ptr<TRegistro> esperado = fonte->FNovoRegistro();
    std::vector<std::size_t> preenchidas;
    const auto chavePos = fonte->FChave().FPosicoes();
    for (std::size_t i = 0; i < t.colunas.size(); ++i)
      if (t.colunas[i].notNull ||
          std::find(chavePos.begin(), chavePos.end(), i) != chavePos.end()) {
        preenchidas.push_back(i);
        esperado->PAtribuiValor(i, cheio->FValor(i));
      }
    std::string colunas, valores;
    for (std::size_t p : preenchidas) {
      colunas += (colunas.empty() ? "" : ", ") + std::string(t.colunas[p].nome);
      valores += (valores.empty() ? ":" : ", :") + std::string(t.colunas[p].nome);
    }
    {
      fb::Statement insere(origem().conexao(),
                           "INSERT INTO " + tabela + " (" + colunas + ") VALUES (" + valores + ")");
      for (std::size_t p : preenchidas) {
        const TColunaCatalogo& c = t.colunas[p];
        const TValorCampo& v = cheio->FValor(p);
        if (c.tipo == TTipoValor::Texto)
          c.blob ? insere.setBlob(c.nome, std::get<std::string>(v))
                 : insere.setString(c.nome, std::get<std::string>(v));
        else if (c.tipo == TTipoValor::Inteiro)
          insere.setInt(c.nome, std::get<std::int32_t>(v));
        else if (c.tipo == TTipoValor::Flutuante)
          insere.setDouble(c.nome, std::get<double>(v));
        else
          insere.setDateTime(c.nome, std::get<double>(v));
      }
      insere.execute();
    }

    std::unique_ptr<TRegistro> lido = fonte->FRetornaRegistro(fonte->FValoresChave(*cheio));
    ASSERT_NE(lido, nullptr) << tabela;
    PComparaRegistros(*esperado, *lido, "nulos");

    ASSERT_TRUE(alvo->FInsereRegistro(*lido)) << tabela;
    std::string algumNulo;
    for (const TColunaCatalogo& c : t.colunas)
      algumNulo += (algumNulo.empty() ? "" : " OR ") + std::string(c.nome) + " IS NULL";
    EXPECT_EQ(destino().contagem("SELECT COUNT(*) FROM " + tabela + " WHERE " + algumNulo), 0)
        << tabela;
    for (const TColunaCatalogo& c : t.colunas) {
      const bool preenchida = std::find(preenchidas.begin(), preenchidas.end(),
                                        FPosicaoColuna(t, c.nome)) != preenchidas.end();
      if (c.tipo == TTipoValor::DataHora && !preenchida) {
        EXPECT_EQ(destino().valor("SELECT CAST(" + std::string(c.nome) + " AS VARCHAR(30)) FROM " +
                                  tabela),
                  "30-DEC-1899")
            << tabela << "." << c.nome;
      }
    }
  }
  EXPECT_TRUE(FMensagensLog().empty()) << ::testing::PrintToString(FMensagensLog());
}

}  // namespace
