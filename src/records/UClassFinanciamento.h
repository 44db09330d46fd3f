#pragma once
#include "records/UClassRegistro.h"

class TRegistroFinanciamento final : public TRegistroComEstrutura {
 public:
  TRegistroFinanciamento();
};
