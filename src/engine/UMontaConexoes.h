#pragma once
// Builds the point-of-sale entries of both engines from the configuration file. Called by the
// window at start-up and after a point of sale was added, and by the command-line tool.
class TBancoDados;
class TConfiguracao;

// Walks sections CONEXAOCAIXA0, 1, 2... and registers, unopened, each point of sale whose path the
// master-data engine does not hold yet, in both engines in the same order (names ConexaoCaixa0,
// 1...). Stops at the first section with a blank path, or at the first new one with a blank user
// or password. Builds nothing while either engine lacks its central entry 0, so a point of sale
// never takes the central database's position.
void PMontaConexoes(TBancoDados& cadastro, TBancoDados& vendas, const TConfiguracao& configuracao);
