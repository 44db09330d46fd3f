#include "records/UClassFinanciamento.h"

TRegistroFinanciamento::TRegistroFinanciamento() : TRegistroComEstrutura(TabelaFinanciamento) {}
