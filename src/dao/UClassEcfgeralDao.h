#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassEcfgeral.h"

class TEcfgeralDao final : public TDaoMovimentoDe<TRegistroEcfgeral, TabelaEcfgeral> {
 public:
  explicit TEcfgeralDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroEcfgeral() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroEcfgeral() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroEcfgeral() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroEcfgeral() const { return FSqlExclusao(); }
};
