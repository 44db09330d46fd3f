#pragma once
#include "records/UAcessoresSintegra60m.h"

class TRegistroSintegra60m final : public TAcessoresSintegra60m {
 public:
  TRegistroSintegra60m();
};
