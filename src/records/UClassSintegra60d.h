#pragma once
#include "records/UClassRegistro.h"

class TRegistroSintegra60d final : public TRegistroComEstrutura {
 public:
  TRegistroSintegra60d();
};
