#pragma once
#include "records/UAcessoresParcpedc.h"

class TRegistroParcpedc final : public TAcessoresParcpedc {
 public:
  TRegistroParcpedc();
};
