#include "records/UClassProduto.h"

TRegistroProduto::TRegistroProduto() : TRegistroComEstrutura(TabelaProduto) {}
