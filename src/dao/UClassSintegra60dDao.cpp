#include "dao/UClassSintegra60dDao.h"

TSintegra60dDao::TSintegra60dDao(fb::Connection& conexao) : TDaoDe(conexao) {}
