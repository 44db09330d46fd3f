#include "records/UClassPedidoc.h"

TRegistroPedidoc::TRegistroPedidoc() : TRegistroComEstrutura(TabelaPedidoc) {}
