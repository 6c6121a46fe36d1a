#include "recibo.h"
#include "controlerelatorio.h"
#include "extenso.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "legado.h"
#include "sessao.h"
#include "motorrelatorio.h"

void emite_recibo(qint32 baixa)
{
    if (baixa <= 0 || !mensagens().pergunta(QStringLiteral("Deseja emitir o recibo do pagamento?")))
        return;
    QString extenso;
    try {
        cSQL = QStringLiteral("select nvalor_baixa from baixa_conta_receber where ncodigo = %1").arg(baixa);
        rsAux.abre(cSQL);
        const bool achou = rsAux.recordCount() > 0;
        extenso = por_extenso(rsAux.dinheiro(QStringLiteral("nvalor_baixa")));
        rsAux.fecha();
        if (!achou) {
            // undone meanwhile, here or at another station
            informa(QStringLiteral("Este pagamento não existe mais: pode ter sido excluído em outra estação."));
            return;
        }
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
        return;
    }
    ControleRelatorio& c = novo_documento(QStringLiteral("010.rpt"));
    c.SelectionFormula = QStringLiteral("{baixa_conta_receber.ncodigo}=%1").arg(baixa);
    c.Formulas[0] = formula(QStringLiteral("Extenso"), extenso);
    c.Formulas[1] = formula(QStringLiteral("Rodape"), cRodape);
    c.setAction(1);
}

void emite_recibo_da_ordem(qint32 ordem)
{
    qint32 baixa = 0;
    try {
        cSQL = QStringLiteral("select max(b.ncodigo) as nbaixa from baixa_conta_receber b join conta_receber c "
                              "on c.ncodigo = b.nconta_receber where c.nordem = %1").arg(ordem);
        rsAux.abre(cSQL);
        baixa = qint32(rsAux.inteiro(QStringLiteral("nbaixa")));
        rsAux.fecha();
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e);
        return;
    }
    emite_recibo(baixa);
}
