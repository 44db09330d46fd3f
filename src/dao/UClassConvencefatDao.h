#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassConvencefat.h"

class TConvencefatDao final : public TDaoMovimentoDe<TRegistroConvencefat, TabelaConvencefat> {
 public:
  explicit TConvencefatDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroConvencefat() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroConvencefat() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroConvencefat() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroConvencefat() const { return FSqlExclusao(); }
};
