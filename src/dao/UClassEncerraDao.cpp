#include "dao/UClassEncerraDao.h"

TEncerraDao::TEncerraDao(fb::Connection& conexao) : TDaoDe(conexao) {}
