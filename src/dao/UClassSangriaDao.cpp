#include "dao/UClassSangriaDao.h"

TSangriaDao::TSangriaDao(fb::Connection& conexao) : TDaoDe(conexao) {}
