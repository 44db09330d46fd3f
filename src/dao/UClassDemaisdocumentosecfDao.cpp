#include "dao/UClassDemaisdocumentosecfDao.h"

TDemaisdocumentosecfDao::TDemaisdocumentosecfDao(fb::Connection& conexao) : TDaoDe(conexao) {}
