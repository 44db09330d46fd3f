#include "records/UClassMvgeral.h"

TRegistroMvgeral::TRegistroMvgeral() = default;
