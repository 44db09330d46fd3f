#pragma once
#include "records/UAcessoresEnccartao.h"

class TRegistroEnccartao final : public TAcessoresEnccartao {
 public:
  TRegistroEnccartao();
};
