#pragma once
#include "dadosequipamentos.h"
#include "frmcadastro.h"

class Grade;
class QComboBox;
class QLineEdit;

// One machine of one customer: its type, an identification and a value for
// each property of the type, typed in place in the list. The machine and
// its values are written together when saved.
class FrmCadEquipamentoCliente : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadEquipamentoCliente();
    // Opens the form modally for a new machine of this customer; gives the
    // machine's code once saved.
    std::optional<qint32> inclui(qint32 cliente);
    // What the next opening shows, without opening (see FrmCadastro).
    void define_inclusao(qint32 cliente);

    QComboBox* caixaTipo;
    QLineEdit* caixaIdentificacao;
    Grade* gradeValores;     // property, value; each row with its property's code
    QLineEdit* editorValor;  // the in-place editor of a value (the grid's)

    static constexpr int LINHAS_MINIMAS = 13; // data rows shown at least
    enum Coluna { COLUNA_PROPRIEDADE, COLUNA_VALOR };

protected:
    void prepara() override;
    void mostra_dados() override;
    void reserva_codigo() override;
    bool pode_gravar() override;
    qint32 grava() override;
    QWidget* primeiro_campo() override;
    bool fecha_ao_gravar() const override { return true; }

private:
    void prepara_grade();
    // The properties of the type chosen, each with an empty value.
    void carrega_propriedades_do_tipo();
    void mostra_valores(const QList<ValorPropriedade>& valores);
    QList<ValorPropriedade> valores_digitados() const;
    bool m_carregando = false;
    qint32 m_cliente = 0; // the customer of a new machine
};
