#include "records/UClassParcpedc.h"

TRegistroParcpedc::TRegistroParcpedc() = default;
