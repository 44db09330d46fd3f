#pragma once
#include "records/UAcessoresConvencefat.h"

class TRegistroConvencefat final : public TAcessoresConvencefat {
 public:
  TRegistroConvencefat();
};
