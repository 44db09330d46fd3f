#include "records/UClassProduto.h"

TRegistroProduto::TRegistroProduto() = default;
