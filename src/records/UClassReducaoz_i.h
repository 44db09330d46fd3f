#pragma once
#include "records/UAcessoresReducaoz_i.h"

class TRegistroReducaoz_i final : public TAcessoresReducaoz_i {
 public:
  TRegistroReducaoz_i();
};
