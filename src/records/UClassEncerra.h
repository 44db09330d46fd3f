#pragma once
#include "records/UClassRegistro.h"

class TRegistroEncerra final : public TRegistroComEstrutura {
 public:
  TRegistroEncerra();
};
