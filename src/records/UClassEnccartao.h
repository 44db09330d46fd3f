#pragma once
#include "records/UClassRegistro.h"

class TRegistroEnccartao final : public TRegistroComEstrutura {
 public:
  TRegistroEnccartao();
};
