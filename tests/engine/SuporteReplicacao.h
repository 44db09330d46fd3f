#pragma once
// What the replication tests share: a store of real databases (a central one and points of sale,
// machines "001", "002"...) brought up to the catalogue by the structure update and captured by
// the capture set-up, both engines registered on them, and helpers that change rows through plain
// SQL as the store system does and read tables back as text.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SuporteMotor.h"
#include "engine/UBancoDados.h"
#include "support/BancoTeste.h"
#include "support/PastaTemporaria.h"

using TValores = std::map<std::string, std::string>;

// Inserts one row of a catalogue table: the columns given (dates as "dd/mm/yyyy[ hh:mm:ss]"),
// plus every NOT NULL column not given with the empty value of its type.
void PInsere(fb::Connection& banco, const std::string& tabela, const TValores& valores);
inline void PInsere(TBancoTeste& banco, const std::string& tabela, const TValores& valores) {
  PInsere(banco.conexao(), tabela, valores);
}
// Every row of a table, each as "COL=value|COL=value..." over all catalogue columns but those in
// `exceto`, sorted; a NULL shows as the empty value of its type, as replication writes it.
std::vector<std::string> FLinhas(fb::Connection& banco, const std::string& tabela,
                                 const std::vector<std::string>& exceto = {});
inline std::vector<std::string> FLinhas(TBancoTeste& banco, const std::string& tabela,
                                        const std::vector<std::string>& exceto = {}) {
  return FLinhas(banco.conexao(), tabela, exceto);
}
// Queue rows of a database as "ACAO TABELA CHAVE0", in ARQUIVO order as a number.
std::vector<std::string> FFilaResumida(fb::Connection& banco);
inline std::vector<std::string> FFilaResumida(TBancoTeste& banco) { return FFilaResumida(banco.conexao()); }
// Limbo transactions of a database.
int FContaLimbo(fb::Connection& banco);
inline int FContaLimbo(TBancoTeste& banco) { return FContaLimbo(banco.conexao()); }
// The first column of the first row as text.
std::string FValor(fb::Connection& banco, const std::string& sql);

class ReplicacaoTest : public ::testing::Test, protected TMotoresTeste {
 protected:
  std::unique_ptr<TBancoTeste> servidor;
  std::vector<std::unique_ptr<TBancoTeste>> caixas;
  std::vector<std::chrono::milliseconds> esperas;

  // How many points of sale the store has.
  virtual int FQuantidadeCaixas() const { return 2; }
  void SetUp() override;

  TBancoTeste& caixa(std::size_t k) { return *caixas.at(k - 1); }
  // An audit of the central database's writes to `tabela`: one row per insert, update or delete,
  // in order ("I key", "U key", "D key" over the given key column).
  void PAuditaServidor(const std::string& tabela, const std::string& colunaChave);
  std::vector<std::string> FAuditoria();
};
