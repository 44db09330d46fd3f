#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassMovirec.h"

class TMovirecDao final : public TDaoMovimentoDe<TRegistroMovirec, TabelaMovirec> {
 public:
  explicit TMovirecDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroMovirec() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroMovirec() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroMovirec() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroMovirec() const { return FSqlExclusao(); }
};
