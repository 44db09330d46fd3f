#include "dao/UClassPedidoiDao.h"

TPedidoiDao::TPedidoiDao(fb::Connection& conexao) : TDaoDe(conexao) {}
