#pragma once
#include "records/UClassRegistro.h"

class TRegistroReducaoz_c final : public TRegistroComEstrutura {
 public:
  TRegistroReducaoz_c();
};
