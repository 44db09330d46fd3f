#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSintegra60m.h"

class TSintegra60mDao final : public TDaoMovimentoDe<TRegistroSintegra60m, TabelaSintegra60m> {
 public:
  explicit TSintegra60mDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSintegra60m() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSintegra60m() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSintegra60m() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSintegra60m() const { return FSqlExclusao(); }
};
