#pragma once
#include "records/UClassRegistro.h"

class TRegistroConvencefat final : public TRegistroComEstrutura {
 public:
  TRegistroConvencefat();
};
