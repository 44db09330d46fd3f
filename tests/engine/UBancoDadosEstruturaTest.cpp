#include <gtest/gtest.h>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

namespace {

const std::string kSenha = FConfiguracaoServidor("").password;
constexpr const char* kTabelasCatalogo =
    "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME IN ('PRODUTO', 'OPERADOR', "
    "'VENDPDV', 'FINANCIAMENTO', 'SANGRIA')";

TEST(EstruturaMotor, EveryEntryIsUpdatedUntilOneFailsAndThatOneIsLogged) {
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TBancoTeste central(pasta / "central.fdb"), caixa1(pasta / "caixa1.fdb"),
      caixa3(pasta / "caixa3.fdb");
  TBancoDados motor(notificador);
  ASSERT_TRUE(motor.FCriaConexao(central.caminho(), "SYSDBA", kSenha, "ConexaoServidor", true));
  // Points of sale are registered unopened; the update opens them.
  ASSERT_TRUE(motor.FCriaConexao(caixa1.caminho(), "SYSDBA", kSenha, ""));
  ASSERT_TRUE(motor.FCriaConexao((pasta / "nao-existe.fdb").string(), "SYSDBA", kSenha, ""));
  ASSERT_TRUE(motor.FCriaConexao(caixa3.caminho(), "SYSDBA", kSenha, ""));

  EXPECT_FALSE(motor.FAtualizaBancoDeDados());
  EXPECT_EQ(central.contagem(kTabelasCatalogo), 5);
  EXPECT_EQ(caixa1.contagem(kTabelasCatalogo), 5);
  EXPECT_EQ(caixa3.contagem(kTabelasCatalogo), 0);
  EXPECT_EQ(log.FConta("Houve um erro ao atualizar a base de dados da conexão: 2"), 1);
  EXPECT_TRUE(notificador.avisos.empty());
  for (std::size_t k : {0u, 1u})
    EXPECT_FALSE(motor.GetListaConexao().FConexao(k).inTransaction()) << k;

  // A second run over databases already in line reaches the end and logs nothing new.
  TBancoDados motor2(notificador);
  ASSERT_TRUE(motor2.FCriaConexao(central.caminho(), "SYSDBA", kSenha, "ConexaoServidor", true));
  ASSERT_TRUE(motor2.FCriaConexao(caixa1.caminho(), "SYSDBA", kSenha, ""));
  const auto antes = log.FMensagens().size();
  EXPECT_TRUE(motor2.FAtualizaBancoDeDados());
  EXPECT_EQ(log.FMensagens().size(), antes);
}

}  // namespace
