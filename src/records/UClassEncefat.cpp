#include "records/UClassEncefat.h"

TRegistroEncefat::TRegistroEncefat() = default;
