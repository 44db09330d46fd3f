#include "records/UClassFinanciamento.h"

TRegistroFinanciamento::TRegistroFinanciamento() = default;
