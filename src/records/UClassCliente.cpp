#include "records/UClassCliente.h"

TRegistroCliente::TRegistroCliente() = default;
