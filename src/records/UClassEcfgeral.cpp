#include "records/UClassEcfgeral.h"

TRegistroEcfgeral::TRegistroEcfgeral() : TRegistroComEstrutura(TabelaEcfgeral) {}
