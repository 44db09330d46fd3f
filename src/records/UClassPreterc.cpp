#include "records/UClassPreterc.h"

TRegistroPreterc::TRegistroPreterc() : TRegistroComEstrutura(TabelaPreterc) {}
