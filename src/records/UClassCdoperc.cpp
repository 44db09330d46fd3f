#include "records/UClassCdoperc.h"

TRegistroCdoperc::TRegistroCdoperc() : TRegistroComEstrutura(TabelaCdoperc) {}
