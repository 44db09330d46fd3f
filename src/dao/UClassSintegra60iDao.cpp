#include "dao/UClassSintegra60iDao.h"

TSintegra60iDao::TSintegra60iDao(fb::Connection& conexao) : TDaoDe(conexao) {}
