#include "records/UClassVendpdv.h"

TRegistroVendpdv::TRegistroVendpdv() = default;
