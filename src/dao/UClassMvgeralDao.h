#pragma once
#include <string>

#include "dao/UClassDao.h"
#include "records/UClassMvgeral.h"

// The insert writes Sequencia as 0 whatever the record holds (the central database numbers the
// movements itself); the update writes the record's Sequencia. An insert the database refuses is
// tried once more after five seconds, silently; only a second refusal is logged. When the second
// attempt succeeds the row is in place and the insert reports true.
class TMvgeralDao final : public TDaoMovimentoDe<TRegistroMvgeral, TabelaMvgeral> {
 public:
  static constexpr std::chrono::milliseconds EsperaNovaTentativa{5000};

  // `espera` stands for the thread's sleep before the second attempt (tests pass their own).
  explicit TMvgeralDao(fb::Connection& conexao, TEspera espera = {});

  std::string FRetornaSqlRegistroMvgeral() const { return FSqlSelecao(); }
  std::string FRetornaSqlInserTRegistroMvgeral() const { return FSqlInsercao(); }
  std::string FRetornaSqlUpdateRegistroMvgeral() const { return FSqlAtualizacao(); }
  std::string FRetornaSqlDeletaRegistroMvgeral() const { return FSqlExclusao(); }

 protected:
  void PVinculaInsercao(fb::Statement& comando, const TRegistro& registro) const override;
  void PExecutaInsercao(fb::Statement& comando) const override;

 private:
  TEspera espera_;
};
