#pragma once
#include "records/UAcessoresCdoperc.h"

class TRegistroCdoperc final : public TAcessoresCdoperc {
 public:
  TRegistroCdoperc();
};
