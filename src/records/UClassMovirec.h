#pragma once
#include "records/UClassRegistro.h"

class TRegistroMovirec final : public TRegistroComEstrutura {
 public:
  TRegistroMovirec();
};
