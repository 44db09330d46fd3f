#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassProduto.h"

// Master data: no delete.
class TProdutoDao final : public TDaoCadastroDe<TRegistroProduto, TabelaProduto> {
 public:
  explicit TProdutoDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroProduto() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroProduto() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroProduto() const { return FSqlAtualizacao(); }
};
