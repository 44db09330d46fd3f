#include "records/UClassSintegra60r.h"

TRegistroSintegra60r::TRegistroSintegra60r() : TRegistroComEstrutura(TabelaSintegra60r) {}
