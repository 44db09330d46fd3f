#include "dao/UClassVendendDao.h"

TVendendDao::TVendendDao(fb::Connection& conexao) : TDaoDe(conexao) {}
