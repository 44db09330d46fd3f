#pragma once
#include "records/UAcessoresDemaisdocumentosecf.h"

class TRegistroDemaisdocumentosecf final : public TAcessoresDemaisdocumentosecf {
 public:
  TRegistroDemaisdocumentosecf();
};
