#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassReducaoz_i.h"

class TReducaoz_iDao final : public TDaoMovimentoDe<TRegistroReducaoz_i, TabelaReducaoz_i> {
 public:
  explicit TReducaoz_iDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroReducaoz_i() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroReducaoz_i() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroReducaoz_i() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroReducaoz_i() const { return FSqlExclusao(); }
};
