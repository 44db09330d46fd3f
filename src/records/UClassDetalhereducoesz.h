#pragma once
#include "records/UAcessoresDetalhereducoesz.h"

class TRegistroDetalhereducoesz final : public TAcessoresDetalhereducoesz {
 public:
  TRegistroDetalhereducoesz();
};
