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
#include "legado.h"
#include "sessao.h"
#include "motorrelatorio.h"
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

const QString ITENS_PAGOS = QStringLiteral("Esta ordem de serviço já tem pagamentos lançados: seus itens não podem ser alterados.");
const QString REABRIR = QStringLiteral("Esta ordem já foi fechada. Deseja reabri-la e excluir suas parcelas?");

// What the closing opened over the order form does.
void fecha_prazo(QDialog& d) { clica(static_cast<FrmFechamentoVendaPrazo&>(d).CmdOk); }
void sai_prazo(QDialog& d) { clica(static_cast<FrmFechamentoVendaPrazo&>(d).CmdSair); }
void caixa_fechar(QDialog& d) { d.close(); }
void paga_vista(QDialog& d) { clica(static_cast<FrmPagamentoDaVenda&>(d).Command6); }

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
        f.Text10->setFocus();
        f.Text10->selectAll();
        digita(f.Text10, codigo);
        tecla(f.Text10, Qt::Key_Return);
    }
    // The order form left ("&Cancelar") when on screen, then opened anew.
    FrmOrdem& abre_ordem(bool nova)
    {
        if (form<FrmOrdem>().isVisible())
            clica(form<FrmOrdem>().Command7);
        return abre_form<FrmOrdem>(nova);
    }
    // A new order of Ana's on that condition, one item at that price, ticked "Concluída".
    FrmOrdem& ordem_nova(const QString& cond, const QString& preco)
    {
        auto& f = abre_ordem(true);
        cliente(f, QStringLiteral("2"));
        condicao(f, cond);
        item_servico(f, 1, QStringLiteral("Revisão"), preco, 1);
        clica(f.Check1);
        return f;
    }
    FrmOrdem& ordem(int codigo)
    {
        form<FrmOrdem>().nCodigoordem = codigo;
        return abre_ordem(false);
    }
    // "&Gravar" on an order, the questions answered in turn, the closing
    // that opens over it driven by `fechamento`.
    void grava(FrmOrdem& f, std::initializer_list<bool> respostas, std::function<void(QDialog&)> fechamento = {})
    {
        amb->msgs.respostas(respostas);
        if (fechamento)
            no_modal(fechamento);
        clica(f.Command5);
        QCOMPARE(amb->msgs.perguntasPendentes(), 0);
    }
    // Picks the item of row `linha`, types a price and confirms it with Enter.
    void muda_preco(FrmMovimentoServico& f, int linha, const QString& preco)
    {
        duplo_clique(f.Grid1, linha, 1);
        f.Text7->setFocus();
        f.Text7->selectAll();
        digita(f.Text7, preco);
        tecla(f.Text7, Qt::Key_Return);
    }
    // The credit closing: a value typed into the first instalment, then "&Gravar" refused with `aviso`.
    std::function<void(QDialog&)> plano_recusado(const QString& valor, const QString& aviso)
    {
        return [this, valor, aviso](QDialog& d) {
            auto& p = static_cast<FrmFechamentoVendaPrazo&>(d);
            if (!valor.isEmpty()) {
                duplo_clique(p.Grid1, 1, 2);
                p.Text1->selectAll();
                digita(p.Text1, valor);
                tecla(p.Text1, Qt::Key_Return);
            }
            clica(p.CmdOk);
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
                 clica(f.Check1);
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
                 clica(f.Check1);
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
                 muda_preco(f, 1, QStringLiteral("90"));
                 f.Grid1->setFocus();
                 tecla(f.Grid1, Qt::Key_Delete);
                 clica(f.Check1);
                 grava(f, {});
                 QCOMPARE(amb->msgs.textos(), QStringList(3, ITENS_PAGOS));
                 QVERIFY(f.Text4->isReadOnly() && f.Text10->isReadOnly());
                 clica(f.Check1);
                 f.Text3->setPlainText(QStringLiteral("Pago"));
                 grava(f, {false});
                 QCOMPARE(linhas(QStringLiteral("select cobs, nvalor from ordem where ncodigo = 3")), QStringList{QStringLiteral("Pago|80")});
             }},
            {[this] { // two items; the one picked is the one changed, whatever row was clicked after
                 auto& f = ordem_nova(QStringLiteral("3"), QStringLiteral("100"));
                 item_servico(f, 2, QStringLiteral("Formatação"), QStringLiteral("50"), 2);
                 grava(f, {true, true, false}, fecha_prazo);
                 auto& e = ordem(3);
                 duplo_clique(e.Grid1, 1, 1);
                 QTest::mouseClick(e.Grid1->viewport(), Qt::LeftButton, {}, e.Grid1->viewport()->mapFrom(e.Grid1, e.Grid1->cellGeometry(2, 1).center()));
                 QCOMPARE(e.Grid1->row(), 2);
                 e.Text7->selectAll();
                 digita(e.Text7, QStringLiteral("120"));
                 amb->msgs.respostas({true}); // a closed order's item: reopened first
                 clica(e.botaoItem(1));
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
                 f.Check2->setFocus();
                 tecla(f.Check2, Qt::Key_Space);
                 QCOMPARE(amb->msgs.ultimo(), GARANTIA);
                 QVERIFY(!f.Check2->isChecked());
             }},
            {[this] { // an approved budget makes its order once
                 auto& b = abre_form<FrmOrcamento>(true);
                 cliente(b, QStringLiteral("2"));
                 item_servico(b, 1, QStringLiteral("Revisão"), QStringLiteral("100"));
                 clica(b.Check1);
                 escolhe_na_consulta(1);
                 amb->msgs.respostas({false, true}); // no printed budget; the order
                 clica(b.Command5);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Ordem de serviço 3 gerada."));
                 clica(b.Command7);
                 form<FrmOrcamento>().nCodigoOrcamento = 1;
                 amb->msgs.respostas({false});
                 clica(abre_form<FrmOrcamento>(false).Command5);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este orçamento já gerou a ordem de serviço 3."));
                 QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
             },
             [this] { // an item changed and the form left: the total is the items'
                 form<FrmOrcamento>().nCodigoOrcamento = 1;
                 auto& b = abre_form<FrmOrcamento>(false);
                 muda_preco(b, 1, QStringLiteral("150"));
                 clica(b.Command7);
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

    void entradaReservaItensGravaEOfereceComprovante()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 9), QTime(14, 30, 15)));
        auto& f = abre_form<FrmEntradaEquipamento>(true);
        QCOMPARE(f.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
        QCOMPARE(f.Label1->text(), QStringLiteral("Entrada de equipamentos para orçamento"));
        QCOMPARE(f.Text1->text(), QStringLiteral("58"));
        QCOMPARE(linhas(QStringLiteral("select ncliente, ddata, thora from entrada_equipamento where ncodigo = 58")),
                 QStringList{QStringLiteral("1|09/12/2026|14:30:15")});
        QCOMPARE(f.Text3->text(), QStringLiteral("09/12/2026 14:30:15"));
        QCOMPARE(foco(), f.Text4);
        // the placeholder customer is not a customer
        cliente(f, QStringLiteral("1"));
        QTRY_COMPARE(amb->msgs.ultimo(), NAO_LOCALIZADO);
        QCOMPARE(foco(), f.Text4);
        QCOMPARE(f.Text4->selectedText(), QStringLiteral("1")); // what is typed next replaces it
        QVERIFY(f.Text8->text().isEmpty());
        // nor is a new customer still being registered (no name yet)
        const qint64 reservado = conexao.executeRetornando(QStringLiteral("insert into cliente (ncidade) values(1) returning ncodigo")).toLongLong();
        amb->msgs.limpa();
        cliente(f, QString::number(reservado));
        QTRY_COMPARE(amb->msgs.textos(), QStringList{NAO_LOCALIZADO});
        QVERIFY(f.Text8->text().isEmpty());
        cliente(f, QStringLiteral("2"));
        QCOMPARE(f.Text8->text(), QStringLiteral("Ana Souza"));
        QCOMPARE(foco(), f.Text7);
        digita(f.Text7, QStringLiteral("Urgente"));
        tecla(f.Text7, Qt::Key_Return);
        QCOMPARE(foco(), f.Text2);
        digita(f.Text2, QStringLiteral("Jo'ão"));
        QCOMPARE(f.Text2->text(), QStringLiteral("João"));
        tecla(f.Text2, Qt::Key_Return);
        QCOMPARE(foco(), f.Text3);
        tecla(f.Text3, Qt::Key_Return);
        QCOMPARE(foco(), f.Text5);
        // items: an empty one is refused; Enter in the problem confirms
        tecla(f.Text5, Qt::Key_Return);
        tecla(f.Text6, Qt::Key_Return);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o equipamento e o problema relatado pelo cliente!"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 0);
        item_entrada(f, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
        QCOMPARE(foco(), f.Text5);
        item_entrada(f, QStringLiteral("Notebook"), QStringLiteral("Tela azul"));
        item_entrada(f, QStringLiteral("Monitor"), QStringLiteral("Sem imagem"));
        QCOMPARE(f.Grid1->rows(), 10);
        QCOMPARE(f.Grid1->textMatrix(2, 1), QStringLiteral("Notebook"));
        QVERIFY(f.Grid1->isColumnHidden(0));
        // picked, changed and confirmed: an update, not a new item
        duplo_clique(f.Grid1, 2, 1);
        QCOMPARE(f.Text6->toPlainText(), QStringLiteral("Tela azul"));
        f.Text6->selectAll();
        digita(f.Text6, QStringLiteral("Reinicia sozinho"));
        clica(f.botaoItem(1));
        QCOMPARE(linhas(QStringLiteral("select cequipamento, cproblema from item_da_entrada where nentrada_equipamento = 58 order by ncodigo")),
                 (QStringList{QStringLiteral("Impressora|Não liga"), QStringLiteral("Notebook|Reinicia sozinho"), QStringLiteral("Monitor|Sem imagem")}));
        // delete asks nothing; "Cancelar" clears a picked item back to a new one
        f.Grid1->setRow(3);
        clica(f.botaoItem(2));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 2);
        duplo_clique(f.Grid1, 1, 1);
        clica(f.botaoItem(3));
        QVERIFY(f.Text5->toPlainText().isEmpty());
        item_entrada(f, QStringLiteral("Scanner"), QStringLiteral("Não puxa papel"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 58")), 3);

        // saved an hour later: the reservation's date and time are kept; the
        // next entry is reserved at once, then the receipt of this one is offered
        Relogio::fixa(QDateTime(QDate(2026, 12, 9), QTime(15, 31, 0)));
        amb->msgs.respostas({true, true});
        clica(f.Command5);
        QCOMPARE(linhas(QStringLiteral("select ncliente, csolicitante, cobs, ddata, thora from entrada_equipamento where ncodigo = 58")),
                 QStringList{QStringLiteral("2|João|Urgente|09/12/2026|14:30:15")});
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja gravar essa entrada?"), QStringLiteral("Deseja emitir o comprovante de entrada de equipamentos?")}));
        QCOMPARE(impressos, QStringList{QStringLiteral("{entrada_equipamento.ncodigo}=58|Numero='09/12/2026 - N.º 58'|")});
        QVERIFY(f.isVisible());
        QCOMPARE(f.Text1->text(), QStringLiteral("59"));
        // the saved number stays in view on the next entry, for the eye and the screen reader
        QCOMPARE(f.LabelGravado->text(), QStringLiteral("Entrada N.º 58 gravada."));
        QCOMPARE(f.LabelGravado->accessibleName(), f.LabelGravado->text());
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 59")), 1);
        QVERIFY(f.Text4->text().isEmpty() && f.Text8->text().isEmpty() && f.Text2->text().isEmpty());
        QVERIFY(f.Grid1->textMatrix(1, 0).isEmpty());
        QCOMPARE(foco(), f.Text4);
        // answering No to the save writes nothing; without a customer the save is refused
        amb->msgs.respostas({false});
        clica(f.Command5);
        amb->msgs.respostas({true});
        clica(f.Command5);
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 59")), 1);
        // leaving removes the fresh reservation
        clica(f.Command4);
        QVERIFY(!f.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento where ncodigo = 59")), 0);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 2);
    }

    void entradaEditadaFechaAoGravar()
    {
        auto& f = form<FrmEntradaEquipamento>();
        f.nCodigoEntrada = 57;
        abre_form<FrmEntradaEquipamento>(false);
        QCOMPARE(f.Text8->text(), QStringLiteral("Ana Souza"));
        QCOMPARE(f.Text3->text(), QStringLiteral("06/12/2026 09:15"));
        QCOMPARE(f.Text2->text(), QStringLiteral("Marcos Souza"));
        QCOMPARE(f.Grid1->textMatrix(2, 2), QStringLiteral("Não liga"));
        cliente(f, QStringLiteral("3"));
        amb->msgs.respostas({true, false});
        clica(f.Command5);
        QVERIFY(!f.isVisible());
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 57")), 3);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 1);
    }

    // A new movement abandoned with items leaves no row behind, by the
    // button or by the close box, in all three forms.
    void abandonoComItensNaoDeixaRastro()
    {
        auto& e = abre_form<FrmEntradaEquipamento>(true);
        item_entrada(e, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 3);
        clica(e.Command4);
        QVERIFY(!e.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from entrada_equipamento")), 1);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 2);

        auto& o = abre_form<FrmOrcamento>(true);
        cliente(o, QStringLiteral("2"));
        item_servico(o, 1, QStringLiteral("Limpeza"), QStringLiteral("80"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 1);
        o.close();
        QVERIFY(!o.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from orcamento")), 0);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);

        auto& s = abre_form<FrmOrdem>(true);
        QCOMPARE(s.Text1->text(), QStringLiteral("3"));
        cliente(s, QStringLiteral("2"));
        item_servico(s, 1, QStringLiteral("Limpeza"), QStringLiteral("80"), 1);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 1);
        clica(s.Command7);
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
        f.nCodigoEntrada = 58;
        abre_form<FrmEntradaEquipamento>(false);
        QCOMPARE(f.Grid1->rows(), 13);
        QCOMPARE(f.Grid1->textMatrix(12, 1), QStringLiteral("Máquina 12"));
        QScrollBar* barra = f.Grid1->verticalScrollBar();
        QVERIFY(barra->maximum() > 0);
        QCOMPARE(barra->value(), barra->maximum());
        QVERIFY(f.Grid1->viewport()->rect().intersects(f.Grid1->visualRect(f.Grid1->model()->index(11, 1))));
        // three items: ten rows, at the top
        executa(QStringLiteral("delete from item_da_entrada where ncodigo > 4"));
        clica(f.botaoItem(3));
        item_entrada(f, QStringLiteral("Outra"), QStringLiteral("Defeito"));
        QCOMPARE(f.Grid1->rows(), 10);
        QCOMPARE(f.Grid1->textMatrix(4, 1), QString());
        QCOMPARE(barra->value(), 0);
        clica(f.Command4);
    }

    void orcamentoItensTotalEGravacao()
    {
        auto& f = abre_form<FrmOrcamento>(true);
        QCOMPARE(f.Label1->text(), QStringLiteral("Orçamentos"));
        QCOMPARE(f.Text1->text(), QStringLiteral("1"));
        QCOMPARE(f.Text10->text(), QStringLiteral("1"));
        QCOMPARE(f.Text11->text(), QStringLiteral("A vista"));
        QCOMPARE(f.Text9->text(), reais(QStringLiteral("0,00")));
        QCOMPARE(f.Grid1->rows(), 12);
        // no machine before a customer; no item before a valid customer
        clica(f.Command4);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o cliente!"));
        clica(f.botaoItem(1));
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        cliente(f, QStringLiteral("2"));
        QCOMPARE(foco(), f.Text10);
        // an unknown condition keeps the focus; F12 chooses one
        digita(f.Text10, QStringLiteral("9"));
        tecla(f.Text10, Qt::Key_Return);
        QTRY_COMPARE(amb->msgs.ultimo(), NAO_LOCALIZADO);
        QCOMPARE(foco(), f.Text10);
        escolhe_na_consulta(2);
        tecla(f.Text10, Qt::Key_F12);
        QCOMPARE(f.Text10->text(), QStringLiteral("2"));
        QCOMPARE(f.Text11->text(), QStringLiteral("30/60"));
        // the machine comes from the customer's own list
        escolhe_na_consulta(2);
        clica(f.Command4);
        volta(&f);
        QCOMPARE(form<FrmConsulta>().Grid1->textMatrix(1, 1), QStringLiteral("Impressora - HP LaserJet 1102"));
        QCOMPARE(form<FrmConsulta>().Grid1->textMatrix(3, 0), QString());
        QCOMPARE(f.Text2->text(), QStringLiteral("Notebook - Dell Inspiron"));
        QCOMPARE(foco(), f.Text6);
        digita(f.Text6, QStringLiteral("Troca de tela"));
        tecla(f.Text6, Qt::Key_Return);
        QCoreApplication::processEvents();
        tecla(f.Text7, Qt::Key_Return); // price 0,00
        QCOMPARE(amb->msgs.ultimo(), VALOR);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);
        // a pasted price that is not an amount is refused, never stored as zero
        f.Text7->selectAll();
        f.Text7->insert(QStringLiteral("1,234.50"));
        tecla(f.Text7, Qt::Key_Return);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor \"1,234.50\" não é válido. Informe-o como 1.234,50."));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 0);
        f.Text7->selectAll();
        digita(f.Text7, QStringLiteral("450"));
        tecla(f.Text7, Qt::Key_Return);
        QCOMPARE(foco(), f.Command4);
        item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("99.9")); // the keypad's point
        QCOMPARE(f.Grid1->textMatrix(2, 3), reais(QStringLiteral("99,90")));
        QCOMPARE(f.Text9->text(), reais(QStringLiteral("549,90")));
        // the total comes from what is stored
        executa(QStringLiteral("update item_orcamento set nvalor = 1000 where cservico = 'Troca de tela'"));
        duplo_clique(f.Grid1, 2, 1);
        QCOMPARE(f.Text2->text(), QStringLiteral("Impressora - HP LaserJet 1102"));
        QCOMPARE(f.Text7->text(), reais(QStringLiteral("99,90")));
        f.Text7->setFocus();
        QCoreApplication::processEvents();
        digita(f.Text7, QStringLiteral("100"));
        tecla(f.Text7, Qt::Key_Return);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_orcamento")), 2);
        QCOMPARE(f.Text9->text(), reais(QStringLiteral("1.100,00")));
        // by keyboard: Enter in the list picks the row's item
        f.Grid1->setFocus();
        f.Grid1->setRow(1);
        tecla(f.Grid1, Qt::Key_Return);
        QCOMPARE(f.Text6->text(), QStringLiteral("Troca de tela"));
        QCOMPARE(f.Text7->text(), reais(QStringLiteral("1.000,00")));
        clica(f.botaoItem(3));
        // not approved: saved with no question about an order
        f.Text3->setFocus();
        digita(f.Text3, QStringLiteral("Cliente d'Ávila"));
        f.Text3->setPlainText(QStringLiteral("Cliente d'Ávila")); // pasted, with its apostrophe
        amb->msgs.respostas({true}); // the budget printed for the customer
        clica(f.Command5);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Ok! Orçamento gravado com sucesso!"), QStringLiteral("Deseja emitir o orçamento?")}));
        QCOMPARE(impressos.last(), QStringLiteral("{orcamento.ncodigo}=1|Rodape='") + cRodape + QStringLiteral("'|"));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/orcamento.pdf");
        QVERIFY(gera_pdf(cr(), pdf));
        rsDados.abre(QStringLiteral("select dateadd(15 day to ddata) as validade from orcamento where ncodigo = 1"));
        const QString validade = rsDados.texto(QStringLiteral("validade"));
        rsDados.fecha();
        confere_textos(plano(texto_pdf(pdf)), {QStringLiteral("ORÇAMENTO N.º 1"), QStringLiteral("Cliente: 2 - Ana Souza"),
                                               QStringLiteral("Troca de tela"), QStringLiteral("Limpeza"), QStringLiteral("Total: R$ 1.100,00"),
                                               QStringLiteral("Condição de pagamento: 30/60"),
                                               QStringLiteral("Válido até: ") + validade, QStringLiteral("Cliente d'Ávila")});
        QCOMPARE(f.LabelGravado->text(), QStringLiteral("Orçamento N.º 1 gravado."));
        QCOMPARE(linhas(QStringLiteral("select ncliente, nvalor, cobs, naprovado, ncondicao from orcamento where ncodigo = 1")),
                 QStringList{QStringLiteral("2|1100|Cliente d'Ávila|0|2")});
        QCOMPARE(f.Text1->text(), QStringLiteral("2"));
        QCOMPARE(f.Text10->text(), QStringLiteral("1"));
        QVERIFY(!f.Check1->isChecked());
        // a budget without items is not saved, nor one without a condition
        cliente(f, QStringLiteral("3"));
        clica(f.Command5);
        QCOMPARE(amb->msgs.ultimo(), VERIFIQUE);
        item_servico(f, 1, QStringLiteral("Revisão"), QStringLiteral("10"));
        f.Text10->setFocus();
        f.Text10->clear();
        amb->msgs.limpa();
        clica(f.Command5);
        QCOMPARE(amb->msgs.textos(), QStringList{VERIFIQUE});
        QCOMPARE(conta(QStringLiteral("select ncliente from orcamento where ncodigo = 2")), 1);
        clica(f.Command7);
        QCOMPARE(conta(QStringLiteral("select count(*) from orcamento")), 1);
    }

    // A document offered after a save waits for the clerk: the budget's
    // preview is modal, and the question about an order comes only once
    // the preview is closed.
    void previaDoOrcamentoEspera()
    {
        instala_motor_relatorio(); // the real previews, not the list of runs
        auto& f = abre_form<FrmOrcamento>(true);
        cliente(f, QStringLiteral("2"));
        item_servico(f, 1, QStringLiteral("Troca do rolo"), QStringLiteral("120"));
        f.Check1->setFocus();
        tecla(f.Check1, Qt::Key_Space);
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
        clica(f.Command5);
        QVERIFY(vista);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o orçamento?"), QStringLiteral("Deseja gerar a ordem de serviço?")}));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QTRY_VERIFY(previas_abertas().isEmpty());
    }

    void orcamentoAprovadoGeraOrdem()
    {
        auto& f = abre_form<FrmOrcamento>(true);
        cliente(f, QStringLiteral("2"));
        item_servico(f, 1, QStringLiteral("Troca do rolo"), QStringLiteral("120"));
        item_servico(f, 2, QStringLiteral("Formatação"), QStringLiteral("80,5"));
        f.Text3->setPlainText(QStringLiteral("Aprovado por telefone"));
        f.Check1->setFocus();
        tecla(f.Check1, Qt::Key_Space);
        QVERIFY(f.Check1->isChecked());
        // the technician lookup cancelled: no order
        escolhe_na_consulta(0);
        amb->msgs.respostas({false, true}); // no printed budget; the order
        clica(f.Command5);
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o orçamento?"), QStringLiteral("Deseja gerar a ordem de serviço?")}));
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 2);
        QCOMPARE(acoes_modais_pendentes(), 0);
        // saved again while approved: asked again; answered with Dora
        auto& e = form<FrmOrcamento>();
        e.nCodigoOrcamento = 1;
        clica(f.Command7);
        abre_form<FrmOrcamento>(false);
        QVERIFY(e.Check1->isChecked());
        QCOMPARE(e.Text9->text(), reais(QStringLiteral("200,50")));
        Relogio::fixa(QDateTime(QDate(2026, 12, 10), QTime(8, 5, 0)));
        escolhe_na_consulta(2);
        amb->msgs.respostas({false, true});
        clica(e.Command5);
        QVERIFY(!e.isVisible());
        QCOMPARE(linhas(QStringLiteral("select ncodigo, ncliente, ddata, thora, nvalor, cobs, ncondicao, nconcluida, ntipo from ordem where ncodigo > 2")),
                 QStringList{QStringLiteral("3|2|10/12/2026|08:05:00|200.5|Aprovado por telefone|1|0|0")});
        QCOMPARE(linhas(QStringLiteral("select nequipamento_cliente, cservico, nvalor, ntecnico from item_ordem where nordem = 3 order by ncodigo")),
                 (QStringList{QStringLiteral("1|Troca do rolo|120|2"), QStringLiteral("2|Formatação|80.5|2")}));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Ordem de serviço 3 gerada."));
        // saved again: it made its order, nothing is asked
        abre_form<FrmOrcamento>(false);
        amb->msgs.respostas({false}); // no printed budget
        clica(e.Command5);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este orçamento já gerou a ordem de serviço 3."));
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
    }

    void ordemTecnicoGarantiaEConclusao()
    {
        auto& f = abre_form<FrmOrdem>(true);
        QCOMPARE(f.Label1->text(), QStringLiteral("Ordem de serviço"));
        QCOMPARE(f.DTPicker1->date(), Relogio::hoje());
        QVERIFY(!f.Check1->isChecked() && !f.Check2->isChecked());
        QCOMPARE(f.Grid1->rows(), 11);
        cliente(f, QStringLiteral("2"));
        // without a technician the item is refused
        escolhe_na_consulta(1);
        clica(f.Command4);
        volta(&f);
        QCOMPARE(foco(), f.Command1);
        f.Text6->setText(QStringLiteral("Revisão"));
        f.Text7->setText(QStringLiteral("50"));
        clica(f.botaoItem(1));
        QCOMPARE(amb->msgs.ultimo(), OBRIGATORIOS);
        escolhe_na_consulta(1);
        clica(f.Command1);
        volta(&f);
        QCOMPARE(f.Text12->text(), QStringLiteral("Carlos Mendes"));
        QCOMPARE(foco(), f.Text6);
        f.Text7->setText(reais(QStringLiteral("0,00")));
        clica(f.botaoItem(1));
        QCOMPARE(amb->msgs.ultimo(), VALOR);
        f.Text7->setText(QStringLiteral("50"));
        clica(f.botaoItem(1));
        QCOMPARE(f.Grid1->textMatrix(1, 2), QStringLiteral("Carlos Mendes"));
        // a warranty order takes only zero
        f.Check2->setChecked(true);
        item_servico(f, 2, QStringLiteral("Garantia"), QStringLiteral("10"), 2);
        QCOMPARE(amb->msgs.ultimo(), GARANTIA);
        f.Text7->selectAll();
        digita(f.Text7, QStringLiteral("0"));
        tecla(f.Text7, Qt::Key_Return);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 2);
        // picking an item brings its technician back
        duplo_clique(f.Grid1, 2, 1);
        QCOMPARE(f.Text13->text(), QStringLiteral("2"));
        QCOMPARE(f.Text12->text(), QStringLiteral("Dora Reis"));
        clica(f.botaoItem(3));
        QVERIFY(f.Text12->text().isEmpty() && f.Text5->text().isEmpty());
        // Delete in the list removes the row's item, asking nothing
        f.Grid1->setFocus();
        f.Grid1->setRow(2);
        tecla(f.Grid1, Qt::Key_Delete);
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem where nordem = 3")), 1);
        QCOMPARE(f.Grid1->textMatrix(2, 0), QString());
        // concluded: No to the question writes nothing
        f.Check2->setChecked(false);
        f.Check1->setChecked(true);
        f.DTPicker1->setDate(QDate(2026, 12, 20));
        amb->msgs.respostas({false});
        clica(f.Command5);
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
            QCOMPARE(p->nCodigoOrdem, 3);
            QCOMPARE(p->nValorTotal.centavos(), 5000);
            clica(p->Command6);
        });
        clica(f.Command5);
        QVERIFY(pagamentoAberto);
        QCOMPARE(linhas(QStringLiteral("select ncliente, ddata, nvalor, nconcluida, ntipo, ncondicao from ordem where ncodigo = 3")),
                 QStringList{QStringLiteral("2|20/12/2026|50|1|0|1")});
        QCOMPARE(linhas(QStringLiteral("select c.npago, c.nvalor_parcela, b.nvalor_baixa, trim(b.ctipo_baixa) from conta_receber c "
                                       "join baixa_conta_receber b on b.nconta_receber = c.ncodigo where c.nordem = 3")),
                 QStringList{QStringLiteral("1|50|50|I")});
        QCOMPARE(amb->msgs.textos().mid(amb->msgs.textos().size() - 2),
                 (QStringList{QStringLiteral("Deseja emitir o recibo do pagamento?"), QStringLiteral("Deseja emitir a ordem de serviço?")}));
        QCOMPARE(f.LabelGravado->text(), QStringLiteral("Ordem de serviço N.º 3 gravada."));
        // the printed order shows the instalment the cash payment stored
        QCOMPARE(impressos, QStringList{QStringLiteral("{view_ordem.codigo_ordem}=3||Vencimentos='Vencimento: ")
                                        + Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" Valor: ")
                                        + reais(QStringLiteral("50,00")) + QLatin1Char('\'')});
        QCOMPARE(f.Text1->text(), QStringLiteral("4"));
        QVERIFY(!f.Check1->isChecked());
        clica(f.Command7);
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 3);
    }

    void ordemSemPagamentosPerdeContasEComPagamentosRecusa()
    {
        // order 1 has a paid instalment: nothing is written, the form stays
        auto& f = form<FrmOrdem>();
        f.nCodigoordem = 1;
        abre_form<FrmOrdem>(false);
        QCOMPARE(f.Grid1->textMatrix(2, 3), QStringLiteral("Limpeza e revisão geral"));
        QCOMPARE(f.Text9->text(), reais(QStringLiteral("300,50")));
        QVERIFY(f.Check1->isChecked());
        f.Check1->setChecked(false);
        clica(f.Command5);
        QCOMPARE(amb->msgs.ultimo(), ITENS_PAGOS);
        QVERIFY(f.isVisible());
        QCOMPARE(conta(QStringLiteral("select count(*) from conta_receber where nordem = 1")), 2);
        QCOMPARE(conta(QStringLiteral("select nconcluida from ordem where ncodigo = 1")), 1);
        clica(f.Command7);
        QCOMPARE(conta(QStringLiteral("select count(*) from ordem")), 2);
        // without payments, saving unconcluded removes the receivables
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','10.00',0,'2027-01-10',0)"));
        f.nCodigoordem = 2;
        abre_form<FrmOrdem>(false);
        QVERIFY(f.Check2->isChecked());
        f.Check1->setChecked(false);
        amb->msgs.respostas({true});
        clica(f.Command5);
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
        f.nCodigoordem = 1;
        abre_form<FrmOrdem>(false);
        QVERIFY(f.Check1->isChecked());
        amb->msgs.respostas({true, false}); // close on credit; no printed order (concluded already: not asked)
        bool fechamentoAberto = false;
        ao_abrir_modal([&](QDialog& d) {
            auto* p = qobject_cast<FrmFechamentoVendaPrazo*>(&d);
            QVERIFY(p);
            fechamentoAberto = true;
            QCOMPARE(p->nCodigoOrdem, 1);
            QCOMPARE(p->nCondicao, 2);
            QCOMPARE(p->nValorTotal.centavos(), 30050);
            clica(p->CmdOk);
        });
        clica(f.Command5);
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
                     m.Grid1->setRow(1);
                     amb->msgs.respostas({true});
                     clica(m.CmdExcluir);
                     clica(m.CmdSair);
                 });
                 clica(receber->Command3);
             },
             {{QStringLiteral("Pagamento excluído"), QStringLiteral("1"), QStringLiteral("2"), reais("50,00"), QString()}}},
            {"vencimento alterado",
             [&] {
                 receber->Grid1->setRow(linha_do_codigo(receber->Grid1, 2));
                 amb->msgs.entradas({QStringLiteral("20/02/2027")});
                 clica(receber->Command6);
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
                 r.Grid1->setRow(linha_do_codigo(r.Grid1, 1));
                 amb->msgs.respostas({true});
                 clica(r.Command2);
                 r.close();
             },
             {{QStringLiteral("Pagamento excluído"), QStringLiteral("1"), QStringLiteral("1"), reais("150,00"), QString()},
              {QStringLiteral("Conta reaberta"), QStringLiteral("1"), QStringLiteral("1"), reais("150,25"), QString()}}},
            {"ordem reaberta com suas parcelas",
             [&] {
                 auto& o = ordem(1);
                 o.Check1->setChecked(false);
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
                 o.Check1->setChecked(true);
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
        QCOMPARE(linha(w.Grid1, 0).mid(1), (QStringList{QStringLiteral("Momento"), QStringLiteral("Usuário"), QStringLiteral("Estação"),
                                                        QStringLiteral("Alteração"), QStringLiteral("Ordem"), QStringLiteral("Parcela"),
                                                        QStringLiteral("Antes"), QStringLiteral("Depois")}));
        w.Grid1->setFocus();
        tecla(w.Grid1, Qt::Key_End, Qt::ControlModifier); // the rest of the list
        const int n = int(coluna(w.Grid1, 0).size());
        QCOMPARE(n, conta(QStringLiteral("select count(*) from alteracao_financeira")));
        QList<QStringList> mostradas;
        for (int l = n - lidas + 1; l <= n; ++l) {
            const QStringList celulas = linha(w.Grid1, l);
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
        QVERIFY(coluna(w.Grid1, 0).isEmpty());
        QVERIFY(!amb->msgs.textos().join(QLatin1Char('\n')).contains(QStringLiteral("SQLCODE")));
    }

    void excluidoNoutraEstacaoNaoEhGravado()
    {
        executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','10:00:00',80,'',0,1);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Limpeza',80);"));
        form<FrmOrcamento>().nCodigoOrcamento = 1;
        auto& o = abre_form<FrmOrcamento>(false);
        form<FrmEntradaEquipamento>().nCodigoEntrada = 57;
        auto& e = abre_form<FrmEntradaEquipamento>(false);
        for (const char* t : {"item_orcamento", "orcamento", "item_da_entrada", "entrada_equipamento"})
            executa(QStringLiteral("delete from ") + QString::fromLatin1(t));
        amb->msgs.respostas({true}); // "Deseja gravar essa entrada?"
        clica(e.Command5);
        clica(o.Command5);
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Deseja gravar essa entrada?"), REGISTRO_EXCLUIDO, REGISTRO_EXCLUIDO}));
        QVERIFY(o.isVisible() && e.isVisible());
    }

    // Enter walks the header of an order without toggling the check boxes or
    // changing the date; Space toggles.
    void enterAtravessaOrdemSemMudarNada()
    {
        auto& f = abre_form<FrmOrdem>(true);
        f.Check2->setChecked(true);
        const QDate data = f.DTPicker1->date();
        cliente(f, QStringLiteral("3"));
        const QList<QWidget*> caminho = {f.Text10, f.Text3, f.DTPicker1, f.Check1, f.Check2, f.Command4};
        for (int i = 0; i + 1 < caminho.size(); ++i) {
            QCOMPARE(foco(), caminho[i]);
            tecla(caminho[i], Qt::Key_Return);
        }
        QCOMPARE(foco(), f.Command4);
        QVERIFY(!f.Check1->isChecked());
        QVERIFY(f.Check2->isChecked());
        QCOMPARE(f.DTPicker1->date(), data);
        QVERIFY(f.Text3->toPlainText().isEmpty());
        // F5 goes to the save button; the customer box does F11 (new customer)
        tecla(f.Command4, Qt::Key_F5);
        QCOMPARE(foco(), f.Command5);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QVERIFY(c.inclusao());
            c.sai_click();
        });
        tecla(f.Text4, Qt::Key_F11);
        QCOMPARE(acoes_modais_pendentes(), 0);
        clica(f.Command7);
    }

    // Pasted text longer than its column is refused, naming the field;
    // apostrophes in it are stored as typed.
    void textoColadoLongoRecusado()
    {
        auto& f = abre_form<FrmEntradaEquipamento>(true);
        cliente(f, QStringLiteral("2"));
        QApplication::clipboard()->setText(QString(300, QLatin1Char('x')));
        f.Text7->setFocus();
        tecla(f.Text7, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Text7->text().size(), 300); // never cut silently
        amb->msgs.respostas({true});
        clica(f.Command5);
        QVERIFY2(amb->msgs.ultimo().startsWith(QStringLiteral("O campo \"Obs\" aceita no máximo 255 caracteres")), qPrintable(amb->msgs.ultimo()));
        QCOMPARE(foco(), f.Text7);
        QCOMPARE(conta(QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 58")), 1);
        f.Text6->setPlainText(QString(256, QLatin1Char('y')));
        f.Text5->setPlainText(QStringLiteral("Impressora"));
        clica(f.botaoItem(1));
        QVERIFY(amb->msgs.ultimo().startsWith(QLatin1String("O campo \"Problema relatado\"")));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_da_entrada")), 2);
        f.Text6->setPlainText(QStringLiteral("Tinta 'original' vazando"));
        clica(f.botaoItem(1));
        QApplication::clipboard()->setText(QStringLiteral("D'Ávila; drop table cliente"));
        f.Text7->selectAll();
        tecla(f.Text7, Qt::Key_V, Qt::ControlModifier);
        amb->msgs.respostas({true, false});
        clica(f.Command5);
        QCOMPARE(linhas(QStringLiteral("select cobs from entrada_equipamento where ncodigo = 58")), QStringList{QStringLiteral("D'Ávila; drop table cliente")});
        QCOMPARE(linhas(QStringLiteral("select cproblema from item_da_entrada where nentrada_equipamento = 58")),
                 QStringList{QStringLiteral("Tinta 'original' vazando")});
        clica(f.Command4);
    }
};

QTEST_MAIN(TstMovimentos)
#include "tst_movimentos.moc"
