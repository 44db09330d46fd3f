#pragma once
#include "records/UClassRegistro.h"

class TRegistroParcpedc final : public TRegistroComEstrutura {
 public:
  TRegistroParcpedc();
};
