#pragma once
// What the change-capture tests share: an engine whose entry 0 is a fresh central database, fresh
// point-of-sale databases registered behind it, and readers of the queue and of the capture
// triggers as the database holds them.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

// One queue row, every column read as text (DATAATUAL as the database writes a date as text).
using TLinhaFila = std::map<std::string, std::string>;

// The rows of INTEGECF ordered by ARQUIVO as a number.
std::vector<TLinhaFila> FLeFila(TBancoTeste& banco);
// How many of the three capture triggers of `tabela` exist (on any table).
int FContaTriggers(TBancoTeste& banco, const std::string& tabela);
// The columns of a table with their domains, in position order: "NAME DOMAIN".
std::vector<std::string> FColunas(TBancoTeste& banco, const std::string& tabela);
// "hora:minuto" of the database's current time, without leading zeros.
std::string FHoraMinutoDoBanco(TBancoTeste& banco);

class CapturaTest : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TLogTeste log{pasta / "LogIntg"};
  TNotificadorGravador notificador;
  TBancoDados motor{notificador};
  TBancoTeste servidor{pasta / "servidor.fdb"};

  void SetUp() override;
  // A fresh point-of-sale database registered at the next position.
  TBancoTeste& novoCaixa();
  // A path registered at the next position (an unreachable host, a missing file).
  std::size_t registra(const std::string& caminho);
  fb::Connection& entrada(std::size_t i) { return motor.GetListaConexao().FConexao(i); }

  std::vector<std::unique_ptr<TBancoTeste>> caixas;
};

// A point of sale that cannot be reached: its host is no valid host name, so it counts as not
// answering without a query or an echo being sent anywhere. (A host that is silent is covered by
// the reachability tests, in a network namespace of their own.)
inline const std::string kCaixaMudo = "caixa desligado:/x.fdb";
