#include "records/UClassReducaoz_i.h"

TRegistroReducaoz_i::TRegistroReducaoz_i() : TRegistroComEstrutura(TabelaReducaoz_i) {}
