#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassParcpedc.h"

class TParcpedcDao final : public TDaoMovimentoDe<TRegistroParcpedc, TabelaParcpedc> {
 public:
  explicit TParcpedcDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroParcpedc() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroParcpedc() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroParcpedc() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroParcpedc() const { return FSqlExclusao(); }
};
