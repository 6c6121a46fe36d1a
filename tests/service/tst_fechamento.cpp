// Closing a concluded order on credit (the instalment plan edited in the
// grid) and in cash, driven through the forms and checked in the database.
#include "apoio.h"
#include "controlerelatorio.h"
#include "motorrelatorio.h"
#include "textopdf.h"
#include "frmfechamentovendaprazo.h"
#include "frmpagamentodavenda.h"
#include "grade.h"

#include "relogio.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QClipboard>
#include <QTest>

using namespace apoio;

namespace {

// Notices shown as a message box shows them: a window of their own takes
// the focus for a moment and gives it back.
class AvisosEmJanela : public MensagensRoteiro {
public:
    void aviso(const QString& texto, Icone icone, const QString& titulo) override
    {
        MensagensRoteiro::aviso(texto, icone, titulo);
        QDialog caixa;
        ativa(caixa);
    }
};

const QString CONFIRMA = QStringLiteral("Confirma o fechamento desta ordem?");
const QString ORDEM_ANTES = QStringLiteral("1|100|1||0");

// Customer 2 and an order 1 of 100,00 still on the placeholder customer and
// condition 1, not concluded until its closing is stored.
void ordem_concluida()
{
    executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
    executa(QStringLiteral("update cliente set cfantasia = 'Ana Souza' where ncodigo = 2"));
    executa(QStringLiteral("insert into condicao_pagto values(2,'Entrada \\ 30 \\ 60',3);"));
    executa(QStringLiteral("insert into ordem values(null,1,'2026-12-06','09:00:00',100,'',1,0,0);"));
}

QString ordem() { return linhas(QStringLiteral("select ncliente,nvalor,ncondicao,cobs,nconcluida from ordem")).join(QLatin1Char(';')); }
QStringList contas()
{
    return linhas(QStringLiteral("select ncodigo,nordem,cparcela,nvalor_parcela,npago,dvencimento,nrenegociada from conta_receber order by ncodigo"));
}
QStringList baixas()
{
    return linhas(QStringLiteral("select nconta_receber,nvalor_baixa,nforma_pagto,ndesconto,nacrescimo,trim(ctipo_baixa),cobs,ddata_baixa from baixa_conta_receber"));
}

} // namespace

class TstFechamento : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

    FrmFechamentoVendaPrazo& abrePrazo(const QString& regra, Dinheiro total = Dinheiro::deCentavos(10000))
    {
        auto& f = form<FrmFechamentoVendaPrazo>();
        f.nCodigoOrdem = 1;
        f.nCliente = 2;
        f.cObs = QStringLiteral("Retirar d'manhã");
        f.nValorTotal = total;
        f.nCondicao = 2;
        f.cCondicao = regra;
        ativa(f);
        return f;
    }
    FrmPagamentoDaVenda& abreVista(Dinheiro total = Dinheiro::deCentavos(15000))
    {
        auto& f = form<FrmPagamentoDaVenda>();
        f.nCodigoOrdem = 1;
        f.nCliente = 2;
        f.nValorTotal = total;
        ativa(f);
        return f;
    }
    // Edits a cell the way a user does: a double click, the new text, Enter.
    void editaCelula(FrmFechamentoVendaPrazo& f, int l, int c, const QString& texto)
    {
        duplo_clique(f.Grid1, l, c);
        QVERIFY(f.Text1->isVisible());
        digita(f.Text1, texto);
        tecla(f.Text1, Qt::Key_Return);
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        Relogio::fixa(QDateTime(QDate(2026, 12, 6), QTime(10, 15, 0)));
        ordem_concluida();
    }
    void cleanup() { amb.reset(); }

    void planoPropostoEGravado()
    {
        auto& f = abrePrazo(QStringLiteral("Entrada \\ 30 \\ 60"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
        QCOMPARE(f.Grid1->rows(), 8); // three instalments, filler rows below
        QCOMPARE(linha(f.Grid1, 0), (QStringList{QStringLiteral("Parcela"), QStringLiteral("Vencimento"), QStringLiteral("Valor")}));
        QCOMPARE(linha(f.Grid1, 1), (QStringList{QStringLiteral("1/3"), QStringLiteral("06/12/2026"), reais("33,34")}));
        QCOMPARE(linha(f.Grid1, 2), (QStringList{QStringLiteral("2/3"), QStringLiteral("05/01/2027"), reais("33,33")}));
        QCOMPARE(linha(f.Grid1, 3), (QStringList{QStringLiteral("3/3"), QStringLiteral("04/02/2027"), reais("33,33")}));
        QVERIFY(f.Grid1->textMatrix(4, 0).isEmpty());
        QCOMPARE(f.Text4->text(), QStringLiteral("3"));
        QCOMPARE(f.Text8->text(), reais("100,00")); // "Valor original" beside
        QCOMPARE(f.Text6->text(), reais("100,00")); // "Total": the cent left over in the first
        QVERIFY(f.Text4->isReadOnly() && f.Text8->isReadOnly() && f.Text6->isReadOnly());
        QVERIFY(!f.Text1->isVisible());

        // No at the question: nothing written, the form stays
        amb->msgs.respostas({false});
        clica(f.CmdOk);
        QVERIFY(f.isVisible());
        QVERIFY(contas().isEmpty());
        QCOMPARE(ordem(), ORDEM_ANTES);

        amb->msgs.respostas({true});
        clica(f.CmdOk);
        QCOMPARE(amb->msgs.textos(), (QStringList{CONFIRMA, CONFIRMA}));
        QCOMPARE(amb->msgs.mostradas().last().titulo, QStringLiteral("Zerlin Software - Controle Geral"));
        QVERIFY(!f.isVisible());
        QVERIFY(f.gravou());
        QCOMPARE(ordem(), QStringLiteral("2|100|2|Retirar d'manhã|1"));
        QCOMPARE(contas(), (QStringList{QStringLiteral("1|1|1/3|33.34|0|06/12/2026|0"), QStringLiteral("2|1|2/3|33.33|0|05/01/2027|0"),
                                        QStringLiteral("3|1|3/3|33.33|0|04/02/2027|0")}));
    }

    void edicaoNaGrade()
    {
        auto& f = abrePrazo(QStringLiteral("Entrada \\ 30 \\ 60"));
        // a value: only digits and the comma go in; Enter writes it in currency form
        duplo_clique(f.Grid1, 1, 2);
        QVERIFY(f.Text1->isVisible());
        QCOMPARE(f.Text1->text(), reais("33,34"));
        QCOMPARE(f.Text1->selectedText(), reais("33,34"));
        QCOMPARE(f.Text1->geometry(), f.Grid1->cellGeometry(1, 2));
        digita(f.Text1, QStringLiteral("3x4,a3'4"));
        QCOMPARE(f.Text1->text(), QStringLiteral("34,34"));
        tecla(f.Text1, Qt::Key_Return);
        QVERIFY(!f.Text1->isVisible());
        QCOMPARE(QApplication::focusWidget(), f.Grid1);
        QCOMPARE(f.Grid1->textMatrix(1, 2), reais("34,34"));
        QCOMPARE(f.Text6->text(), reais("101,00"));
        // Enter on the grid starts editing too; a date gets its slashes as typed
        f.Grid1->setRow(3);
        f.Grid1->setCol(1);
        tecla(f.Grid1, Qt::Key_Return);
        QVERIFY(f.Text1->isVisible());
        digita(f.Text1, QStringLiteral("10a022027"));
        QCOMPARE(f.Text1->text(), QStringLiteral("10/02/2027"));
        tecla(f.Text1, Qt::Key_Return);
        QCOMPARE(f.Grid1->textMatrix(3, 1), QStringLiteral("10/02/2027"));
        // a date that is no date keeps the cell; an amount that is no money
        // stays in the box with a notice, to be corrected
        editaCelula(f, 2, 1, QStringLiteral("31022027"));
        QCOMPARE(f.Grid1->textMatrix(2, 1), QStringLiteral("05/01/2027"));
        {
            AvisosEmJanela emJanela;
            editaCelula(f, 2, 2, QStringLiteral(",,"));
            QCOMPARE(emJanela.ultimo(), QStringLiteral("O valor \",,\" não é válido. Informe-o como 1.234,50."));
        }
        instala_mensagens(&amb->msgs);
        ativa(f); // the window manager gives the form its focus back
        QVERIFY(f.Text1->isVisible());
        QCOMPARE(f.Text1->selectedText(), QStringLiteral(",,"));
        QCOMPARE(f.Grid1->textMatrix(2, 2), reais("33,33"));
        // nothing, or less (pasted), is no instalment: refused, kept in the box, selected
        for (const QString& valor : {QStringLiteral("0"), QStringLiteral("-5")}) {
            QApplication::clipboard()->setText(valor);
            tecla(f.Text1, Qt::Key_V, Qt::ControlModifier);
            tecla(f.Text1, Qt::Key_Return);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o valor da parcela!"));
            QVERIFY(f.Text1->isVisible());
            QCOMPARE(f.Text1->selectedText(), f.Text1->text());
            QCOMPARE(f.Grid1->textMatrix(2, 2), reais("33,33"));
        }
        digita(f.Text1, QStringLiteral("32,33"));
        tecla(f.Text1, Qt::Key_Return);
        QCOMPARE(f.Grid1->textMatrix(2, 2), reais("32,33"));
        QCOMPARE(f.Text6->text(), reais("100,00"));
        // the label column and empty cells are not edited
        duplo_clique(f.Grid1, 1, 0);
        QVERIFY(!f.Text1->isVisible());
        duplo_clique(f.Grid1, 5, 2);
        QVERIFY(!f.Text1->isVisible());
        // Escape and leaving the editor discard what was typed
        duplo_clique(f.Grid1, 1, 2);
        digita(f.Text1, QStringLiteral("1"));
        tecla(f.Text1, Qt::Key_Escape);
        QVERIFY(!f.Text1->isVisible());
        QVERIFY(f.isVisible());
        duplo_clique(f.Grid1, 1, 2);
        digita(f.Text1, QStringLiteral("2"));
        f.CmdSair->setFocus(Qt::TabFocusReason);
        QVERIFY(!f.Text1->isVisible());
        QCOMPARE(f.Grid1->textMatrix(1, 2), reais("34,34"));

        amb->msgs.respostas({true});
        clica(f.CmdOk);
        QCOMPARE(contas(), (QStringList{QStringLiteral("1|1|1/3|34.34|0|06/12/2026|0"), QStringLiteral("2|1|2/3|32.33|0|05/01/2027|0"),
                                        QStringLiteral("3|1|3/3|33.33|0|10/02/2027|0")}));
    }

    // However the editor opens, its whole text is selected and what is
    // typed replaces it; a key typed on the cell is the first of the new text.
    void editorSubstituiOTexto()
    {
        using QTest::MouseDClick, QTest::MousePress, QTest::MouseRelease;
        auto& f = abrePrazo(QStringLiteral("Entrada \\ 30 \\ 60"));
        const auto substitui = [&](int linha, const QString& texto, const QString& celula, const QString& total) {
            QVERIFY(f.Text1->isVisible());
            QCOMPARE(f.Text1->accessibleName(), QStringLiteral("Valor"));
            QCOMPARE(f.Text1->selectedText(), f.Text1->text());
            digita(f.Text1, texto);
            tecla(f.Text1, Qt::Key_Return);
            QVERIFY(!f.Text1->isVisible());
            QCOMPARE(f.Grid1->textMatrix(linha, 2), reais(celula));
            QCOMPARE(f.Text6->text(), reais(total));
        };
        // a click, then a double click: the click after the one that opened
        // the box lands in it, and the text stays selected (also when the
        // system takes that click for another double click)
        gesto_na_celula(f.Grid1, 1, 2, {MousePress, MouseRelease, MousePress, MouseDClick, MouseRelease, MousePress, MouseRelease});
        substitui(1, QStringLiteral("40"), QStringLiteral("40,00"), QStringLiteral("106,66"));
        gesto_na_celula(f.Grid1, 2, 2, {MousePress, MouseRelease, MousePress, MouseDClick, MouseRelease, MousePress, MouseDClick, MouseRelease});
        substitui(2, QStringLiteral("20"), QStringLiteral("20,00"), QStringLiteral("93,33"));
        // a plain double click, Enter and F2
        duplo_clique(f.Grid1, 3, 2);
        substitui(3, QStringLiteral("10"), QStringLiteral("10,00"), QStringLiteral("70,00"));
        f.Grid1->setRow(1);
        tecla(f.Grid1, Qt::Key_Return);
        substitui(1, QStringLiteral("50"), QStringLiteral("50,00"), QStringLiteral("80,00"));
        f.Grid1->setRow(2);
        tecla(f.Grid1, Qt::Key_F2);
        substitui(2, QStringLiteral("25"), QStringLiteral("25,00"), QStringLiteral("85,00"));
        // a digit typed on the cell opens the box with it as the new text
        f.Grid1->setRow(3);
        tecla(f.Grid1, Qt::Key_1);
        QVERIFY(f.Text1->isVisible());
        QCOMPARE(f.Text1->text(), QStringLiteral("1"));
        digita(f.Text1, QStringLiteral("5"));
        tecla(f.Text1, Qt::Key_Return);
        QCOMPARE(f.Grid1->textMatrix(3, 2), reais("15,00"));
        QCOMPARE(f.Text6->text(), reais("90,00"));
        // a letter is no amount: the box opens with the value selected, untouched
        tecla(f.Grid1, Qt::Key_A);
        QVERIFY(f.Text1->isVisible());
        QCOMPARE(f.Text1->selectedText(), reais("15,00"));
        tecla(f.Text1, Qt::Key_Escape);
        // a due date the same way, its slashes put in as typed
        f.Grid1->setCol(1);
        tecla(f.Grid1, Qt::Key_2);
        QCOMPARE(f.Text1->accessibleName(), QStringLiteral("Vencimento"));
        digita(f.Text1, QStringLiteral("0022027"));
        tecla(f.Text1, Qt::Key_Return);
        QCOMPARE(f.Grid1->textMatrix(3, 1), QStringLiteral("20/02/2027"));
        // a click elsewhere in an opened box places the caret as usual
        duplo_clique(f.Grid1, 1, 2);
        const QRect caixa = f.Text1->rect();
        QTest::mouseClick(f.Text1, Qt::LeftButton, {}, QPoint(caixa.right() - 2, caixa.center().y()));
        QVERIFY(f.Text1->selectedText().isEmpty());
        tecla(f.Text1, Qt::Key_Escape);
        QCOMPARE(f.Grid1->textMatrix(1, 2), reais("50,00"));
    }

    void rolarDescartaEdicao()
    {
        // twelve instalments: more rows than the grid shows
        QStringList dias;
        for (int i = 1; i <= 12; ++i)
            dias << QString::number(30 * i);
        auto& f = abrePrazo(dias.join(QStringLiteral(" \\ ")), Dinheiro::deCentavos(120000));
        f.Grid1->setFixedHeight(120);
        QCOMPARE(f.Grid1->rows(), 13);
        QCOMPARE(f.Text4->text(), QStringLiteral("12"));
        duplo_clique(f.Grid1, 1, 2);
        digita(f.Text1, QStringLiteral("5"));
        QVERIFY(f.Grid1->verticalScrollBar()->maximum() > 0);
        f.Grid1->verticalScrollBar()->setValue(f.Grid1->verticalScrollBar()->maximum());
        QVERIFY(!f.Text1->isVisible());
        QCOMPARE(f.Grid1->textMatrix(1, 2), reais("100,00"));
        f.CmdSair->setFocus();
        clica(f.CmdSair); // leaves without storing
        QVERIFY(!f.isVisible());
        QVERIFY(!f.gravou());
        QVERIFY(contas().isEmpty());
        QCOMPARE(ordem(), ORDEM_ANTES);
    }

    // No plan, or one that does not add up to the order's total: nothing
    // is stored and the closing stays open to be corrected.
    void planoVazioOuDiferenteNaoGrava()
    {
        auto& f = abrePrazo(QString());
        QCOMPARE(amb->msgs.mostradas().size(), 1);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Os dados informados para o parcelamento estão incorretos!"));
        QCOMPARE(amb->msgs.mostradas().first().titulo, QStringLiteral("Crcp"));
        QCOMPARE(f.Text4->text(), QStringLiteral("0"));
        QCOMPARE(f.Grid1->rows(), 8);
        QVERIFY(f.Grid1->textMatrix(1, 0).isEmpty());
        clica(f.CmdOk);
        QCOMPARE(amb->msgs.textos(), QStringList(2, QStringLiteral("Os dados informados para o parcelamento estão incorretos!")));
        QVERIFY(f.isVisible());
        QVERIFY(contas().isEmpty());
        QCOMPARE(ordem(), ORDEM_ANTES);
        clica(f.CmdSair);
        auto& g = abrePrazo(QStringLiteral("30 \\ 60"));
        editaCelula(g, 2, 2, QStringLiteral("49,99"));
        clica(g.CmdOk);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O total das parcelas (%1) difere do total da ordem (%2). Corrija as parcelas.")
                                         .arg(reais("99,99"), reais("100,00")));
        QVERIFY(g.isVisible());
        QVERIFY(contas().isEmpty());
        QCOMPARE(ordem(), ORDEM_ANTES);
    }

    void pagamentoAVistaPadrao()
    {
        auto& f = abreVista();
        QCOMPARE(f.Combo1->currentText(), QStringLiteral("Dinheiro"));
        QCOMPARE(f.Text2->text(), reais("150,00"));
        QVERIFY(f.Text3->text().isEmpty());
        QCOMPARE(f.Text3->maxLength(), 50);
        QCOMPARE(f.Text2->maxLength(), 50);
        QCOMPARE(f.Text2->accessibleName(), QStringLiteral("Valor pago"));
        // the receipt is offered once stored: the amount in words, the order, the form of payment
        amb->msgs.respostas({true});
        clica(f.Command6);
        QVERIFY(!f.isVisible());
        QCOMPARE(amb->msgs.textos().last(), QStringLiteral("Deseja emitir o recibo do pagamento?"));
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("010.rpt")));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/recibo.pdf");
        QVERIFY(gera_pdf(cr(), pdf));
        confere_textos(plano(texto_pdf(pdf)), {QStringLiteral("RECIBO"), QStringLiteral("(cento e cinquenta reais)"),
                                               QStringLiteral("parcela 1/1"), QStringLiteral("ordem de serviço N.º 1"),
                                               QStringLiteral("Forma de pagamento: Dinheiro"), QStringLiteral("quitação")});
        QVERIFY(!texto_pdf(pdf).contains(QStringLiteral("Desconto")));
        QCOMPARE(contas(), QStringList{QStringLiteral("1|1|1/1|150|1|06/12/2026|0")});
        QCOMPARE(baixas(), QStringList{QStringLiteral("1|150|0|0|0|I||06/12/2026")});
    }

    void pagamentoAVistaDigitado()
    {
        // a receivable of another order already there: the write-off points at the new one
        executa(QStringLiteral("insert into ordem values(null,2,'2026-12-01','09:00:00',10,'',1,1,0);"));
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','10',0,'2026-12-01',0)  "));
        auto& f = abreVista();
        // Enter walks the form: payment form, document, note, amount
        QCOMPARE(QApplication::focusWidget(), f.Combo1);
        // the forms of payment of the write-off, Pix and boleto after "Outros"
        QStringList formas;
        for (int i = 0; i < f.Combo1->count(); ++i)
            formas << f.Combo1->itemText(i);
        QCOMPARE(formas, (QStringList{QStringLiteral("Dinheiro"), QStringLiteral("Cheque"), QStringLiteral("Cartão de crédito"),
                                      QStringLiteral("Cartão de débito"), QStringLiteral("Outros"), QStringLiteral("Pix"),
                                      QStringLiteral("Boleto bancário")}));
        tecla(f.Combo1, Qt::Key_End); // "Boleto bancário"
        tecla(f.Combo1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.Text3);
        digita(f.Text3, QString(60, QLatin1Char('9')));
        QCOMPARE(f.Text3->text().size(), 50);
        tecla(f.Text3, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.Text4);
        digita(f.Text4, QStringLiteral("Pago n'hora ") + QString(120, QLatin1Char('x')));
        QCOMPARE(f.Text4->toPlainText().size(), 100);
        QVERIFY(f.Text4->toPlainText().startsWith(QStringLiteral("Pago nhora x")));
        tecla(f.Text4, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.Text2);
        QCOMPARE(f.Text2->selectedText(), reais("150,00"));
        QCOMPARE(f.Text5->text(), reais("0,00"));
        QVERIFY(f.Text5->isReadOnly());
        QCOMPARE(f.Text5->accessibleName(), QStringLiteral("Troco"));
        // below the total: refused, back in the amount
        digita(f.Text2, QStringLiteral("12a0,5"));
        QCOMPARE(f.Text5->text(), reais("0,00"));
        tecla(f.Text2, Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), f.Command6);
        QCOMPARE(f.Text2->text(), reais("120,50"));
        amb->msgs.respostas({false}); // no receipt
        tecla(f.Command6, Qt::Key_Return);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(reais("150,00")));
        QVERIFY(f.isVisible());
        QCOMPARE(QApplication::focusWidget(), f.Text2);
        // above it: the change shows as the amount is typed
        digita(f.Text2, QStringLiteral("199"));
        QCOMPARE(f.Text5->text(), reais("49,00"));
        digita(f.Text2, QStringLiteral(",9"));
        QCOMPARE(f.Text5->text(), reais("49,90"));
        tecla(f.Text2, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.Text5);
        tecla(f.Text5, Qt::Key_Return);
        tecla(f.Command6, Qt::Key_Return);
        QVERIFY(!f.isVisible());
        // the receivable and its write-off record the order's total; the change went back
        QCOMPARE(contas().last(), QStringLiteral("2|1|1/1|150|1|06/12/2026|0"));
        const QString obs = QStringLiteral("Pago nhora ") + QString(89, QLatin1Char('x'));
        QCOMPARE(baixas(), QStringList{QStringLiteral("2|150|6|0|0|I|%1|06/12/2026").arg(obs)});
    }

    void pagamentoAVistaSemValorOuFechado()
    {
        auto& f = abreVista();
        f.Text2->clear();
        clica(f.Command6);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!")});
        QVERIFY(f.isVisible());
        // a zero amount passes the required check, but not the total
        f.Text2->setText(QStringLiteral("0"));
        amb->msgs.respostas({false});
        clica(f.Command6);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(reais("150,00")));
        QVERIFY(baixas().isEmpty());
        f.close();
        // the close box stores nothing; opened again, the form starts afresh
        auto& g = abreVista(Dinheiro::deCentavos(9999));
        QCOMPARE(g.Text2->text(), reais("99,99"));
        g.close();
        QVERIFY(!g.isVisible());
        QVERIFY(!g.gravou());
        QVERIFY(contas().isEmpty());
    }

    // An order already closed (its closing form opened twice, or at two
    // stations) is never closed again, whichever way: told, nothing stored.
    void ordemFechadaNaoFechaDeNovo()
    {
        auto& prazo = abrePrazo(QStringLiteral("Entrada \\ 30 \\ 60"));
        auto& vista = abreVista();
        amb->msgs.respostas({true});
        clica(prazo.CmdOk);
        QCOMPARE(contas().size(), 3);
        amb->msgs.limpa();
        clica(vista.Command6);
        QCOMPARE(amb->msgs.textos(), QStringList{ORDEM_JA_FECHADA});
        QVERIFY(!vista.isVisible());
        QVERIFY(!vista.gravou());
        QCOMPARE(contas().size(), 3);
        QVERIFY(baixas().isEmpty());
        // and the other way round
        executa(QStringLiteral("delete from conta_receber"));
        abreVista();
        amb->msgs.respostas({false});
        clica(vista.Command6);
        abrePrazo(QStringLiteral("Entrada \\ 30 \\ 60"));
        const QString fechada = ordem();
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        clica(prazo.CmdOk);
        QCOMPARE(amb->msgs.textos(), (QStringList{CONFIRMA, ORDEM_JA_FECHADA}));
        QVERIFY(!prazo.isVisible());
        QCOMPARE(contas().size(), 1);
        QCOMPARE(baixas().size(), 1);
        // the refused credit closing wrote nothing of its own: the order is as the first closing left it
        QCOMPARE(ordem(), fechada);
    }
};

QTEST_MAIN(TstFechamento)
#include "tst_fechamento.moc"
