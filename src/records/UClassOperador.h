#pragma once
#include "records/UClassRegistro.h"

class TRegistroOperador final : public TRegistroComEstrutura {
 public:
  TRegistroOperador();
};
