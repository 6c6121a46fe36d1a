#pragma once
#include "formmodal.h"

class QDateEdit;
class QLabel;
class QPushButton;

// Asks for the period of a report: two date pickers set to today. After
// "Ok" the caller reads the two dates as short date texts; after
// "Cancelar" or the close box both are empty.
class FrmSelecionaPeriodo : public FormModal {
    Q_OBJECT
public:
    FrmSelecionaPeriodo();

    QLabel* Label1;
    QDateEdit* DTPicker1; // start of the period
    QDateEdit* DTPicker2; // end of the period
    QPushButton* Command1; // "Ok"
    QPushButton* Command2; // "Cancelar"

    QString data_base; // start date "dd/mm/yyyy" after "Ok", empty otherwise
    QString data_teto; // end date "dd/mm/yyyy" after "Ok", empty otherwise

    void Command1_Click();
    void Command2_Click();

protected:
    void ao_abrir_janela() override;
    void reject() override;

private:
};

// Opens the period dialog; true when the user gave both dates.
bool pede_periodo(QString& data_base, QString& data_teto);
