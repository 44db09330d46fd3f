#include "records/UClassEncerra.h"

TRegistroEncerra::TRegistroEncerra() = default;
