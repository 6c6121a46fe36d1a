#pragma once
// Money is never below zero: not typed, not pasted, not stored. The forms
// refuse a negative amount in their money fields; the database refuses it
// by a named check constraint on every money column (an older database
// keeps the negative rows it already had, and the program names them).
#include <QString>

class Conexao;

// The schema version whose script adds those constraints.
inline constexpr int VERSAO_VALORES_NAO_NEGATIVOS = 9;

// The notice for a negative amount in a money field (shown by
// confere_nao_negativo of the shared module).
QString mensagem_valor_negativo(const QString& texto);

// Whether a database error is a money column's constraint refusing an
// amount below zero, and what the user reads then.
bool erro_valor_negativo(const QString& descricao);
inline const QString VALOR_NEGATIVO_RECUSADO = QStringLiteral(
    "O banco de dados recusou um valor abaixo de zero: valores em dinheiro não podem ser negativos. Nada foi gravado.\n\n"
    "Se este registro já tinha um valor negativo gravado antes, corrija esse valor e repita a operação.");

// The rows a database holds with an amount below zero, named by table and
// code, as one message for the shop; empty when there are none. Reads only.
// Throws ErroBanco.
QString linhas_com_valor_negativo(Conexao& c);
