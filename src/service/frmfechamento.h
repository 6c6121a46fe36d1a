#pragma once
#include "dinheiro.h"

#include "formmodal.h"
#include "sessao.h"
#include <functional>

class FiltroTeclas;
class QVBoxLayout;

// What the two forms that close a concluded service order share: the order
// they close, which the order form hands over in the public members before
// it opens them; the title banner; and storing as one transaction that
// writes the order's header, marks it concluded and replaces the
// receivables it had when the form opened (none for a new conclusion) with
// the new ones (a database failure is shown and the form stays open as it
// was, so nothing is half-written). Leaving, by its button or the close
// box, stores nothing: the order stays exactly as it was.
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
    QDate dData;             // its date (DTPicker1); not written when invalid

    // Whether the last opening ended with the receivables stored.
    bool gravou() const { return m_gravou; }

protected:
    FrmFechamento(const QString& nome, const QString& titulo);

    // The opening step, run each time the form is shown.
    virtual void abre() = 0;
    // Runs the statements of a save in one transaction and closes the form;
    // on a database error shows it and returns false with the form open.
    // The order is held for the transaction: one whose receivables are not
    // those it had when the form opened, or have a payment (closed
    // meanwhile, here or at another station), is not closed twice; the user
    // is told and the form closes with nothing stored.
    bool grava(Operacao op, const std::function<void()>& comandos);

    QVBoxLayout* corpo() const { return m_corpo; }
    FiltroTeclas* teclas() const { return m_teclas; }
    void ao_abrir_janela() override;

private:
    QStringList m_contasAntes; // the order's receivables when the form opened
    QVBoxLayout* m_corpo;
    FiltroTeclas* m_teclas;
    bool m_gravou = false;
};
