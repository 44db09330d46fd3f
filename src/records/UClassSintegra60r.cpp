#include "records/UClassSintegra60r.h"

TRegistroSintegra60r::TRegistroSintegra60r() = default;
