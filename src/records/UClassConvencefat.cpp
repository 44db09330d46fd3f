#include "records/UClassConvencefat.h"

TRegistroConvencefat::TRegistroConvencefat() = default;
