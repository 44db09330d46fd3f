#include "dao/UClassSintegra60rDao.h"

TSintegra60rDao::TSintegra60rDao(fb::Connection& conexao) : TDaoDe(conexao) {}
