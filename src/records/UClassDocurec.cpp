#include "records/UClassDocurec.h"

TRegistroDocurec::TRegistroDocurec() = default;
