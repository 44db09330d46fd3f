#include "records/UClassPreterc.h"

TRegistroPreterc::TRegistroPreterc() = default;
