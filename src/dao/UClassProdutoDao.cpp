#include "dao/UClassProdutoDao.h"

TProdutoDao::TProdutoDao(fb::Connection& conexao) : TDaoDe(conexao) {}
