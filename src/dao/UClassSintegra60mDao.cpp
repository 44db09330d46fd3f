#include "dao/UClassSintegra60mDao.h"

TSintegra60mDao::TSintegra60mDao(fb::Connection& conexao) : TDaoDe(conexao) {}
