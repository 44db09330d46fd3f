#include "records/UClassPedidoi.h"

TRegistroPedidoi::TRegistroPedidoi() = default;
