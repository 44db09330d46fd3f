#include "dao/UClassPedidocDao.h"

TPedidocDao::TPedidocDao(fb::Connection& conexao) : TDaoDe(conexao) {}
