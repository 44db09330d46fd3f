#pragma once
#include "records/UClassRegistro.h"

class TRegistroDocurec final : public TRegistroComEstrutura {
 public:
  TRegistroDocurec();
};
