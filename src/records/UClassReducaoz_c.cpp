#include "records/UClassReducaoz_c.h"

TRegistroReducaoz_c::TRegistroReducaoz_c() = default;
