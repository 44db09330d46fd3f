#pragma once
// The maintained tables, in the order the structure update applies them: master data, then orders
// and sales, then fiscal and financial. CADOPER follows apart: it is replicated with the master
// data but has no definition, so the structure update never creates or changes it.
#include <array>
#include <iterator>
#include <string_view>

#include "schema/UCatalogoTipos.h"

// PRODUTO
inline constexpr TDominioId DominiosProduto[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3, TDominioId::INTEIRO,
    TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::CHAR6, TDominioId::VARCHAR6,
    TDominioId::VARCHAR7, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8,
    TDominioId::VARCHAR10, TDominioId::VARCHAR15, TDominioId::VARCHAR20, TDominioId::BLOB50,
    TDominioId::VARCHAR50,
};
static_assert(std::size(DominiosProduto) == 17);
inline constexpr TColunaCatalogo ColunasProduto[] = {
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("REFERENCIA", "Referencia", TDominioId::VARCHAR20, false),
    FColuna("REFFABRICANTE", "Reffabricante", TDominioId::VARCHAR20, false),
    FColuna("DESCRICAO", "Descricao", TDominioId::VARCHAR50, false),
    FColuna("DESCRICAO2", "Descricao2", TDominioId::VARCHAR50, false),
    FColuna("DESCRICAO3", "Descricao3", TDominioId::VARCHAR50, false),
    FColuna("CODGRUPO", "Codgrupo", TDominioId::VARCHAR3, false),
    FColuna("CODSUBGRUPO", "Codsubgrupo", TDominioId::VARCHAR3, false),
    FColuna("TIPOPROD", "Tipoprod", TDominioId::VARCHAR1, false),
    FColuna("ESTMINIMO", "Estminimo", TDominioId::NUMERICO, false),
    FColuna("DIASESTMINIMO", "Diasestminimo", TDominioId::INTEIRO, false),
    FColuna("ESTMAXIMO", "Estmaximo", TDominioId::NUMERICO, false),
    FColuna("DIASESTMAXIMO", "Diasestmaximo", TDominioId::INTEIRO, false),
    FColuna("CODCLASFIS", "Codclasfis", TDominioId::VARCHAR3, false),
    FColuna("ALIQIPI", "Aliqipi", TDominioId::NUMERICO, false),
    FColuna("ALIQISS", "Aliqiss", TDominioId::NUMERICO, false),
    FColuna("ALIQICMSREG00", "Aliqicmsreg00", TDominioId::NUMERICO, false),
    FColuna("BASEICMSREG00", "Baseicmsreg00", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUT00", "Codtribut00", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEM00", "Mensagem00", TDominioId::VARCHAR3, false),
    FColuna("ALIQICMSREG01", "Aliqicmsreg01", TDominioId::NUMERICO, false),
    FColuna("BASEICMSREG01", "Baseicmsreg01", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUT01", "Codtribut01", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEM01", "Mensagem01", TDominioId::VARCHAR3, false),
    FColuna("ALIQICMSREG02", "Aliqicmsreg02", TDominioId::NUMERICO, false),
    FColuna("BASEICMSREG02", "Baseicmsreg02", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUT02", "Codtribut02", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEM02", "Mensagem02", TDominioId::VARCHAR3, false),
    FColuna("ALIQICMSREG03", "Aliqicmsreg03", TDominioId::NUMERICO, false),
    FColuna("BASEICMSREG03", "Baseicmsreg03", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUT03", "Codtribut03", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEM03", "Mensagem03", TDominioId::VARCHAR3, false),
    FColuna("SUBSTRIB", "Substrib", TDominioId::VARCHAR1, false),
    FColuna("LUCROSUBSTRIB", "Lucrosubstrib", TDominioId::NUMERICO, false),
    FColuna("COMISSAO", "Comissao", TDominioId::NUMERICO, false),
    FColuna("EMBALAGEM", "Embalagem", TDominioId::VARCHAR15, false),
    FColuna("CODLOCAL", "Codlocal", TDominioId::VARCHAR8, false),
    FColuna("CODFABRIC", "Codfabric", TDominioId::VARCHAR5, false),
    FColuna("PESO", "Peso", TDominioId::NUMERICO, false),
    FColuna("UNIDADEENT", "Unidadeent", TDominioId::VARCHAR6, false),
    FColuna("UNIDADESAIDA", "Unidadesaida", TDominioId::VARCHAR6, false),
    FColuna("FATORCONVERSAO", "Fatorconversao", TDominioId::NUMERICO, false),
    FColuna("MULTDIVIDE", "Multdivide", TDominioId::VARCHAR1, false),
    FColuna("PR_ULT_ENT1", "Pr_ult_ent1", TDominioId::NUMERICO, false),
    FColuna("DATA_ULT_ENT1", "Data_ult_ent1", TDominioId::DATA, false),
    FColuna("QUANT_ULT_ENT1", "Quant_ult_ent1", TDominioId::NUMERICO, false),
    FColuna("FORNEC_ULT_ENT1", "Fornec_ult_ent1", TDominioId::VARCHAR6, false),
    FColuna("PR_ULT_ENT2", "Pr_ult_ent2", TDominioId::NUMERICO, false),
    FColuna("DATA_ULT_ENT2", "Data_ult_ent2", TDominioId::DATA, false),
    FColuna("QUANT_ULT_ENT2", "Quant_ult_ent2", TDominioId::NUMERICO, false),
    FColuna("FORNEC_ULT_ENT2", "Fornec_ult_ent2", TDominioId::VARCHAR6, false),
    FColuna("PR_ULT_ENT3", "Pr_ult_ent3", TDominioId::NUMERICO, false),
    FColuna("DATA_ULT_ENT3", "Data_ult_ent3", TDominioId::DATA, false),
    FColuna("QUANT_ULT_ENT3", "Quant_ult_ent3", TDominioId::NUMERICO, false),
    FColuna("FORNEC_ULT_ENT3", "Fornec_ult_ent3", TDominioId::VARCHAR6, false),
    FColuna("DVV", "Dvv", TDominioId::NUMERICO, false),
    FColuna("LUCRO", "Lucro", TDominioId::NUMERICO, false),
    FColuna("SUGESTAO", "Sugestao", TDominioId::NUMERICO, false),
    FColuna("PRECO", "Preco", TDominioId::NUMERICO, false),
    FColuna("PRODBLOQUEADO", "Prodbloqueado", TDominioId::VARCHAR1, false),
    FColuna("CAMPOLIVRE1", "Campolivre1", TDominioId::VARCHAR20, false),
    FColuna("CAMPOLIVRE2", "Campolivre2", TDominioId::VARCHAR20, false),
    FColuna("CAMPOLIVRE3", "Campolivre3", TDominioId::VARCHAR50, false),
    FColuna("CAMPOLIVRE4", "Campolivre4", TDominioId::VARCHAR50, false),
    FColuna("PRINCIPALFORNEC", "Principalfornec", TDominioId::VARCHAR6, false),
    FColuna("NOTA_ULT_ENT1", "Nota_ult_ent1", TDominioId::VARCHAR7, false),
    FColuna("NOTA_ULT_ENT2", "Nota_ult_ent2", TDominioId::VARCHAR7, false),
    FColuna("NOTA_ULT_ENT3", "Nota_ult_ent3", TDominioId::VARCHAR7, false),
    FColuna("CONTROLESERIE", "Controleserie", TDominioId::VARCHAR1, false),
    FColuna("CODPRODBAIXA", "Codprodbaixa", TDominioId::VARCHAR6, false),
    FColuna("FATORCONVBAIXA", "Fatorconvbaixa", TDominioId::NUMERICO, false),
    FColuna("MULTDIVBAIXA", "Multdivbaixa", TDominioId::VARCHAR1, false),
    FColuna("CODFRETE", "Codfrete", TDominioId::VARCHAR3, false),
    FColuna("DT_CADASTRO", "Dt_cadastro", TDominioId::DATA, false),
    FColuna("DESCRICAOPRECO", "Descricaopreco", TDominioId::VARCHAR10, false),
    FColuna("PRECO2", "Preco2", TDominioId::NUMERICO, false),
    FColuna("DESCRICAOPRECO2", "Descricaopreco2", TDominioId::VARCHAR10, false),
    FColuna("PRECO3", "Preco3", TDominioId::NUMERICO, false),
    FColuna("DESCRICAOPRECO3", "Descricaopreco3", TDominioId::VARCHAR10, false),
    FColuna("LUCRO2", "Lucro2", TDominioId::NUMERICO, false),
    FColuna("LUCRO3", "Lucro3", TDominioId::NUMERICO, false),
    FColuna("ITEMPORTARIA790", "Itemportaria790", TDominioId::VARCHAR2, false),
    FColuna("ENVIADO", "Enviado", TDominioId::VARCHAR1, false),
    FColuna("PRECODOLAR", "Precodolar", TDominioId::NUMERICO, false),
    FColuna("DATA_ULT_ALTERACAO", "Data_ult_alteracao", TDominioId::DATA, false),
    FColuna("PERCPERDA", "Percperda", TDominioId::NUMERICO, false),
    FColuna("PRECOPROMO", "Precopromo", TDominioId::NUMERICO, false),
    FColuna("DATAINIPROMO", "Datainipromo", TDominioId::DATA, false),
    FColuna("DATAFIMPROMO", "Datafimpromo", TDominioId::DATA, false),
    FColuna("SUBSTRIBSAIDA", "Substribsaida", TDominioId::VARCHAR1, false),
    FColuna("PERCBASESUBSTRIBSAIDA", "Percbasesubstribsaida", TDominioId::NUMERICO, false),
    FColuna("PERCICMSSUBSTRIBSAIDA", "Percicmssubstribsaida", TDominioId::NUMERICO, false),
    FColuna("TEMSUBITENS", "Temsubitens", TDominioId::VARCHAR1, false),
    FColuna("CODSEGMENTOSUBTRIBSAIDA", "Codsegmentosubtribsaida", TDominioId::VARCHAR3, false),
    FColuna("ALIQICMSDIVERSOS", "Aliqicmsdiversos", TDominioId::NUMERICO, false),
    FColuna("BASEICMSDIVERSOS", "Baseicmsdiversos", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUTDIVERSOS", "Codtributdiversos", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEMDIVERSOS", "Mensagemdiversos", TDominioId::VARCHAR3, false),
    FColuna("TIPODIVERSOS", "Tipodiversos", TDominioId::VARCHAR8, false),
    FColuna("CONTACXA", "Contacxa", TDominioId::VARCHAR7, false),
    FColuna("PERCICMMARGEMLUCRO", "Percicmmargemlucro", TDominioId::NUMERICO, false),
    FColuna("ALIQINTERNAICMLUCRO", "Aliqinternaicmlucro", TDominioId::NUMERICO, false),
    FColuna("SEGMENTOICMLUCRO", "Segmentoicmlucro", TDominioId::VARCHAR3, false),
    FColuna("SEGMENTOICMDIVERSOS", "Segmentoicmdiversos", TDominioId::VARCHAR3, false),
    FColuna("ALIQICMSDIVERSOS2", "Aliqicmsdiversos2", TDominioId::NUMERICO, false),
    FColuna("BASEICMSDIVERSOS2", "Baseicmsdiversos2", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUTDIVERSOS2", "Codtributdiversos2", TDominioId::VARCHAR3, false),
    FColuna("MENSAGEMDIVERSOS2", "Mensagemdiversos2", TDominioId::VARCHAR3, false),
    FColuna("CONTROLELOTE", "Controlelote", TDominioId::VARCHAR1, false),
    FColuna("GRADE", "Grade", TDominioId::INTEIRO, false),
    FColuna("ACEITAPRECOZERO", "Aceitaprecozero", TDominioId::VARCHAR1, false),
    FColuna("VLRCOBRAROPER", "Vlrcobraroper", TDominioId::NUMERICO, false),
    FColuna("COMISSAOVLR", "Comissaovlr", TDominioId::NUMERICO, false),
    FColuna("GARANTIA", "Garantia", TDominioId::INTEIRO, false),
    FColuna("ALIQICMSPDV", "Aliqicmspdv", TDominioId::NUMERICO, false),
    FColuna("IPIANTIGO", "Ipiantigo", TDominioId::NUMERICO, true),
    FColuna("CUSTODOLAR", "Custodolar", TDominioId::NUMERICO, false),
    FColuna("LUCRO4", "Lucro4", TDominioId::NUMERICO, false),
    FColuna("DESCRICAOPRECO4", "Descricaopreco4", TDominioId::VARCHAR10, false),
    FColuna("PRECO4", "Preco4", TDominioId::NUMERICO, false),
    FColuna("PRODBALANCA", "Prodbalanca", TDominioId::VARCHAR1, false),
    FColuna("SUBSTRIBSAIDAR1", "Substribsaidar1", TDominioId::VARCHAR1, false),
    FColuna("PERCBASESUBSTRIBSAIDAR1", "Percbasesubstribsaidar1", TDominioId::NUMERICO, false),
    FColuna("PERCICMSSUBSTRIBSAIDAR1", "Percicmssubstribsaidar1", TDominioId::NUMERICO, false),
    FColuna("SUBSTRIBSAIDAR2", "Substribsaidar2", TDominioId::VARCHAR1, false),
    FColuna("PERCBASESUBSTRIBSAIDAR2", "Percbasesubstribsaidar2", TDominioId::NUMERICO, false),
    FColuna("PERCICMSSUBSTRIBSAIDAR2", "Percicmssubstribsaidar2", TDominioId::NUMERICO, false),
    FColuna("SUBSTRIBSAIDAR3", "Substribsaidar3", TDominioId::VARCHAR1, false),
    FColuna("PERCBASESUBSTRIBSAIDAR3", "Percbasesubstribsaidar3", TDominioId::NUMERICO, false),
    FColuna("PERCICMSSUBSTRIBSAIDAR3", "Percicmssubstribsaidar3", TDominioId::NUMERICO, false),
    FColuna("DESCONTOMAXIMO", "Descontomaximo", TDominioId::NUMERICO, false),
    FColuna("LUCROPREVISTO", "Lucroprevisto", TDominioId::NUMERICO, false),
    FColuna("REDUTOR", "Redutor", TDominioId::NUMERICO, false),
    FColuna("TIPOMEDICAMENTO", "Tipomedicamento", TDominioId::INTEIRO, false),
    FColuna("DESCPERCPADRAO", "Descpercpadrao", TDominioId::NUMERICO, false),
    FColuna("ITEMPORTARIAFORAUF", "Itemportariaforauf", TDominioId::VARCHAR2, false),
    FColuna("DATA_ULT_REAJUSTE", "Data_ult_reajuste", TDominioId::DATA, false),
    FColuna("PRECO_ANTERIOR", "Preco_anterior", TDominioId::NUMERICO, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::BLOB50, false),
    FColuna("CODVOLUME", "Codvolume", TDominioId::VARCHAR3, false),
    FColuna("FRACIONADO", "Fracionado", TDominioId::VARCHAR1, false),
    FColuna("CODGENEROITEM", "Codgeneroitem", TDominioId::VARCHAR2, false),
    FColuna("CUSTOOPERC", "Custooperc", TDominioId::NUMERICO, false),
    FColuna("PERC_IVA", "Perc_iva", TDominioId::NUMERICO, false),
    FColuna("VALORIPI", "Valoripi", TDominioId::NUMERICO, false),
    FColuna("TIPOENTREGA", "Tipoentrega", TDominioId::VARCHAR1, false),
    FColuna("LIMINILOTEENTREGA", "Liminiloteentrega", TDominioId::NUMERICO, false),
    FColuna("LIMFIMLOTEENTREGA", "Limfimloteentrega", TDominioId::NUMERICO, false),
    FColuna("CONSIDERACOMISSAO", "Consideracomissao", TDominioId::VARCHAR1, false),
    FColuna("MULTIPLO", "Multiplo", TDominioId::NUMERICO, false),
    FColuna("UNIDADEMULTIPLO", "Unidademultiplo", TDominioId::VARCHAR4, false),
    FColuna("SUBSTRIBSAIDAR4", "Substribsaidar4", TDominioId::VARCHAR1, false),
    FColuna("PERCBASESUBSTRIBSAIDAR4", "Percbasesubstribsaidar4", TDominioId::NUMERICO, false),
    FColuna("PERCICMSSUBSTRIBSAIDAR4", "Percicmssubstribsaidar4", TDominioId::NUMERICO, false),
    FColuna("TIPOLISTA", "Tipolista", TDominioId::VARCHAR1, false),
    FColuna("CODPRODPRODUCAO", "Codprodproducao", TDominioId::VARCHAR6, false),
    FColuna("FARMACIAPOPULAR", "Farmaciapopular", TDominioId::VARCHAR1, false),
    FColuna("CFOPDENTROUF", "Cfopdentrouf", TDominioId::VARCHAR4, false),
    FColuna("CFOPFORAUF", "Cfopforauf", TDominioId::VARCHAR4, false),
    FColuna("CODPRODPAI", "Codprodpai", TDominioId::VARCHAR6, false),
    FColuna("CODFAMILIA", "Codfamilia", TDominioId::VARCHAR2, false),
    FColuna("CODTIPOPRODUTO", "Codtipoproduto", TDominioId::VARCHAR2, false),
    FColuna("TESTEDOGERABANCO", "Testedogerabanco", TDominioId::VARCHAR10, false),
    FColuna("PASSAPELOLAUDO", "Passapelolaudo", TDominioId::VARCHAR1, false),
};
static_assert(std::size(ColunasProduto) == 165);
inline constexpr std::string_view ChavePkProduto[] = {"CODPROD"};
inline constexpr TTabelaCatalogo TabelaProduto{
    "PRODUTO", "Produto", "TRegistroProduto", true, ColunasProduto, DominiosProduto,
    "PK_Produto", "CODPROD", ChavePkProduto};

// FORNECE
inline constexpr TDominioId DominiosFornece[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3, TDominioId::VARCHAR5,
    TDominioId::CHAR6, TDominioId::VARCHAR7, TDominioId::NUMERICO, TDominioId::VARCHAR8,
    TDominioId::VARCHAR10, TDominioId::VARCHAR14, TDominioId::VARCHAR15, TDominioId::VARCHAR20,
    TDominioId::VARCHAR30, TDominioId::VARCHAR35, TDominioId::VARCHAR40, TDominioId::VARCHAR50,
    TDominioId::VARCHAR60, TDominioId::BLOB80, TDominioId::VARCHAR100,
};
static_assert(std::size(DominiosFornece) == 19);
inline constexpr TColunaCatalogo ColunasFornece[] = {
    FColuna("CODFORNEC", "Codfornec", TDominioId::CHAR6, true),
    FColuna("NOME", "Nome", TDominioId::VARCHAR50, false),
    FColuna("NOMEFANTASIA", "Nomefantasia", TDominioId::VARCHAR40, false),
    FColuna("BAIRRO", "Bairro", TDominioId::VARCHAR30, false),
    FColuna("CEP", "Cep", TDominioId::VARCHAR8, false),
    FColuna("CAMPOLIVRE1", "Campolivre1", TDominioId::VARCHAR20, false),
    FColuna("CAMPOLIVRE2", "Campolivre2", TDominioId::VARCHAR20, false),
    FColuna("CGCCPF", "Cgccpf", TDominioId::VARCHAR14, false),
    FColuna("CODCIDADE", "Codcidade", TDominioId::VARCHAR5, false),
    FColuna("CODTIPO", "Codtipo", TDominioId::VARCHAR3, false),
    FColuna("CONTACX", "Contacx", TDominioId::VARCHAR7, false),
    FColuna("CONTATO", "Contato", TDominioId::VARCHAR35, false),
    FColuna("CTCTBRED", "Ctctbred", TDominioId::VARCHAR7, false),
    FColuna("ENDERECO", "Endereco", TDominioId::VARCHAR50, false),
    FColuna("ESTADO", "Estado", TDominioId::VARCHAR2, false),
    FColuna("FAX", "Fax", TDominioId::VARCHAR15, false),
    FColuna("FONE", "Fone", TDominioId::VARCHAR15, false),
    FColuna("INSCEST", "Inscest", TDominioId::VARCHAR15, false),
    FColuna("PESSOA_FJ", "Pessoa_fj", TDominioId::VARCHAR1, false),
    FColuna("HOMEPAGE", "Homepage", TDominioId::VARCHAR30, false),
    FColuna("EMAIL", "Email", TDominioId::VARCHAR100, false),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
    FColuna("CELULAR", "Celular", TDominioId::VARCHAR15, false),
    FColuna("INSCMUNICIPAL", "Inscmunicipal", TDominioId::VARCHAR15, false),
    FColuna("TIPOFORNECE", "Tipofornece", TDominioId::VARCHAR1, false),
    FColuna("COMISSAO", "Comissao", TDominioId::NUMERICO, false),
    FColuna("COMPLEMENTO", "Complemento", TDominioId::VARCHAR60, false),
    FColuna("NUMERO", "Numero", TDominioId::VARCHAR10, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::BLOB80, false),
};
static_assert(std::size(ColunasFornece) == 30);
inline constexpr std::string_view ChavePkFornece[] = {"CODFORNEC"};
inline constexpr TTabelaCatalogo TabelaFornece{
    "FORNECE", "Fornece", "TRegistroFornece", true, ColunasFornece, DominiosFornece,
    "PK_Fornece", "CODFORNEC", ChavePkFornece};

// VENDEND
inline constexpr TDominioId DominiosVendend[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::INTEIRO, TDominioId::VARCHAR4,
    TDominioId::VARCHAR5, TDominioId::VARCHAR6, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR8, TDominioId::VARCHAR15, TDominioId::VARCHAR18, TDominioId::VARCHAR30,
    TDominioId::VARCHAR40, TDominioId::VARCHAR50, TDominioId::VARCHAR60,
};
static_assert(std::size(DominiosVendend) == 15);
inline constexpr TColunaCatalogo ColunasVendend[] = {
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR4, true),
    FColuna("NOME", "Nome", TDominioId::VARCHAR40, false),
    FColuna("ENDERECO", "Endereco", TDominioId::VARCHAR50, false),
    FColuna("BAIRRO", "Bairro", TDominioId::VARCHAR30, false),
    FColuna("CODCIDADE", "Codcidade", TDominioId::VARCHAR5, false),
    FColuna("ESTADO", "Estado", TDominioId::VARCHAR2, false),
    FColuna("CEP", "Cep", TDominioId::VARCHAR8, false),
    FColuna("TELEFONE", "Telefone", TDominioId::VARCHAR15, false),
    FColuna("COMISSAO", "Comissao", TDominioId::NUMERICO, false),
    FColuna("EMAIL", "Email", TDominioId::VARCHAR60, false),
    FColuna("CODPRACA", "Codpraca", TDominioId::VARCHAR4, false),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("CODROTA", "Codrota", TDominioId::VARCHAR5, false),
    FColuna("CODROTA2", "Codrota2", TDominioId::VARCHAR5, false),
    FColuna("CODROTA3", "Codrota3", TDominioId::VARCHAR5, false),
    FColuna("CODROTA4", "Codrota4", TDominioId::VARCHAR5, false),
    FColuna("CODROTA5", "Codrota5", TDominioId::VARCHAR5, false),
    FColuna("CODROTA6", "Codrota6", TDominioId::VARCHAR5, false),
    FColuna("CODROTA7", "Codrota7", TDominioId::VARCHAR5, false),
    FColuna("CODROTA8", "Codrota8", TDominioId::VARCHAR5, false),
    FColuna("CODROTA9", "Codrota9", TDominioId::VARCHAR5, false),
    FColuna("CODROTA10", "Codrota10", TDominioId::VARCHAR5, false),
    FColuna("TIPOVENDEDOR", "Tipovendedor", TDominioId::VARCHAR1, false),
    FColuna("DATAULTIMAVISITA", "Dataultimavisita", TDominioId::DATA, false),
    FColuna("HORAINI", "Horaini", TDominioId::VARCHAR6, false),
    FColuna("HORAFIM", "Horafim", TDominioId::VARCHAR6, false),
    FColuna("CGCCPF", "Cgccpf", TDominioId::VARCHAR18, false),
    FColuna("INSCEST", "Inscest", TDominioId::VARCHAR15, false),
    FColuna("RG", "Rg", TDominioId::VARCHAR15, false),
    FColuna("MUDAPRECOPDV", "Mudaprecopdv", TDominioId::VARCHAR1, false),
    FColuna("ULTIMAVISITAMARCADA", "Ultimavisitamarcada", TDominioId::DATA, false),
    FColuna("SENHATRANSF", "Senhatransf", TDominioId::VARCHAR8, false),
    FColuna("CODSUPERVISOR", "Codsupervisor", TDominioId::VARCHAR4, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, false),
    FColuna("CODFORNEC", "Codfornec", TDominioId::VARCHAR6, false),
    FColuna("PRECOVENDEDOR", "Precovendedor", TDominioId::INTEIRO, false),
    FColuna("CODBARRASVEND", "Codbarrasvend", TDominioId::VARCHAR15, false),
    FColuna("SENHAFARMPOP", "Senhafarmpop", TDominioId::VARCHAR8, false),
};
static_assert(std::size(ColunasVendend) == 38);
inline constexpr std::string_view ChavePkVendend[] = {"CODVENDEDOR"};
inline constexpr TTabelaCatalogo TabelaVendend{
    "VENDEND", "Vendend", "TRegistroVendend", true, ColunasVendend, DominiosVendend,
    "PK_Vendend", "CODVENDEDOR", ChavePkVendend};

// CADUSUA
inline constexpr TDominioId DominiosCadusua[] = {
    TDominioId::CHAR1, TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::NUMERICO, TDominioId::VARCHAR10,
    TDominioId::VARCHAR20, TDominioId::VARCHAR24, TDominioId::VARCHAR30, TDominioId::VARCHAR40,
    TDominioId::BLOB50, TDominioId::BLOB80,
};
static_assert(std::size(DominiosCadusua) == 14);
inline constexpr TColunaCatalogo ColunasCadusua[] = {
    FColuna("USUARIO", "Usuario", TDominioId::VARCHAR10, true),
    FColuna("SENHA", "Senha", TDominioId::VARCHAR24, false),
    FColuna("NOME", "Nome", TDominioId::VARCHAR40, false),
    FColuna("LOTACAO", "Lotacao", TDominioId::VARCHAR30, false),
    FColuna("CARGO", "Cargo", TDominioId::VARCHAR30, false),
    FColuna("RE", "Re", TDominioId::VARCHAR20, false),
    FColuna("RAMAL", "Ramal", TDominioId::VARCHAR20, false),
    FColuna("DEPARTAMENTO", "Departamento", TDominioId::VARCHAR20, false),
    FColuna("IMPRESSORA", "Impressora", TDominioId::VARCHAR20, false),
    FColuna("ALFA", "Alfa", TDominioId::VARCHAR10, false),
    FColuna("EQUIPAMENTO", "Equipamento", TDominioId::VARCHAR20, false),
    FColuna("PODEMEXERDATA", "Podemexerdata", TDominioId::VARCHAR1, false),
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR4, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, false),
    FColuna("CODCOMPRADOR", "Codcomprador", TDominioId::VARCHAR3, false),
    FColuna("AUTORIZAOC", "Autorizaoc", TDominioId::VARCHAR1, false),
    FColuna("AUTORIZASOLIC", "Autorizasolic", TDominioId::VARCHAR1, false),
    FColuna("AUTORIZADIRETA", "Autorizadireta", TDominioId::VARCHAR1, false),
    FColuna("ALTERAPRECOORC", "Alteraprecoorc", TDominioId::VARCHAR1, false),
    FColuna("PERCDESCMAX", "Percdescmax", TDominioId::NUMERICO, false),
    FColuna("PERCDESCMAXCART", "Percdescmaxcart", TDominioId::NUMERICO, false),
    FColuna("PRAZOMEDIOMAX", "Prazomediomax", TDominioId::INTEIRO, false),
    FColuna("GERENTE", "Gerente", TDominioId::VARCHAR1, false),
    FColuna("TIPOSPEDIDOCANCELA", "Tipospedidocancela", TDominioId::VARCHAR20, false),
    FColuna("CODOPERCAUTORIZADOS", "Codopercautorizados", TDominioId::BLOB50, false),
    FColuna("USUARIOSDESCLIQ", "Usuariosdescliq", TDominioId::VARCHAR1, false),
    FColuna("LIBERATROCA", "Liberatroca", TDominioId::VARCHAR1, false),
    FColuna("AUTORIZALIMCLI", "Autorizalimcli", TDominioId::VARCHAR1, false),
    FColuna("PERCMAXDESCLIQ", "Percmaxdescliq", TDominioId::NUMERICO, false),
    FColuna("PODEBAIXARCHEQUE", "Podebaixarcheque", TDominioId::VARCHAR1, false),
    FColuna("PODEESTORNARCHEQUE", "Podeestornarcheque", TDominioId::VARCHAR1, false),
    FColuna("PODEALTERARNUMERODOVOID", "Podealterarnumerodovoid", TDominioId::VARCHAR1, false),
    FColuna("TEMPOOCIOSO", "Tempoocioso", TDominioId::INTEIRO, false),
    FColuna("PRECOSAALTERAR", "Precosaalterar", TDominioId::VARCHAR10, false),
    FColuna("CODPERFILCE", "Codperfilce", TDominioId::VARCHAR4, false),
    FColuna("TPVENDAAUTORIZADOS", "Tpvendaautorizados", TDominioId::BLOB50, false),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("ACESSASOMATORIA", "Acessasomatoria", TDominioId::VARCHAR1, false),
    FColuna("ALTERAPRECOLAUDOASSIS", "Alteraprecolaudoassis", TDominioId::VARCHAR1, false),
    FColuna("ALTERADESCPRODORC", "Alteradescprodorc", TDominioId::VARCHAR1, false),
    FColuna("DIGITAL1", "Digital1", TDominioId::BLOB80, false),
    FColuna("DIGITAL2", "Digital2", TDominioId::BLOB80, false),
    FColuna("DIGITAL3", "Digital3", TDominioId::BLOB80, false),
    FColuna("IMPRIMEVENDAAPRAZO", "Imprimevendaaprazo", TDominioId::VARCHAR1, false),
    FColuna("TPVENDAAUTORIZADOSORC", "Tpvendaautorizadosorc", TDominioId::BLOB50, false),
    FColuna("APROVACONFERENCIAOC", "Aprovaconferenciaoc", TDominioId::INTEIRO, false),
    FColuna("NAOALTERAOUEXCLUI", "Naoalteraouexclui", TDominioId::VARCHAR1, false),
    FColuna("EXIBETELABOASVINDAS", "Exibetelaboasvindas", TDominioId::CHAR1, false),
};
static_assert(std::size(ColunasCadusua) == 48);
inline constexpr std::string_view ChavePkCadusua[] = {"USUARIO"};
inline constexpr TTabelaCatalogo TabelaCadusua{
    "CADUSUA", "Cadusua", "TRegistroCadusua", true, ColunasCadusua, DominiosCadusua,
    "PK_Cadusua", "USUARIO", ChavePkCadusua};

// OPERADOR
inline constexpr TDominioId DominiosOperador[] = {
    TDominioId::VARCHAR1, TDominioId::INTEIRO, TDominioId::VARCHAR8, TDominioId::VARCHAR10,
    TDominioId::VARCHAR50,
};
static_assert(std::size(DominiosOperador) == 5);
inline constexpr TColunaCatalogo ColunasOperador[] = {
    FColuna("CODOPERADOR", "Codoperador", TDominioId::INTEIRO, true),
    FColuna("USUARIO", "Usuario", TDominioId::VARCHAR10, true),
    FColuna("NOME", "Nome", TDominioId::VARCHAR50, true),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, true),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
};
static_assert(std::size(ColunasOperador) == 5);
inline constexpr std::string_view ChavePkOperador[] = {"CODOPERADOR"};
inline constexpr TTabelaCatalogo TabelaOperador{
    "OPERADOR", "Operador", "TRegistroOperador", true, ColunasOperador, DominiosOperador,
    "PK_Operador", "CODOPERADOR", ChavePkOperador};

// CLIENTE
inline constexpr TDominioId DominiosCliente[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3, TDominioId::INTEIRO,
    TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR6, TDominioId::VARCHAR7,
    TDominioId::CHAR8, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8,
    TDominioId::VARCHAR15, TDominioId::VARCHAR18, TDominioId::VARCHAR20, TDominioId::VARCHAR30,
    TDominioId::VARCHAR40, TDominioId::BLOB50, TDominioId::VARCHAR50, TDominioId::VARCHAR60,
    TDominioId::BLOB80, TDominioId::VARCHAR100, TDominioId::VARCHAR250,
};
static_assert(std::size(DominiosCliente) == 23);
inline constexpr TColunaCatalogo ColunasCliente[] = {
    FColuna("CODCLIENTE", "Codcliente", TDominioId::CHAR8, true),
    FColuna("NOME", "Nome", TDominioId::VARCHAR60, false),
    FColuna("NOMEFANTASIA", "Nomefantasia", TDominioId::VARCHAR50, false),
    FColuna("ENDERECO", "Endereco", TDominioId::VARCHAR60, false),
    FColuna("BAIRRO", "Bairro", TDominioId::VARCHAR30, false),
    FColuna("CODCIDADE", "Codcidade", TDominioId::VARCHAR5, false),
    FColuna("ESTADO", "Estado", TDominioId::VARCHAR2, false),
    FColuna("CEP", "Cep", TDominioId::VARCHAR8, false),
    FColuna("CGCCPF", "Cgccpf", TDominioId::VARCHAR18, false),
    FColuna("INSCEST", "Inscest", TDominioId::VARCHAR15, false),
    FColuna("PESSOA_FJ", "Pessoa_fj", TDominioId::VARCHAR1, false),
    FColuna("CONTATO", "Contato", TDominioId::VARCHAR50, false),
    FColuna("FONE", "Fone", TDominioId::VARCHAR15, false),
    FColuna("FAX", "Fax", TDominioId::VARCHAR15, false),
    FColuna("CODCLASCLI", "Codclascli", TDominioId::VARCHAR3, false),
    FColuna("CODSEGMENTO", "Codsegmento", TDominioId::VARCHAR3, false),
    FColuna("ENDERECOCOB", "Enderecocob", TDominioId::VARCHAR60, false),
    FColuna("BAIRROCOB", "Bairrocob", TDominioId::VARCHAR30, false),
    FColuna("CODCIDADECOB", "Codcidadecob", TDominioId::VARCHAR5, false),
    FColuna("ESTADOCOB", "Estadocob", TDominioId::VARCHAR2, false),
    FColuna("CEPCOB", "Cepcob", TDominioId::VARCHAR8, false),
    FColuna("CTCTBRED", "Ctctbred", TDominioId::VARCHAR7, false),
    FColuna("NOMESOCIO", "Nomesocio", TDominioId::VARCHAR50, false),
    FColuna("CODTRANSPT", "Codtranspt", TDominioId::VARCHAR4, false),
    FColuna("CODVENDEND1", "Codvendend1", TDominioId::VARCHAR4, false),
    FColuna("ENDERECOENT", "Enderecoent", TDominioId::VARCHAR60, false),
    FColuna("BAIRROENT", "Bairroent", TDominioId::VARCHAR30, false),
    FColuna("CODCIDADEENT", "Codcidadeent", TDominioId::VARCHAR5, false),
    FColuna("ESTADOENT", "Estadoent", TDominioId::VARCHAR2, false),
    FColuna("CEPENT", "Cepent", TDominioId::VARCHAR8, false),
    FColuna("DT_CADASTRO", "Dt_cadastro", TDominioId::DATA, false),
    FColuna("DT_PRIMVENDA", "Dt_primvenda", TDominioId::DATA, false),
    FColuna("DT_ULTVENDA", "Dt_ultvenda", TDominioId::DATA, false),
    FColuna("CODPRAZO", "Codprazo", TDominioId::VARCHAR3, false),
    FColuna("EMAIL", "Email", TDominioId::VARCHAR60, false),
    FColuna("CAMPOLIVRE1", "Campolivre1", TDominioId::VARCHAR20, false),
    FColuna("CAMPOLIVRE2", "Campolivre2", TDominioId::VARCHAR20, false),
    FColuna("CAMPOLIVRE3", "Campolivre3", TDominioId::VARCHAR60, false),
    FColuna("CAMPOLIVRE4", "Campolivre4", TDominioId::VARCHAR60, false),
    FColuna("HOMEPAGE", "Homepage", TDominioId::VARCHAR30, false),
    FColuna("CLIBLOQUEADO", "Clibloqueado", TDominioId::VARCHAR1, false),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("DT_VALCAD", "Dt_valcad", TDominioId::DATA, false),
    FColuna("LIMITECREDITO", "Limitecredito", TDominioId::NUMERICO, false),
    FColuna("DT_NASCIMENTO", "Dt_nascimento", TDominioId::DATA, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::BLOB80, false),
    FColuna("CODFORNEC", "Codfornec", TDominioId::VARCHAR6, false),
    FColuna("DATA_ULT_ALTERACAO", "Data_ult_alteracao", TDominioId::DATA, false),
    FColuna("CAMPOLIVRE5", "Campolivre5", TDominioId::VARCHAR40, false),
    FColuna("CAMPOLIVRE6", "Campolivre6", TDominioId::VARCHAR40, false),
    FColuna("CAMPOLIVRE7", "Campolivre7", TDominioId::VARCHAR40, false),
    FColuna("CAMPOLIVRE8", "Campolivre8", TDominioId::VARCHAR40, false),
    FColuna("CAMPOLIVRE9", "Campolivre9", TDominioId::VARCHAR40, false),
    FColuna("CAMPOLIVRE10", "Campolivre10", TDominioId::VARCHAR40, false),
    FColuna("CODROTA", "Codrota", TDominioId::VARCHAR5, false),
    FColuna("TIPOCLIENTE", "Tipocliente", TDominioId::VARCHAR1, false),
    FColuna("CELULAR", "Celular", TDominioId::VARCHAR20, false),
    FColuna("CODOPCEL", "Codopcel", TDominioId::INTEIRO, false),
    FColuna("MALADIRETAELETR", "Maladiretaeletr", TDominioId::VARCHAR1, false),
    FColuna("PREFIXCELULAR", "Prefixcelular", TDominioId::VARCHAR4, false),
    FColuna("PRAZOPGTOLIBERADO", "Prazopgtoliberado", TDominioId::VARCHAR40, false),
    FColuna("FORMAPGTOLIBERADO", "Formapgtoliberado", TDominioId::VARCHAR40, false),
    FColuna("CODTVENDA", "Codtvenda", TDominioId::VARCHAR4, false),
    FColuna("RETEMPISCONFIS", "Retempisconfis", TDominioId::VARCHAR1, false),
    FColuna("CODREPRESENTANTE", "Codrepresentante", TDominioId::VARCHAR4, false),
    FColuna("TIPOVENDA", "Tipovenda", TDominioId::INTEIRO, false),
    FColuna("SEQROTA", "Seqrota", TDominioId::INTEIRO, false),
    FColuna("CARENCIADEBITOPDV", "Carenciadebitopdv", TDominioId::INTEIRO, false),
    FColuna("GRUPOSPRODUTO", "Gruposproduto", TDominioId::VARCHAR100, false),
    FColuna("CODFICHA", "Codficha", TDominioId::INTEIRO, false),
    FColuna("OUTRASDESPESASNF", "Outrasdespesasnf", TDominioId::NUMERICO, false),
    FColuna("OPTANTESIMPLES", "Optantesimples", TDominioId::VARCHAR1, false),
    FColuna("PROTESTARCLIENTE", "Protestarcliente", TDominioId::VARCHAR1, false),
    FColuna("TIPOCONTRATO", "Tipocontrato", TDominioId::INTEIRO, false),
    FColuna("DIAVENCCONTRATO", "Diavenccontrato", TDominioId::INTEIRO, false),
    FColuna("DATABASECONTRATO", "Databasecontrato", TDominioId::DATA, false),
    FColuna("QTDSALARIOMINIMO", "Qtdsalariominimo", TDominioId::NUMERICO, false),
    FColuna("VALORCONTRATO", "Valorcontrato", TDominioId::NUMERICO, false),
    FColuna("CODEMPRESACLI", "Codempresacli", TDominioId::VARCHAR2, false),
    FColuna("DATACANCELACONTRATO", "Datacancelacontrato", TDominioId::DATA, false),
    FColuna("MOTIVOCANCELACONTRATO", "Motivocancelacontrato", TDominioId::BLOB50, false),
    FColuna("EXIGENF", "Exigenf", TDominioId::INTEIRO, false),
    FColuna("SENHAINSTALACAO", "Senhainstalacao", TDominioId::VARCHAR250, false),
    FColuna("CODMOTIVOCANCCONTRATO", "Codmotivocanccontrato", TDominioId::VARCHAR3, false),
    FColuna("INSCMUNICIPAL", "Inscmunicipal", TDominioId::VARCHAR15, false),
    FColuna("PRAZOPROTESTO", "Prazoprotesto", TDominioId::INTEIRO, false),
    FColuna("RETEMISS", "Retemiss", TDominioId::VARCHAR1, false),
    FColuna("PLACA", "Placa", TDominioId::VARCHAR20, false),
    FColuna("KM", "Km", TDominioId::VARCHAR20, false),
    FColuna("CONTRIBUINTEST", "Contribuintest", TDominioId::INTEIRO, false),
    FColuna("CODCLIENTEECOM", "Codclienteecom", TDominioId::INTEIRO, false),
    FColuna("CODPAIS", "Codpais", TDominioId::VARCHAR4, false),
};
static_assert(std::size(ColunasCliente) == 92);
inline constexpr std::string_view ChavePkCliente[] = {"CODCLIENTE"};
inline constexpr TTabelaCatalogo TabelaCliente{
    "CLIENTE", "Cliente", "TRegistroCliente", true, ColunasCliente, DominiosCliente,
    "PK_Cliente", "CODCLIENTE", ChavePkCliente};

// CDOPERC
inline constexpr TDominioId DominiosCdoperc[] = {
    TDominioId::CHAR1, TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::NUMERICO,
    TDominioId::VARCHAR9, TDominioId::VARCHAR15, TDominioId::VARCHAR25, TDominioId::BLOB50,
};
static_assert(std::size(DominiosCdoperc) == 12);
inline constexpr TColunaCatalogo ColunasCdoperc[] = {
    FColuna("CODOPER", "Codoper", TDominioId::VARCHAR3, true),
    FColuna("NOP", "Nop", TDominioId::VARCHAR9, false),
    FColuna("DESCRICAO", "Descricao", TDominioId::VARCHAR25, false),
    FColuna("PERCENTUAL", "Percentual", TDominioId::NUMERICO, false),
    FColuna("COMISSAO", "Comissao", TDominioId::VARCHAR1, false),
    FColuna("MAPAVENDA", "Mapavenda", TDominioId::VARCHAR1, false),
    FColuna("GERAREC", "Gerarec", TDominioId::VARCHAR1, false),
    FColuna("ICMS", "Icms", TDominioId::VARCHAR1, false),
    FColuna("IPI", "Ipi", TDominioId::VARCHAR1, false),
    FColuna("BASEICM", "Baseicm", TDominioId::VARCHAR1, false),
    FColuna("ATUALEST", "Atualest", TDominioId::VARCHAR1, false),
    FColuna("GERACTB", "Geractb", TDominioId::VARCHAR1, false),
    FColuna("GERALIVROS", "Geralivros", TDominioId::VARCHAR1, false),
    FColuna("TPOPERACAO", "Tpoperacao", TDominioId::VARCHAR1, false),
    FColuna("GERAPAGAR", "Gerapagar", TDominioId::VARCHAR1, false),
    FColuna("BAIXAORC", "Baixaorc", TDominioId::VARCHAR1, false),
    FColuna("DEVVENDA", "Devvenda", TDominioId::VARCHAR1, false),
    FColuna("DEVCMP", "Devcmp", TDominioId::VARCHAR1, false),
    FColuna("INTBAN", "Intban", TDominioId::VARCHAR1, false),
    FColuna("INTCXA", "Intcxa", TDominioId::VARCHAR1, false),
    FColuna("INTPREDATA", "Intpredata", TDominioId::VARCHAR1, false),
    FColuna("EMITECHEQUE", "Emitecheque", TDominioId::VARCHAR1, false),
    FColuna("CODBANCO", "Codbanco", TDominioId::VARCHAR4, false),
    FColuna("CODAGEN", "Codagen", TDominioId::VARCHAR5, false),
    FColuna("CONTA", "Conta", TDominioId::VARCHAR15, false),
    FColuna("INFCONTACXA", "Infcontacxa", TDominioId::VARCHAR1, false),
    FColuna("ENTCONSIG", "Entconsig", TDominioId::VARCHAR1, false),
    FColuna("DEVCONSIG", "Devconsig", TDominioId::VARCHAR1, false),
    FColuna("SAIDCONSIG", "Saidconsig", TDominioId::VARCHAR1, false),
    FColuna("DEVCONSIGNAOVEND", "Devconsignaovend", TDominioId::VARCHAR1, false),
    FColuna("GERALIVROIPI", "Geralivroipi", TDominioId::VARCHAR2, false),
    FColuna("INFOBSLIVROFISCAL", "Infobslivrofiscal", TDominioId::VARCHAR1, false),
    FColuna("FATURAMENTOCONSIGNACAO", "Faturamentoconsignacao", TDominioId::VARCHAR1, false),
    FColuna("GRAVACUSTO", "Gravacusto", TDominioId::VARCHAR1, false),
    FColuna("FATMERCCONSIG", "Fatmercconsig", TDominioId::VARCHAR1, false),
    FColuna("IPISEMPREBASEICM", "Ipisemprebaseicm", TDominioId::VARCHAR1, false),
    FColuna("PERCPISCOFINS", "Percpiscofins", TDominioId::NUMERICO, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::BLOB50, false),
    FColuna("IPIINCIDEFRETE", "Ipiincidefrete", TDominioId::VARCHAR1, false),
    FColuna("IMPRIMENF", "Imprimenf", TDominioId::CHAR1, false),
    FColuna("OUTRASDESPESASTRIBUTADAS", "Outrasdespesastributadas", TDominioId::VARCHAR1, false),
    FColuna("FRETEINCIDEICMS", "Freteincideicms", TDominioId::VARCHAR1, false),
    FColuna("TIPOVINCULO", "Tipovinculo", TDominioId::VARCHAR1, false),
    FColuna("OPCAOVINCULO", "Opcaovinculo", TDominioId::VARCHAR1, false),
    FColuna("CODVINCULO", "Codvinculo", TDominioId::VARCHAR4, false),
    FColuna("SOMENTEIMPORTACAO", "Somenteimportacao", TDominioId::VARCHAR1, false),
    FColuna("MAPACOMPRAS", "Mapacompras", TDominioId::VARCHAR1, false),
    FColuna("IPIBASEST", "Ipibasest", TDominioId::VARCHAR1, false),
    FColuna("NOP2", "Nop2", TDominioId::VARCHAR9, false),
    FColuna("ATIVO", "Ativo", TDominioId::VARCHAR1, false),
    FColuna("ISENCAOISS", "Isencaoiss", TDominioId::CHAR1, false),
    FColuna("SUBSTRIBMANUAL", "Substribmanual", TDominioId::CHAR1, false),
    FColuna("SOLICITAINSSRETIDO", "Solicitainssretido", TDominioId::VARCHAR1, false),
    FColuna("NFEAJUSTE", "Nfeajuste", TDominioId::VARCHAR1, false),
    FColuna("ICMSBASEREDUZIDA", "Icmsbasereduzida", TDominioId::VARCHAR1, false),
    FColuna("IPINFNAODESTACA", "Ipinfnaodestaca", TDominioId::VARCHAR1, false),
    FColuna("STNFNAODESTACA", "Stnfnaodestaca", TDominioId::VARCHAR1, true),
    FColuna("TRANSFENTREFILIAIS", "Transfentrefiliais", TDominioId::INTEIRO, false),
    FColuna("ABATEFINANCEIRODEVOLUCAONF", "Abatefinanceirodevolucaonf", TDominioId::VARCHAR1, false),
    FColuna("NAOGERAPISCOFINS", "Naogerapiscofins", TDominioId::INTEIRO, false),
    FColuna("DESCONTOREDUZBASEIPI", "Descontoreduzbaseipi", TDominioId::VARCHAR1, false),
};
static_assert(std::size(ColunasCdoperc) == 61);
inline constexpr std::string_view ChavePkCdoperc[] = {"CODOPER"};
inline constexpr TTabelaCatalogo TabelaCdoperc{
    "CDOPERC", "Cdoperc", "TRegistroCdoperc", true, ColunasCdoperc, DominiosCdoperc,
    "PK_Cdoperc", "CODOPER", ChavePkCdoperc};

// PEDIDOC
inline constexpr TDominioId DominiosPedidoc[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR6,
    TDominioId::CHAR8, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8,
    TDominioId::VARCHAR10, TDominioId::VARCHAR12, TDominioId::VARCHAR15, TDominioId::VARCHAR20,
    TDominioId::VARCHAR25, TDominioId::VARCHAR32, TDominioId::BLOB50, TDominioId::VARCHAR50,
    TDominioId::VARCHAR60,
};
static_assert(std::size(DominiosPedidoc) == 21);
inline constexpr TColunaCatalogo ColunasPedidoc[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TIPOPEDIDO", "Tipopedido", TDominioId::CHAR2, true),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::CHAR8, true),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::CHAR8, true),
    FColuna("DATAPEDIDO", "Datapedido", TDominioId::DATA, false),
    FColuna("CODPRAZO", "Codprazo", TDominioId::VARCHAR3, false),
    FColuna("FATURADO", "Faturado", TDominioId::VARCHAR1, false),
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR4, false),
    FColuna("COMISSAO", "Comissao", TDominioId::NUMERICO, false),
    FColuna("DESCONTOPERC", "Descontoperc", TDominioId::NUMERICO, false),
    FColuna("CODTRANSPT", "Codtranspt", TDominioId::VARCHAR4, false),
    FColuna("OBSERVACAO1", "Observacao1", TDominioId::VARCHAR60, false),
    FColuna("CODOPER", "Codoper", TDominioId::VARCHAR3, false),
    FColuna("PEDIDOCLIENTE", "Pedidocliente", TDominioId::VARCHAR8, false),
    FColuna("TURNO", "Turno", TDominioId::VARCHAR2, false),
    FColuna("DATAFATURA", "Datafatura", TDominioId::DATA, false),
    FColuna("CODORC", "Codorc", TDominioId::VARCHAR8, false),
    FColuna("FRETE", "Frete", TDominioId::NUMERICO, false),
    FColuna("DESCONTOVLR", "Descontovlr", TDominioId::NUMERICO, false),
    FColuna("DATAENTREGA", "Dataentrega", TDominioId::DATA, false),
    FColuna("HORAENTREGA", "Horaentrega", TDominioId::VARCHAR5, false),
    FColuna("VLRTICKET", "Vlrticket", TDominioId::NUMERICO, false),
    FColuna("VLRACRESCIMO", "Vlracrescimo", TDominioId::NUMERICO, false),
    FColuna("JUROS", "Juros", TDominioId::NUMERICO, false),
    FColuna("CODPEDIDOVENDA", "Codpedidovenda", TDominioId::VARCHAR8, false),
    FColuna("CODPEDIDOTROCA", "Codpedidotroca", TDominioId::VARCHAR8, false),
    FColuna("CODPEDIDOORIGINAL", "Codpedidooriginal", TDominioId::VARCHAR8, false),
    FColuna("DESCONTOTROCA", "Descontotroca", TDominioId::NUMERICO, false),
    FColuna("TIPOPEDIDOIMPORTADO", "Tipopedidoimportado", TDominioId::VARCHAR2, false),
    FColuna("CODPEDIDOIMPORTADO", "Codpedidoimportado", TDominioId::VARCHAR8, false),
    FColuna("CODROTA", "Codrota", TDominioId::VARCHAR5, false),
    FColuna("CODVENDEDOR2", "Codvendedor2", TDominioId::VARCHAR4, false),
    FColuna("COMISSAO2", "Comissao2", TDominioId::NUMERICO, false),
    FColuna("OUTRASDESPESAS", "Outrasdespesas", TDominioId::NUMERICO, false),
    FColuna("SEGURO", "Seguro", TDominioId::NUMERICO, false),
    FColuna("TIPOFRETE", "Tipofrete", TDominioId::VARCHAR1, false),
    FColuna("STATUSPEDIDO", "Statuspedido", TDominioId::VARCHAR2, false),
    FColuna("CODPEDIDODEVOLUCAO", "Codpedidodevolucao", TDominioId::VARCHAR8, false),
    FColuna("TIPOPEDIDODEVOLUCAO", "Tipopedidodevolucao", TDominioId::VARCHAR2, false),
    FColuna("TOTALPEDIDO", "Totalpedido", TDominioId::NUMERICO, false),
    FColuna("CODTVENDA", "Codtvenda", TDominioId::VARCHAR4, false),
    FColuna("CODEMPRESAORC", "Codempresaorc", TDominioId::VARCHAR2, false),
    FColuna("DESCPERMUTA", "Descpermuta", TDominioId::NUMERICO, false),
    FColuna("DESCCREDITO", "Desccredito", TDominioId::NUMERICO, false),
    FColuna("CODCLIENTE2", "Codcliente2", TDominioId::VARCHAR8, false),
    FColuna("DATAPOSPAGO", "Datapospago", TDominioId::DATA, false),
    FColuna("DESCPERCTROCA", "Descperctroca", TDominioId::NUMERICO, false),
    FColuna("DESCFINANCEIRO", "Descfinanceiro", TDominioId::NUMERICO, false),
    FColuna("USUARIO", "Usuario", TDominioId::VARCHAR10, false),
    FColuna("HORA", "Hora", TDominioId::VARCHAR8, false),
    FColuna("CONTROLE", "Controle", TDominioId::VARCHAR15, false),
    FColuna("TIPODOCTO", "Tipodocto", TDominioId::VARCHAR2, false),
    FColuna("CODCONTENTREGA", "Codcontentrega", TDominioId::VARCHAR8, false),
    FColuna("OBSERVACAO2", "Observacao2", TDominioId::VARCHAR60, false),
    FColuna("OBSERVACAO3", "Observacao3", TDominioId::VARCHAR60, false),
    FColuna("VEZESIMPRESSO", "Vezesimpresso", TDominioId::INTEIRO, false),
    FColuna("TIPOENCERRAMENTO", "Tipoencerramento", TDominioId::INTEIRO, false),
    FColuna("CODIGOMIDIA", "Codigomidia", TDominioId::VARCHAR4, false),
    FColuna("NUMCUPOM", "Numcupom", TDominioId::VARCHAR6, false),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, false),
    FColuna("CODEMPRESAIMPORTADO", "Codempresaimportado", TDominioId::VARCHAR2, false),
    FColuna("CODPROJ", "Codproj", TDominioId::INTEIRO, false),
    FColuna("TRANSITO", "Transito", TDominioId::VARCHAR1, false),
    FColuna("QTDFRETE", "Qtdfrete", TDominioId::NUMERICO, false),
    FColuna("CODLOCAL", "Codlocal", TDominioId::VARCHAR3, false),
    FColuna("FLAGINTEGRACAO", "Flagintegracao", TDominioId::VARCHAR1, false),
    FColuna("CODSTATUSPEDIDO", "Codstatuspedido", TDominioId::VARCHAR2, false),
    FColuna("DATAPREVISTAENTREGA", "Dataprevistaentrega", TDominioId::DATA, false),
    FColuna("DATAENTREGARECEITA", "Dataentregareceita", TDominioId::DATA, false),
    FColuna("NUMORDCTB", "Numordctb", TDominioId::VARCHAR12, false),
    FColuna("QTDEIMPRESSAO", "Qtdeimpressao", TDominioId::INTEIRO, false),
    FColuna("OCCLIENTE", "Occliente", TDominioId::VARCHAR25, false),
    FColuna("PRIORIDADEENTREGA", "Prioridadeentrega", TDominioId::VARCHAR1, false),
    FColuna("ESPELHODAV", "Espelhodav", TDominioId::VARCHAR32, false),
    FColuna("COODAVIMPFISCAL", "Coodavimpfiscal", TDominioId::VARCHAR6, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::BLOB50, false),
    FColuna("USUARIOLIBERACAO", "Usuarioliberacao", TDominioId::VARCHAR10, false),
    FColuna("QUEMCOMPROU", "Quemcomprou", TDominioId::VARCHAR50, false),
    FColuna("REGISTROEMUSO", "Registroemuso", TDominioId::VARCHAR1, false),
    FColuna("USADOPOR", "Usadopor", TDominioId::VARCHAR20, false),
    FColuna("DESCONTOANTERIOR", "Descontoanterior", TDominioId::NUMERICO, false),
    FColuna("ACRESCIMOANTERIOR", "Acrescimoanterior", TDominioId::NUMERICO, false),
    FColuna("SISTEMAORIGEM", "Sistemaorigem", TDominioId::VARCHAR2, false),
};
static_assert(std::size(ColunasPedidoc) == 83);
inline constexpr std::string_view ChavePkPedidoc[] = {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE"};
inline constexpr TTabelaCatalogo TabelaPedidoc{
    "PEDIDOC", "Pedidoc", "TRegistroPedidoc", true, ColunasPedidoc, DominiosPedidoc,
    "PK_Pedidoc", "CODEMPRESA,TIPOPEDIDO,CODPEDIDO,CODCLIENTE", ChavePkPedidoc};

// PEDIDOI
inline constexpr TDominioId DominiosPedidoi[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR3, TDominioId::VARCHAR4,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::CHAR6,
    TDominioId::VARCHAR6, TDominioId::CHAR8, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR8, TDominioId::VARCHAR10, TDominioId::VARCHAR15, TDominioId::VARCHAR20,
    TDominioId::VARCHAR50,
};
static_assert(std::size(DominiosPedidoi) == 17);
inline constexpr TColunaCatalogo ColunasPedidoi[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TIPOPEDIDO", "Tipopedido", TDominioId::CHAR2, true),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::CHAR8, true),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::CHAR8, true),
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("CODGRADE", "Codgrade", TDominioId::VARCHAR4, true),
    FColuna("ALIQIPI", "Aliqipi", TDominioId::NUMERICO, false),
    FColuna("ALIQICM", "Aliqicm", TDominioId::NUMERICO, false),
    FColuna("ALIQISS", "Aliqiss", TDominioId::NUMERICO, false),
    FColuna("BASEICM", "Baseicm", TDominioId::NUMERICO, false),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
    FColuna("PRECOUNIT", "Precounit", TDominioId::NUMERICO, false),
    FColuna("DESCONTOVLR", "Descontovlr", TDominioId::NUMERICO, false),
    FColuna("CODTRIBUT", "Codtribut", TDominioId::VARCHAR3, false),
    FColuna("UNIDADESAIDA", "Unidadesaida", TDominioId::VARCHAR6, false),
    FColuna("QTDEUNIDPADRAO", "Qtdeunidpadrao", TDominioId::NUMERICO, false),
    FColuna("NUMPECAS", "Numpecas", TDominioId::NUMERICO, false),
    FColuna("COMPRIMENTO", "Comprimento", TDominioId::NUMERICO, false),
    FColuna("EXPESSURA", "Expessura", TDominioId::NUMERICO, false),
    FColuna("LARGURA", "Largura", TDominioId::NUMERICO, false),
    FColuna("MENSAGEMTRIB", "Mensagemtrib", TDominioId::VARCHAR3, false),
    FColuna("PRECOTABELA", "Precotabela", TDominioId::NUMERICO, false),
    FColuna("CFOP", "Cfop", TDominioId::VARCHAR4, false),
    FColuna("TOTALITEM", "Totalitem", TDominioId::NUMERICO, false),
    FColuna("TOTALRATEADO", "Totalrateado", TDominioId::NUMERICO, false),
    FColuna("CODPRODAGRUPADO", "Codprodagrupado", TDominioId::VARCHAR6, false),
    FColuna("TIPOPRECO", "Tipopreco", TDominioId::VARCHAR1, false),
    FColuna("CODTVENDA", "Codtvenda", TDominioId::VARCHAR4, false),
    FColuna("VOLUME", "Volume", TDominioId::NUMERICO, false),
    FColuna("PESO", "Peso", TDominioId::NUMERICO, false),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR20, false),
    FColuna("COMISSAOPERC", "Comissaoperc", TDominioId::NUMERICO, false),
    FColuna("FONE", "Fone", TDominioId::VARCHAR15, false),
    FColuna("CONTRATO", "Contrato", TDominioId::VARCHAR8, false),
    FColuna("NUMNF", "Numnf", TDominioId::VARCHAR8, false),
    FColuna("OPERACAO", "Operacao", TDominioId::INTEIRO, false),
    FColuna("AUTREFIDELIZACAO", "Autrefidelizacao", TDominioId::VARCHAR10, false),
    FColuna("QTAUXRECPORCFOP", "Qtauxrecporcfop", TDominioId::NUMERICO, false),
    FColuna("TABELA", "Tabela", TDominioId::VARCHAR5, false),
    FColuna("CODPROMO", "Codpromo", TDominioId::INTEIRO, false),
    FColuna("CLAROTESTE", "Claroteste", TDominioId::VARCHAR1, false),
    FColuna("FLAGINTEGRACAO", "Flagintegracao", TDominioId::VARCHAR1, false),
    FColuna("VLRICMSST", "Vlricmsst", TDominioId::NUMERICO, false),
    FColuna("VLRBASEICMSST", "Vlrbaseicmsst", TDominioId::NUMERICO, false),
    FColuna("CODCSOSN", "Codcsosn", TDominioId::VARCHAR4, false),
    FColuna("CANCELADO", "Cancelado", TDominioId::VARCHAR1, false),
    FColuna("ITEM", "Item", TDominioId::INTEIRO, false),
    FColuna("DATAINCLUSAO", "Datainclusao", TDominioId::DATA, false),
    FColuna("ACRESCIMOVLR", "Acrescimovlr", TDominioId::NUMERICO, false),
    FColuna("DESCREMANUF", "Descremanuf", TDominioId::VARCHAR50, false),
};
static_assert(std::size(ColunasPedidoi) == 50);
inline constexpr std::string_view ChavePkPedidoi[] = {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CODCLIENTE", "CODPROD", "CODGRADE"};
inline constexpr TTabelaCatalogo TabelaPedidoi{
    "PEDIDOI", "Pedidoi", "TRegistroPedidoi", true, ColunasPedidoi, DominiosPedidoi,
    "PK_Pedidoi", "CODEMPRESA,TIPOPEDIDO,CODPEDIDO,CODCLIENTE,CODPROD,CODGRADE", ChavePkPedidoi};

// SANGRIA
inline constexpr TDominioId DominiosSangria[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::INTEIRO, TDominioId::VARCHAR4,
    TDominioId::CHAR5, TDominioId::VARCHAR5, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::CHAR10, TDominioId::VARCHAR10, TDominioId::VARCHAR32, TDominioId::VARCHAR250,
};
static_assert(std::size(DominiosSangria) == 12);
inline constexpr TColunaCatalogo ColunasSangria[] = {
    FColuna("CODSANGRIA", "Codsangria", TDominioId::CHAR5, true),
    FColuna("USUARIO", "Usuario", TDominioId::CHAR10, true),
    FColuna("DATASANGRIA", "Datasangria", TDominioId::DATA, false),
    FColuna("HORASANGRIA", "Horasangria", TDominioId::VARCHAR5, false),
    FColuna("VALOR", "Valor", TDominioId::NUMERICO, false),
    FColuna("DC", "Dc", TDominioId::VARCHAR1, false),
    FColuna("QLIBEROU", "Qliberou", TDominioId::VARCHAR10, false),
    FColuna("MOTIVO", "Motivo", TDominioId::VARCHAR250, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, false),
    FColuna("ABERTURACAIXA", "Aberturacaixa", TDominioId::VARCHAR1, false),
    FColuna("CODOPER", "Codoper", TDominioId::VARCHAR5, false),
    FColuna("COO", "Coo", TDominioId::INTEIRO, false),
    FColuna("GNF", "Gnf", TDominioId::INTEIRO, false),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, true),
    FColuna("ESPELHOSANGRIA", "Espelhosangria", TDominioId::VARCHAR32, false),
    FColuna("ID_ROTINA_ORIGEM", "Id_rotina_origem", TDominioId::INTEIRO, false),
    FColuna("TIPO_VALOR", "Tipo_valor", TDominioId::INTEIRO, false),
    FColuna("CODTURNO", "Codturno", TDominioId::VARCHAR2, false),
};
static_assert(std::size(ColunasSangria) == 18);
inline constexpr std::string_view ChavePkSangria[] = {"CODSANGRIA", "USUARIO", "MAQUINA"};
inline constexpr TTabelaCatalogo TabelaSangria{
    "SANGRIA", "Sangria", "TRegistroSangria", true, ColunasSangria, DominiosSangria,
    "PK_Sangria", "CODSANGRIA,USUARIO,MAQUINA", ChavePkSangria};

// ENCERRA
inline constexpr TDominioId DominiosEncerra[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR6,
    TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR12,
    TDominioId::VARCHAR15, TDominioId::VARCHAR30, TDominioId::VARCHAR32, TDominioId::VARCHAR50,
    TDominioId::VARCHAR60,
};
static_assert(std::size(DominiosEncerra) == 17);
inline constexpr TColunaCatalogo ColunasEncerra[] = {
    FColuna("PDV", "Pdv", TDominioId::VARCHAR4, true),
    FColuna("CUPOM", "Cupom", TDominioId::VARCHAR6, true),
    FColuna("DT_MOVIMENTO", "Dt_movimento", TDominioId::DATA, false),
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR4, false),
    FColuna("VLRDESCONTO", "Vlrdesconto", TDominioId::NUMERICO, false),
    FColuna("VLRACRESCIMO", "Vlracrescimo", TDominioId::NUMERICO, false),
    FColuna("VLRCHEQUE", "Vlrcheque", TDominioId::NUMERICO, false),
    FColuna("VLRCHPREDATADO", "Vlrchpredatado", TDominioId::NUMERICO, false),
    FColuna("VLRCONVENIO", "Vlrconvenio", TDominioId::NUMERICO, false),
    FColuna("VLRDINHEIRO", "Vlrdinheiro", TDominioId::NUMERICO, false),
    FColuna("VLRTROCO", "Vlrtroco", TDominioId::NUMERICO, false),
    FColuna("VLRRECEBER", "Vlrreceber", TDominioId::NUMERICO, false),
    FColuna("VLRCARTAO", "Vlrcartao", TDominioId::NUMERICO, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::VARCHAR60, false),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
    FColuna("CODPRAZO", "Codprazo", TDominioId::VARCHAR3, false),
    FColuna("CONVENIO", "Convenio", TDominioId::VARCHAR4, false),
    FColuna("NUMCARTAO", "Numcartao", TDominioId::VARCHAR8, false),
    FColuna("CARDADMIN", "Cardadmin", TDominioId::VARCHAR30, false),
    FColuna("NUMTRANSTEF", "Numtranstef", TDominioId::VARCHAR12, false),
    FColuna("VLRPARC1", "Vlrparc1", TDominioId::NUMERICO, false),
    FColuna("VLRPARC2", "Vlrparc2", TDominioId::NUMERICO, false),
    FColuna("VLRPARC3", "Vlrparc3", TDominioId::NUMERICO, false),
    FColuna("VLRPARC4", "Vlrparc4", TDominioId::NUMERICO, false),
    FColuna("VLRPARC5", "Vlrparc5", TDominioId::NUMERICO, false),
    FColuna("VLRPARC6", "Vlrparc6", TDominioId::NUMERICO, false),
    FColuna("VLRPARC7", "Vlrparc7", TDominioId::NUMERICO, false),
    FColuna("VLRPARC8", "Vlrparc8", TDominioId::NUMERICO, false),
    FColuna("VLRPARC9", "Vlrparc9", TDominioId::NUMERICO, false),
    FColuna("VLRPARC10", "Vlrparc10", TDominioId::NUMERICO, false),
    FColuna("VLRPARC11", "Vlrparc11", TDominioId::NUMERICO, false),
    FColuna("VLRPARC12", "Vlrparc12", TDominioId::NUMERICO, false),
    FColuna("VLRPARC13", "Vlrparc13", TDominioId::NUMERICO, false),
    FColuna("VLRPARC14", "Vlrparc14", TDominioId::NUMERICO, false),
    FColuna("VLRPARC15", "Vlrparc15", TDominioId::NUMERICO, false),
    FColuna("VLRPARC16", "Vlrparc16", TDominioId::NUMERICO, false),
    FColuna("VLRPARC17", "Vlrparc17", TDominioId::NUMERICO, false),
    FColuna("VLRPARC18", "Vlrparc18", TDominioId::NUMERICO, false),
    FColuna("VLRPARC19", "Vlrparc19", TDominioId::NUMERICO, false),
    FColuna("VLRPARC20", "Vlrparc20", TDominioId::NUMERICO, false),
    FColuna("VLRPARC21", "Vlrparc21", TDominioId::NUMERICO, false),
    FColuna("VLRPARC22", "Vlrparc22", TDominioId::NUMERICO, false),
    FColuna("VLRPARC23", "Vlrparc23", TDominioId::NUMERICO, false),
    FColuna("VLRPARC24", "Vlrparc24", TDominioId::NUMERICO, false),
    FColuna("DT_PARC1", "Dt_parc1", TDominioId::DATA, false),
    FColuna("DT_PARC2", "Dt_parc2", TDominioId::DATA, false),
    FColuna("DT_PARC3", "Dt_parc3", TDominioId::DATA, false),
    FColuna("DT_PARC4", "Dt_parc4", TDominioId::DATA, false),
    FColuna("DT_PARC5", "Dt_parc5", TDominioId::DATA, false),
    FColuna("DT_PARC6", "Dt_parc6", TDominioId::DATA, false),
    FColuna("DT_PARC7", "Dt_parc7", TDominioId::DATA, false),
    FColuna("DT_PARC8", "Dt_parc8", TDominioId::DATA, false),
    FColuna("DT_PARC9", "Dt_parc9", TDominioId::DATA, false),
    FColuna("DT_PARC10", "Dt_parc10", TDominioId::DATA, false),
    FColuna("DT_PARC11", "Dt_parc11", TDominioId::DATA, false),
    FColuna("DT_PARC12", "Dt_parc12", TDominioId::DATA, false),
    FColuna("DT_PARC13", "Dt_parc13", TDominioId::DATA, false),
    FColuna("DT_PARC14", "Dt_parc14", TDominioId::DATA, false),
    FColuna("DT_PARC15", "Dt_parc15", TDominioId::DATA, false),
    FColuna("DT_PARC16", "Dt_parc16", TDominioId::DATA, false),
    FColuna("DT_PARC17", "Dt_parc17", TDominioId::DATA, false),
    FColuna("DT_PARC18", "Dt_parc18", TDominioId::DATA, false),
    FColuna("DT_PARC19", "Dt_parc19", TDominioId::DATA, false),
    FColuna("DT_PARC20", "Dt_parc20", TDominioId::DATA, false),
    FColuna("DT_PARC21", "Dt_parc21", TDominioId::DATA, false),
    FColuna("DT_PARC22", "Dt_parc22", TDominioId::DATA, false),
    FColuna("DT_PARC23", "Dt_parc23", TDominioId::DATA, false),
    FColuna("DT_PARC24", "Dt_parc24", TDominioId::DATA, false),
    FColuna("HORATRANSTEF", "Horatranstef", TDominioId::VARCHAR8, false),
    FColuna("DATATRANSTEF", "Datatranstef", TDominioId::DATA, false),
    FColuna("FINALIZACAO", "Finalizacao", TDominioId::VARCHAR30, false),
    FColuna("MATRICULA", "Matricula", TDominioId::VARCHAR12, false),
    FColuna("CONVENIADO", "Conveniado", TDominioId::VARCHAR50, false),
    FColuna("VLRTICKET", "Vlrticket", TDominioId::NUMERICO, false),
    FColuna("CODIGOOPERADOR", "Codigooperador", TDominioId::VARCHAR5, false),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, false),
    FColuna("VLRCREDITO", "Vlrcredito", TDominioId::NUMERICO, false),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::VARCHAR8, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("CANCELADO", "Cancelado", TDominioId::VARCHAR1, false),
    FColuna("FLAG", "Flag", TDominioId::VARCHAR1, false),
    FColuna("CRO", "Cro", TDominioId::VARCHAR4, false),
    FColuna("CARTAO", "Cartao", TDominioId::VARCHAR4, false),
    FColuna("BANDEIRA", "Bandeira", TDominioId::VARCHAR3, false),
    FColuna("VLRCHTROCO", "Vlrchtroco", TDominioId::NUMERICO, false),
    FColuna("CHEQUETROCO", "Chequetroco", TDominioId::NUMERICO, false),
    FColuna("VLRCTF", "Vlrctf", TDominioId::NUMERICO, false),
    FColuna("VLRCARTAFRETE", "Vlrcartafrete", TDominioId::NUMERICO, false),
    FColuna("CONTROLEANTERIOR", "Controleanterior", TDominioId::VARCHAR15, false),
    FColuna("CONSUMOPROPRIO", "Consumoproprio", TDominioId::NUMERICO, false),
    FColuna("VLRFINANCEIRA", "Vlrfinanceira", TDominioId::NUMERICO, false),
    FColuna("VLRFINLIQ", "Vlrfinliq", TDominioId::NUMERICO, false),
    FColuna("HORA", "Hora", TDominioId::VARCHAR5, false),
    FColuna("CODEMPRESADAV", "Codempresadav", TDominioId::VARCHAR2, false),
    FColuna("CODDAV", "Coddav", TDominioId::VARCHAR8, false),
    FColuna("CCF", "Ccf", TDominioId::INTEIRO, false),
    FColuna("GNF", "Gnf", TDominioId::INTEIRO, false),
    FColuna("NSU", "Nsu", TDominioId::VARCHAR12, false),
    FColuna("TRUNCARRED", "Truncarred", TDominioId::VARCHAR1, false),
    FColuna("ESPELHOCUPOM", "Espelhocupom", TDominioId::VARCHAR32, false),
    FColuna("ESPELHODETALHER7", "Espelhodetalher7", TDominioId::VARCHAR32, false),
    FColuna("TIPODAV", "Tipodav", TDominioId::VARCHAR1, false),
    FColuna("CONTROLE", "Controle", TDominioId::VARCHAR15, false),
    FColuna("CODTURNO", "Codturno", TDominioId::VARCHAR2, false),
    FColuna("TOTALVENDA", "Totalvenda", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasEncerra) == 105);
inline constexpr std::string_view ChavePkEncerra[] = {"CODEMPRESA", "PDV", "CUPOM"};
inline constexpr TTabelaCatalogo TabelaEncerra{
    "ENCERRA", "Encerra", "TRegistroEncerra", true, ColunasEncerra, DominiosEncerra,
    "PK_Encerra", "CODEMPRESA,PDV,CUPOM", ChavePkEncerra};

// VENDPDV
inline constexpr TDominioId DominiosVendpdv[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::VARCHAR4, TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR6,
    TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR20,
    TDominioId::VARCHAR32,
};
static_assert(std::size(DominiosVendpdv) == 13);
inline constexpr TColunaCatalogo ColunasVendpdv[] = {
    FColuna("PDV", "Pdv", TDominioId::VARCHAR4, true),
    FColuna("CUPOM", "Cupom", TDominioId::VARCHAR6, true),
    FColuna("ITEM", "Item", TDominioId::VARCHAR3, true),
    FColuna("CODPROD", "Codprod", TDominioId::VARCHAR6, true),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
    FColuna("VLRUNIT", "Vlrunit", TDominioId::NUMERICO, false),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
    FColuna("CODPRAZO", "Codprazo", TDominioId::VARCHAR3, false),
    FColuna("CODSAIDA", "Codsaida", TDominioId::VARCHAR2, false),
    FColuna("ALIQICMS", "Aliqicms", TDominioId::NUMERICO, false),
    FColuna("TIPOALIQZERO", "Tipoaliqzero", TDominioId::VARCHAR1, false),
    FColuna("BAIXOUEST", "Baixouest", TDominioId::VARCHAR1, false),
    FColuna("CODGRADE", "Codgrade", TDominioId::VARCHAR4, true),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, false),
    FColuna("VLRDESC", "Vlrdesc", TDominioId::NUMERICO, false),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::VARCHAR8, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("CANCELADO", "Cancelado", TDominioId::VARCHAR1, false),
    FColuna("FLAG", "Flag", TDominioId::VARCHAR1, false),
    FColuna("DATAMOV", "Datamov", TDominioId::DATA, false),
    FColuna("QTDEVALEBRINDE", "Qtdevalebrinde", TDominioId::INTEIRO, false),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR20, false),
    FColuna("CODALIQICMS", "Codaliqicms", TDominioId::VARCHAR4, false),
    FColuna("BASEICMS", "Baseicms", TDominioId::NUMERICO, false),
    FColuna("UNIDADESAIDA", "Unidadesaida", TDominioId::VARCHAR6, false),
    FColuna("TOTALITEM", "Totalitem", TDominioId::NUMERICO, false),
    FColuna("ENCERRANTEINICIAL", "Encerranteinicial", TDominioId::NUMERICO, false),
    FColuna("LITRAGEMBOMBA", "Litragembomba", TDominioId::NUMERICO, false),
    FColuna("ESPELHODETALHECUPOM", "Espelhodetalhecupom", TDominioId::VARCHAR32, false),
    FColuna("VLRACRES", "Vlracres", TDominioId::NUMERICO, false),
    FColuna("ENCERRANTEFINAL", "Encerrantefinal", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasVendpdv) == 31);
inline constexpr std::string_view ChavePkVendpdv[] = {"CODEMPRESA", "PDV", "CUPOM", "ITEM", "CODPROD", "CODGRADE"};
inline constexpr TTabelaCatalogo TabelaVendpdv{
    "VENDPDV", "Vendpdv", "TRegistroVendpdv", true, ColunasVendpdv, DominiosVendpdv,
    "PK_Vendpdv", "CODEMPRESA,PDV,CUPOM,ITEM,CODPROD,CODGRADE", ChavePkVendpdv};

// ENCEFAT
inline constexpr TDominioId DominiosEncefat[] = {
    TDominioId::VARCHAR2, TDominioId::VARCHAR3, TDominioId::VARCHAR4, TDominioId::DATA,
    TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR12, TDominioId::VARCHAR30,
    TDominioId::VARCHAR50, TDominioId::VARCHAR60,
};
static_assert(std::size(DominiosEncefat) == 10);
inline constexpr TColunaCatalogo ColunasEncefat[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("TIPOPEDIDO", "Tipopedido", TDominioId::VARCHAR2, true),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::VARCHAR8, true),
    FColuna("DT_MOVIMENTO", "Dt_movimento", TDominioId::DATA, false),
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR4, false),
    FColuna("VLRDESCONTO", "Vlrdesconto", TDominioId::NUMERICO, false),
    FColuna("VLRACRESCIMO", "Vlracrescimo", TDominioId::NUMERICO, false),
    FColuna("VLRCHEQUE", "Vlrcheque", TDominioId::NUMERICO, false),
    FColuna("VLRCHPREDATADO", "Vlrchpredatado", TDominioId::NUMERICO, false),
    FColuna("VLRCONVENIO", "Vlrconvenio", TDominioId::NUMERICO, false),
    FColuna("VLRDINHEIRO", "Vlrdinheiro", TDominioId::NUMERICO, false),
    FColuna("VLRTROCO", "Vlrtroco", TDominioId::NUMERICO, false),
    FColuna("VLRRECEBER", "Vlrreceber", TDominioId::NUMERICO, false),
    FColuna("VLRCARTAO", "Vlrcartao", TDominioId::NUMERICO, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::VARCHAR60, false),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
    FColuna("CODPRAZO", "Codprazo", TDominioId::VARCHAR3, false),
    FColuna("CONVENIO", "Convenio", TDominioId::VARCHAR4, false),
    FColuna("NUMCARTAO", "Numcartao", TDominioId::VARCHAR8, false),
    FColuna("CARDADMIN", "Cardadmin", TDominioId::VARCHAR30, false),
    FColuna("NUMTRANSTEF", "Numtranstef", TDominioId::VARCHAR12, false),
    FColuna("HORATRANSTEF", "Horatranstef", TDominioId::VARCHAR8, false),
    FColuna("DATATRANSTEF", "Datatranstef", TDominioId::DATA, false),
    FColuna("FINALIZACAO", "Finalizacao", TDominioId::VARCHAR30, false),
    FColuna("MATRICULA", "Matricula", TDominioId::VARCHAR12, false),
    FColuna("CONVENIADO", "Conveniado", TDominioId::VARCHAR50, false),
    FColuna("VLRFINANC", "Vlrfinanc", TDominioId::NUMERICO, false),
    FColuna("VLRFINLIQ", "Vlrfinliq", TDominioId::NUMERICO, false),
    FColuna("VLRCHTROCO", "Vlrchtroco", TDominioId::NUMERICO, false),
    FColuna("VLRCTF", "Vlrctf", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasEncefat) == 30);
inline constexpr std::string_view ChavePkEncefat[] = {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"};
inline constexpr TTabelaCatalogo TabelaEncefat{
    "ENCEFAT", "Encefat", "TRegistroEncefat", true, ColunasEncefat, DominiosEncefat,
    "PK_Encefat", "CODEMPRESA,TIPOPEDIDO,CODPEDIDO", ChavePkEncefat};

// MVGERAL
inline constexpr TDominioId DominiosMvgeral[] = {
    TDominioId::CHAR1, TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR4,
    TDominioId::INTEIRO, TDominioId::CHAR6, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::CHAR10, TDominioId::VARCHAR12,
};
static_assert(std::size(DominiosMvgeral) == 10);
inline constexpr TColunaCatalogo ColunasMvgeral[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TIPOAGENTE", "Tipoagente", TDominioId::CHAR1, true),
    FColuna("CODIGOAGENTE", "Codigoagente", TDominioId::CHAR10, true),
    FColuna("DOCUMENTO", "Documento", TDominioId::CHAR10, true),
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("CODGRADE", "Codgrade", TDominioId::VARCHAR4, true),
    FColuna("DT_MOVIMENTO", "Dt_movimento", TDominioId::DATA, true),
    FColuna("TIPOMOV", "Tipomov", TDominioId::CHAR2, true),
    FColuna("ESTOQANT", "Estoqant", TDominioId::NUMERICO, false),
    FColuna("PRECMEDANT", "Precmedant", TDominioId::NUMERICO, false),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
    FColuna("PRECOCUSTO", "Precocusto", TDominioId::NUMERICO, false),
    FColuna("PRECOMEDIO", "Precomedio", TDominioId::NUMERICO, false),
    FColuna("PRECOVENDA", "Precovenda", TDominioId::NUMERICO, false),
    FColuna("PRECOENTRADA", "Precoentrada", TDominioId::NUMERICO, false),
    FColuna("NUMORD", "Numord", TDominioId::VARCHAR12, false),
    FColuna("TURNO", "Turno", TDominioId::VARCHAR1, false),
    FColuna("SEQUENCIA", "Sequencia", TDominioId::INTEIRO, true),
};
static_assert(std::size(ColunasMvgeral) == 18);
inline constexpr std::string_view ChavePkMvgeral[] = {"CODEMPRESA", "CODPROD", "CODGRADE", "DT_MOVIMENTO", "TIPOAGENTE", "CODIGOAGENTE", "TIPOMOV", "DOCUMENTO"};
inline constexpr TTabelaCatalogo TabelaMvgeral{
    "MVGERAL", "Mvgeral", "TRegistroMvgeral", true, ColunasMvgeral, DominiosMvgeral,
    "PK_Mvgeral", "CODEMPRESA,CODPROD,CODGRADE,DT_MOVIMENTO,TIPOAGENTE,CODIGOAGENTE,TIPOMOV,DOCUMENTO", ChavePkMvgeral};

// ENCCARTAO
inline constexpr TDominioId DominiosEnccartao[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::CHAR4, TDominioId::INTEIRO,
    TDominioId::VARCHAR4, TDominioId::CHAR6, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR8, TDominioId::CHAR12, TDominioId::VARCHAR12, TDominioId::VARCHAR15,
    TDominioId::VARCHAR30, TDominioId::BLOB50,
};
static_assert(std::size(DominiosEnccartao) == 14);
inline constexpr TColunaCatalogo ColunasEnccartao[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("PDV", "Pdv", TDominioId::CHAR4, true),
    FColuna("CUPOM", "Cupom", TDominioId::CHAR6, true),
    FColuna("IDENTIFICACAO", "Identificacao", TDominioId::CHAR12, true),
    FColuna("CONVENIO", "Convenio", TDominioId::VARCHAR4, false),
    FColuna("VALOR", "Valor", TDominioId::NUMERICO, false),
    FColuna("NOMEREDE", "Nomerede", TDominioId::VARCHAR30, false),
    FColuna("DOCUMENTO", "Documento", TDominioId::VARCHAR12, false),
    FColuna("DATA", "Data", TDominioId::DATA, false),
    FColuna("HORA", "Hora", TDominioId::VARCHAR8, false),
    FColuna("BANDEIRA", "Bandeira", TDominioId::INTEIRO, false),
    FColuna("DADOS", "Dados", TDominioId::BLOB50, false),
    FColuna("CANCELADO", "Cancelado", TDominioId::VARCHAR1, false),
    FColuna("CODDOCTO", "Coddocto", TDominioId::VARCHAR15, false),
};
static_assert(std::size(ColunasEnccartao) == 14);
inline constexpr std::string_view ChavePkEnccartao[] = {"CODEMPRESA", "PDV", "CUPOM", "IDENTIFICACAO"};
inline constexpr TTabelaCatalogo TabelaEnccartao{
    "ENCCARTAO", "Enccartao", "TRegistroEnccartao", true, ColunasEnccartao, DominiosEnccartao,
    "PK_Enccartao", "CODEMPRESA,PDV,CUPOM,IDENTIFICACAO", ChavePkEnccartao};

// PARCPEDC
inline constexpr TDominioId DominiosParcpedc[] = {
    TDominioId::VARCHAR2, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8,
};
static_assert(std::size(DominiosParcpedc) == 4);
inline constexpr TColunaCatalogo ColunasParcpedc[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("TIPOPEDIDO", "Tipopedido", TDominioId::VARCHAR2, true),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::VARCHAR8, true),
    FColuna("VLRPARC01", "Vlrparc01", TDominioId::NUMERICO, false),
    FColuna("VLRPARC02", "Vlrparc02", TDominioId::NUMERICO, false),
    FColuna("VLRPARC03", "Vlrparc03", TDominioId::NUMERICO, false),
    FColuna("VLRPARC04", "Vlrparc04", TDominioId::NUMERICO, false),
    FColuna("VLRPARC05", "Vlrparc05", TDominioId::NUMERICO, false),
    FColuna("VLRPARC06", "Vlrparc06", TDominioId::NUMERICO, false),
    FColuna("VLRPARC07", "Vlrparc07", TDominioId::NUMERICO, false),
    FColuna("VLRPARC08", "Vlrparc08", TDominioId::NUMERICO, false),
    FColuna("VLRPARC09", "Vlrparc09", TDominioId::NUMERICO, false),
    FColuna("VLRPARC10", "Vlrparc10", TDominioId::NUMERICO, false),
    FColuna("VLRPARC11", "Vlrparc11", TDominioId::NUMERICO, false),
    FColuna("VLRPARC12", "Vlrparc12", TDominioId::NUMERICO, false),
    FColuna("VLRPARC13", "Vlrparc13", TDominioId::NUMERICO, false),
    FColuna("VLRPARC14", "Vlrparc14", TDominioId::NUMERICO, false),
    FColuna("VLRPARC15", "Vlrparc15", TDominioId::NUMERICO, false),
    FColuna("VLRPARC16", "Vlrparc16", TDominioId::NUMERICO, false),
    FColuna("VLRPARC17", "Vlrparc17", TDominioId::NUMERICO, false),
    FColuna("VLRPARC18", "Vlrparc18", TDominioId::NUMERICO, false),
    FColuna("VLRPARC19", "Vlrparc19", TDominioId::NUMERICO, false),
    FColuna("VLRPARC20", "Vlrparc20", TDominioId::NUMERICO, false),
    FColuna("VLRPARC21", "Vlrparc21", TDominioId::NUMERICO, false),
    FColuna("VLRPARC22", "Vlrparc22", TDominioId::NUMERICO, false),
    FColuna("VLRPARC23", "Vlrparc23", TDominioId::NUMERICO, false),
    FColuna("VLRPARC24", "Vlrparc24", TDominioId::NUMERICO, false),
    FColuna("VENCPARC01", "Vencparc01", TDominioId::DATA, false),
    FColuna("VENCPARC02", "Vencparc02", TDominioId::DATA, false),
    FColuna("VENCPARC03", "Vencparc03", TDominioId::DATA, false),
    FColuna("VENCPARC04", "Vencparc04", TDominioId::DATA, false),
    FColuna("VENCPARC05", "Vencparc05", TDominioId::DATA, false),
    FColuna("VENCPARC06", "Vencparc06", TDominioId::DATA, false),
    FColuna("VENCPARC07", "Vencparc07", TDominioId::DATA, false),
    FColuna("VENCPARC08", "Vencparc08", TDominioId::DATA, false),
    FColuna("VENCPARC09", "Vencparc09", TDominioId::DATA, false),
    FColuna("VENCPARC10", "Vencparc10", TDominioId::DATA, false),
    FColuna("VENCPARC11", "Vencparc11", TDominioId::DATA, false),
    FColuna("VENCPARC12", "Vencparc12", TDominioId::DATA, false),
    FColuna("VENCPARC13", "Vencparc13", TDominioId::DATA, false),
    FColuna("VENCPARC14", "Vencparc14", TDominioId::DATA, false),
    FColuna("VENCPARC15", "Vencparc15", TDominioId::DATA, false),
    FColuna("VENCPARC16", "Vencparc16", TDominioId::DATA, false),
    FColuna("VENCPARC17", "Vencparc17", TDominioId::DATA, false),
    FColuna("VENCPARC18", "Vencparc18", TDominioId::DATA, false),
    FColuna("VENCPARC19", "Vencparc19", TDominioId::DATA, false),
    FColuna("VENCPARC20", "Vencparc20", TDominioId::DATA, false),
    FColuna("VENCPARC21", "Vencparc21", TDominioId::DATA, false),
    FColuna("VENCPARC22", "Vencparc22", TDominioId::DATA, false),
    FColuna("VENCPARC23", "Vencparc23", TDominioId::DATA, false),
    FColuna("VENCPARC24", "Vencparc24", TDominioId::DATA, false),
};
static_assert(std::size(ColunasParcpedc) == 51);
inline constexpr std::string_view ChavePkParcpedc[] = {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO"};
inline constexpr TTabelaCatalogo TabelaParcpedc{
    "PARCPEDC", "Parcpedc", "TRegistroParcpedc", true, ColunasParcpedc, DominiosParcpedc,
    "PK_Parcpedc", "CODEMPRESA,TIPOPEDIDO,CODPEDIDO", ChavePkParcpedc};

// CONVENCEFAT
inline constexpr TDominioId DominiosConvencefat[] = {
    TDominioId::CHAR2, TDominioId::CHAR4, TDominioId::CHAR8, TDominioId::NUMERICO,
    TDominioId::CHAR12, TDominioId::VARCHAR50,
};
static_assert(std::size(DominiosConvencefat) == 6);
inline constexpr TColunaCatalogo ColunasConvencefat[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TIPOPEDIDO", "Tipopedido", TDominioId::CHAR2, true),
    FColuna("CODPEDIDO", "Codpedido", TDominioId::CHAR8, true),
    FColuna("CONVENIO", "Convenio", TDominioId::CHAR4, true),
    FColuna("MATRICULA", "Matricula", TDominioId::CHAR12, false),
    FColuna("CONVENIADO", "Conveniado", TDominioId::VARCHAR50, false),
    FColuna("VALOR", "Valor", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasConvencefat) == 7);
inline constexpr std::string_view ChavePkConvencefat[] = {"CODEMPRESA", "TIPOPEDIDO", "CODPEDIDO", "CONVENIO", "MATRICULA"};
inline constexpr TTabelaCatalogo TabelaConvencefat{
    "CONVENCEFAT", "Convencefat", "TRegistroConvencefat", true, ColunasConvencefat, DominiosConvencefat,
    "PK_Convencefat", "CODEMPRESA,TIPOPEDIDO,CODPEDIDO,CONVENIO,MATRICULA", ChavePkConvencefat};

// FINANCIAMENTO
inline constexpr TDominioId DominiosFinanciamento[] = {
    TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::INTEIRO, TDominioId::VARCHAR4,
    TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR20,
};
static_assert(std::size(DominiosFinanciamento) == 8);
inline constexpr TColunaCatalogo ColunasFinanciamento[] = {
    FColuna("CODVENDA", "Codvenda", TDominioId::VARCHAR8, true),
    FColuna("TIPOVENDA", "Tipovenda", TDominioId::VARCHAR2, true),
    FColuna("CODFINANCEIRA", "Codfinanceira", TDominioId::VARCHAR2, false),
    FColuna("DESCFORMAPGTO", "Descformapgto", TDominioId::VARCHAR20, false),
    FColuna("CODPLANO", "Codplano", TDominioId::VARCHAR4, false),
    FColuna("VALORFINANCIADO", "Valorfinanciado", TDominioId::NUMERICO, false),
    FColuna("VALORENTRADA", "Valorentrada", TDominioId::NUMERICO, false),
    FColuna("VALORMENSALIDADE", "Valormensalidade", TDominioId::NUMERICO, false),
    FColuna("DATAFINANCIAMENTO", "Datafinanciamento", TDominioId::DATA, false),
    FColuna("DATAENTRADA", "Dataentrada", TDominioId::DATA, false),
    FColuna("SEGUROFINANCIAMENTO", "Segurofinanciamento", TDominioId::NUMERICO, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, false),
    FColuna("NUMPRESTACOES", "Numprestacoes", TDominioId::INTEIRO, false),
    FColuna("VALORRETENCAO", "Valorretencao", TDominioId::NUMERICO, false),
    FColuna("VALORRECEBER", "Valorreceber", TDominioId::NUMERICO, false),
    FColuna("TAC", "Tac", TDominioId::NUMERICO, false),
    FColuna("TACLOJA", "Tacloja", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasFinanciamento) == 17);
inline constexpr std::string_view ChavePkFinanciamento[] = {"CODEMPRESA", "CODVENDA", "TIPOVENDA"};
inline constexpr TTabelaCatalogo TabelaFinanciamento{
    "FINANCIAMENTO", "Financiamento", "TRegistroFinanciamento", true, ColunasFinanciamento, DominiosFinanciamento,
    "PK_Financiamento", "CODEMPRESA,CODVENDA,TIPOVENDA", ChavePkFinanciamento};

// REDUCOESZ
inline constexpr TDominioId DominiosReducoesz[] = {
    TDominioId::VARCHAR2, TDominioId::VARCHAR4, TDominioId::VARCHAR6, TDominioId::DATA,
    TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR30, TDominioId::VARCHAR32,
};
static_assert(std::size(DominiosReducoesz) == 8);
inline constexpr TColunaCatalogo ColunasReducoesz[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR30, true),
    FColuna("DATAMOVIMENTO", "Datamovimento", TDominioId::DATA, true),
    FColuna("CRZ", "Crz", TDominioId::VARCHAR6, false),
    FColuna("COO", "Coo", TDominioId::VARCHAR6, false),
    FColuna("CRO", "Cro", TDominioId::VARCHAR6, false),
    FColuna("DATAEMISSAO", "Dataemissao", TDominioId::DATA, false),
    FColuna("HORAEMISSAO", "Horaemissao", TDominioId::VARCHAR8, false),
    FColuna("VENDABRUTADIARIA", "Vendabrutadiaria", TDominioId::NUMERICO, false),
    FColuna("ESPELHOREDZ", "Espelhoredz", TDominioId::VARCHAR32, false),
};
static_assert(std::size(ColunasReducoesz) == 11);
inline constexpr std::string_view ChavePkReducoesz[] = {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO"};
inline constexpr TTabelaCatalogo TabelaReducoesz{
    "REDUCOESZ", "Reducoesz", "TRegistroReducoesz", true, ColunasReducoesz, DominiosReducoesz,
    "PK_Reducoesz", "CODEMPRESA,MAQUINA,NUMSERIE,DATAMOVIMENTO", ChavePkReducoesz};

// REDUCAOZ_C
inline constexpr TDominioId DominiosReducaoz_c[] = {
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR6, TDominioId::DATA,
    TDominioId::NUMERICO, TDominioId::VARCHAR30,
};
static_assert(std::size(DominiosReducaoz_c) == 6);
inline constexpr TColunaCatalogo ColunasReducaoz_c[] = {
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR30, true),
    FColuna("DATAREDUCAO", "Datareducao", TDominioId::DATA, true),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, false),
    FColuna("COOINICIAL", "Cooinicial", TDominioId::VARCHAR6, false),
    FColuna("COOFINAL", "Coofinal", TDominioId::VARCHAR6, false),
    FColuna("CONTADORREDUCOES", "Contadorreducoes", TDominioId::VARCHAR4, false),
    FColuna("REINICIOOPERACAO", "Reiniciooperacao", TDominioId::VARCHAR6, false),
    FColuna("VENDABRUTA", "Vendabruta", TDominioId::NUMERICO, false),
    FColuna("TOTALIZADORGERAL", "Totalizadorgeral", TDominioId::NUMERICO, false),
    FColuna("CANCELAMENTOS", "Cancelamentos", TDominioId::NUMERICO, false),
    FColuna("DESCONTOS", "Descontos", TDominioId::NUMERICO, false),
    FColuna("MAPARESUMO", "Maparesumo", TDominioId::INTEIRO, false),
};
static_assert(std::size(ColunasReducaoz_c) == 12);
inline constexpr std::string_view ChavePkReducaoz_c[] = {"NUMSERIE", "DATAREDUCAO"};
inline constexpr TTabelaCatalogo TabelaReducaoz_c{
    "REDUCAOZ_C", "Reducaoz_c", "TRegistroReducaoz_c", true, ColunasReducaoz_c, DominiosReducaoz_c,
    "PK_Reducaoz_c", "NUMSERIE,DATAREDUCAO", ChavePkReducaoz_c};

// REDUCAOZ_I
inline constexpr TDominioId DominiosReducaoz_i[] = {
    TDominioId::VARCHAR5, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR30,
};
static_assert(std::size(DominiosReducaoz_i) == 4);
inline constexpr TColunaCatalogo ColunasReducaoz_i[] = {
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR30, true),
    FColuna("DATAREDUCAO", "Datareducao", TDominioId::DATA, true),
    FColuna("ICMS", "Icms", TDominioId::VARCHAR5, true),
    FColuna("VALORICMS", "Valoricms", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasReducaoz_i) == 4);
inline constexpr std::string_view ChavePkReducaoz_i[] = {"NUMSERIE", "DATAREDUCAO", "ICMS"};
inline constexpr TTabelaCatalogo TabelaReducaoz_i{
    "REDUCAOZ_I", "Reducaoz_i", "TRegistroReducaoz_i", true, ColunasReducaoz_i, DominiosReducaoz_i,
    "PK_Reducaoz_i", "NUMSERIE,DATAREDUCAO,ICMS", ChavePkReducaoz_i};

// DETALHEREDUCOESZ
inline constexpr TDominioId DominiosDetalhereducoesz[] = {
    TDominioId::VARCHAR2, TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR6,
    TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR30, TDominioId::VARCHAR32,
};
static_assert(std::size(DominiosDetalhereducoesz) == 8);
inline constexpr TColunaCatalogo ColunasDetalhereducoesz[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR30, true),
    FColuna("DATAMOVIMENTO", "Datamovimento", TDominioId::DATA, true),
    FColuna("SEQUENCIA", "Sequencia", TDominioId::INTEIRO, true),
    FColuna("CODIGOALIQUOTA", "Codigoaliquota", TDominioId::VARCHAR6, false),
    FColuna("CRZ", "Crz", TDominioId::VARCHAR6, false),
    FColuna("VALORACUMULADO", "Valoracumulado", TDominioId::NUMERICO, false),
    FColuna("ESPELHODETALHEREDZ", "Espelhodetalheredz", TDominioId::VARCHAR32, false),
};
static_assert(std::size(ColunasDetalhereducoesz) == 9);
inline constexpr std::string_view ChavePkDetalhereducoesz[] = {"CODEMPRESA", "SEQUENCIA", "DATAMOVIMENTO", "NUMSERIE", "MAQUINA"};
inline constexpr TTabelaCatalogo TabelaDetalhereducoesz{
    "DETALHEREDUCOESZ", "Detalhereducoesz", "TRegistroDetalhereducoesz", true, ColunasDetalhereducoesz, DominiosDetalhereducoesz,
    "PK_Detalhereducoesz", "CODEMPRESA,SEQUENCIA,DATAMOVIMENTO,NUMSERIE,MAQUINA", ChavePkDetalhereducoesz};

// ECFGERAL
inline constexpr TDominioId DominiosEcfgeral[] = {
    TDominioId::CHAR2, TDominioId::VARCHAR4, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR10,
};
static_assert(std::size(DominiosEcfgeral) == 5);
inline constexpr TColunaCatalogo ColunasEcfgeral[] = {
    FColuna("PDV", "Pdv", TDominioId::VARCHAR4, true),
    FColuna("DTULTRED", "Dtultred", TDominioId::DATA, true),
    FColuna("NUMULTRED", "Numultred", TDominioId::VARCHAR10, false),
    FColuna("GRADTOTAL", "Gradtotal", TDominioId::NUMERICO, false),
    FColuna("TOTVENDLIQ", "Totvendliq", TDominioId::NUMERICO, false),
    FColuna("CANCELAMENTO", "Cancelamento", TDominioId::NUMERICO, false),
    FColuna("DESCONTOS", "Descontos", TDominioId::NUMERICO, false),
    FColuna("SANGRIA", "Sangria", TDominioId::NUMERICO, false),
    FColuna("SUPRIMENTO", "Suprimento", TDominioId::NUMERICO, false),
    FColuna("ACRESCIMOS", "Acrescimos", TDominioId::NUMERICO, false),
    FColuna("ACRESFINAN", "Acresfinan", TDominioId::NUMERICO, false),
    FColuna("TOTALDINHEIRO", "Totaldinheiro", TDominioId::NUMERICO, false),
    FColuna("TOTALCHEQUE", "Totalcheque", TDominioId::NUMERICO, false),
    FColuna("TOTALCARTAO", "Totalcartao", TDominioId::NUMERICO, false),
    FColuna("TOTALCHQPRE", "Totalchqpre", TDominioId::NUMERICO, false),
    FColuna("TOTALCONVENIO", "Totalconvenio", TDominioId::NUMERICO, false),
    FColuna("TOTALAPRAZO", "Totalaprazo", TDominioId::NUMERICO, false),
    FColuna("TOTALTICKET", "Totalticket", TDominioId::NUMERICO, false),
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TOTALFINANCIAMENTO", "Totalfinanciamento", TDominioId::NUMERICO, false),
    FColuna("TOTALTROCO", "Totaltroco", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasEcfgeral) == 21);
inline constexpr std::string_view ChavePkEcfgeral[] = {"CODEMPRESA", "PDV", "DTULTRED"};
inline constexpr TTabelaCatalogo TabelaEcfgeral{
    "ECFGERAL", "Ecfgeral", "TRegistroEcfgeral", true, ColunasEcfgeral, DominiosEcfgeral,
    "PK_Ecfgeral", "CODEMPRESA,PDV,DTULTRED", ChavePkEcfgeral};

// DEMAISDOCUMENTOSECF
inline constexpr TDominioId DominiosDemaisdocumentosecf[] = {
    TDominioId::VARCHAR2, TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::DATA,
    TDominioId::VARCHAR8, TDominioId::VARCHAR30, TDominioId::VARCHAR32,
};
static_assert(std::size(DominiosDemaisdocumentosecf) == 7);
inline constexpr TColunaCatalogo ColunasDemaisdocumentosecf[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("MAQUINA", "Maquina", TDominioId::VARCHAR4, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR30, true),
    FColuna("DATAMOVIMENTO", "Datamovimento", TDominioId::DATA, true),
    FColuna("COO", "Coo", TDominioId::INTEIRO, true),
    FColuna("GNF", "Gnf", TDominioId::INTEIRO, false),
    FColuna("GRG", "Grg", TDominioId::INTEIRO, false),
    FColuna("CDC", "Cdc", TDominioId::INTEIRO, false),
    FColuna("DENOMINACAO", "Denominacao", TDominioId::VARCHAR2, false),
    FColuna("DATAFINALEMISSAO", "Datafinalemissao", TDominioId::DATA, false),
    FColuna("HORAFINALEMISSAO", "Horafinalemissao", TDominioId::VARCHAR8, false),
    FColuna("ESPELHODEMAISDOCECF", "Espelhodemaisdocecf", TDominioId::VARCHAR32, false),
};
static_assert(std::size(ColunasDemaisdocumentosecf) == 12);
inline constexpr std::string_view ChavePkDemaisdocumentosecf[] = {"CODEMPRESA", "MAQUINA", "NUMSERIE", "DATAMOVIMENTO", "COO"};
inline constexpr TTabelaCatalogo TabelaDemaisdocumentosecf{
    "DEMAISDOCUMENTOSECF", "Demaisdocumentosecf", "TRegistroDemaisdocumentosecf", true, ColunasDemaisdocumentosecf, DominiosDemaisdocumentosecf,
    "PK_Demaisdocumentosecf", "CODEMPRESA,MAQUINA,NUMSERIE,DATAMOVIMENTO,COO", ChavePkDemaisdocumentosecf};

// DOCUREC
inline constexpr TDominioId DominiosDocurec[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR7,
    TDominioId::CHAR8, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR10,
    TDominioId::VARCHAR12, TDominioId::CHAR15, TDominioId::VARCHAR20, TDominioId::BLOB50,
    TDominioId::VARCHAR50,
};
static_assert(std::size(DominiosDocurec) == 17);
inline constexpr TColunaCatalogo ColunasDocurec[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::CHAR8, true),
    FColuna("TIPODOCTO", "Tipodocto", TDominioId::CHAR2, true),
    FColuna("CODDOCTO", "Coddocto", TDominioId::CHAR15, true),
    FColuna("DT_VENDA", "Dt_venda", TDominioId::DATA, false),
    FColuna("DT_EMISSAO", "Dt_emissao", TDominioId::DATA, false),
    FColuna("DT_VENCIMENTO", "Dt_vencimento", TDominioId::DATA, false),
    FColuna("CODMOEDA", "Codmoeda", TDominioId::VARCHAR2, false),
    FColuna("VALORVENDA", "Valorvenda", TDominioId::NUMERICO, false),
    FColuna("VALORDOCTO", "Valordocto", TDominioId::NUMERICO, false),
    FColuna("VALORDESC", "Valordesc", TDominioId::NUMERICO, false),
    FColuna("VALORPAGO", "Valorpago", TDominioId::NUMERICO, false),
    FColuna("VALORDEVOL", "Valordevol", TDominioId::NUMERICO, false),
    FColuna("NOSSONUMERO", "Nossonumero", TDominioId::VARCHAR20, false),
    FColuna("NUMORD", "Numord", TDominioId::VARCHAR12, false),
    FColuna("NUMDOCORIG", "Numdocorig", TDominioId::VARCHAR12, false),
    FColuna("CODBANCO", "Codbanco", TDominioId::VARCHAR4, false),
    FColuna("CODVENDEDOR", "Codvendedor", TDominioId::VARCHAR5, false),
    FColuna("CODCART", "Codcart", TDominioId::VARCHAR3, false),
    FColuna("COMISSAO", "Comissao", TDominioId::NUMERICO, false),
    FColuna("CONTACXA", "Contacxa", TDominioId::VARCHAR7, false),
    FColuna("EMITIUBOLETA", "Emitiuboleta", TDominioId::VARCHAR1, false),
    FColuna("SIST_MANU", "Sist_manu", TDominioId::VARCHAR1, false),
    FColuna("SITUACAO", "Situacao", TDominioId::VARCHAR1, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::VARCHAR50, false),
    FColuna("CODOPER", "Codoper", TDominioId::VARCHAR3, false),
    FColuna("ORDEM", "Ordem", TDominioId::VARCHAR1, false),
    FColuna("QUANTITENS", "Quantitens", TDominioId::NUMERICO, false),
    FColuna("TXANTECIP", "Txantecip", TDominioId::NUMERICO, false),
    FColuna("DESPADIC", "Despadic", TDominioId::NUMERICO, false),
    FColuna("ANOTACOES", "Anotacoes", TDominioId::BLOB50, false),
    FColuna("NUMDOCBCO", "Numdocbco", TDominioId::VARCHAR10, false),
    FColuna("TIPOVINCULO", "Tipovinculo", TDominioId::VARCHAR1, false),
    FColuna("CODVINCULO", "Codvinculo", TDominioId::VARCHAR4, false),
    FColuna("CODPLANOVINCULO", "Codplanovinculo", TDominioId::VARCHAR4, false),
    FColuna("CODFORMAVINCULO", "Codformavinculo", TDominioId::VARCHAR2, false),
    FColuna("TAXARETENCAO", "Taxaretencao", TDominioId::NUMERICO, false),
    FColuna("CODPROJ", "Codproj", TDominioId::INTEIRO, false),
    FColuna("DESCFINANC", "Descfinanc", TDominioId::NUMERICO, false),
    FColuna("CODCOBRADOR", "Codcobrador", TDominioId::VARCHAR3, false),
    FColuna("TXMANUTENCAO", "Txmanutencao", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasDocurec) == 41);
inline constexpr std::string_view ChavePkDocurec[] = {"CODEMPRESA", "CODCLIENTE", "TIPODOCTO", "CODDOCTO"};
inline constexpr TTabelaCatalogo TabelaDocurec{
    "DOCUREC", "Docurec", "TRegistroDocurec", true, ColunasDocurec, DominiosDocurec,
    "PK_Docurec", "CODEMPRESA,CODCLIENTE,TIPODOCTO,CODDOCTO", ChavePkDocurec};

// MOVIREC
inline constexpr TDominioId DominiosMovirec[] = {
    TDominioId::VARCHAR1, TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::VARCHAR3,
    TDominioId::INTEIRO, TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR7,
    TDominioId::CHAR8, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR10,
    TDominioId::CHAR12, TDominioId::VARCHAR12, TDominioId::CHAR15, TDominioId::VARCHAR15,
    TDominioId::VARCHAR20,
};
static_assert(std::size(DominiosMovirec) == 17);
inline constexpr TColunaCatalogo ColunasMovirec[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("TIPODOCTO", "Tipodocto", TDominioId::CHAR2, true),
    FColuna("CODDOCTO", "Coddocto", TDominioId::CHAR15, true),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::CHAR8, true),
    FColuna("TIPOMOV", "Tipomov", TDominioId::CHAR2, true),
    FColuna("NUMORD", "Numord", TDominioId::CHAR12, true),
    FColuna("VALORMOV", "Valormov", TDominioId::NUMERICO, false),
    FColuna("VALORDESC", "Valordesc", TDominioId::NUMERICO, false),
    FColuna("JUROSMULTA", "Jurosmulta", TDominioId::NUMERICO, false),
    FColuna("DT_MOVIMENTO", "Dt_movimento", TDominioId::DATA, false),
    FColuna("DT_VENCIMENTO", "Dt_vencimento", TDominioId::DATA, false),
    FColuna("CODBANCOPGTO", "Codbancopgto", TDominioId::VARCHAR4, false),
    FColuna("CODFORMAPGTO", "Codformapgto", TDominioId::VARCHAR2, false),
    FColuna("CONTACXA", "Contacxa", TDominioId::VARCHAR7, false),
    FColuna("DATAHORA", "Datahora", TDominioId::VARCHAR12, false),
    FColuna("NOMEBANCOPGTO", "Nomebancopgto", TDominioId::VARCHAR10, false),
    FColuna("NUMDOCPGTO", "Numdocpgto", TDominioId::VARCHAR15, false),
    FColuna("SIST_MANU", "Sist_manu", TDominioId::VARCHAR1, false),
    FColuna("USUARIO", "Usuario", TDominioId::VARCHAR10, false),
    FColuna("CODOPER", "Codoper", TDominioId::VARCHAR3, false),
    FColuna("CONTAPGTO", "Contapgto", TDominioId::VARCHAR15, false),
    FColuna("CODAGENPGTO", "Codagenpgto", TDominioId::VARCHAR5, false),
    FColuna("ESTORNADO", "Estornado", TDominioId::VARCHAR1, false),
    FColuna("CODBANCOANT", "Codbancoant", TDominioId::VARCHAR4, false),
    FColuna("CODCARTANT", "Codcartant", TDominioId::VARCHAR3, false),
    FColuna("CODBANCOAT", "Codbancoat", TDominioId::VARCHAR4, false),
    FColuna("CODCARTAT", "Codcartat", TDominioId::VARCHAR3, false),
    FColuna("NUMORD2", "Numord2", TDominioId::VARCHAR12, false),
    FColuna("ORDEMLIQRECEBER", "Ordemliqreceber", TDominioId::INTEIRO, false),
    FColuna("CODLIQVALOR", "Codliqvalor", TDominioId::INTEIRO, false),
    FColuna("OBSERVACAO", "Observacao", TDominioId::VARCHAR1, false),
    FColuna("CODEMPRESAMOV", "Codempresamov", TDominioId::VARCHAR2, false),
    FColuna("CODLIQINTEGRADA", "Codliqintegrada", TDominioId::INTEIRO, false),
    FColuna("NOSSONUMERO", "Nossonumero", TDominioId::VARCHAR20, false),
    FColuna("AGENCIAAT", "Agenciaat", TDominioId::VARCHAR5, false),
    FColuna("CONTAAT", "Contaat", TDominioId::VARCHAR15, false),
};
static_assert(std::size(ColunasMovirec) == 36);
inline constexpr std::string_view ChavePkMovirec[] = {"CODEMPRESA", "TIPODOCTO", "CODDOCTO", "CODCLIENTE", "TIPOMOV", "NUMORD"};
inline constexpr TTabelaCatalogo TabelaMovirec{
    "MOVIREC", "Movirec", "TRegistroMovirec", true, ColunasMovirec, DominiosMovirec,
    "PK_Movirec", "CODEMPRESA,TIPODOCTO,CODDOCTO,CODCLIENTE,TIPOMOV,NUMORD", ChavePkMovirec};

// PRETERC
inline constexpr TDominioId DominiosPreterc[] = {
    TDominioId::VARCHAR1, TDominioId::VARCHAR2, TDominioId::VARCHAR3, TDominioId::INTEIRO,
    TDominioId::VARCHAR4, TDominioId::VARCHAR5, TDominioId::VARCHAR6, TDominioId::DATA,
    TDominioId::NUMERICO, TDominioId::VARCHAR8, TDominioId::VARCHAR10, TDominioId::VARCHAR12,
    TDominioId::VARCHAR15, TDominioId::VARCHAR20, TDominioId::VARCHAR30, TDominioId::VARCHAR40,
    TDominioId::VARCHAR45, TDominioId::VARCHAR55,
};
static_assert(std::size(DominiosPreterc) == 18);
inline constexpr TColunaCatalogo ColunasPreterc[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::VARCHAR2, true),
    FColuna("CODBANCO", "Codbanco", TDominioId::VARCHAR4, true),
    FColuna("CODAGEN", "Codagen", TDominioId::VARCHAR5, true),
    FColuna("CONTA", "Conta", TDominioId::VARCHAR15, true),
    FColuna("NUMCHEQUE", "Numcheque", TDominioId::VARCHAR10, true),
    FColuna("MARCADO", "Marcado", TDominioId::VARCHAR1, false),
    FColuna("NOMEBANCO", "Nomebanco", TDominioId::VARCHAR30, false),
    FColuna("DT_EMISSAO", "Dt_emissao", TDominioId::DATA, false),
    FColuna("DT_ENTRADA", "Dt_entrada", TDominioId::DATA, false),
    FColuna("VLRCHEQUE", "Vlrcheque", TDominioId::NUMERICO, false),
    FColuna("HISTORICO", "Historico", TDominioId::VARCHAR55, false),
    FColuna("SACADO", "Sacado", TDominioId::VARCHAR45, false),
    FColuna("CODCLIENTE", "Codcliente", TDominioId::VARCHAR8, false),
    FColuna("LANCADO", "Lancado", TDominioId::VARCHAR1, false),
    FColuna("CODMOEDA", "Codmoeda", TDominioId::VARCHAR2, false),
    FColuna("VENDEDOR", "Vendedor", TDominioId::VARCHAR4, false),
    FColuna("NUMDOCORIG", "Numdocorig", TDominioId::VARCHAR12, false),
    FColuna("CHDEVOLVIDO", "Chdevolvido", TDominioId::VARCHAR1, false),
    FColuna("CGCCPF", "Cgccpf", TDominioId::VARCHAR20, false),
    FColuna("CODFORNEC", "Codfornec", TDominioId::VARCHAR6, false),
    FColuna("ORDEMLIQPAGAR", "Ordemliqpagar", TDominioId::INTEIRO, false),
    FColuna("TELEFONE", "Telefone", TDominioId::VARCHAR15, false),
    FColuna("DT_BAIXA", "Dt_baixa", TDominioId::DATA, false),
    FColuna("NUMORD", "Numord", TDominioId::VARCHAR12, false),
    FColuna("CODLIQVALOR", "Codliqvalor", TDominioId::INTEIRO, false),
    FColuna("CODBANCODESCONTO", "Codbancodesconto", TDominioId::VARCHAR4, false),
    FColuna("VALORDESCONTADO", "Valordescontado", TDominioId::NUMERICO, false),
    FColuna("DATADESCONTO", "Datadesconto", TDominioId::DATA, false),
    FColuna("USUARIO", "Usuario", TDominioId::VARCHAR10, false),
    FColuna("BANDAMAGNETICA", "Bandamagnetica", TDominioId::VARCHAR30, false),
    FColuna("DESTINO", "Destino", TDominioId::VARCHAR40, false),
    FColuna("CODBANCOCUSTODIA", "Codbancocustodia", TDominioId::VARCHAR4, false),
    FColuna("CODCARTCUSTODIA", "Codcartcustodia", TDominioId::VARCHAR3, false),
    FColuna("NUMCUSTODIA", "Numcustodia", TDominioId::INTEIRO, false),
    FColuna("DATACUSTODIA", "Datacustodia", TDominioId::DATA, false),
    FColuna("CODBANCOCUSTODIAANT", "Codbancocustodiaant", TDominioId::VARCHAR4, false),
    FColuna("CODCARTCUSTODIAANT", "Codcartcustodiaant", TDominioId::VARCHAR3, false),
    FColuna("NUMCUSTODIAANT", "Numcustodiaant", TDominioId::INTEIRO, false),
    FColuna("DATACUSTODIAANT", "Datacustodiaant", TDominioId::DATA, false),
    FColuna("TIPOSERVICOCDL", "Tiposervicocdl", TDominioId::VARCHAR2, false),
    FColuna("PROTOCOLOCDL", "Protocolocdl", TDominioId::VARCHAR12, false),
    FColuna("NUMAUTORIZACAO", "Numautorizacao", TDominioId::VARCHAR12, false),
    FColuna("DT_ESTORNO", "Dt_estorno", TDominioId::DATA, false),
    FColuna("JUROS", "Juros", TDominioId::NUMERICO, false),
    FColuna("NUMORDRECEBER", "Numordreceber", TDominioId::VARCHAR12, false),
    FColuna("NUMORDMOVIREC", "Numordmovirec", TDominioId::VARCHAR12, false),
};
static_assert(std::size(ColunasPreterc) == 46);
inline constexpr std::string_view ChavePkPreterc[] = {"CODEMPRESA", "CODBANCO", "CODAGEN", "CONTA", "NUMCHEQUE"};
inline constexpr TTabelaCatalogo TabelaPreterc{
    "PRETERC", "Preterc", "TRegistroPreterc", true, ColunasPreterc, DominiosPreterc,
    "PK_Preterc", "CODEMPRESA,CODBANCO,CODAGEN,CONTA,NUMCHEQUE", ChavePkPreterc};

// SINTEGRA60A
inline constexpr TDominioId DominiosSintegra60a[] = {
    TDominioId::CHAR2, TDominioId::CHAR4, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR20,
};
static_assert(std::size(DominiosSintegra60a) == 5);
inline constexpr TColunaCatalogo ColunasSintegra60a[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR20, true),
    FColuna("DATAEMISSAO", "Dataemissao", TDominioId::DATA, true),
    FColuna("ALIQICM", "Aliqicm", TDominioId::CHAR4, true),
    FColuna("VALORTOTAL", "Valortotal", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasSintegra60a) == 5);
inline constexpr std::string_view ChavePkSintegra60a[] = {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "ALIQICM"};
inline constexpr TTabelaCatalogo TabelaSintegra60a{
    "SINTEGRA60A", "Sintegra60a", "TRegistroSintegra60a", true, ColunasSintegra60a, DominiosSintegra60a,
    "PK_Sintegra60a", "CODEMPRESA,NUMSERIE,DATAEMISSAO,ALIQICM", ChavePkSintegra60a};

// SINTEGRA60D
inline constexpr TDominioId DominiosSintegra60d[] = {
    TDominioId::CHAR2, TDominioId::CHAR4, TDominioId::CHAR6, TDominioId::DATA, TDominioId::NUMERICO,
    TDominioId::VARCHAR20,
};
static_assert(std::size(DominiosSintegra60d) == 6);
inline constexpr TColunaCatalogo ColunasSintegra60d[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR20, true),
    FColuna("DATAEMISSAO", "Dataemissao", TDominioId::DATA, true),
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("ALIQICM", "Aliqicm", TDominioId::CHAR4, true),
    FColuna("VALORTOTAL", "Valortotal", TDominioId::NUMERICO, false),
    FColuna("BASECALC", "Basecalc", TDominioId::NUMERICO, false),
    FColuna("VALORICM", "Valoricm", TDominioId::NUMERICO, false),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasSintegra60d) == 9);
inline constexpr std::string_view ChavePkSintegra60d[] = {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "CODPROD", "ALIQICM"};
inline constexpr TTabelaCatalogo TabelaSintegra60d{
    "SINTEGRA60D", "Sintegra60d", "TRegistroSintegra60d", true, ColunasSintegra60d, DominiosSintegra60d,
    "PK_Sintegra60d", "CODEMPRESA,NUMSERIE,DATAEMISSAO,CODPROD,ALIQICM", ChavePkSintegra60d};

// SINTEGRA60I
inline constexpr TDominioId DominiosSintegra60i[] = {
    TDominioId::CHAR2, TDominioId::VARCHAR2, TDominioId::CHAR3, TDominioId::CHAR4,
    TDominioId::CHAR6, TDominioId::DATA, TDominioId::NUMERICO, TDominioId::VARCHAR20,
};
static_assert(std::size(DominiosSintegra60i) == 8);
inline constexpr TColunaCatalogo ColunasSintegra60i[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::VARCHAR20, true),
    FColuna("DATAEMISSAO", "Dataemissao", TDominioId::DATA, true),
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("ALIQICM", "Aliqicm", TDominioId::CHAR4, true),
    FColuna("CUPOM", "Cupom", TDominioId::CHAR6, true),
    FColuna("ITEM", "Item", TDominioId::CHAR3, true),
    FColuna("MODELO", "Modelo", TDominioId::VARCHAR2, false),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
    FColuna("VALORTOTAL", "Valortotal", TDominioId::NUMERICO, false),
    FColuna("BASECALC", "Basecalc", TDominioId::NUMERICO, false),
    FColuna("VALORICM", "Valoricm", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasSintegra60i) == 12);
inline constexpr std::string_view ChavePkSintegra60i[] = {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO", "CODPROD", "ALIQICM", "CUPOM", "ITEM"};
inline constexpr TTabelaCatalogo TabelaSintegra60i{
    "SINTEGRA60I", "Sintegra60i", "TRegistroSintegra60i", true, ColunasSintegra60i, DominiosSintegra60i,
    "PK_Sintegra60i", "CODEMPRESA,NUMSERIE,DATAEMISSAO,CODPROD,ALIQICM,CUPOM,ITEM", ChavePkSintegra60i};

// SINTEGRA60M
inline constexpr TDominioId DominiosSintegra60m[] = {
    TDominioId::CHAR2, TDominioId::VARCHAR3, TDominioId::VARCHAR6, TDominioId::DATA,
    TDominioId::NUMERICO, TDominioId::CHAR20,
};
static_assert(std::size(DominiosSintegra60m) == 6);
inline constexpr TColunaCatalogo ColunasSintegra60m[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::CHAR20, true),
    FColuna("DATAEMISSAO", "Dataemissao", TDominioId::DATA, true),
    FColuna("CUPOMINICIAL", "Cupominicial", TDominioId::VARCHAR6, false),
    FColuna("CUPOMFINAL", "Cupomfinal", TDominioId::VARCHAR6, false),
    FColuna("REDUCAOZ", "Reducaoz", TDominioId::VARCHAR6, false),
    FColuna("REINICIOOPERACAO", "Reiniciooperacao", TDominioId::VARCHAR3, false),
    FColuna("VENDABRUTA", "Vendabruta", TDominioId::NUMERICO, false),
    FColuna("TOTALIZADORGERAL", "Totalizadorgeral", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasSintegra60m) == 9);
inline constexpr std::string_view ChavePkSintegra60m[] = {"CODEMPRESA", "NUMSERIE", "DATAEMISSAO"};
inline constexpr TTabelaCatalogo TabelaSintegra60m{
    "SINTEGRA60M", "Sintegra60m", "TRegistroSintegra60m", true, ColunasSintegra60m, DominiosSintegra60m,
    "PK_Sintegra60m", "CODEMPRESA,NUMSERIE,DATAEMISSAO", ChavePkSintegra60m};

// SINTEGRA60R
inline constexpr TDominioId DominiosSintegra60r[] = {
    TDominioId::CHAR2, TDominioId::CHAR4, TDominioId::CHAR6, TDominioId::NUMERICO,
    TDominioId::CHAR20,
};
static_assert(std::size(DominiosSintegra60r) == 5);
inline constexpr TColunaCatalogo ColunasSintegra60r[] = {
    FColuna("CODEMPRESA", "Codempresa", TDominioId::CHAR2, true),
    FColuna("NUMSERIE", "Numserie", TDominioId::CHAR20, true),
    FColuna("MES_ANO", "Mes_ano", TDominioId::CHAR6, true),
    FColuna("CODPROD", "Codprod", TDominioId::CHAR6, true),
    FColuna("ALIQICM", "Aliqicm", TDominioId::CHAR4, true),
    FColuna("QUANTIDADE", "Quantidade", TDominioId::NUMERICO, false),
    FColuna("VALORPROD", "Valorprod", TDominioId::NUMERICO, false),
    FColuna("BASECALC", "Basecalc", TDominioId::NUMERICO, false),
};
static_assert(std::size(ColunasSintegra60r) == 8);
inline constexpr std::string_view ChavePkSintegra60r[] = {"CODEMPRESA", "NUMSERIE", "MES_ANO", "CODPROD", "ALIQICM"};
inline constexpr TTabelaCatalogo TabelaSintegra60r{
    "SINTEGRA60R", "Sintegra60r", "TRegistroSintegra60r", true, ColunasSintegra60r, DominiosSintegra60r,
    "PK_Sintegra60r", "CODEMPRESA,NUMSERIE,MES_ANO,CODPROD,ALIQICM", ChavePkSintegra60r};

// CADOPER: replicated, not maintained; its columns are typed directly.
inline constexpr TColunaCatalogo ColunasCadoper[] = {
    FColunaSemDominio("CODOPER", "Codoper", TTipoValor::Texto),
    FColunaSemDominio("NOME", "Nome", TTipoValor::Texto),
    FColunaSemDominio("SENHA", "Senha", TTipoValor::Texto),
    FColunaSemDominio("SANGRIA", "Sangria", TTipoValor::Texto),
    FColunaSemDominio("CANCELAITEM", "Cancelaitem", TTipoValor::Texto),
    FColunaSemDominio("CANCELAVENDA", "Cancelavenda", TTipoValor::Texto),
    FColunaSemDominio("LEITURAX", "Leiturax", TTipoValor::Texto),
    FColunaSemDominio("LEITURAZ", "Leituraz", TTipoValor::Texto),
    FColunaSemDominio("LEITURAMEMORIA", "Leituramemoria", TTipoValor::Texto),
    FColunaSemDominio("ABERTURAGAVETA", "Aberturagaveta", TTipoValor::Texto),
    FColunaSemDominio("CANCELAATUAL", "Cancelaatual", TTipoValor::Texto),
    FColunaSemDominio("USUARIO", "Usuario", TTipoValor::Texto),
    FColunaSemDominio("HISTORICOCLIENTE", "Historicocliente", TTipoValor::Inteiro),
    FColunaSemDominio("LIQUIDADOCUREC", "Liquidadocurec", TTipoValor::Texto),
};
static_assert(std::size(ColunasCadoper) == 14);
inline constexpr std::string_view ChavePkCadoper[] = {"CODOPER"};
inline constexpr TTabelaCatalogo TabelaCadoper{
    "CADOPER", "Cadoper", "TRegistroCadoper", false, ColunasCadoper, {}, "", "", ChavePkCadoper};

inline constexpr std::size_t QuantidadeTabelas = 32;
inline constexpr std::size_t QuantidadeColunasCatalogo = 1098;
inline constexpr std::array<const TTabelaCatalogo*, QuantidadeTabelas> Catalogo = {
    &TabelaProduto,
    &TabelaFornece,
    &TabelaVendend,
    &TabelaCadusua,
    &TabelaOperador,
    &TabelaCliente,
    &TabelaCdoperc,
    &TabelaPedidoc,
    &TabelaPedidoi,
    &TabelaSangria,
    &TabelaEncerra,
    &TabelaVendpdv,
    &TabelaEncefat,
    &TabelaMvgeral,
    &TabelaEnccartao,
    &TabelaParcpedc,
    &TabelaConvencefat,
    &TabelaFinanciamento,
    &TabelaReducoesz,
    &TabelaReducaoz_c,
    &TabelaReducaoz_i,
    &TabelaDetalhereducoesz,
    &TabelaEcfgeral,
    &TabelaDemaisdocumentosecf,
    &TabelaDocurec,
    &TabelaMovirec,
    &TabelaPreterc,
    &TabelaSintegra60a,
    &TabelaSintegra60d,
    &TabelaSintegra60i,
    &TabelaSintegra60m,
    &TabelaSintegra60r,
};
