#include "regrasordem.h"
#include "errosbanco.h"

AlteracaoItem alteracao_de_item(const SituacaoOrdem& s)
{
    AlteracaoItem a;
    if (!s.existe)
        a.recusa = REGISTRO_EXCLUIDO;
    else if (s.paga())
        a.recusa = ITENS_PAGOS;
    else if (s.concluida) {
        a.pergunta = REABRIR_ORDEM;
        a.reabre = true;
    }
    return a;
}

GravacaoOrdem gravacao_de_ordem(const SituacaoOrdem& s, const PedidoGravacao& p)
{
    GravacaoOrdem g;
    if (p.garantia && p.total != Dinheiro()) {
        g.recusa = GARANTIA_SEM_VALOR;
        return g;
    }
    if (!s.existe) {
        g.recusa = REGISTRO_EXCLUIDO;
        return g;
    }
    if (s.paga()) {
        if (p.concluir) {
            g.escrita = EscritaOrdem::DataEObservacao;
            g.concluidaAoGravar = true;
        } else {
            g.recusa = ITENS_PAGOS;
        }
        return g;
    }
    if (s.concluida && !p.concluir)
        g.pergunta = REABRIR_ORDEM;
    else if (!s.concluida && p.concluir)
        g.pergunta = CONCLUIR_ORDEM;
    g.fechamento = p.concluir && p.total > Dinheiro();
    g.escrita = g.fechamento && s.concluida ? EscritaOrdem::Nada : EscritaOrdem::Cabecalho;
    g.concluida = p.concluir && !g.fechamento;
    g.concluidaAoGravar = g.concluida;
    return g;
}

bool fechamento_a_vista(qint32 condicao) { return condicao == 1; }

std::optional<QString> recusa_garantia(Dinheiro total)
{
    if (total != Dinheiro())
        return GARANTIA_SEM_VALOR;
    return std::nullopt;
}

std::optional<QString> recusa_preco_ordem(bool garantia, Dinheiro preco)
{
    if (garantia)
        return preco == Dinheiro() ? std::nullopt : std::optional<QString>(GARANTIA_SEM_VALOR);
    return preco != Dinheiro() ? std::nullopt : std::optional<QString>(INFORME_VALOR);
}

std::optional<QString> recusa_preco_orcamento(Dinheiro preco)
{
    return preco > Dinheiro() ? std::nullopt : std::optional<QString>(INFORME_VALOR);
}
