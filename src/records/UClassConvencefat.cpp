#include "records/UClassConvencefat.h"

TRegistroConvencefat::TRegistroConvencefat() : TRegistroComEstrutura(TabelaConvencefat) {}
