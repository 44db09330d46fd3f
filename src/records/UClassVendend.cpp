#include "records/UClassVendend.h"

TRegistroVendend::TRegistroVendend() : TRegistroComEstrutura(TabelaVendend) {}
