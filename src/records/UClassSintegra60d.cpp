#include "records/UClassSintegra60d.h"

TRegistroSintegra60d::TRegistroSintegra60d() = default;
