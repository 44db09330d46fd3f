#include "records/UClassDemaisdocumentosecf.h"

TRegistroDemaisdocumentosecf::TRegistroDemaisdocumentosecf() = default;
