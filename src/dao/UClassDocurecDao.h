#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassDocurec.h"

class TDocurecDao final : public TDaoMovimentoDe<TRegistroDocurec, TabelaDocurec> {
 public:
  explicit TDocurecDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroDocurec() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroDocurec() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroDocurec() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroDocurec() const { return FSqlExclusao(); }
};
