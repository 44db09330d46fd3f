#include "records/UClassEnccartao.h"

TRegistroEnccartao::TRegistroEnccartao() = default;
