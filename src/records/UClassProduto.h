#pragma once
#include "records/UClassRegistro.h"

class TRegistroProduto final : public TRegistroComEstrutura {
 public:
  TRegistroProduto();
};
