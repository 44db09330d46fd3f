#include "records/UClassSintegra60m.h"

TRegistroSintegra60m::TRegistroSintegra60m() = default;
