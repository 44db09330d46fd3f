#pragma once
#include "records/UClassRegistro.h"

class TRegistroPedidoi final : public TRegistroComEstrutura {
 public:
  TRegistroPedidoi();
};
