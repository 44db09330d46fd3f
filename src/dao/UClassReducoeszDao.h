#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassReducoesz.h"

class TReducoeszDao final : public TDaoMovimentoDe<TRegistroReducoesz, TabelaReducoesz> {
 public:
  explicit TReducoeszDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroReducoesz() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroReducoesz() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroReducoesz() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroReducoesz() const { return FSqlExclusao(); }
};
