#include "records/UClassOperador.h"

TRegistroOperador::TRegistroOperador() : TRegistroComEstrutura(TabelaOperador) {}
