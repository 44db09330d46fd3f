#pragma once
#include "records/UAcessoresCadoper.h"

// CADOPER is replicated but not maintained: the record has no structure operations.
class TRegistroCadoper final : public TAcessoresCadoper {
 public:
  TRegistroCadoper();
};
