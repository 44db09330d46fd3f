#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassCdoperc.h"

// Master data: no delete.
class TCdopercDao final : public TDaoCadastroDe<TRegistroCdoperc, TabelaCdoperc> {
 public:
  explicit TCdopercDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroCdoperc() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroCdoperc() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroCdoperc() const { return FSqlAtualizacao(); }
};
