#include "records/UClassDemaisdocumentosecf.h"

TRegistroDemaisdocumentosecf::TRegistroDemaisdocumentosecf() : TRegistroComEstrutura(TabelaDemaisdocumentosecf) {}
