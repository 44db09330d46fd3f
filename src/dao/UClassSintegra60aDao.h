#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSintegra60a.h"

class TSintegra60aDao final : public TDaoMovimentoDe<TRegistroSintegra60a, TabelaSintegra60a> {
 public:
  explicit TSintegra60aDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSintegra60a() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSintegra60a() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSintegra60a() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSintegra60a() const { return FSqlExclusao(); }
};
