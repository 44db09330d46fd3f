#pragma once
#include "records/UAcessoresDocurec.h"

class TRegistroDocurec final : public TAcessoresDocurec {
 public:
  TRegistroDocurec();
};
