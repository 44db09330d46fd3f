#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassCadusua.h"

// Master data: no delete.
class TCadusuaDao final : public TDaoCadastroDe<TRegistroCadusua, TabelaCadusua> {
 public:
  explicit TCadusuaDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroCadusua() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroCadusua() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroCadusua() const { return FSqlAtualizacao(); }
};
