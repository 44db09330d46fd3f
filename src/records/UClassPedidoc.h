#pragma once
#include "records/UClassRegistro.h"

class TRegistroPedidoc final : public TRegistroComEstrutura {
 public:
  TRegistroPedidoc();
};
