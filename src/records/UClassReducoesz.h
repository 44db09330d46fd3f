#pragma once
#include "records/UClassRegistro.h"

class TRegistroReducoesz final : public TRegistroComEstrutura {
 public:
  TRegistroReducoesz();
};
