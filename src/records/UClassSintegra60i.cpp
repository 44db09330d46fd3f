#include "records/UClassSintegra60i.h"

TRegistroSintegra60i::TRegistroSintegra60i() = default;
