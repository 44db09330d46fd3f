#pragma once
#include "records/UAcessoresReducaoz_c.h"

class TRegistroReducaoz_c final : public TAcessoresReducaoz_c {
 public:
  TRegistroReducaoz_c();
};
