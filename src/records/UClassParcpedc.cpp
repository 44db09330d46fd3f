#include "records/UClassParcpedc.h"

TRegistroParcpedc::TRegistroParcpedc() : TRegistroComEstrutura(TabelaParcpedc) {}
