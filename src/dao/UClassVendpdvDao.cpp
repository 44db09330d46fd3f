#include "dao/UClassVendpdvDao.h"

TVendpdvDao::TVendpdvDao(fb::Connection& conexao) : TDaoDe(conexao) {}
