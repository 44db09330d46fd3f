#include "records/UClassPedidoc.h"

TRegistroPedidoc::TRegistroPedidoc() = default;
