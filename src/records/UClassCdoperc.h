#pragma once
#include "records/UClassRegistro.h"

class TRegistroCdoperc final : public TRegistroComEstrutura {
 public:
  TRegistroCdoperc();
};
