#include "records/UClassMovirec.h"

TRegistroMovirec::TRegistroMovirec() : TRegistroComEstrutura(TabelaMovirec) {}
