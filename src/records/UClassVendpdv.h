#pragma once
#include "records/UClassRegistro.h"

class TRegistroVendpdv final : public TRegistroComEstrutura {
 public:
  TRegistroVendpdv();
};
