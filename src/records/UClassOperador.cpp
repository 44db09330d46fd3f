#include "records/UClassOperador.h"

TRegistroOperador::TRegistroOperador() = default;
