#include "records/UClassVendend.h"

TRegistroVendend::TRegistroVendend() = default;
