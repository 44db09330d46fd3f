#include "records/UClassDocurec.h"

TRegistroDocurec::TRegistroDocurec() : TRegistroComEstrutura(TabelaDocurec) {}
