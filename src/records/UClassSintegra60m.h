#pragma once
#include "records/UClassRegistro.h"

class TRegistroSintegra60m final : public TRegistroComEstrutura {
 public:
  TRegistroSintegra60m();
};
