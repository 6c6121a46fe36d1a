#pragma once
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
    qint32 nCodigoEquipamentoCliente = 0;
    qint32 ncodigoCliente = 0; // the customer of a new machine

    QComboBox* Combo1; // equipment type
    QLineEdit* Text2;  // identification
    Grade* Grid1;      // property code (hidden), property, value
    QLineEdit* Text1;  // the in-place editor of a value (the grid's)

    static constexpr int LINHAS_MINIMAS = 14;

protected:
    void prepara() override;
    void mostra_dados() override;
    void reserva_codigo() override;
    bool pode_gravar() override;
    void grava() override;
    QWidget* primeiro_campo() override;
    bool fecha_ao_gravar() const override { return true; }

private:
    void prepara_grade();
    void carrega_propriedades_do_tipo();
    bool m_carregando = false;
};
