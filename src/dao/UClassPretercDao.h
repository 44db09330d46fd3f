#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassPreterc.h"

class TPretercDao final : public TDaoMovimentoDe<TRegistroPreterc, TabelaPreterc> {
 public:
  explicit TPretercDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroPreterc() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroPreterc() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroPreterc() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroPreterc() const { return FSqlExclusao(); }
};
