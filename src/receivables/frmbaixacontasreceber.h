#pragma once
#include "dinheiro.h"

#include "formmodal.h"

class FiltroTeclas;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// One payment on an open instalment: integral (settles the instalment:
// an amount below the open value leaves the difference as a discount, one
// above it as a surcharge, each once the user agrees) or partial (above
// zero and below what is still open). Nothing is stored when the open
// value, read again under the instalment's lock, is no longer the one the
// form shows: the form shows the new one and stays open.
// Accepted when it wrote something, or when it found the instalment no
// longer open (the list beneath must refill either way).
class FrmBaixaContasReceber : public FormModal {
    Q_OBJECT
public:
    FrmBaixaContasReceber();

    // Set by the receivables list before opening: the instalment and its
    // open value as the list showed it.
    qint32 nCodigoConta = 0;
    Dinheiro nValorAtual;

    QDateEdit* DTPicker2;  // "Data da Baixa"
    QComboBox* Combo1;     // "Tipo da baixa"
    QLineEdit* Text3;      // "Valor atual" (read-only: the open value)
    QLineEdit* Text1;      // "Valor"
    QComboBox* Combo2;     // "Forma Pagto"
    QLineEdit* Text2;      // "Obs"
    QPushButton* CmdOk;
    QPushButton* CmdSair;

    void CmdOk_Click();
    // The write-off the last save stored; 0 when it stored none.
    qint32 baixaGravada() const { return m_baixa; }

protected:
    void ao_abrir_janela() override;

private:
    // Inside the save's transaction: the instalment locked and its open
    // value read again (another station may have paid it meanwhile);
    // nullopt when it is no longer open.
    std::optional<Dinheiro> le_valor_aberto();
    FiltroTeclas* m_teclas;
    qint32 m_baixa = 0;
};
