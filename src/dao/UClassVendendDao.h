#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassVendend.h"

// Master data: no delete.
class TVendendDao final : public TDaoCadastroDe<TRegistroVendend, TabelaVendend> {
 public:
  explicit TVendendDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroVendend() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroVendend() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroVendend() const { return FSqlAtualizacao(); }
};
