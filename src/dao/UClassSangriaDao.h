#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassSangria.h"

class TSangriaDao final : public TDaoMovimentoDe<TRegistroSangria, TabelaSangria> {
 public:
  explicit TSangriaDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroSangria() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroSangria() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroSangria() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroSangria() const { return FSqlExclusao(); }
};
