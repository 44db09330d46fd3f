#include "dao/UClassDetalhereducoeszDao.h"

TDetalhereducoeszDao::TDetalhereducoeszDao(fb::Connection& conexao) : TDaoDe(conexao) {}
