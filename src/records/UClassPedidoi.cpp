#include "records/UClassPedidoi.h"

TRegistroPedidoi::TRegistroPedidoi() : TRegistroComEstrutura(TabelaPedidoi) {}
