#pragma once
#include "records/UAcessoresSangria.h"

class TRegistroSangria final : public TAcessoresSangria {
 public:
  TRegistroSangria();
};
