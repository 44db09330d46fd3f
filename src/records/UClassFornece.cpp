#include "records/UClassFornece.h"

TRegistroFornece::TRegistroFornece() = default;
