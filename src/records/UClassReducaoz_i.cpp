#include "records/UClassReducaoz_i.h"

TRegistroReducaoz_i::TRegistroReducaoz_i() = default;
