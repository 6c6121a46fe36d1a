#pragma once
#include "frmcadastro.h"

class QLineEdit;

// Payment conditions: a schedule of terms ("Entrada \ 30 \ 60") built one
// term at a time with "Ok" and taken back with "Corrige"; the number of
// instalments follows it. The new code is shown in advance.
class FrmCadCondicaoPagto : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadCondicaoPagto();
    qint32 codigo_condicao = 0;

    static inline const QString SEPARADOR = QStringLiteral(" \\ ");
    static constexpr int TAMANHO_MAXIMO = 200; // the width of cdescricao

    QLineEdit* Text11; // code
    QLineEdit* Text3;  // schedule
    QLineEdit* Label4; // number of instalments
    QLineEdit* Text2;  // one term: days, 0 for "Entrada"
    QPushButton* Command1; // "Ok"
    QPushButton* Command2; // "Corrige"

    void Command1_Click();
    void Command2_Click();

protected:
    void prepara() override;
    void mostra_dados() override;
    void reserva_codigo() override;
    void grava() override;
    QWidget* primeiro_campo() override;

private:
    void conta_parcelas();
};
