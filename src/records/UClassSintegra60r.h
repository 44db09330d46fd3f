#pragma once
#include "records/UClassRegistro.h"

class TRegistroSintegra60r final : public TRegistroComEstrutura {
 public:
  TRegistroSintegra60r();
};
