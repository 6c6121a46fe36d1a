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

    // Shows the write-offs of instalment `conta` and waits for the user.
    // podeExcluir: opened from the open receivables (a paid instalment is
    // reopened instead). aoExcluir runs after each deletion, so the list
    // beneath shows the instalment's open value risen at once.
    void mostra(qint32 conta, bool podeExcluir, std::function<void()> aoExcluir = {});

    Grade* gradeBaixas;
    QPushButton* botaoExcluir;
    QPushButton* botaoRecibo; // "&Recibo": reprints the receipt of the current row
    QPushButton* botaoSair;

    // Fills the list of the instalment's write-offs.
    void preenche();
    // "&Excluir": deletes the current row's write-off once the user agrees.
    void exclui();

    static constexpr int LINHAS_MINIMAS = 10;

protected:
    void ao_abrir_janela() override;

private:
    qint32 m_conta = 0;
    bool m_podeExcluir = false;
    std::function<void()> m_aoExcluir;
};
