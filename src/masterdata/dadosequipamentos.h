#pragma once
// The kinds of machine with the names of their properties, and the
// customers' machines with a value for each property: plain values and the
// statements that read and write them, every value bound (see
// dadoscadastros.h for the errors they throw).
#include <QList>
#include <QString>
#include <optional>

// A kind of machine ("Impressora").
struct Equipamento {
    qint32 codigo = 0;
    QString descricao;
};
// A property that every machine of a kind has ("Número de série").
struct Propriedade {
    qint32 codigo = 0;
    QString descricao;
};

// A new kind's row is written as the form opens (its properties hang on it
// before it is saved): an empty description, whose code comes back.
qint32 reserva_equipamento();
std::optional<Equipamento> le_equipamento(qint32 codigo);
void grava_equipamento(const Equipamento& equipamento);
// Leaving a new kind unsaved: its properties and its row go in one unit of
// work, and its code is handed back where that is safe.
void abandona_equipamento(qint32 codigo);
// The kinds a machine may be of, by description, without the rows still
// reserved by a form.
QList<Equipamento> tipos_de_equipamento();

// The properties of a kind, in the order they were added.
QList<Propriedade> le_propriedades(qint32 equipamento);
void inclui_propriedade(qint32 equipamento, const QString& descricao);
void altera_propriedade(qint32 codigo, const QString& descricao);
// A property that a machine has a value for is refused by the database.
void exclui_propriedade(qint32 codigo);

// A property of a customer's machine with the value typed for it.
struct ValorPropriedade {
    qint32 propriedade = 0;
    QString descricao; // the property's name
    QString valor;
};
// One machine of one customer.
struct EquipamentoCliente {
    qint32 codigo = 0; // 0: not saved yet
    qint32 cliente = 0;
    Equipamento tipo;
    QString identificacao;
    QList<ValorPropriedade> valores;
};
std::optional<EquipamentoCliente> le_equipamento_cliente(qint32 codigo);
// Writes the machine with its values as one unit of work: a new one
// (codigo 0) is inserted, the values of one saved before are written
// again. Gives the machine's code.
qint32 grava_equipamento_cliente(const EquipamentoCliente& maquina);
