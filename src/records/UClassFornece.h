#pragma once
#include "records/UAcessoresFornece.h"

class TRegistroFornece final : public TAcessoresFornece {
 public:
  TRegistroFornece();
};
