#pragma once
#include "records/UAcessoresCadusua.h"

class TRegistroCadusua final : public TAcessoresCadusua {
 public:
  TRegistroCadusua();
};
