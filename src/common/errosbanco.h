#pragma once
// Database errors as the user reads them, chosen by the error's own code,
// and the wrapper that runs one operation's steps as one transaction and
// shows its failure.
#include "sessao.h"

#include <QString>
#include <QStringList>
#include <functional>

// A lost connection (-902) shows CONEXAO_PERDIDA and nothing of the driver's text.
void trata_erro_banco(const ErroBanco& erro);
void trata_erro_banco(const QString& descricao);
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
// A record saved from a form was deleted meanwhile (at another station):
// its update wrote no row.
inline const QString REGISTRO_EXCLUIDO = QStringLiteral("Registro não localizado! Ele foi excluído depois de aberto; nada foi gravado.");

// Runs the steps of one operation as one transaction (Conexao::unidade: a
// conflict with another station is retried once). A database error is
// shown through trata_erro_banco, nothing of the operation is kept, and
// false is returned.
bool em_transacao(Operacao op, const std::function<void()>& passos);
bool em_transacao(Operacao op, const QStringList& comandos);
