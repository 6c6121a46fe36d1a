#pragma once
#include <QList>
#include <QString>
#include <QVariant>

// A text of a report definition with its placeholders:
//   {campo}  {campo|formato}     a column of the report's query
//   {@Nome}                      a text formula field set by the program
//   {#pagina} {#paginas} {#hoje} page number, page count, today's date
//   {soma(campo)|formato}        the total of a column over the group or report
//   {contagem}                   how many detail rows the group or report has
// Formats: data, hora, datahora, moeda, numero, inteiro, maiusculas, and
// cpf_cnpj, cep, telefone (the stored digits in their printed form).
// [ ... ] is an optional stretch: it prints only when every placeholder in
// it has a value, so "{rua}[ - {bairro}]" leaves no dangling dash.
// "{{", "}}", "[[" and "]]" stand for the character itself.
class ModeloTexto {
public:
    struct Parte {
        enum Tipo { Literal, Campo, Formula, Pagina, Paginas, Hoje, Soma, Contagem } tipo = Literal;
        QString nome;    // literal text, column, formula name (lower case) or summed column
        QString formato;
        int indice = -1; // column of the data (also of a sum), once linked
        int trecho = 0;  // 0, or the number of the optional stretch it belongs to
    };

    ModeloTexto() = default;
    // Throws ErroRelatorio with a description of the fault.
    static ModeloTexto le(const QString& texto);

    QList<Parte>& partes() { return m_partes; }
    const QList<Parte>& partes() const { return m_partes; }
    bool vazio() const { return m_partes.isEmpty(); }
    bool usa(Parte::Tipo t) const;
    // Whether it prints only figures that a cut would misread: values in a
    // number, date or time format, totals and counts, and no other value.
    bool soFiguras() const;

private:
    QList<Parte> m_partes;
};

// A value as the report prints it in the given format ("" prints it as the
// user reads it elsewhere: dates dd/mm/yyyy, decimals with a comma).
QString formata_valor(const QVariant& valor, const QString& formato);
// Whether a value counts as true in a condition: not null, not empty, not 0.
bool valor_verdadeiro(const QVariant& valor);
