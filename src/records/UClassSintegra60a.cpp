#include "records/UClassSintegra60a.h"

TRegistroSintegra60a::TRegistroSintegra60a() = default;
