#include "dao/UFabricaDao.h"

#include <array>
#include <utility>

#include "dao/UClassCadoperDao.h"
#include "dao/UClassCadusuaDao.h"
#include "dao/UClassCdopercDao.h"
#include "dao/UClassClienteDao.h"
#include "dao/UClassConvencefatDao.h"
#include "dao/UClassDemaisdocumentosecfDao.h"
#include "dao/UClassDetalhereducoeszDao.h"
#include "dao/UClassDocurecDao.h"
#include "dao/UClassEcfgeralDao.h"
#include "dao/UClassEnccartaoDao.h"
#include "dao/UClassEncefatDao.h"
#include "dao/UClassEncerraDao.h"
#include "dao/UClassFinanciamentoDao.h"
#include "dao/UClassForneceDao.h"
#include "dao/UClassMovirecDao.h"
#include "dao/UClassMvgeralDao.h"
#include "dao/UClassParcpedcDao.h"
#include "dao/UClassPedidocDao.h"
#include "dao/UClassPedidoiDao.h"
#include "dao/UClassPretercDao.h"
#include "dao/UClassProdutoDao.h"
#include "dao/UClassReducaoz_cDao.h"
#include "dao/UClassReducaoz_iDao.h"
#include "dao/UClassReducoeszDao.h"
#include "dao/UClassSangriaDao.h"
#include "dao/UClassSintegra60aDao.h"
#include "dao/UClassSintegra60dDao.h"
#include "dao/UClassSintegra60iDao.h"
#include "dao/UClassSintegra60mDao.h"
#include "dao/UClassSintegra60rDao.h"
#include "dao/UClassVendendDao.h"
#include "dao/UClassVendpdvDao.h"

namespace {
struct TEntradaFabrica {
  std::string_view tabela;
  std::unique_ptr<TDao> (*cria)(fb::Connection&, TEspera);
};

template <class TClasse>
std::unique_ptr<TDao> FCria(fb::Connection& conexao, TEspera) {
  return std::make_unique<TClasse>(conexao);
}

std::unique_ptr<TDao> FCriaMvgeral(fb::Connection& conexao, TEspera espera) {
  return std::make_unique<TMvgeralDao>(conexao, std::move(espera));
}

// clang-format off
constexpr std::array<TEntradaFabrica, 32> Fabrica = {{
    {"PRODUTO", &FCria<TProdutoDao>},
    {"CLIENTE", &FCria<TClienteDao>},
    {"FORNECE", &FCria<TForneceDao>},
    {"VENDEND", &FCria<TVendendDao>},
    {"CADUSUA", &FCria<TCadusuaDao>},
    {"CADOPER", &FCria<TCadoperDao>},
    {"CDOPERC", &FCria<TCdopercDao>},
    {"PEDIDOC", &FCria<TPedidocDao>},
    {"PEDIDOI", &FCria<TPedidoiDao>},
    {"PARCPEDC", &FCria<TParcpedcDao>},
    {"CONVENCEFAT", &FCria<TConvencefatDao>},
    {"ENCEFAT", &FCria<TEncefatDao>},
    {"FINANCIAMENTO", &FCria<TFinanciamentoDao>},
    {"ENCERRA", &FCria<TEncerraDao>},
    {"VENDPDV", &FCria<TVendpdvDao>},
    {"ENCCARTAO", &FCria<TEnccartaoDao>},
    {"MVGERAL", &FCriaMvgeral},
    {"SANGRIA", &FCria<TSangriaDao>},
    {"ECFGERAL", &FCria<TEcfgeralDao>},
    {"REDUCOESZ", &FCria<TReducoeszDao>},
    {"REDUCAOZ_C", &FCria<TReducaoz_cDao>},
    {"REDUCAOZ_I", &FCria<TReducaoz_iDao>},
    {"DETALHEREDUCOESZ", &FCria<TDetalhereducoeszDao>},
    {"DEMAISDOCUMENTOSECF", &FCria<TDemaisdocumentosecfDao>},
    {"SINTEGRA60A", &FCria<TSintegra60aDao>},
    {"SINTEGRA60D", &FCria<TSintegra60dDao>},
    {"SINTEGRA60I", &FCria<TSintegra60iDao>},
    {"SINTEGRA60M", &FCria<TSintegra60mDao>},
    {"SINTEGRA60R", &FCria<TSintegra60rDao>},
    {"DOCUREC", &FCria<TDocurecDao>},
    {"MOVIREC", &FCria<TMovirecDao>},
    {"PRETERC", &FCria<TPretercDao>},
}};
// clang-format on

constexpr std::array<std::string_view, 32> FNomes() {
  std::array<std::string_view, 32> nomes{};
  for (std::size_t i = 0; i < Fabrica.size(); ++i) nomes[i] = Fabrica[i].tabela;
  return nomes;
}
constexpr std::array<std::string_view, 32> Nomes = FNomes();
}  // namespace

std::unique_ptr<TDao> FCriaDao(std::string_view tabela, fb::Connection& conexao, TEspera espera) {
  for (const TEntradaFabrica& entrada : Fabrica)
    if (entrada.tabela == tabela) return entrada.cria(conexao, std::move(espera));
  return nullptr;
}

std::unique_ptr<TDaoComExclusao> FCriaDaoComExclusao(std::string_view tabela,
                                                     fb::Connection& conexao, TEspera espera) {
  std::unique_ptr<TDao> dao = FCriaDao(tabela, conexao, std::move(espera));
  auto* comExclusao = dynamic_cast<TDaoComExclusao*>(dao.get());
  if (!comExclusao) return nullptr;
  dao.release();
  return std::unique_ptr<TDaoComExclusao>(comExclusao);
}

std::span<const std::string_view> FTabelasComDao() { return Nomes; }
