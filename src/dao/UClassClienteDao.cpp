#include "dao/UClassClienteDao.h"

TClienteDao::TClienteDao(fb::Connection& conexao) : TDaoDe(conexao) {}
