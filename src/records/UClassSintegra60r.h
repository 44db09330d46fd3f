#pragma once
#include "records/UAcessoresSintegra60r.h"

class TRegistroSintegra60r final : public TAcessoresSintegra60r {
 public:
  TRegistroSintegra60r();
};
