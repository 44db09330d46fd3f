#include "dao/UClassSintegra60aDao.h"

TSintegra60aDao::TSintegra60aDao(fb::Connection& conexao) : TDaoDe(conexao) {}
