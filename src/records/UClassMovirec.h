#pragma once
#include "records/UAcessoresMovirec.h"

class TRegistroMovirec final : public TAcessoresMovirec {
 public:
  TRegistroMovirec();
};
