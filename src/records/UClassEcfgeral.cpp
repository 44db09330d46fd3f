#include "records/UClassEcfgeral.h"

TRegistroEcfgeral::TRegistroEcfgeral() = default;
