// The structure update reached through a record class: the class's own definition lands in the
// database, and an unreadable database raises to the caller.
#include <gtest/gtest.h>

#include "firebird/Error.h"
#include "platform/UGenerico.h"
#include "records/UClassConvencefat.h"
#include "records/UClassOperador.h"
#include "records/UClassSangria.h"
#include "schema/EstruturaBanco.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

TEST(AtualizaBaseDadosDoRegistro, CadaClasseCriaASuaTabelaComAChave) {
  TPastaTemporaria pasta;
  TGenerico::PDefinePastaLog(pasta / "log");
  TBancoTeste banco(pasta / "loja.fdb");
  TNotificadorGravador avisos;

  TRegistroComEstrutura::AtualizaBaseDados<TRegistroOperador>(banco.conexao(), avisos);
  TRegistroSangria::AtualizaBaseDados<TRegistroSangria>(banco.conexao(), avisos);
  TRegistroComEstrutura::AtualizaBaseDados<TRegistroConvencefat>(banco.conexao(), avisos);

  for (const TTabelaCatalogo* t : {&TabelaOperador, &TabelaSangria, &TabelaConvencefat}) {
    SCOPED_TRACE(std::string(t->nome));
    EXPECT_EQ(FColunasNoBanco(banco.conexao(), std::string(t->nome)), FColunasDefinidas(*t));
    EXPECT_EQ(FChaveNoBanco(banco.conexao(), std::string(t->nome)).second, t->campoPk);
  }
  EXPECT_EQ(FChaveNoBanco(banco.conexao(), "PRODUTO").first, "");
  EXPECT_EQ(FLeLog(pasta / "log"), "");
  EXPECT_TRUE(avisos.avisos.empty());

  banco.fecha();
  EXPECT_THROW(TRegistroComEstrutura::AtualizaBaseDados<TRegistroOperador>(banco.conexao(), avisos),
               fb::Error);
  TGenerico::PDefinePastaLog({});
}

}  // namespace
