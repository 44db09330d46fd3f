#include "records/UClassCadoper.h"

TRegistroCadoper::TRegistroCadoper() = default;
