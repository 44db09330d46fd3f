#include "records/UClassFornece.h"

TRegistroFornece::TRegistroFornece() : TRegistroComEstrutura(TabelaFornece) {}
