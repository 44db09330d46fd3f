#pragma once
#include "records/UClassRegistro.h"

class TRegistroCliente final : public TRegistroComEstrutura {
 public:
  TRegistroCliente();
};
