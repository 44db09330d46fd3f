#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSintegra60d.h"

class TSintegra60dDao final : public TDaoMovimentoDe<TRegistroSintegra60d, TabelaSintegra60d> {
 public:
  explicit TSintegra60dDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSintegra60d() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSintegra60d() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSintegra60d() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSintegra60d() const { return FSqlExclusao(); }
};
