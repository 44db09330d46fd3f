#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassDemaisdocumentosecf.h"

class TDemaisdocumentosecfDao final : public TDaoMovimentoDe<TRegistroDemaisdocumentosecf, TabelaDemaisdocumentosecf> {
 public:
  explicit TDemaisdocumentosecfDao(fb::Connection& conexao);

  std::string FRetornaSqlRegistroDemaisdocumentosecf() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroDemaisdocumentosecf() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroDemaisdocumentosecf() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroDemaisdocumentosecf() const { return FSqlExclusao(); }
};
