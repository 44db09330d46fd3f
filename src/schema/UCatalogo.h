#pragma once
// The table catalogue: the constant data of every maintained table (UCatalogoDados.h) and the
// operations that turn an entry into the table-structure model.
#include <memory>
#include <string_view>

#include "schema/UCatalogoDados.h"
#include "schema/UCatalogoTipos.h"
#include "schema/UClassEstruturaPadrao.h"

// The entry of a table by its upper-case name (the queue's TABELA value), CADOPER included;
// nullptr for a table the agent does not know.
const TTabelaCatalogo* FProcuraTabela(std::string_view nome);

// Fresh collections holding the table's definition in catalogue order; the caller owns them.
// Each call builds new collections. A table without a definition (CADOPER) has none to give:
// std::logic_error.
std::unique_ptr<TColDominio> FRetornaColecaoDominios(const TTabelaCatalogo& tabela);
std::unique_ptr<TColCampo> FRetornaColecaoCampos(const TTabelaCatalogo& tabela);
std::unique_ptr<TColConstraint> FRetornaColecaoConstraint(const TTabelaCatalogo& tabela);

// A structure holding the three collections above.
std::unique_ptr<TEstruturaTabela> FRetornaEstruturaTabela(const TTabelaCatalogo& tabela);
