#include "records/UClassMvgeral.h"

TRegistroMvgeral::TRegistroMvgeral() : TRegistroComEstrutura(TabelaMvgeral) {}
