#include "records/UClassDetalhereducoesz.h"

TRegistroDetalhereducoesz::TRegistroDetalhereducoesz() = default;
