#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSintegra60i.h"

class TSintegra60iDao final : public TDaoMovimentoDe<TRegistroSintegra60i, TabelaSintegra60i> {
 public:
  explicit TSintegra60iDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSintegra60i() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSintegra60i() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSintegra60i() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSintegra60i() const { return FSqlExclusao(); }
};
