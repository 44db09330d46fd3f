#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassFinanciamento.h"

class TFinanciamentoDao final : public TDaoMovimentoDe<TRegistroFinanciamento, TabelaFinanciamento> {
 public:
  explicit TFinanciamentoDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroFinanciamento() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroFinanciamento() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroFinanciamento() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroFinanciamento() const { return FSqlExclusao(); }
};
