#include "records/UClassMovirec.h"

TRegistroMovirec::TRegistroMovirec() = default;
