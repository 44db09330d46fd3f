#include "records/UClassCliente.h"

TRegistroCliente::TRegistroCliente() : TRegistroComEstrutura(TabelaCliente) {}
