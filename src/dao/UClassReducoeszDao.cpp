#include "dao/UClassReducoeszDao.h"

TReducoeszDao::TReducoeszDao(fb::Connection& conexao) : TDaoDe(conexao) {}
