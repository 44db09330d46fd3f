#include "records/UClassEncefat.h"

TRegistroEncefat::TRegistroEncefat() : TRegistroComEstrutura(TabelaEncefat) {}
