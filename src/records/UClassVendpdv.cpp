#include "records/UClassVendpdv.h"

TRegistroVendpdv::TRegistroVendpdv() : TRegistroComEstrutura(TabelaVendpdv) {}
