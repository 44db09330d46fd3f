#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassEnccartao.h"

class TEnccartaoDao final : public TDaoMovimentoDe<TRegistroEnccartao, TabelaEnccartao> {
 public:
  explicit TEnccartaoDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroEnccartao() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroEnccartao() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroEnccartao() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroEnccartao() const { return FSqlExclusao(); }
};
