#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassEncefat.h"

class TEncefatDao final : public TDaoMovimentoDe<TRegistroEncefat, TabelaEncefat> {
 public:
  explicit TEncefatDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroEncefat() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroEncefat() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroEncefat() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroEncefat() const { return FSqlExclusao(); }
};
