#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSintegra60r.h"

class TSintegra60rDao final : public TDaoMovimentoDe<TRegistroSintegra60r, TabelaSintegra60r> {
 public:
  explicit TSintegra60rDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSintegra60r() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSintegra60r() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSintegra60r() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSintegra60r() const { return FSqlExclusao(); }
};
