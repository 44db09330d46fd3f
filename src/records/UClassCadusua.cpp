#include "records/UClassCadusua.h"

TRegistroCadusua::TRegistroCadusua() = default;
