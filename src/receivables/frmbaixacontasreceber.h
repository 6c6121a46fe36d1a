#pragma once
#include "dinheiro.h"

#include "formmodal.h"

#include <optional>

class FiltroTeclas;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// One payment on an open instalment, integral or partial, by the rules of
// baixa.h (each discount or surcharge once the user agrees). Nothing is
// stored when the open value, read again under the instalment's lock, is
// no longer the one the form shows: the form shows the new one and stays
// open.
class FrmBaixaContasReceber : public FormModal {
    Q_OBJECT
public:
    FrmBaixaContasReceber();

    // Opens the form on the instalment `conta` whose open value the list
    // showed as `aberto`, and waits for the user. The write-off stored (its
    // code); 0 when the instalment was found no longer open (nothing stored,
    // but the list must be read again); none when the user left.
    std::optional<qint32> baixa(qint32 conta, const Dinheiro& aberto);
    // The same without waiting (tests drive the form shown): the instalment
    // and open value the next showing proposes.
    void prepara(qint32 conta, const Dinheiro& aberto);

    QDateEdit* dataBaixa;
    QComboBox* escolhaTipo;
    QLineEdit* caixaValorAtual; // read-only: the open value
    QLineEdit* caixaValor;
    QComboBox* escolhaFormaPagamento;
    QLineEdit* caixaObservacao;
    QPushButton* botaoGravar;
    QPushButton* botaoSair;

    // "&Gravar": checks and stores the write-off; closes once it stored one.
    void grava();

protected:
    void ao_abrir_janela() override;

private:
    FiltroTeclas* m_teclas;
    qint32 m_conta = 0;
    Dinheiro m_aberto;
    std::optional<qint32> m_resultado;
};
