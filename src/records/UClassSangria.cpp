#include "records/UClassSangria.h"

TRegistroSangria::TRegistroSangria() = default;
