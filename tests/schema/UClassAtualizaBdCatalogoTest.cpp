// The whole catalogue applied to an empty store database, twice, checked against the system
// tables: every domain with its type, every table with its columns in order, their domains and
// nullability, and every primary key; the second run leaves the same structure and logs nothing.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/UGenerico.h"
#include "schema/EstruturaBanco.h"
#include "schema/UClassAtualizaBd.h"
#include "schema/UCatalogo.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

// RDB$FIELD_TYPE, length (CHAR/VARCHAR) or segment size (BLOB), sub-type of the SQL type a
// domain is created with. DATE is a timestamp in dialect 1.
std::tuple<int, int, int> FTipoEsperado(std::string_view tipo) {
  const auto numero = [&](std::string_view prefixo) {
    return std::stoi(std::string(tipo.substr(prefixo.size())));
  };
  if (tipo.starts_with("VARCHAR(")) return {37, numero("VARCHAR("), 0};
  if (tipo.starts_with("CHAR(")) return {14, numero("CHAR("), 0};
  if (tipo == "INTEGER") return {8, 4, 0};
  if (tipo == "DOUBLE PRECISION") return {27, 8, 0};
  if (tipo == "DATE") return {35, 8, 0};
  if (tipo.starts_with("BLOB SUB_TYPE 1 SEGMENT SIZE "))
    return {261, numero("BLOB SUB_TYPE 1 SEGMENT SIZE "), 1};
  ADD_FAILURE() << "tipo sem correspondência: " << tipo;
  return {};
}

std::tuple<int, int, int> FTipoNoBanco(fb::Connection& conexao, std::string_view dominio) {
  fb::Statement q(conexao,
                  "SELECT RDB$FIELD_TYPE, RDB$FIELD_LENGTH, RDB$SEGMENT_LENGTH, RDB$FIELD_SUB_TYPE "
                  "FROM RDB$FIELDS WHERE RDB$FIELD_NAME = :D");
  q.setString("D", dominio);
  auto r = q.executeQuery();
  if (!r.next()) return {-1, -1, -1};
  const int tipo = r.getInt(0u);
  if (tipo == 261) return {tipo, r.getInt(2u), r.getInt(3u)};
  return {tipo, r.getInt(1u), 0};
}

struct TFotografia {
  std::map<std::string, std::vector<TColunaBanco>> colunas;
  std::map<std::string, std::pair<std::string, std::string>> chaves;
  bool operator==(const TFotografia&) const = default;
};

TFotografia FFotografa(fb::Connection& conexao) {
  TFotografia f;
  for (const TTabelaCatalogo* t : Catalogo) {
    f.colunas[std::string(t->nome)] = FColunasNoBanco(conexao, std::string(t->nome));
    f.chaves[std::string(t->nome)] = FChaveNoBanco(conexao, std::string(t->nome));
  }
  return f;
}

TEST(AtualizaCatalogo, BancoVazioRecebeTodasAsTabelasEASegundaExecucaoNaoMudaAEstrutura) {
  TPastaTemporaria pasta;
  TGenerico::PDefinePastaLog(pasta / "log");
  TBancoTeste banco(pasta / "loja.fdb");
  fb::Connection& conexao = banco.conexao();
  TNotificadorGravador avisos;
  const auto cadoperAntes = FColunasNoBanco(conexao, "CADOPER");
  const auto chaveCadoperAntes = FChaveNoBanco(conexao, "CADOPER");

  const auto aplicaCatalogo = [&] {
    for (const TTabelaCatalogo* t : Catalogo)
      FRetornaEstruturaTabela(*t)->PAtualizaBancoDeDados(conexao, avisos);
  };
  aplicaCatalogo();

  EXPECT_EQ(FLeLog(pasta / "log"), "");
  EXPECT_TRUE(avisos.avisos.empty());
  EXPECT_FALSE(conexao.inTransaction());
  for (const TDominioCatalogo& d : DominiosCatalogo) {
    SCOPED_TRACE(std::string(d.Nome));
    EXPECT_EQ(FTipoNoBanco(conexao, d.Nome), FTipoEsperado(d.Tipo));
  }
  for (const TTabelaCatalogo* t : Catalogo) {
    SCOPED_TRACE(std::string(t->nome));
    EXPECT_EQ(FColunasNoBanco(conexao, std::string(t->nome)), FColunasDefinidas(*t));
    EXPECT_EQ(FChaveNoBanco(conexao, std::string(t->nome)),
              std::make_pair(FMaiusculas(t->nomePk), std::string(t->campoPk)));
  }
  // A table without a definition is never touched.
  EXPECT_EQ(FColunasNoBanco(conexao, "CADOPER"), cadoperAntes);
  EXPECT_EQ(FChaveNoBanco(conexao, "CADOPER"), chaveCadoperAntes);

  // Key columns defined without NOT NULL (CONVENCEFAT.MATRICULA, FINANCIAMENTO.CODEMPRESA) stay
  // NOT NULL in their key, and the second run reports no failure for them.
  const TFotografia depoisDaPrimeira = FFotografa(conexao);
  aplicaCatalogo();
  EXPECT_EQ(FFotografa(conexao), depoisDaPrimeira);
  EXPECT_EQ(FLeLog(pasta / "log"), "");
  EXPECT_TRUE(avisos.avisos.empty());
  EXPECT_FALSE(conexao.inTransaction());
  TGenerico::PDefinePastaLog({});
}

}  // namespace
