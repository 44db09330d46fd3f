#pragma once
#include "records/UAcessoresCliente.h"

class TRegistroCliente final : public TAcessoresCliente {
 public:
  TRegistroCliente();
};
