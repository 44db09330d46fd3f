#pragma once
#include "records/UAcessoresFinanciamento.h"

class TRegistroFinanciamento final : public TAcessoresFinanciamento {
 public:
  TRegistroFinanciamento();
};
