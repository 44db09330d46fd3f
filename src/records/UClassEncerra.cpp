#include "records/UClassEncerra.h"

TRegistroEncerra::TRegistroEncerra() : TRegistroComEstrutura(TabelaEncerra) {}
