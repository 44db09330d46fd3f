#pragma once
#include "records/UClassRegistro.h"

class TRegistroCadusua final : public TRegistroComEstrutura {
 public:
  TRegistroCadusua();
};
