#pragma once
#include "records/UAcessoresEncefat.h"

class TRegistroEncefat final : public TAcessoresEncefat {
 public:
  TRegistroEncefat();
};
