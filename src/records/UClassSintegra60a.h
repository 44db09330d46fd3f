#pragma once
#include "records/UAcessoresSintegra60a.h"

class TRegistroSintegra60a final : public TAcessoresSintegra60a {
 public:
  TRegistroSintegra60a();
};
