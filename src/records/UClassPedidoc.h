#pragma once
#include "records/UAcessoresPedidoc.h"

class TRegistroPedidoc final : public TAcessoresPedidoc {
 public:
  TRegistroPedidoc();
};
