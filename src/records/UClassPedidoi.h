#pragma once
#include "records/UAcessoresPedidoi.h"

class TRegistroPedidoi final : public TAcessoresPedidoi {
 public:
  TRegistroPedidoi();
};
