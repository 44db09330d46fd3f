#include "records/UClassSangria.h"

TRegistroSangria::TRegistroSangria() : TRegistroComEstrutura(TabelaSangria) {}
