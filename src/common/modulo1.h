#pragma once
// The shared module: the session objects every form uses and the small
// procedures that keep all forms alike (keys, field formats, SQL literals,
// confirmations, database error messages).
#include "dinheiro.h"
#include "sessao.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class QLineEdit;
class QWidget;

// ------------------------------------------------------------ the session
extern Conexao conexao;  // the one connection
extern Recordset rsDados; // main reads of a form
extern Recordset rsAux;   // lookups while rsDados is open
extern QString cSQL;      // the statement a handler builds and runs

extern QString cNomeEmpresa; // the shop's trade name
extern QString cRodape;      // the footer line of every printout
extern qint32 nCodigoConsulta; // the code chosen in a lookup, 0 when cancelled

// --------------------------------------------------------------- field kinds
enum TipoCampo { CampoData = 1, CampoDinheiro = 2, CampoInteiro = 3, CampoDecimal = 4 };

// ----------------------------------------------------------- the procedures
void filtra_apostrofo(int& keyAscii);
void registro_nao_localizado(QLineEdit* caixa);
void formata_campo(QLineEdit* caixa, int tipo);
void filtra_tecla(QLineEdit* caixa, int tipo, int& keyAscii);
void limpa_campos(QWidget* form);
bool confirma_exclusao(const QString& oque, const QString& nome);
// Database errors as the user reads them; a lost connection (-902) shows
// CONEXAO_PERDIDA and nothing of the driver's text.
void trata_erro_banco(const ErroBanco& erro);
inline const QString CONEXAO_PERDIDA = QStringLiteral(
    "A conexão com o banco de dados foi perdida.\n\n"
    "Verifique se o computador servidor está ligado e se a rede está funcionando, "
    "e repita a operação: o programa volta a se conectar sozinho. "
    "O que foi digitado continua na tela.");
// Another station changed the same data at the same moment, twice in a row
// (the first time the work runs again by itself): nothing was stored.
inline const QString CONFLITO_ESTACOES = QStringLiteral(
    "Outra estação alterou estes mesmos dados ao mesmo tempo, e nada foi gravado.\n\n"
    "Confira os dados na tela e repita a operação.");
void trata_erro_banco(const QString& descricao);
// A record saved from a form was deleted meanwhile (at another station):
// its update wrote no row.
inline const QString REGISTRO_EXCLUIDO = QStringLiteral("Registro não localizado! Ele foi excluído depois de aberto; nada foi gravado.");
// Runs the steps of one operation as one transaction (Conexao::unidade: a
// conflict with another station is retried once). A database error is
// shown through trata_erro_banco, nothing of the operation is kept, the
// record sets are closed, and false is returned.
bool em_transacao(Operacao op, const std::function<void()>& passos);
bool em_transacao(Operacao op, const QStringList& comandos);
bool verifica_obrigatorios(QWidget* form);
void centraliza_form(QWidget* form);
QString data_sql(const QString& data);
QString valor_sql(const QString& valor); // throws std::invalid_argument if not money
// The amount of a money box as a save reads it: the box formatted as on
// leaving it; nullopt (its notice shown) when it is not an amount or is
// below zero.
std::optional<Dinheiro> le_valor_campo(QLineEdit* caixa);
// Shows the notice of a negative amount when the box holds an amount below
// zero (typed or pasted; the text is kept, for the user to correct); false
// then.
bool confere_nao_negativo(QLineEdit* caixa);
// What the user reads when a text is not money.
QString mensagem_valor_invalido(const QString& texto);

// ------------------------------------------------------ helpers of our own
// Marks a text box as required (the "*" tag that verifica_obrigatorios reads).
void marca_obrigatorio(QWidget* caixa, bool obrigatorio = true);
// Every text value goes into SQL through this: apostrophes doubled.
QString texto_sql(const QString& texto);
// Proper case: first letter of every word upper case, the rest lower case.
QString nome_proprio(const QString& texto);
// Reads a date as the user may type it (dd/mm/yyyy, d/m/yy, yyyy-mm-dd ...).
// A two-digit year is the one up to 20 years after this year, or else
// before it (in 2026: 46 is 2046, 47 is 1947).
QDate le_data(const QString& texto);
// Brazilian formats whatever the machine's locale, and Qt's own texts
// (standard buttons, file and print dialogs, a text box's context menu) in
// Portuguese from Qt's pt_BR translations, loaded once for the application;
// without them installed Qt's texts stay in English.
void configura_locale();
