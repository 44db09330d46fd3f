#include "dao/UClassCadoperDao.h"

TCadoperDao::TCadoperDao(fb::Connection& conexao) : TDaoDe(conexao) {}
