#pragma once
#include "records/UAcessoresSintegra60d.h"

class TRegistroSintegra60d final : public TAcessoresSintegra60d {
 public:
  TRegistroSintegra60d();
};
