#include "dao/UClassParcpedcDao.h"

TParcpedcDao::TParcpedcDao(fb::Connection& conexao) : TDaoDe(conexao) {}
