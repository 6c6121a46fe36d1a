#pragma once
#include "dadosfechamento.h"
#include "fechamento.h"
#include "formmodal.h"

#include <functional>

class FiltroTeclas;
class QVBoxLayout;

// What the two forms that close a concluded service order share: the order
// they close, given to fecha(); the title banner; and storing through the
// closing's data function, one unit of work that writes the order's header,
// marks it concluded and replaces the receivables it had when the form
// opened (none for a new conclusion) with the new ones (a database failure
// is shown and the form stays open as it was, so nothing is half-written).
// Leaving, by its button or the close box, stores nothing: the order stays
// exactly as it was.
inline const QString ORDEM_JA_FECHADA = QStringLiteral(
    "Esta ordem de serviço já foi fechada: suas contas a receber já estão lançadas, talvez por outra estação. Nada foi gravado.");
class FrmFechamento : public FormModal {
    Q_OBJECT
public:
    // Opens the closing of this order modally and waits until it closes:
    // true when its receivables were stored.
    bool fecha(const Fechamento& fechamento);
    // The order being closed, as fecha() was given it.
    const Fechamento& fechamento() const { return m_fechamento; }

protected:
    FrmFechamento(const QString& nome, const QString& titulo);

    // The opening step, run each time the form is shown.
    virtual void abre() = 0;
    // Runs the closing's data function, given the order's receivables as
    // they were when the form opened, and closes the form; on a database
    // error shows it and returns false with the form open. An order closed
    // meanwhile (here or at another station) is not closed twice: the user
    // is told and the form closes with nothing stored.
    bool grava(const std::function<ResultadoFechamento(const QVector<ContaDaOrdem>& antes)>& fechamento);

    QVBoxLayout* corpo() const { return m_corpo; }
    FiltroTeclas* teclas() const { return m_teclas; }
    void ao_abrir_janela() override;

private:
    Fechamento m_fechamento;
    QVector<ContaDaOrdem> m_contasAntes; // the order's receivables when the form opened
    QVBoxLayout* m_corpo;
    FiltroTeclas* m_teclas;
    bool m_gravou = false;
};
