#include "recibo.h"
#include "controlerelatorio.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "extenso.h"
#include "mensagens.h"
#include "motorrelatorio.h"
#include "sessao.h"

void emite_recibo(qint32 baixa)
{
    if (baixa <= 0 || !mensagens().pergunta(QStringLiteral("Deseja emitir o recibo do pagamento?")))
        return;
    QString extenso;
    try {
        Recordset rs(conexao);
        rs.abre(QStringLiteral("select nvalor_baixa from baixa_conta_receber where ncodigo = ?"), {baixa});
        if (rs.recordCount() == 0) {
            // undone meanwhile, here or at another station
            informa(QStringLiteral("Este pagamento não existe mais: pode ter sido excluído em outra estação."));
            return;
        }
        extenso = por_extenso(rs.dinheiro(QStringLiteral("nvalor_baixa")));
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return;
    ControleRelatorio& c = novo_documento(QStringLiteral("010.rpt"));
    c.SelectionFormula = QStringLiteral("{baixa_conta_receber.ncodigo}=%1").arg(baixa);
    c.Formulas[0] = formula(QStringLiteral("Extenso"), extenso);
    c.Formulas[1] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.setAction(1);
}

void emite_recibo_da_ordem(qint32 ordem)
{
    qint32 baixa = 0;
    try {
        Recordset rs(conexao);
        rs.abre(QStringLiteral("select max(b.ncodigo) as nbaixa from baixa_conta_receber b join conta_receber c "
                               "on c.ncodigo = b.nconta_receber where c.nordem = ?"),
                {ordem});
        baixa = qint32(rs.inteiro(QStringLiteral("nbaixa")));
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    emite_recibo(baixa);
}
