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

    static inline const QString SEPARADOR = QStringLiteral(" \\ ");
    static constexpr int TAMANHO_MAXIMO = 200; // the width of cdescricao

    QLineEdit* caixaCodigo;
    QLineEdit* caixaPrazo;
    QLineEdit* caixaParcelas;
    QLineEdit* caixaDias; // one term: days, 0 for "Entrada"
    QPushButton* botaoAcrescenta; // "Ok"
    QPushButton* botaoCorrige;

    // "Ok": the term typed goes at the end of the schedule.
    void acrescenta_prazo();
    // "Corrige": the last term of the schedule goes.
    void corrige_prazo();

protected:
    void prepara() override;
    void mostra_dados() override;
    void reserva_codigo() override;
    qint32 grava() override;
    QWidget* primeiro_campo() override;

private:
    void conta_parcelas();
    // The cash condition's schedule is fixed: its boxes and buttons are off.
    void libera_prazo(bool livre);
};
