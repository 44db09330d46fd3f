#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassFornece.h"

// Master data: no delete.
class TForneceDao final : public TDaoCadastroDe<TRegistroFornece, TabelaFornece> {
 public:
  explicit TForneceDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroFornece() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroFornece() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroFornece() const { return FSqlAtualizacao(); }
};
