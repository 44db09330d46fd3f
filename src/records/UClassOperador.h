#pragma once
#include "records/UAcessoresOperador.h"

class TRegistroOperador final : public TAcessoresOperador {
 public:
  TRegistroOperador();
};
