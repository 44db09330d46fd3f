#pragma once
#include "records/UAcessoresPreterc.h"

class TRegistroPreterc final : public TAcessoresPreterc {
 public:
  TRegistroPreterc();
};
