#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassPedidoc.h"

class TPedidocDao final : public TDaoMovimentoDe<TRegistroPedidoc, TabelaPedidoc> {
 public:
  explicit TPedidocDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroPedidoc() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroPedidoc() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroPedidoc() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroPedidoc() const { return FSqlExclusao(); }
};
