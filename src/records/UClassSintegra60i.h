#pragma once
#include "records/UClassRegistro.h"

class TRegistroSintegra60i final : public TRegistroComEstrutura {
 public:
  TRegistroSintegra60i();
};
