#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassReducaoz_c.h"

class TReducaoz_cDao final : public TDaoMovimentoDe<TRegistroReducaoz_c, TabelaReducaoz_c> {
 public:
  explicit TReducaoz_cDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroReducaoz_c() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroReducaoz_c() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroReducaoz_c() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroReducaoz_c() const { return FSqlExclusao(); }
};
