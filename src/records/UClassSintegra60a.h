#pragma once
#include "records/UClassRegistro.h"

class TRegistroSintegra60a final : public TRegistroComEstrutura {
 public:
  TRegistroSintegra60a();
};
