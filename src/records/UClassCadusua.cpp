#include "records/UClassCadusua.h"

TRegistroCadusua::TRegistroCadusua() : TRegistroComEstrutura(TabelaCadusua) {}
