#pragma once
#include "records/UClassRegistro.h"

class TRegistroDemaisdocumentosecf final : public TRegistroComEstrutura {
 public:
  TRegistroDemaisdocumentosecf();
};
