#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassCliente.h"

// Master data: no delete.
class TClienteDao final : public TDaoCadastroDe<TRegistroCliente, TabelaCliente> {
 public:
  explicit TClienteDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroCliente() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroCliente() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroCliente() const { return FSqlAtualizacao(); }
};
