#include <iterator>
#include <string>

#include "engine/UBancoDados.h"
#include "platform/UGenerico.h"
#include "records/UClassCadusua.h"
#include "records/UClassCdoperc.h"
#include "records/UClassCliente.h"
#include "records/UClassConvencefat.h"
#include "records/UClassDemaisdocumentosecf.h"
#include "records/UClassDetalhereducoesz.h"
#include "records/UClassDocurec.h"
#include "records/UClassEcfgeral.h"
#include "records/UClassEnccartao.h"
#include "records/UClassEncefat.h"
#include "records/UClassEncerra.h"
#include "records/UClassFinanciamento.h"
#include "records/UClassFornece.h"
#include "records/UClassMovirec.h"
#include "records/UClassMvgeral.h"
#include "records/UClassOperador.h"
#include "records/UClassParcpedc.h"
#include "records/UClassPedidoc.h"
#include "records/UClassPedidoi.h"
#include "records/UClassPreterc.h"
#include "records/UClassProduto.h"
#include "records/UClassReducaoz_c.h"
#include "records/UClassReducaoz_i.h"
#include "records/UClassReducoesz.h"
#include "records/UClassSangria.h"
#include "records/UClassSintegra60a.h"
#include "records/UClassSintegra60d.h"
#include "records/UClassSintegra60i.h"
#include "records/UClassSintegra60m.h"
#include "records/UClassSintegra60r.h"
#include "records/UClassVendend.h"
#include "records/UClassVendpdv.h"

namespace {

using TAtualizador = void (*)(fb::Connection&, TNotificador&);

template <typename TRegistro>
constexpr TAtualizador kAtualiza = &TRegistroComEstrutura::AtualizaBaseDados<TRegistro>;

// The record classes in the order their tables are brought into line: master data first, then
// orders, fiscal records, sales and the financial tables.
constexpr TAtualizador kOrdemAtualizacao[] = {
    kAtualiza<TRegistroProduto>,          kAtualiza<TRegistroFornece>,
    kAtualiza<TRegistroVendend>,          kAtualiza<TRegistroCadusua>,
    kAtualiza<TRegistroOperador>,         kAtualiza<TRegistroCliente>,
    kAtualiza<TRegistroCdoperc>,          kAtualiza<TRegistroPedidoc>,
    kAtualiza<TRegistroPedidoi>,          kAtualiza<TRegistroReducoesz>,
    kAtualiza<TRegistroReducaoz_c>,       kAtualiza<TRegistroReducaoz_i>,
    kAtualiza<TRegistroDetalhereducoesz>, kAtualiza<TRegistroEcfgeral>,
    kAtualiza<TRegistroDemaisdocumentosecf>, kAtualiza<TRegistroSangria>,
    kAtualiza<TRegistroEncerra>,          kAtualiza<TRegistroVendpdv>,
    kAtualiza<TRegistroEncefat>,          kAtualiza<TRegistroMvgeral>,
    kAtualiza<TRegistroDocurec>,          kAtualiza<TRegistroMovirec>,
    kAtualiza<TRegistroPreterc>,          kAtualiza<TRegistroSintegra60a>,
    kAtualiza<TRegistroSintegra60d>,      kAtualiza<TRegistroSintegra60i>,
    kAtualiza<TRegistroSintegra60m>,      kAtualiza<TRegistroSintegra60r>,
    kAtualiza<TRegistroEnccartao>,        kAtualiza<TRegistroParcpedc>,
    kAtualiza<TRegistroConvencefat>,      kAtualiza<TRegistroFinanciamento>,
};
static_assert(std::size(kOrdemAtualizacao) == 32);

}  // namespace

void TBancoDados::PAtualizaBancoDeDados() { FAtualizaBancoDeDados(); }

bool TBancoDados::FAtualizaBancoDeDados() {
  std::size_t k = 0;
  try {
    for (; k < listaConexao_.FQuantidade(); ++k) {
      fb::Connection& conexao = listaConexao_.FConexao(k);
      if (!conexao.isOpen()) conexao.open();
      for (TAtualizador atualiza : kOrdemAtualizacao) atualiza(conexao, notificador_);
      // A step that found nothing to change may leave its transaction open; it holds nothing,
      // and a cycle must not later run inside it.
      if (conexao.inTransaction()) conexao.commit();
    }
    return true;
  } catch (const std::exception&) {
    if (k < listaConexao_.FQuantidade()) {
      fb::Connection& conexao = listaConexao_.FConexao(k);
      try {
        conexao.rollback();
      } catch (const std::exception&) {
        // The connection is gone; the next verification reopens it.
      }
    }
    TGenerico::PGeraLog("Houve um erro ao atualizar a base de dados da conexão: " +
                        std::to_string(k));
    return false;
  }
}
