#pragma once
#include "records/UClassRegistro.h"

class TRegistroMvgeral final : public TRegistroComEstrutura {
 public:
  TRegistroMvgeral();
};
