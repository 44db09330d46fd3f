#include "records/UClassDetalhereducoesz.h"

TRegistroDetalhereducoesz::TRegistroDetalhereducoesz() : TRegistroComEstrutura(TabelaDetalhereducoesz) {}
