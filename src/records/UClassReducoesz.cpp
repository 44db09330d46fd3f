#include "records/UClassReducoesz.h"

TRegistroReducoesz::TRegistroReducoesz() = default;
