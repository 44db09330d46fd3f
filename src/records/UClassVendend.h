#pragma once
#include "records/UAcessoresVendend.h"

class TRegistroVendend final : public TAcessoresVendend {
 public:
  TRegistroVendend();
};
