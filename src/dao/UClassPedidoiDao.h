#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassPedidoi.h"

class TPedidoiDao final : public TDaoMovimentoDe<TRegistroPedidoi, TabelaPedidoi> {
 public:
  explicit TPedidoiDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroPedidoi() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroPedidoi() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroPedidoi() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroPedidoi() const { return FSqlExclusao(); }
};
