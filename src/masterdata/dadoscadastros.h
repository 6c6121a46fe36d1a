#pragma once
// The records of the registration forms as plain values, and the statements
// that read and write them, every value bound. Each function runs on the
// program's connection and throws ErroBanco when the database refuses; an
// update of a record that is gone throws RegistroNaoLocalizado.
#include "sessao.h"

#include <QString>
#include <optional>

// The record a form shows is not in the database (any more): another
// station or a search screen deleted it. Shown as a notice, not as a
// database failure.
class RegistroNaoLocalizado : public Recusa {
public:
    explicit RegistroNaoLocalizado(const QString& texto = QStringLiteral("Registro não localizado!"))
        : Recusa(texto) {}
};

// The text written for a box: an empty box is stored as an empty text,
// never as null.
QVariant texto_gravado(const QString& texto);
// The one row a statement gives for a code (bound to its "?"), made into
// a value by le; none when there is no such row.
template <class T, class Leitura>
std::optional<T> le_registro(const QString& sql, qint32 codigo, Leitura le)
{
    Recordset rs(conexao);
    rs.abre(sql, {codigo});
    if (rs.eof())
        return std::nullopt;
    return le(rs);
}
// Runs the update of one record; one that writes no row means the record
// is gone (RegistroNaoLocalizado), never a save.
void atualiza_registro(const QString& sql, const QVariantList& valores);

// The generators whose codes a form takes by writing a row as it opens.
enum class CodigoReservado { Cliente, Equipamento };
// Inside the unit that removes such a row unsaved: on the embedded database
// (one program at a time) the generator goes back to the code before it
// when nobody drew a code after it. On a server another station may draw
// one at any moment: the code is left as a gap there.
void devolve_codigo(CodigoReservado gerador, qint32 codigo);

// ----- cities

struct Cidade {
    qint32 codigo = 0;
    QString nome;
    QString uf;
};
// The code the next city will get: shown in advance, taken when saved.
qint32 proximo_codigo_cidade();
std::optional<Cidade> le_cidade(qint32 codigo);
// A new city under the code it carries (the one shown in advance).
void inclui_cidade(const Cidade& cidade);
void grava_cidade(const Cidade& cidade);

// ----- customers and technicians

// Where a customer, a technician or the shop is and how to reach them: the
// same columns in each of their tables.
struct Endereco {
    qint32 cidade = 0;
    QString rua; // street and number (cendereco)
    QString bairro;
    QString cep;
    QString fone;
    QString fax;
    QString email;
};

// What a customer's and a technician's records hold alike.
struct Pessoa {
    qint32 codigo = 0;
    QString nome;       // the trade name (cfantasia)
    QString documento;  // CPF or CNPJ, as typed
    QString identidade; // RG or state registration
    QString contato;
    QString observacao;
    Endereco endereco;
};

struct Cliente : Pessoa {
    QString razao;         // the legal name
    bool juridica = false; // a company; otherwise a person
};
// A new customer's row is written as the form opens (its machines hang on
// it before it is saved): an empty row in city 1, whose code comes back.
qint32 reserva_cliente();
std::optional<Cliente> le_cliente(qint32 codigo);
// Writes the customer over its row (the reserved one of a new customer).
void grava_cliente(const Cliente& cliente);
// Leaving a new customer unsaved: its row goes, with the machines already
// registered for it and their values, in one unit of work; on the embedded
// database the code is handed back when nobody drew one after it.
void abandona_cliente(qint32 codigo);

struct Tecnico : Pessoa {
    QString comissao; // the rate as the user reads and types it ("2,5")
};
qint32 proximo_codigo_tecnico();
std::optional<Tecnico> le_tecnico(qint32 codigo);
// A commission that is not a number is refused with a notice (ErroBanco).
void inclui_tecnico(const Tecnico& tecnico);
void grava_tecnico(const Tecnico& tecnico);

// ----- payment conditions

struct CondicaoPagto {
    qint32 codigo = 0;
    QString prazo;    // the schedule: "Entrada \ 30 \ 60"
    int parcelas = 0; // how many instalments the schedule has
};
// The cash condition: its schedule is fixed.
inline constexpr qint32 CONDICAO_A_VISTA = 1;
qint32 proximo_codigo_condicao();
std::optional<CondicaoPagto> le_condicao(qint32 codigo);
void inclui_condicao(const CondicaoPagto& condicao);
void grava_condicao(const CondicaoPagto& condicao);

// ----- the shop

// The shop's own record, as its registration shows it (row 1).
struct CadastroEstabelecimento {
    QString fantasia;
    QString razaoSocial;
    QString cnpj;
    QString inscricaoEstadual;
    Endereco endereco;
};
std::optional<CadastroEstabelecimento> le_estabelecimento();
void grava_estabelecimento(const CadastroEstabelecimento& estabelecimento);
