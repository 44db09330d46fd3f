#pragma once
#include "records/UClassRegistro.h"

class TRegistroEcfgeral final : public TRegistroComEstrutura {
 public:
  TRegistroEcfgeral();
};
