#pragma once
#include "records/UAcessoresProduto.h"

class TRegistroProduto final : public TAcessoresProduto {
 public:
  TRegistroProduto();
};
