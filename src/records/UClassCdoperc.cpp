#include "records/UClassCdoperc.h"

TRegistroCdoperc::TRegistroCdoperc() = default;
