#pragma once
#include "records/UClassRegistro.h"

class TRegistroReducaoz_i final : public TRegistroComEstrutura {
 public:
  TRegistroReducaoz_i();
};
