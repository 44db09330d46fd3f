#pragma once
#include "records/UAcessoresReducoesz.h"

class TRegistroReducoesz final : public TAcessoresReducoesz {
 public:
  TRegistroReducoesz();
};
