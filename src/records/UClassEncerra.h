#pragma once
#include "records/UAcessoresEncerra.h"

class TRegistroEncerra final : public TAcessoresEncerra {
 public:
  TRegistroEncerra();
};
