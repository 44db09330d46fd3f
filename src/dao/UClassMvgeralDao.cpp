#include "dao/UClassMvgeralDao.h"

#include <thread>
#include <utility>

#include "firebird/Error.h"
#include "firebird/Statement.h"

TMvgeralDao::TMvgeralDao(fb::Connection& conexao, TEspera espera)
    : TDaoDe(conexao), espera_(std::move(espera)) {
  if (!espera_) espera_ = [](std::chrono::milliseconds tempo) { std::this_thread::sleep_for(tempo); };
}

void TMvgeralDao::PVinculaInsercao(fb::Statement& comando, const TRegistro& registro) const {
  PVinculaColunas(comando, registro);
  comando.setInt("Sequencia", 0);
}

void TMvgeralDao::PExecutaInsercao(fb::Statement& comando) const {
  try {
    comando.execute();
    return;
  } catch (const fb::Error&) {
    // The first refusal is not logged: the same statement runs again after the wait, and only
    // its failure reaches the log.
  }
  espera_(EsperaNovaTentativa);
  comando.execute();
}
