// The equipment entry, the budget and the service order driven as the
// counter uses them: keys, clicks, lookups, messages, and what is stored.
#include "alteracoesfinanceiras.h"
#include "apoio.h"
#include "controlerelatorio.h"
#include "formularios.h"
#include "frmalteracoesfinanceiras.h"
#include "frmbaixacontasreceber.h"
#include "frmcadcliente.h"
#include "frmcontasreceber.h"
#include "frmcontasrecebidas.h"
#include "frmconsulta.h"
#include "frmentradaequipamento.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "frmpagamentodavenda.h"
#include "frmrelatorio.h"
#include "frmfechamentovendaprazo.h"
#include "frmmostrabaixacontapaga.h"
#include "grade.h"
#include "lojateste.h"
#include "passos.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "regrasordem.h"
#include "relogio.h"
#include "textopdf.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

using namespace apoio;

namespace {

const QString NAO_LOCALIZADO = QStringLiteral("Registro não localizado!");
const QString OBRIGATORIOS = QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!");
const QString VALOR = QStringLiteral("Informe o valor do serviço!");
const QString GARANTIA = QStringLiteral("Essa ordem é de garantia portanto o valor deve ser zero!");
const QString VERIFIQUE = QStringLiteral("Verique se os campos foram preenchidos corretamente!");

QWidget* foco() { return QApplication::focusWidget(); }

const QString PAGOS = QStringLiteral("Esta ordem de serviço já tem pagamentos lançados: seus itens não podem ser alterados.");
const QString REABRIR = QStringLiteral("Esta ordem já foi fechada. Deseja reabri-la e excluir suas parcelas?");

// What the closing opened over the order form does.
void fecha_prazo(QDialog& d) { clica(static_cast<FrmFechamentoVendaPrazo&>(d).botaoGravar); }
void sai_prazo(QDialog& d) { clica(static_cast<FrmFechamentoVendaPrazo&>(d).botaoSair); }
void caixa_fechar(QDialog& d) { d.close(); }
void paga_vista(QDialog& d) { clica(static_cast<FrmPagamentoDaVenda&>(d).botaoGravar); }

QStringList contas(int ordem)
{
    return linhas(QStringLiteral("select ncodigo, nvalor_parcela from conta_receber where nordem = %1 order by ncodigo").arg(ordem));
}

} // namespace

class TstMovimentos : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    QStringList impressos; // the reports run: selection formula and formula fields
    int passosVerificados = 0, caminhosPercorridos = 0;

    // Typed into "Condição" and left with Enter.
    void condicao(FrmOrdem& f, const QString& codigo)
    {
        f.caixaCondicao->setFocus();
        f.caixaCondicao->selectAll();
        digita(f.caixaCondicao, codigo);
        tecla(f.caixaCondicao, Qt::Key_Return);
    }
    // The order form left ("&Cancelar") when on screen, then opened anew:
    // for a new order, or on the order of this code.
    FrmOrdem& abre_ordem(std::optional<qint32> codigo = std::nullopt)
    {
        if (form<FrmOrdem>().isVisible())
            clica(form<FrmOrdem>().botaoCancelar);
        return codigo ? abre_edicao<FrmOrdem>(*codigo) : abre_inclusao<FrmOrdem>();
    }
    // A new order of Ana's on that condition, one item at that price, ticked "Concluída".
    FrmOrdem& ordem_nova(const QString& cond, const QString& preco)
    {
        auto& f = abre_ordem();
        cliente(f, QStringLiteral("2"));
        condicao(f, cond);
        item_servico(f, 1, QStringLiteral("Revisão"), preco, 1);
        clica(f.marcaConcluida);
        return f;
    }
    FrmOrdem& ordem(int codigo) { return abre_ordem(codigo); }
    // "&Gravar" on an order, the questions answered in turn, the closing
    // that opens over it driven by `fechamento`.
    void grava(FrmOrdem& f, std::initializer_list<bool> respostas, std::function<void(QDialog&)> fechamento = {})
    {
        amb->msgs.respostas(respostas);
        if (fechamento)
            no_modal(fechamento);
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.perguntasPendentes(), 0);
    }
    // Picks the item of data row `linha` (from 0), types a price and confirms it with Enter.
    void muda_preco(FrmMovimentoServico& f, int linha, const QString& preco)
    {
        duplo_clique(f.gradeItens, linha, 1);
        f.caixaPreco->setFocus();
        f.caixaPreco->selectAll();
        digita(f.caixaPreco, preco);
        tecla(f.caixaPreco, Qt::Key_Return);
    }
    // The credit closing: a value typed into the first instalment, then "&Gravar" refused with `aviso`.
    std::function<void(QDialog&)> plano_recusado(const QString& valor, const QString& aviso)
    {
        return [this, valor, aviso](QDialog& d) {
            auto& p = static_cast<FrmFechamentoVendaPrazo&>(d);
            if (!valor.isEmpty()) {
                duplo_clique(p.gradeParcelas, 0, 2);
                p.editorParcela->selectAll();
                digita(p.editorParcela, valor);
                tecla(p.editorParcela, Qt::Key_Return);
            }
            clica(p.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), aviso);
            QVERIFY(p.isVisible());
        };
    }

    // The ways an order's or a budget's money goes, step by step; the books
    // are checked after each.
    QList<QList<std::function<void()>>> caminhos()
    {
        return {
            {[this] { // a new order closed on credit: the cents left over go to the first instalment
                 auto& f = ordem_nova(QStringLiteral("3"), QStringLiteral("100"));
                 grava(f, {true, true, false}, fecha_prazo);
                 QCOMPARE(contas(3), (QStringList{QStringLiteral("3|33.34"), QStringLiteral("4|33.33"), QStringLiteral("5|33.33")}));
             },
             [this] { // saved again, the closing left: the receivables stay
                 grava(ordem(3), {}, sai_prazo);
                 QCOMPARE(contas(3).first(), QStringLiteral("3|33.34"));
             },
             [this] { // saved again, the closing stored: a new plan replaces them
                 grava(ordem(3), {true, false}, fecha_prazo);
                 QCOMPARE(contas(3).first(), QStringLiteral("6|33.34"));
             },
             [this] { // unticked: asked, reopened without receivables
                 auto& f = ordem(3);
                 clica(f.marcaConcluida);
                 grava(f, {true});
                 QVERIFY(contas(3).isEmpty());
             }},
            {[this] { // a new conclusion whose closing is left (its button, the close box): saved, not concluded
                 auto& f = ordem_nova(QStringLiteral("3"), QStringLiteral("100"));
                 grava(f, {true}, sai_prazo);
                 grava(ordem_nova(QStringLiteral("3"), QStringLiteral("50")), {true}, caixa_fechar);
                 QCOMPARE(linhas(QStringLiteral("select nvalor, nconcluida from ordem where ncliente = 2 and ncodigo > 2")),
                          (QStringList{QStringLiteral("100|0"), QStringLiteral("50|0")}));
             }},
            {[this] { // a rule that gives no plan, and a plan that does not add up: not stored, the closing stays open
                 grava(ordem_nova(QStringLiteral("4"), QStringLiteral("100")), {true},
                       plano_recusado(QString(), QStringLiteral("Os dados informados para o parcelamento estão incorretos!")));
                 auto& f = ordem(3);
                 condicao(f, QStringLiteral("3"));
                 clica(f.marcaConcluida);
                 grava(f, {true}, plano_recusado(QStringLiteral("50"), QStringLiteral("O total das parcelas (%1) difere do total da ordem (%2). Corrija as parcelas.")
                                                                         .arg(reais(QStringLiteral("116,66")), reais(QStringLiteral("100,00")))));
                 QVERIFY(contas(3).isEmpty());
             }},
            {[this] { // paid in cash
                 grava(ordem_nova(QStringLiteral("1"), QStringLiteral("80")), {true, false, false}, paga_vista); // no receipt, no printed order
                 QCOMPARE(contas(3), QStringList{QStringLiteral("3|80")});
             },
             [this] { // its items stay as paid (a new price, Delete), it is not reopened; the note is saved
                 auto& f = ordem(3);
                 muda_preco(f, 0, QStringLiteral("90"));
                 f.gradeItens->setFocus();
                 tecla(f.gradeItens, Qt::Key_Delete);
                 clica(f.marcaConcluida);
                 grava(f, {});
                 QCOMPARE(amb->msgs.textos(), QStringList(3, PAGOS));
                 QVERIFY(f.caixaCliente->isReadOnly() && f.caixaCondicao->isReadOnly());
                 clica(f.marcaConcluida);
                 f.caixaObservacao->setPlainText(QStringLiteral("Pago"));
                 grava(f, {false});
                 QCOMPARE(linhas(QStringLiteral("select cobs, nvalor from ordem where ncodigo = 3")), QStringList{QStringLiteral("Pago|80")});
             }},
            {[this] { // two items; the one picked is the one changed, whatever row was clicked after
                 auto& f = ordem_nova(QStringLiteral("3"), QStringLiteral("100"));
                 item_servico(f, 2, QStringLiteral("Formatação"), QStringLiteral("50"), 2);
                 grava(f, {true, true, false}, fecha_prazo);
                 auto& e = ordem(3);
                 duplo_clique(e.gradeItens, 0, 1);
                 QTest::mouseClick(e.gradeItens->viewport(), Qt::LeftButton, {}, e.gradeItens->viewport()->mapFrom(e.gradeItens, e.gradeItens->geometriaCelula(1, 1).center()));
                 QCOMPARE(e.gradeItens->linhaAtual(), 1);
                 e.caixaPreco->selectAll();
                 digita(e.caixaPreco, QStringLiteral("120"));
                 amb->msgs.respostas({true}); // a closed order's item: reopened first
                 clica(e.botaoConfirmarItem);
                 QCOMPARE(amb->msgs.textos().last(), REABRIR);
                 QCOMPARE(linhas(QStringLiteral("select nvalor from item_ordem where nordem = 3 order by ncodigo")),
                          (QStringList{QStringLiteral("120"), QStringLiteral("50")}));
             },
             [this] { // closed again on the new total
                 grava(form<FrmOrdem>(), {true, true, false}, fecha_prazo);
                 QCOMPARE(contas(3).size(), 3);
             },
             [this] { // warranty is not ticked with priced items
                 auto& f = ordem_nova(QStringLiteral("3"), QStringLiteral("100"));
                 f.marcaGarantia->setFocus();
                 tecla(f.marcaGarantia, Qt::Key_Space);
                 QCOMPARE(amb->msgs.ultimo(), GARANTIA);
                 QVERIFY(!f.marcaGarantia->isChecked());
             }},
            {[this] { // an approved budget makes its order once
                 auto& b = abre_inclusao<FrmOrcamento>();
                 cliente(b, QStringLiteral("2"));
                 item_servico(b, 1, QStringLiteral("Revisão"), QStringLiteral("100"));
                 clica(b.marcaAprovado);
                 escolhe_na_consulta(1);
                 amb->msgs.respostas({false, true}); // no printed budget; the order
                 clica(b.botaoGravar);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Ordem de serviço 3 gerada."));
                 clica(b.botaoCancelar);
                 amb->msgs.respostas({false});
                 clica(abre_edicao<FrmOrcamento>(1).botaoGravar);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este orçamento já gerou a ordem de serviço 3."));
                 QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
             },
             [this] { // an item changed and the form left: the total is the items'
                 auto& b = abre_edicao<FrmOrcamento>(1);
                 muda_preco(b, 0, QStringLiteral("150"));
                 clica(b.botaoCancelar);
                 QCOMPARE(conta(QStringLiteral("select nvalor from orcamento where ncodigo = 1")), 150);
             }},
        };
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        impressos.clear();
        ControleRelatorio::defineExecutor([this](ControleRelatorio& c) {
            impressos << c.SelectionFormula + QLatin1Char('|') + c.Formulas[0] + QLatin1Char('|') + c.Formulas[2];
        });
    }
    void cleanup()
    {
        conexao.falhaNoComando(0);
        ControleRelatorio::defineExecutor({});
        amb.reset();
    }

    // The order's rules, without a window: every way a stored order and
    // what the form asks of it meet.
    void regrasDaOrdem()
    {
        const Dinheiro zero, cem = Dinheiro::deCentavos(10000);
        const SituacaoOrdem sumida{}, aberta{true, false, 0, 0}, fechada{true, true, 2, 0}, paga{true, true, 2, 1};
        using E = EscritaOrdem;
        struct Caso {
            const char* nome;
            SituacaoOrdem situacao;
            PedidoGravacao pedido;
            std::optional<QString> recusa, pergunta;
            E escrita;
            bool concluida, fechamento, concluidaAoGravar;
        };
        const std::optional<QString> nada;
        const QString CONCLUIR = QStringLiteral("Deseja realmente concluir esta ordem de serviço?");
        const Caso casos[] = {
            {"garantia com valor", aberta, {false, true, cem}, GARANTIA, nada, E::Nada, false, false, false},
            {"excluída noutra estação", sumida, {true, false, cem}, REGISTRO_EXCLUIDO, nada, E::Nada, false, false, false},
            {"paga, desmarcada", paga, {false, false, cem}, PAGOS, nada, E::Nada, false, false, false},
            {"paga, concluída: só data e observação", paga, {true, false, cem}, nada, nada, E::DataEObservacao, false, false, true},
            {"aberta, gravada aberta", aberta, {false, false, cem}, nada, nada, E::Cabecalho, false, false, false},
            {"aberta, concluída com valor: ao fechamento", aberta, {true, false, cem}, nada, CONCLUIR, E::Cabecalho, false, true, false},
            {"aberta, concluída sem valor", aberta, {true, true, zero}, nada, CONCLUIR, E::Cabecalho, true, false, true},
            {"fechada, desmarcada: reaberta", fechada, {false, false, cem}, nada, REABRIR, E::Cabecalho, false, false, false},
            {"fechada, gravada de novo: só o fechamento escreve", fechada, {true, false, cem}, nada, nada, E::Nada, false, true, false},
            {"fechada sem valor", fechada, {true, false, zero}, nada, nada, E::Cabecalho, true, false, true},
        };
        for (const Caso& c : casos) {
            const GravacaoOrdem g = gravacao_de_ordem(c.situacao, c.pedido);
            const auto feito = std::make_tuple(g.recusa, g.pergunta, g.escrita, g.concluida, g.fechamento, g.concluidaAoGravar);
            QVERIFY2(feito == std::make_tuple(c.recusa, c.pergunta, c.escrita, c.concluida, c.fechamento, c.concluidaAoGravar), c.nome);
        }
        // an item of a gone or paid order is refused; a closed order's reopens it
        QCOMPARE(alteracao_de_item(sumida).recusa, REGISTRO_EXCLUIDO);
        QCOMPARE(alteracao_de_item(paga).recusa, PAGOS);
        const AlteracaoItem reabre = alteracao_de_item(fechada);
        QVERIFY(!reabre.recusa && reabre.pergunta == REABRIR && reabre.reabre);
        const AlteracaoItem livre = alteracao_de_item(aberta);
        QVERIFY(!livre.recusa && !livre.pergunta && !livre.reabre);
        // prices: a warranty order's only zero, another order's not zero, a budget's above zero
        QCOMPARE(recusa_preco_ordem(false, zero), VALOR);
        QCOMPARE(recusa_preco_ordem(false, cem), std::nullopt);
        QCOMPARE(recusa_preco_ordem(true, cem), GARANTIA);
        QCOMPARE(recusa_preco_ordem(true, zero), std::nullopt);
        QCOMPARE(recusa_preco_orcamento(zero), VALOR);
        QCOMPARE(recusa_preco_orcamento(cem), std::nullopt);
        QCOMPARE(recusa_garantia(cem), GARANTIA);
        QCOMPARE(recusa_garantia(zero), std::nullopt);
        QVERIFY(fechamento_a_vista(1) && !fechamento_a_vista(2));
    }

    void entradaReservaItensGravaEOfereceComprovante()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 9), QTime(14, 30, 15)));
        auto& f = abre_inclusao<FrmEntradaEquipamento>();
        QCOMPARE(f.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
        QCOMPARE(f.rotuloTitulo->text(), QStringLiteral("Entrada de equipamentos para orçamento"));
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("58"));
        QCOMPARE(linhas(QStringLiteral("select ncliente, ddata, thora from entrada_equipamento where ncodigo = 58")),
                 QStringList{QStringLiteral("1|09/12/2026|14:30:15")});
        QCOMPARE(f.caixaData->text(), QStringLiteral("09/12/2026 14:30:15"));
        QCOMPARE(foco(), f.caixaCliente);
        // the placeholder customer is not a customer
        cliente(f, QStringLiteral("1"));
        QTRY_COMPARE(amb->msgs.ultimo(), NAO_LOCALIZADO);
        QCOMPARE(foco(), f.caixaCliente);
        QCOMPARE(f.caixaCliente->selectedText(), QStringLiteral("1")); // what is typed next replaces it
        QVERIFY(f.caixaNomeCliente->text().isEmpty());
        // nor is a new customer still being registered (no name yet)
        const qint64 reservado = conexao.executeRetornando(QStringLiteral("insert into cliente (ncidade) values(1) returning ncodigo")).toLongLong();
        amb->msgs.limpa();
        cliente(f, QString::number(reservado));
        QTRY_COMPARE(amb->msgs.textos(), QStringList{NAO_LOCALIZADO});
        QVERIFY(f.caixaNomeCliente->text().isEmpty());
        cliente(f, QStringLiteral("2"));
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        QCOMPARE(foco(), f.caixaObservacao);
        digita(f.caixaObservacao, QStringLiteral("Urgente"));
        tecla(f.caixaObservacao, Qt::Key_Return);
        QCOMPARE(foco(), f.caixaSolicitante);
        digita(f.caixaSolicitante, QStringLiteral("Jo'ão"));
        QCOMPARE(f.caixaSolicitante->text(), QStringLiteral("João"));
        tecla(f.caixaSolicitante, Qt::Key_Return);
        QCOMPARE(foco(), f.caixaData);
        tecla(f.caixaData, Qt::Key_Return);
        // the day promised: ticked with the space bar, then its date
        QCOMPARE(foco(), f.marcaPrometido);
        QVERIFY(!f.dataPrometida->isEnabled());
        tecla(f.marcaPrometido, Qt::Key_Space);
        tecla(f.marcaPrometido, Qt::Key_Return);
        QCOMPARE(foco(), f.dataPrometida);
        QCOMPARE(f.dataPrometida->date(), QDate(2026, 12, 9));
        f.dataPrometida->setDate(QDate(2026, 12, 16));
        tecla(f.dataPrometida, Qt::Key_Return);
        QCOMPARE(foco(), f.caixaEquipamento);
        // items: an empty one is refused; Enter in the problem confirms
        tecla(f.caixaEquipamento, Qt::Key_Return);
        tecla(f.caixaProblema, Qt::Key_Return);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o equipamento e o problema relatado pelo cliente!"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 0);
        item_entrada(f, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
        QCOMPARE(foco(), f.caixaEquipamento);
        item_entrada(f, QStringLiteral("Notebook"), QStringLiteral("Tela azul"));
        item_entrada(f, QStringLiteral("Monitor"), QStringLiteral("Sem imagem"));
        QCOMPARE(f.gradeItens->linhas(), 9);
        QCOMPARE(f.gradeItens->texto(1, 1), QStringLiteral("Notebook"));
        QVERIFY(f.gradeItens->isColumnHidden(0));
        // picked, changed and confirmed: an update, not a new item
        duplo_clique(f.gradeItens, 1, 1);
        QCOMPARE(f.caixaProblema->toPlainText(), QStringLiteral("Tela azul"));
        f.caixaProblema->selectAll();
        digita(f.caixaProblema, QStringLiteral("Reinicia sozinho"));
        clica(f.botaoConfirmarItem);
        QCOMPARE(linhas(QStringLiteral("select cequipamento, cproblema from item_da_entrada where nentrada_equipamento = 58 order by ncodigo")),
                 (QStringList{QStringLiteral("Impressora|Não liga"), QStringLiteral("Notebook|Reinicia sozinho"), QStringLiteral("Monitor|Sem imagem")}));
        // what the printer came with, below its problem; Enter there confirms
        duplo_clique(f.gradeItens, 1, 1);
        f.caixaNumeroSerie->setFocus();
        digita(f.caixaNumeroSerie, QStringLiteral("BR'123"));
        tecla(f.caixaNumeroSerie, Qt::Key_Tab);
        QCOMPARE(foco(), f.caixaAcessorios);
        digita(f.caixaAcessorios, QStringLiteral("Cabo de força"));
        tecla(f.caixaAcessorios, Qt::Key_Tab);
        digita(f.caixaEstado, QStringLiteral("Tampa riscada"));
        tecla(f.caixaEstado, Qt::Key_Return);
        QCOMPARE(foco(), f.caixaEquipamento);
        QCOMPARE(linhas(QStringLiteral("select d.cnumero_serie, d.cacessorios, d.cestado from item_entrada_detalhe d join item_da_entrada i "
                                       "on i.ncodigo = d.nitem where i.nentrada_equipamento = 58")),
                 QStringList{QStringLiteral("BR123|Cabo de força|Tampa riscada")});
        // the fields follow the item picked
        duplo_clique(f.gradeItens, 2, 1);
        QVERIFY(f.caixaNumeroSerie->text().isEmpty() && f.caixaEstado->text().isEmpty());
        duplo_clique(f.gradeItens, 1, 1);
        QCOMPARE(f.caixaAcessorios->text(), QStringLiteral("Cabo de força"));
        clica(f.botaoCancelarItem);
        // delete asks nothing; "Cancelar" clears a picked item back to a new one
        f.gradeItens->defineLinhaAtual(2);
        clica(f.botaoExcluirItem);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 2);
        duplo_clique(f.gradeItens, 0, 1);
        clica(f.botaoCancelarItem);
        QVERIFY(f.caixaEquipamento->toPlainText().isEmpty());
        item_entrada(f, QStringLiteral("Scanner"), QStringLiteral("Não puxa papel"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 3);

        // saved an hour later: the reservation's date and time are kept; the
        // next entry is reserved at once, then the receipt of this one is offered
        Relogio::fixa(QDateTime(QDate(2026, 12, 9), QTime(15, 31, 0)));
        amb->msgs.respostas({true, true});
        clica(f.botaoGravar);
        QCOMPARE(linhas(QStringLiteral("select ncliente, csolicitante, cobs, ddata, thora from entrada_equipamento where ncodigo = 58")),
                 QStringList{QStringLiteral("2|João|Urgente|09/12/2026|14:30:15")});
        QCOMPARE(linhas(QStringLiteral("select nentrada, dprometida from entrada_prometida")), QStringList{QStringLiteral("58|16/12/2026")});
        QVERIFY(!f.marcaPrometido->isChecked()); // the next entry promises nothing yet
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja gravar essa entrada?"), QStringLiteral("Deseja emitir o comprovante de entrada de equipamentos?")}));
        QCOMPARE(impressos, QStringList{QStringLiteral("{entrada_equipamento.ncodigo}=58|Numero='09/12/2026 - N.º 58'|")});
        QVERIFY(f.isVisible());
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("59"));
        // the saved number stays in view on the next entry, for the eye and the screen reader
        QCOMPARE(f.rotuloGravado->text(), QStringLiteral("Entrada N.º 58 gravada."));
        QCOMPARE(f.rotuloGravado->accessibleName(), f.rotuloGravado->text());
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 59")), 1);
        QVERIFY(f.caixaCliente->text().isEmpty() && f.caixaNomeCliente->text().isEmpty() && f.caixaSolicitante->text().isEmpty());
        QVERIFY(f.gradeItens->texto(0, 0).isEmpty());
        QCOMPARE(foco(), f.caixaCliente);
        // answering No to the save writes nothing; without a customer the save is refused
        amb->msgs.respostas({false});
        clica(f.botaoGravar);
        amb->msgs.respostas({true});
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 59")), 1);
        // leaving removes the fresh reservation
        clica(f.botaoCancelar);
        QVERIFY(!f.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento where ncodigo = 59")), 0);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 2);
    }

    void entradaEditadaFechaAoGravar()
    {
        auto& f = form<FrmEntradaEquipamento>();
        abre_edicao<FrmEntradaEquipamento>(57);
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        QCOMPARE(f.caixaData->text(), QStringLiteral("06/12/2026 09:15"));
        QCOMPARE(f.caixaSolicitante->text(), QStringLiteral("Marcos Souza"));
        QCOMPARE(f.gradeItens->texto(1, 2), QStringLiteral("Não liga"));
        QVERIFY(!f.marcaPrometido->isChecked());
        f.close();
        // a promise kept is shown again, and untaken when unticked
        executa(QStringLiteral("insert into entrada_prometida (nentrada, dprometida) values (57, '2026-12-12')"));
        abre_edicao<FrmEntradaEquipamento>(57);
        QVERIFY(f.marcaPrometido->isChecked());
        QCOMPARE(f.dataPrometida->date(), QDate(2026, 12, 12));
        f.marcaPrometido->click();
        cliente(f, QStringLiteral("3"));
        amb->msgs.respostas({true, false});
        clica(f.botaoGravar);
        QVERIFY(!f.isVisible());
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 57")), 3);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 1);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_prometida")), 0);
    }

    // A new movement abandoned with items leaves no row behind, by the
    // button or by the close box, in all three forms.
    void abandonoComItensNaoDeixaRastro()
    {
        auto& e = abre_inclusao<FrmEntradaEquipamento>();
        item_entrada(e, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 3);
        clica(e.botaoCancelar);
        QVERIFY(!e.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 1);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 2);

        auto& o = abre_inclusao<FrmOrcamento>();
        cliente(o, QStringLiteral("2"));
        item_servico(o, 1, QStringLiteral("Limpeza"), QStringLiteral("80"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 1);
        o.close();
        QVERIFY(!o.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from orcamento")), 0);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);

        auto& s = abre_inclusao<FrmOrdem>();
        QCOMPARE(s.caixaCodigo->text(), QStringLiteral("3"));
        cliente(s, QStringLiteral("2"));
        item_servico(s, 1, QStringLiteral("Limpeza"), QStringLiteral("80"), 1);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 1);
        clica(s.botaoCancelar);
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 2);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem")), 3);
        QVERIFY(amb->msgs.textos().filter(QStringLiteral("SQLCODE")).isEmpty());
    }

    void gradeTemLinhasMinimasERolaAteOUltimo()
    {
        executa(QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,2,'2026-12-09','10:00:00')"));
        for (int i = 1; i <= 12; ++i)
            executa(QStringLiteral("insert into item_da_entrada values(null,58,'Máquina %1','Defeito %1')").arg(i));
        auto& f = form<FrmEntradaEquipamento>();
        abre_edicao<FrmEntradaEquipamento>(58);
        QCOMPARE(f.gradeItens->linhas(), 12);
        QCOMPARE(f.gradeItens->texto(11, 1), QStringLiteral("Máquina 12"));
        QScrollBar* barra = f.gradeItens->verticalScrollBar();
        QVERIFY(barra->maximum() > 0);
        QCOMPARE(barra->value(), barra->maximum());
        QVERIFY(f.gradeItens->viewport()->rect().intersects(f.gradeItens->visualRect(f.gradeItens->model()->index(11, 1))));
        // three items: ten rows, at the top
        executa(QStringLiteral("delete from item_da_entrada where ncodigo > 4"));
        clica(f.botaoCancelarItem);
        item_entrada(f, QStringLiteral("Outra"), QStringLiteral("Defeito"));
        QCOMPARE(f.gradeItens->linhas(), 9);
        QCOMPARE(f.gradeItens->texto(3, 1), QString());
        QCOMPARE(barra->value(), 0);
        clica(f.botaoCancelar);
    }

    void orcamentoItensTotalEGravacao()
    {
        auto& f = abre_inclusao<FrmOrcamento>();
        QCOMPARE(f.rotuloTitulo->text(), QStringLiteral("Orçamentos"));
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("1"));
        QCOMPARE(f.caixaCondicao->text(), QStringLiteral("1"));
        QCOMPARE(f.caixaDescricaoCondicao->text(), QStringLiteral("A vista"));
        QCOMPARE(f.caixaTotal->text(), reais(QStringLiteral("0,00")));
        QCOMPARE(f.gradeItens->linhas(), 11);
        // no machine before a customer; no item before a valid customer
        clica(f.botaoMaquina);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o cliente!"));
        clica(f.botaoConfirmarItem);
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        cliente(f, QStringLiteral("2"));
        QCOMPARE(foco(), f.caixaCondicao);
        // an unknown condition keeps the focus; F12 chooses one
        digita(f.caixaCondicao, QStringLiteral("9"));
        tecla(f.caixaCondicao, Qt::Key_Return);
        QTRY_COMPARE(amb->msgs.ultimo(), NAO_LOCALIZADO);
        QCOMPARE(foco(), f.caixaCondicao);
        escolhe_na_consulta(2);
        tecla(f.caixaCondicao, Qt::Key_F12);
        QCOMPARE(f.caixaCondicao->text(), QStringLiteral("2"));
        QCOMPARE(f.caixaDescricaoCondicao->text(), QStringLiteral("30/60"));
        // the machine comes from the customer's own list
        escolhe_na_consulta(2);
        clica(f.botaoMaquina);
        volta(&f);
        QCOMPARE(form<FrmConsulta>().gradeLista->texto(0, 1), QStringLiteral("Impressora - HP LaserJet 1102"));
        QCOMPARE(form<FrmConsulta>().gradeLista->texto(2, 0), QString());
        QCOMPARE(f.caixaMaquina->text(), QStringLiteral("Notebook - Dell Inspiron"));
        QCOMPARE(foco(), f.caixaServico);
        digita(f.caixaServico, QStringLiteral("Troca de tela"));
        tecla(f.caixaServico, Qt::Key_Return);
        QCoreApplication::processEvents();
        tecla(f.caixaPreco, Qt::Key_Return); // price 0,00
        QCOMPARE(amb->msgs.ultimo(), VALOR);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);
        // a pasted price that is not an amount is refused, never stored as zero
        f.caixaPreco->selectAll();
        f.caixaPreco->insert(QStringLiteral("1,234.50"));
        tecla(f.caixaPreco, Qt::Key_Return);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor \"1,234.50\" não é válido. Informe-o como 1.234,50."));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);
        f.caixaPreco->selectAll();
        digita(f.caixaPreco, QStringLiteral("450"));
        tecla(f.caixaPreco, Qt::Key_Return);
        QCOMPARE(foco(), f.botaoMaquina);
        item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("99.9")); // the keypad's point
        QCOMPARE(f.gradeItens->texto(1, 3), reais(QStringLiteral("99,90")));
        QCOMPARE(f.caixaTotal->text(), reais(QStringLiteral("549,90")));
        // the total comes from what is stored
        executa(QStringLiteral("update item_orcamento set nvalor = 1000 where cservico = 'Troca de tela'"));
        duplo_clique(f.gradeItens, 1, 1);
        QCOMPARE(f.caixaMaquina->text(), QStringLiteral("Impressora - HP LaserJet 1102"));
        QCOMPARE(f.caixaPreco->text(), reais(QStringLiteral("99,90")));
        f.caixaPreco->setFocus();
        QCoreApplication::processEvents();
        digita(f.caixaPreco, QStringLiteral("100"));
        tecla(f.caixaPreco, Qt::Key_Return);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 2);
        QCOMPARE(f.caixaTotal->text(), reais(QStringLiteral("1.100,00")));
        // by keyboard: Enter in the list picks the row's item
        f.gradeItens->setFocus();
        f.gradeItens->defineLinhaAtual(0);
        tecla(f.gradeItens, Qt::Key_Return);
        QCOMPARE(f.caixaServico->text(), QStringLiteral("Troca de tela"));
        QCOMPARE(f.caixaPreco->text(), reais(QStringLiteral("1.000,00")));
        clica(f.botaoCancelarItem);
        // not approved: saved with no question about an order
        f.caixaObservacao->setFocus();
        digita(f.caixaObservacao, QStringLiteral("Cliente d'Ávila"));
        f.caixaObservacao->setPlainText(QStringLiteral("Cliente d'Ávila")); // pasted, with its apostrophe
        amb->msgs.respostas({true}); // the budget printed for the customer
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Ok! Orçamento gravado com sucesso!"), QStringLiteral("Deseja emitir o orçamento?")}));
        QCOMPARE(impressos.last(), QStringLiteral("{orcamento.ncodigo}=1|Rodape='") + Estabelecimento::le(conexao).rodape + QStringLiteral("'|"));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/orcamento.pdf");
        QVERIFY(gera_pdf(cr(), pdf));
        Recordset rs(conexao);
        rs.abre(QStringLiteral("select dateadd(15 day to ddata) as validade from orcamento where ncodigo = 1"));
        const QString validade = rs.texto(QStringLiteral("validade"));
        confere_textos(plano(texto_pdf(pdf)), {QStringLiteral("ORÇAMENTO N.º 1"), QStringLiteral("Cliente: 2 - Ana Souza"),
                                               QStringLiteral("Troca de tela"), QStringLiteral("Limpeza"), QStringLiteral("Total: R$ 1.100,00"),
                                               QStringLiteral("Condição de pagamento: 30/60"),
                                               QStringLiteral("Válido até: ") + validade, QStringLiteral("Cliente d'Ávila")});
        QCOMPARE(f.rotuloGravado->text(), QStringLiteral("Orçamento N.º 1 gravado."));
        QCOMPARE(linhas(QStringLiteral("select ncliente, nvalor, cobs, naprovado, ncondicao from orcamento where ncodigo = 1")),
                 QStringList{QStringLiteral("2|1100|Cliente d'Ávila|0|2")});
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("2"));
        QCOMPARE(f.caixaCondicao->text(), QStringLiteral("1"));
        QVERIFY(!f.marcaAprovado->isChecked());
        // a budget without items is not saved, nor one without a condition
        cliente(f, QStringLiteral("3"));
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.ultimo(), VERIFIQUE);
        item_servico(f, 1, QStringLiteral("Revisão"), QStringLiteral("10"));
        f.caixaCondicao->setFocus();
        f.caixaCondicao->clear();
        amb->msgs.limpa();
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.textos(), QStringList{VERIFIQUE});
        QCOMPARE(conta(QStringLiteral("select ncliente from orcamento where ncodigo = 2")), 1);
        clica(f.botaoCancelar);
        QCOMPARE(conta(QStringLiteral("select count(*) from orcamento")), 1);
    }

    // A document offered after a save waits for the clerk: the budget's
    // preview is modal, and the question about an order comes only once
    // the preview is closed.
    void previaDoOrcamentoEspera()
    {
        instala_motor_relatorio(); // the real previews, not the list of runs
        auto& f = abre_inclusao<FrmOrcamento>();
        cliente(f, QStringLiteral("2"));
        item_servico(f, 1, QStringLiteral("Troca do rolo"), QStringLiteral("120"));
        f.marcaAprovado->setFocus();
        tecla(f.marcaAprovado, Qt::Key_Space);
        amb->msgs.respostas({true, true}); // the printed budget; the order
        bool vista = false;
        ao_abrir_previa([&](FrmRelatorio& p) {
            vista = true;
            QVERIFY(p.isModal());
            QCOMPARE(QApplication::activeModalWidget(), &p);
            QCOMPARE(amb->msgs.textos().last(), QStringLiteral("Deseja emitir o orçamento?"));
            QCOMPARE(amb->msgs.perguntasPendentes(), 1);
        });
        escolhe_na_consulta(0); // the order's technician lookup, cancelled
        clica(f.botaoGravar);
        QVERIFY(vista);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o orçamento?"), QStringLiteral("Deseja gerar a ordem de serviço?")}));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QTRY_VERIFY(previas_abertas().isEmpty());
    }

    void orcamentoAprovadoGeraOrdem()
    {
        auto& f = abre_inclusao<FrmOrcamento>();
        cliente(f, QStringLiteral("2"));
        item_servico(f, 1, QStringLiteral("Troca do rolo"), QStringLiteral("120"));
        item_servico(f, 2, QStringLiteral("Formatação"), QStringLiteral("80,5"));
        f.caixaObservacao->setPlainText(QStringLiteral("Aprovado por telefone"));
        f.marcaAprovado->setFocus();
        tecla(f.marcaAprovado, Qt::Key_Space);
        QVERIFY(f.marcaAprovado->isChecked());
        // the technician lookup cancelled: no order
        escolhe_na_consulta(0);
        amb->msgs.respostas({false, true}); // no printed budget; the order
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o orçamento?"), QStringLiteral("Deseja gerar a ordem de serviço?")}));
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 2);
        QCOMPARE(acoes_modais_pendentes(), 0);
        // saved again while approved: asked again; answered with Dora
        auto& e = form<FrmOrcamento>();
        clica(f.botaoCancelar);
        abre_edicao<FrmOrcamento>(1);
        QVERIFY(e.marcaAprovado->isChecked());
        QCOMPARE(e.caixaTotal->text(), reais(QStringLiteral("200,50")));
        Relogio::fixa(QDateTime(QDate(2026, 12, 10), QTime(8, 5, 0)));
        escolhe_na_consulta(2);
        amb->msgs.respostas({false, true});
        clica(e.botaoGravar);
        QVERIFY(!e.isVisible());
        QCOMPARE(linhas(QStringLiteral("select ncodigo, ncliente, ddata, thora, nvalor, cobs, ncondicao, nconcluida, ntipo from ordem where ncodigo > 2")),
                 QStringList{QStringLiteral("3|2|10/12/2026|08:05:00|200.5|Aprovado por telefone|1|0|0")});
        QCOMPARE(linhas(QStringLiteral("select nequipamento_cliente, cservico, nvalor, ntecnico from item_ordem where nordem = 3 order by ncodigo")),
                 (QStringList{QStringLiteral("1|Troca do rolo|120|2"), QStringLiteral("2|Formatação|80.5|2")}));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Ordem de serviço 3 gerada."));
        // saved again: it made its order, nothing is asked
        abre_edicao<FrmOrcamento>(1);
        amb->msgs.respostas({false}); // no printed budget
        clica(e.botaoGravar);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este orçamento já gerou a ordem de serviço 3."));
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
    }

    void ordemTecnicoGarantiaEConclusao()
    {
        auto& f = abre_inclusao<FrmOrdem>();
        QCOMPARE(f.rotuloTitulo->text(), QStringLiteral("Ordem de serviço"));
        QCOMPARE(f.dataOrdem->date(), Relogio::hoje());
        QVERIFY(!f.marcaConcluida->isChecked() && !f.marcaGarantia->isChecked());
        QCOMPARE(f.gradeItens->linhas(), 10);
        cliente(f, QStringLiteral("2"));
        // without a technician the item is refused
        escolhe_na_consulta(1);
        clica(f.botaoMaquina);
        volta(&f);
        QCOMPARE(foco(), f.botaoTecnico);
        f.caixaServico->setText(QStringLiteral("Revisão"));
        f.caixaPreco->setText(QStringLiteral("50"));
        clica(f.botaoConfirmarItem);
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        escolhe_na_consulta(1);
        clica(f.botaoTecnico);
        volta(&f);
        QCOMPARE(f.caixaTecnico->text(), QStringLiteral("Carlos Mendes"));
        QCOMPARE(foco(), f.caixaServico);
        f.caixaPreco->setText(QStringLiteral("50"));
        clica(f.botaoConfirmarItem);
        QCOMPARE(f.gradeItens->texto(0, 2), QStringLiteral("Carlos Mendes"));
        // a warranty order takes only zero
        f.marcaGarantia->setChecked(true);
        item_servico(f, 2, QStringLiteral("Garantia"), QStringLiteral("10"), 2);
        QCOMPARE(amb->msgs.ultimo(), GARANTIA);
        f.caixaPreco->selectAll();
        digita(f.caixaPreco, QStringLiteral("0"));
        tecla(f.caixaPreco, Qt::Key_Return);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 2);
        // picking an item brings its technician back
        duplo_clique(f.gradeItens, 1, 1);
        QCOMPARE(f.caixaCodigoTecnico->text(), QStringLiteral("2"));
        QCOMPARE(f.caixaTecnico->text(), QStringLiteral("Dora Reis"));
        clica(f.botaoCancelarItem);
        QVERIFY(f.caixaTecnico->text().isEmpty() && f.caixaCodigoMaquina->text().isEmpty());
        // Delete in the list removes the row's item, asking nothing
        f.gradeItens->setFocus();
        f.gradeItens->defineLinhaAtual(1);
        tecla(f.gradeItens, Qt::Key_Delete);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 1);
        QCOMPARE(f.gradeItens->texto(1, 0), QString());
        // concluded: No to the question writes nothing
        f.marcaGarantia->setChecked(false);
        f.marcaConcluida->setChecked(true);
        f.dataOrdem->setDate(QDate(2026, 12, 20));
        amb->msgs.respostas({false});
        clica(f.botaoGravar);
        QCOMPARE(linhas(QStringLiteral("select ncliente, nconcluida from ordem where ncodigo = 3")), QStringList{QStringLiteral("1|0")});
        // Yes: stored; condition 1 goes to the cash payment over this form,
        // which reads the order from it; then the next order is reserved and
        // the printed order offered
        amb->msgs.respostas({true, false, true}); // conclude; no receipt; the printed order
        bool pagamentoAberto = false;
        ao_abrir_modal([&](QDialog& d) {
            auto* p = qobject_cast<FrmPagamentoDaVenda*>(&d);
            QVERIFY(p);
            pagamentoAberto = true;
            QVERIFY(f.isVisible());
            QCOMPARE(p->fechamento().ordem, 3);
            QCOMPARE(p->fechamento().total.centavos(), 5000);
            clica(p->botaoGravar);
        });
        clica(f.botaoGravar);
        QVERIFY(pagamentoAberto);
        QCOMPARE(linhas(QStringLiteral("select ncliente, ddata, nvalor, nconcluida, ntipo, ncondicao from ordem where ncodigo = 3")),
                 QStringList{QStringLiteral("2|20/12/2026|50|1|0|1")});
        QCOMPARE(linhas(QStringLiteral("select c.npago, c.nvalor_parcela, b.nvalor_baixa, trim(b.ctipo_baixa) from conta_receber c "
                                       "join baixa_conta_receber b on b.nconta_receber = c.ncodigo where c.nordem = 3")),
                 QStringList{QStringLiteral("1|50|50|I")});
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o recibo do pagamento?"), QStringLiteral("Deseja emitir a ordem de serviço?")}));
        QCOMPARE(f.rotuloGravado->text(), QStringLiteral("Ordem de serviço N.º 3 gravada."));
        // the printed order shows the instalment the cash payment stored
        QCOMPARE(impressos, QStringList{QStringLiteral("{view_ordem.codigo_ordem}=3||Vencimentos='Vencimento: ")
                                        + Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" Valor: ")
                                        + reais(QStringLiteral("50,00")) + QLatin1Char('\'')});
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("4"));
        QVERIFY(!f.marcaConcluida->isChecked());
        clica(f.botaoCancelar);
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
    }

    void ordemSemPagamentosPerdeContasEComPagamentosRecusa()
    {
        // order 1 has a paid instalment: nothing is written, the form stays
        auto& f = form<FrmOrdem>();
        abre_edicao<FrmOrdem>(1);
        QCOMPARE(f.gradeItens->texto(1, 3), QStringLiteral("Limpeza e revisão geral"));
        QCOMPARE(f.caixaTotal->text(), reais(QStringLiteral("300,50")));
        QVERIFY(f.marcaConcluida->isChecked());
        f.marcaConcluida->setChecked(false);
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.ultimo(), PAGOS);
        QVERIFY(f.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from conta_receber where nordem = 1")), 2);
        QCOMPARE(conta(QStringLiteral("select nconcluida from ordem where ncodigo = 1")), 1);
        clica(f.botaoCancelar);
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 2);
        // without payments, saving unconcluded removes the receivables
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','10.00',0,'2027-01-10',0)"));
        abre_edicao<FrmOrdem>(2);
        QVERIFY(f.marcaGarantia->isChecked());
        f.marcaConcluida->setChecked(false);
        amb->msgs.respostas({true});
        clica(f.botaoGravar);
        QCOMPARE(amb->msgs.ultimo(), REABRIR);
        QVERIFY(!f.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from conta_receber where nordem = 2")), 0);
        QCOMPARE(conta(QStringLiteral("select nconcluida from ordem where ncodigo = 2")), 0);
    }

    // A concluded order on a credit condition goes, over the order form, to
    // the credit closing, which stores the plan as new receivables.
    void ordemConcluidaAPrazoAbreOFechamento()
    {
        executa(QStringLiteral("delete from baixa_conta_receber"));
        executa(QStringLiteral("delete from conta_receber"));
        executa(QStringLiteral("update condicao_pagto set cdescricao = '30 \\ 60' where ncodigo = 2"));
        auto& f = form<FrmOrdem>();
        abre_edicao<FrmOrdem>(1);
        QVERIFY(f.marcaConcluida->isChecked());
        amb->msgs.respostas({true, false}); // close on credit; no printed order (concluded already: not asked)
        bool fechamentoAberto = false;
        ao_abrir_modal([&](QDialog& d) {
            auto* p = qobject_cast<FrmFechamentoVendaPrazo*>(&d);
            QVERIFY(p);
            fechamentoAberto = true;
            QCOMPARE(p->fechamento().ordem, 1);
            QCOMPARE(p->fechamento().condicao, 2);
            QCOMPARE(p->fechamento().total.centavos(), 30050);
            clica(p->botaoGravar);
        });
        clica(f.botaoGravar);
        QVERIFY(fechamentoAberto);
        QVERIFY(!f.isVisible());
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Confirma o fechamento desta ordem?"),
                                                  QStringLiteral("Deseja emitir a ordem de serviço?")}));
        QCOMPARE(linhas(QStringLiteral("select nvalor_parcela, npago from conta_receber where nordem = 1 order by ncodigo")),
                 (QStringList{QStringLiteral("150.25|0"), QStringLiteral("150.25|0")}));
    }

    // Every way above through the forms, with the rules of the shop's books
    // run on the whole database after each step.
    void livrosFechamEmCadaCaminho_data()
    {
        QTest::addColumn<int>("caminho");
        const char* nomes[] = {"a prazo, gravada de novo, reaberta", "fechamento deixado", "plano recusado", "paga à vista",
                               "item escolhido de ordem fechada, garantia", "orçamento duas vezes"};
        for (int i = 0; i < int(std::size(nomes)); ++i)
            QTest::newRow(nomes[i]) << i;
    }
    void livrosFechamEmCadaCaminho()
    {
        QFETCH(int, caminho);
        executa(QStringLiteral("insert into condicao_pagto values(3,'Entrada \\ 30 \\ 60',3);"));
        executa(QStringLiteral("insert into condicao_pagto values(4,'Boleto',1);"));
        QCOMPARE(regras_quebradas(), QStringList());
        const auto passos = caminhos().at(caminho);
        for (int i = 0; i < passos.size(); ++i) {
            amb->msgs.limpa();
            passos[i]();
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(regras_quebradas().isEmpty(), qPrintable(QStringLiteral("passo %1: ").arg(i + 1) + regras_quebradas().join(QLatin1Char('\n'))));
            ++passosVerificados;
        }
        ++caminhosPercorridos;
    }
    void cleanupTestCase()
    {
        qInfo("%d caminhos, %d passos, as regras dos livros conferidas no banco inteiro após cada um", caminhosPercorridos, passosVerificados);
    }

    // A movement deleted at another station while on screen: its save says
    // so, never that it was saved.
    // Every change of money after the fact, made through the forms (and
    // one straight on the database, as another program would), is recorded
    // by the database with who, from where, what, before and after; the
    // window "Alterações no período" lists them for the period.
    void alteracoesDoDinheiroRegistradasPeloBanco()
    {
        // the database's own clock stamps the changes: the window's
        // current month is the machine's
        Relogio::fixa(QDateTime::currentDateTime());
        const QDate hoje = QDate::currentDate();
        const int antes = conta(QStringLiteral("select coalesce(max(ncodigo), 0) from alteracao_financeira"));
        struct Passo {
            const char* nome;
            std::function<void()> age;
            QList<QStringList> registradas; // what changed, order, instalment, before, after
        };
        FrmContasReceber* receber = nullptr;
        const QList<Passo> passos{
            {"pagamento parcial gravado",
             [&] {
                 receber = &abre_receber();
                 amb->msgs.respostas({false}); // no receipt
                 baixa(*receber, 2, [](FrmBaixaContasReceber& b) { parcial(b, QStringLiteral("50")); });
             },
             {{QStringLiteral("Pagamento gravado"), QStringLiteral("1"), QStringLiteral("2"), QString(), reais("50,00")}}},
            {"pagamento excluído",
             [&] {
                 no_dialogo<FrmMostraBaixaContaPaga>([&](FrmMostraBaixaContaPaga& m) {
                     m.gradeBaixas->defineLinhaAtual(0);
                     amb->msgs.respostas({true});
                     clica(m.botaoExcluir);
                     clica(m.botaoSair);
                 });
                 clica(receber->botaoMostrarBaixas);
             },
             {{QStringLiteral("Pagamento excluído"), QStringLiteral("1"), QStringLiteral("2"), reais("50,00"), QString()}}},
            {"vencimento alterado",
             [&] {
                 receber->gradeLista->defineLinhaAtual(linha_do_codigo(receber->gradeLista, 2));
                 amb->msgs.entradas({QStringLiteral("20/02/2027")});
                 clica(receber->botaoAlterarVencimento);
                 receber->close();
             },
             {{QStringLiteral("Vencimento alterado"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10/02/2027"),
               QStringLiteral("20/02/2027")}}},
            {"valores alterados fora do programa",
             [] {
                 executa(QStringLiteral("update conta_receber set nvalor_parcela = 150.30 where ncodigo = 2"));
                 executa(QStringLiteral("update baixa_conta_receber set nvalor_baixa = 150 where nconta_receber = 1"));
             },
             {{QStringLiteral("Valor alterado"), QStringLiteral("1"), QStringLiteral("2"), reais("150,25"), reais("150,30")},
              {QStringLiteral("Pagamento alterado"), QStringLiteral("1"), QStringLiteral("1"), reais("150,25"), reais("150,00")}}},
            {"conta recebida reaberta",
             [&] {
                 auto& r = abre_recebidas();
                 r.gradeLista->defineLinhaAtual(linha_do_codigo(r.gradeLista, 1));
                 amb->msgs.respostas({true});
                 clica(r.botaoAbrirConta);
                 r.close();
             },
             {{QStringLiteral("Pagamento excluído"), QStringLiteral("1"), QStringLiteral("1"), reais("150,00"), QString()},
              {QStringLiteral("Conta reaberta"), QStringLiteral("1"), QStringLiteral("1"), reais("150,25"), QString()}}},
            {"ordem reaberta com suas parcelas",
             [&] {
                 auto& o = ordem(1);
                 o.marcaConcluida->setChecked(false);
                 grava(o, {true});
             },
             {{QStringLiteral("Parcela excluída"), QStringLiteral("1"), QStringLiteral("1"), reais("150,25"), QString()},
              {QStringLiteral("Parcela excluída"), QStringLiteral("1"), QStringLiteral("2"), reais("150,30"), QString()},
              {QStringLiteral("Ordem reaberta"), QStringLiteral("1"), QString(), reais("300,50"), QString()}}},
            {"ordem concluída de novo",
             [&] {
                 // a plan the credit closing reads from the condition's name
                 executa(QStringLiteral("update condicao_pagto set cdescricao = '30 \\ 60' where ncodigo = 2"));
                 auto& o = ordem(1);
                 o.marcaConcluida->setChecked(true);
                 grava(o, {true, true, false}, fecha_prazo);
             },
             {{QStringLiteral("Ordem concluída"), QStringLiteral("1"), QString(), QString(), reais("300,50")}}},
        };
        const QString usuario = programa().usuario.toUpper();
        QList<QStringList> todas;
        int lidas = 0;
        for (const Passo& p : passos) {
            p.age();
            QList<QStringList> registradas;
            for (const AlteracaoFinanceira& a : alteracoes_no_periodo(conexao, hoje, hoje)) {
                if (a.codigo <= antes)
                    continue;
                registradas << QStringList{descricao_alteracao(a.tipo), a.ordem ? QString::number(*a.ordem) : QString(),
                                           a.conta ? QString::number(*a.conta) : QString(), a.antes(), a.depois()};
                QCOMPARE(a.usuario, usuario);
                QCOMPARE(a.estacao == QLatin1String("local"), servidor().isEmpty());
                QCOMPARE(a.momento.date(), hoje);
            }
            QVERIFY2(registradas.mid(0, lidas) == todas, p.nome);
            QCOMPARE(registradas.mid(lidas), p.registradas);
            todas = registradas;
            lidas = int(todas.size());
        }
        QVERIFY(regras_quebradas().isEmpty());

        // the month's list, as the user reads it, the shop's own first,
        // read in pages of four rows (each page bound to the period)
        const auto pagina = qScopeGuard([n = JanelaLista::linhasPorPagina] { JanelaLista::linhasPorPagina = n; });
        JanelaLista::linhasPorPagina = 4;
        auto& w = mostra_form<FrmAlteracoesFinanceiras>();
        QCOMPARE(w.seletorInicio->date(), QDate(hoje.year(), hoje.month(), 1));
        QCOMPARE(w.seletorFim->date(), QDate(hoje.year(), hoje.month(), hoje.daysInMonth()));
        QCOMPARE(w.seletorInicio->accessibleName(), QStringLiteral("De"));
        QCOMPARE(w.seletorFim->accessibleName(), QStringLiteral("Até"));
        QCOMPARE(cabecalho(w.gradeLista).mid(1), (QStringList{QStringLiteral("Momento"), QStringLiteral("Usuário"), QStringLiteral("Estação"),
                                                        QStringLiteral("Alteração"), QStringLiteral("Ordem"), QStringLiteral("Parcela"),
                                                        QStringLiteral("Antes"), QStringLiteral("Depois")}));
        w.gradeLista->setFocus();
        tecla(w.gradeLista, Qt::Key_End, Qt::ControlModifier); // the rest of the list
        const int n = int(coluna(w.gradeLista, 0).size());
        QCOMPARE(n, conta(QStringLiteral("select count(*) from alteracao_financeira")));
        QList<QStringList> mostradas;
        for (int l = n - lidas; l < n; ++l) {
            const QStringList celulas = linha(w.gradeLista, l);
            QCOMPARE(QDateTime::fromString(celulas[1], QStringLiteral("dd/MM/yyyy hh:mm")).date(), hoje);
            QCOMPARE(celulas[2], usuario);
            QCOMPARE(celulas[3] == QLatin1String("local"), servidor().isEmpty());
            mostradas << celulas.mid(4);
        }
        QCOMPARE(mostradas, todas);
        // every row to a spreadsheet, bound to the same period
        QTemporaryDir dir;
        QCOMPARE(exporta_e_le(w.botaoExportar, dir.filePath(QStringLiteral("alteracoes.csv"))).size(), n + 1);
        // another period, chosen in the pickers: nothing of today
        w.seletorInicio->setDate(hoje.addMonths(-1));
        w.seletorFim->setDate(hoje.addDays(-1));
        clica(w.botaoMostrar);
        QVERIFY(coluna(w.gradeLista, 0).isEmpty());
        QVERIFY(!amb->msgs.textos().join(QLatin1Char('\n')).contains(QStringLiteral("SQLCODE")));
    }

    void excluidoNoutraEstacaoNaoEhGravado()
    {
        executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','10:00:00',80,'',0,1);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Limpeza',80);"));
        auto& o = abre_edicao<FrmOrcamento>(1);
        auto& e = abre_edicao<FrmEntradaEquipamento>(57);
        for (const char* t : {"item_orcamento", "orcamento", "item_da_entrada", "entrada_equipamento"})
            executa(QStringLiteral("delete from ") + QString::fromLatin1(t));
        amb->msgs.respostas({true}); // "Deseja gravar essa entrada?"
        clica(e.botaoGravar);
        clica(o.botaoGravar);
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Deseja gravar essa entrada?"), REGISTRO_EXCLUIDO, REGISTRO_EXCLUIDO}));
        QVERIFY(o.isVisible() && e.isVisible());
    }

    // Enter walks the header of an order without toggling the check boxes or
    // changing the date; Space toggles.
    void enterAtravessaOrdemSemMudarNada()
    {
        auto& f = abre_inclusao<FrmOrdem>();
        f.marcaGarantia->setChecked(true);
        const QDate data = f.dataOrdem->date();
        cliente(f, QStringLiteral("3"));
        const QList<QWidget*> caminho = {f.caixaCondicao, f.caixaObservacao, f.dataOrdem, f.marcaConcluida, f.marcaGarantia,
                                         f.marcaAguardandoPecas, f.botaoMaquina}; // the note of the parts only once marked
        for (int i = 0; i + 1 < caminho.size(); ++i) {
            QCOMPARE(foco(), caminho[i]);
            tecla(caminho[i], Qt::Key_Return);
        }
        QCOMPARE(foco(), f.botaoMaquina);
        QVERIFY(!f.marcaConcluida->isChecked());
        QVERIFY(f.marcaGarantia->isChecked());
        QVERIFY(!f.marcaAguardandoPecas->isChecked());
        QCOMPARE(f.dataOrdem->date(), data);
        QVERIFY(f.caixaObservacao->toPlainText().isEmpty());
        // F5 goes to the save button; the customer box does F11 (new customer)
        tecla(f.botaoMaquina, Qt::Key_F5);
        QCOMPARE(foco(), f.botaoGravar);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QVERIFY(c.inclusao());
            c.sai_click();
        });
        tecla(f.caixaCliente, Qt::Key_F11);
        QCOMPARE(acoes_modais_pendentes(), 0);
        clica(f.botaoCancelar);
    }

    // Pasted text longer than its column is refused, naming the field;
    // apostrophes in it are stored as typed.
    void textoColadoLongoRecusado()
    {
        auto& f = abre_inclusao<FrmEntradaEquipamento>();
        cliente(f, QStringLiteral("2"));
        QApplication::clipboard()->setText(QString(300, QLatin1Char('x')));
        f.caixaObservacao->setFocus();
        tecla(f.caixaObservacao, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.caixaObservacao->text().size(), 300); // never cut silently
        amb->msgs.respostas({true});
        clica(f.botaoGravar);
        QVERIFY2(amb->msgs.ultimo().startsWith(QStringLiteral("O campo \"Obs\" aceita no máximo 255 caracteres")), qPrintable(amb->msgs.ultimo()));
        QCOMPARE(foco(), f.caixaObservacao);
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 58")), 1);
        f.caixaProblema->setPlainText(QString(256, QLatin1Char('y')));
        f.caixaEquipamento->setPlainText(QStringLiteral("Impressora"));
        clica(f.botaoConfirmarItem);
        QVERIFY(amb->msgs.ultimo().startsWith(QLatin1String("O campo \"Problema relatado\"")));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 2);
        f.caixaProblema->setPlainText(QStringLiteral("Tinta 'original' vazando"));
        clica(f.botaoConfirmarItem);
        QApplication::clipboard()->setText(QStringLiteral("D'Ávila; drop table cliente"));
        f.caixaObservacao->selectAll();
        tecla(f.caixaObservacao, Qt::Key_V, Qt::ControlModifier);
        amb->msgs.respostas({true, false});
        clica(f.botaoGravar);
        QCOMPARE(linhas(QStringLiteral("select cobs from entrada_equipamento where ncodigo = 58")), QStringList{QStringLiteral("D'Ávila; drop table cliente")});
        QCOMPARE(linhas(QStringLiteral("select cproblema from item_da_entrada where nentrada_equipamento = 58")),
                 QStringList{QStringLiteral("Tinta 'original' vazando")});
        clica(f.botaoCancelar);
    }
};

QTEST_MAIN(TstMovimentos)
#include "tst_movimentos.moc"
