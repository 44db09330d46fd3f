#pragma once
#include "records/UClassRegistro.h"

class TRegistroPreterc final : public TRegistroComEstrutura {
 public:
  TRegistroPreterc();
};
