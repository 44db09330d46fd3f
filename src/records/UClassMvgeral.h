#pragma once
#include "records/UAcessoresMvgeral.h"

class TRegistroMvgeral final : public TAcessoresMvgeral {
 public:
  TRegistroMvgeral();
};
