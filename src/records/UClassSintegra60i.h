#pragma once
#include "records/UAcessoresSintegra60i.h"

class TRegistroSintegra60i final : public TAcessoresSintegra60i {
 public:
  TRegistroSintegra60i();
};
