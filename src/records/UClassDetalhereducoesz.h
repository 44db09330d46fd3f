#pragma once
#include "records/UClassRegistro.h"

class TRegistroDetalhereducoesz final : public TRegistroComEstrutura {
 public:
  TRegistroDetalhereducoesz();
};
