#include "records/UClassReducoesz.h"

TRegistroReducoesz::TRegistroReducoesz() : TRegistroComEstrutura(TabelaReducoesz) {}
