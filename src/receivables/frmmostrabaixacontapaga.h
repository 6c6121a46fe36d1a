#pragma once
#include "formmodal.h"

#include <functional>

class Grade;
class QPushButton;

// The write-offs of one instalment. From the open receivables a write-off
// can be deleted (the instalment's open value rises again); from the
// received accounts the list is read-only.
class FrmMostraBaixaContaPaga : public FormModal {
    Q_OBJECT
public:
    FrmMostraBaixaContaPaga();

    // Set by the caller before opening: "A receber" from the open
    // receivables, "pagas" from the received accounts; and the instalment.
    QString ctipo_conta;
    qint32 nCodigoConta = 0;
    // Run after a write-off is deleted: the list that opened this window
    // shows the instalment's open value risen at once.
    std::function<void()> aoExcluir;

    Grade* Grid1;
    QPushButton* CmdExcluir;
    QPushButton* CmdRecibo; // "&Recibo": reprints the receipt of the current row
    QPushButton* CmdSair;

    // Fills the list of the instalment's write-offs.
    void mostra_dados();
    void CmdExcluir_Click();

    static constexpr int LINHAS_MINIMAS = 10;

protected:
    void ao_abrir_janela() override;

private:
};
