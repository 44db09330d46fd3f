#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassDetalhereducoesz.h"

class TDetalhereducoeszDao final : public TDaoMovimentoDe<TRegistroDetalhereducoesz, TabelaDetalhereducoesz> {
 public:
  explicit TDetalhereducoeszDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroDetalhereducoesz() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroDetalhereducoesz() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroDetalhereducoesz() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroDetalhereducoesz() const { return FSqlExclusao(); }
};
