#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassEncerra.h"

class TEncerraDao final : public TDaoMovimentoDe<TRegistroEncerra, TabelaEncerra> {
 public:
  explicit TEncerraDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroEncerra() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroEncerra() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroEncerra() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroEncerra() const { return FSqlExclusao(); }
};
