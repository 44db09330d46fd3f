#pragma once
#include "records/UClassRegistro.h"

class TRegistroEncefat final : public TRegistroComEstrutura {
 public:
  TRegistroEncefat();
};
