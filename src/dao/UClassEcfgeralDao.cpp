#include "dao/UClassEcfgeralDao.h"

TEcfgeralDao::TEcfgeralDao(fb::Connection& conexao) : TDaoDe(conexao) {}
