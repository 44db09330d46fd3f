#pragma once
#include "records/UAcessoresEcfgeral.h"

class TRegistroEcfgeral final : public TAcessoresEcfgeral {
 public:
  TRegistroEcfgeral();
};
