#pragma once
#include "records/UClassRegistro.h"

class TRegistroVendend final : public TRegistroComEstrutura {
 public:
  TRegistroVendend();
};
