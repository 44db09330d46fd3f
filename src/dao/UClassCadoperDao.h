#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassCadoper.h"

// Master data: no delete.
class TCadoperDao final : public TDaoCadastroDe<TRegistroCadoper, TabelaCadoper> {
 public:
  explicit TCadoperDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroCadoper() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroCadoper() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroCadoper() const { return FSqlAtualizacao(); }
};
