#pragma once
#include "records/UClassRegistro.h"

// CADOPER is replicated but not maintained: the record has no structure operations.
class TRegistroCadoper final : public TRegistro {
 public:
  TRegistroCadoper();
};
