#include "dao/UClassCdopercDao.h"

TCdopercDao::TCdopercDao(fb::Connection& conexao) : TDaoDe(conexao) {}
