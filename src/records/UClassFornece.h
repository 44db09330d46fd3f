#pragma once
#include "records/UClassRegistro.h"

class TRegistroFornece final : public TRegistroComEstrutura {
 public:
  TRegistroFornece();
};
