#pragma once
#include "records/UAcessoresVendpdv.h"

class TRegistroVendpdv final : public TAcessoresVendpdv {
 public:
  TRegistroVendpdv();
};
