#pragma once
#include "dinheiro.h"

#include "formmodal.h"
#include "sessao.h"
#include <functional>

class FiltroTeclas;
class QVBoxLayout;

// What the two forms that close a concluded service order share: the order
// they close, which the order form hands over in the public members before
// it opens them; the title banner; and storing as one transaction (a
// database failure is shown and the form stays open as it was, so nothing
// is half-written). Leaving by the close box stores nothing.
inline const QString ORDEM_JA_FECHADA = QStringLiteral(
    "Esta ordem de serviço já foi fechada: suas contas a receber já estão lançadas, talvez por outra estação. Nada foi gravado.");
class FrmFechamento : public FormModal {
    Q_OBJECT
public:
    qint32 nCodigoOrdem = 0; // the order (Text1 of the order form)
    qint32 nCliente = 0;     // its customer (Text4)
    QString cObs;            // its observation (Text3)
    Dinheiro nValorTotal;    // its total (Text9)
    qint32 nCondicao = 1;    // its payment condition (Text10)
    QString cCondicao;       // the condition's instalment rule (Text11)

    // Whether the last opening ended with the receivables stored.
    bool gravou() const { return m_gravou; }

protected:
    FrmFechamento(const QString& nome, const QString& titulo);

    // The opening step, run each time the form is shown.
    virtual void abre() = 0;
    // Runs the statements of a save in one transaction and closes the form;
    // on a database error shows it and returns false with the form open.
    // The order is held for the transaction: one that has receivables
    // already (closed meanwhile, here or at another station) is not closed
    // twice; the user is told and the form closes with nothing stored.
    bool grava(Operacao op, const std::function<void()>& comandos);

    QVBoxLayout* corpo() const { return m_corpo; }
    FiltroTeclas* teclas() const { return m_teclas; }
    void ao_abrir_janela() override;

private:
    QVBoxLayout* m_corpo;
    FiltroTeclas* m_teclas;
    bool m_gravou = false;
};
