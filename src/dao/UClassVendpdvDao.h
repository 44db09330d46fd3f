#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassVendpdv.h"

class TVendpdvDao final : public TDaoMovimentoDe<TRegistroVendpdv, TabelaVendpdv> {
 public:
  explicit TVendpdvDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroVendpdv() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroVendpdv() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroVendpdv() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroVendpdv() const { return FSqlExclusao(); }
};
