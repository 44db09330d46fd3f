#pragma once
// A store simulator for demos and benchmarks. It writes what the store's own system writes, by
// plain SQL in the databases of the configuration: complete sales at the points of sale (the
// order and its items, the point-of-sale items, the closing of the sale and one stock movement per
// item, each sale in one transaction) and product changes at the central database. The capture
// triggers then queue them as they would queue the store's own work.
#include <ostream>

struct TOpcoesSimulacao {
  int vendas = 0;     // sales to ring up
  int caixa = 0;      // 0: the points of sale of the configuration in turn; K: the K-th alone
  int cadastros = 0;  // products to change at the central database (new ones past the last)
};

// Exit status: 0 when everything asked was written; 1 otherwise, with the reason on `erro` (a
// sale or a change that failed is rolled back whole).
int FSimula(const TOpcoesSimulacao& opcoes, std::ostream& saida, std::ostream& erro);
