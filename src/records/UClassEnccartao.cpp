#include "records/UClassEnccartao.h"

TRegistroEnccartao::TRegistroEnccartao() : TRegistroComEstrutura(TabelaEnccartao) {}
