// Closing a concluded order on credit (the instalment plan edited in the
// grid) and in cash, driven through the forms and checked in the database.
#include "apoio.h"
#include "controlerelatorio.h"
#include "motorrelatorio.h"
#include "textopdf.h"
#include "dadosfechamento.h"
#include "sessao.h"
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

    // Closes order 1 on credit with this plan, running the body on the open
    // form; what fecha() gave (whether the receivables were stored).
    bool fechaPrazo(const QString& regra, const std::function<void(FrmFechamentoVendaPrazo&)>& corpo,
                    Dinheiro total = Dinheiro::deCentavos(10000))
    {
        no_dialogo<FrmFechamentoVendaPrazo>(corpo);
        return form<FrmFechamentoVendaPrazo>().fecha({1, 2, QStringLiteral("Retirar d'manhã"), total, 2, regra, {}});
    }
    bool fechaVista(const std::function<void(FrmPagamentoDaVenda&)>& corpo, Dinheiro total = Dinheiro::deCentavos(15000))
    {
        no_dialogo<FrmPagamentoDaVenda>(corpo);
        return form<FrmPagamentoDaVenda>().fecha({1, 2, {}, total, 1, {}, {}});
    }
    // Edits a cell the way a user does: a double click, the new text, Enter.
    void editaCelula(FrmFechamentoVendaPrazo& f, int l, int c, const QString& texto)
    {
        duplo_clique(f.gradeParcelas, l, c);
        QVERIFY(f.editorParcela->isVisible());
        digita(f.editorParcela, texto);
        tecla(f.editorParcela, Qt::Key_Return);
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
        QVERIFY(fechaPrazo(QStringLiteral("Entrada \\ 30 \\ 60"), [&](FrmFechamentoVendaPrazo& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
            QCOMPARE(f.gradeParcelas->linhas(), 7); // three instalments, filler rows below
            QCOMPARE(cabecalho(f.gradeParcelas), (QStringList{QStringLiteral("Parcela"), QStringLiteral("Vencimento"), QStringLiteral("Valor")}));
            QCOMPARE(linha(f.gradeParcelas, 0), (QStringList{QStringLiteral("1/3"), QStringLiteral("06/12/2026"), reais("33,34")}));
            QCOMPARE(linha(f.gradeParcelas, 1), (QStringList{QStringLiteral("2/3"), QStringLiteral("05/01/2027"), reais("33,33")}));
            QCOMPARE(linha(f.gradeParcelas, 2), (QStringList{QStringLiteral("3/3"), QStringLiteral("04/02/2027"), reais("33,33")}));
            QVERIFY(f.gradeParcelas->texto(3, 0).isEmpty());
            QCOMPARE(f.caixaQuantidadeParcelas->text(), QStringLiteral("3"));
            QCOMPARE(f.caixaValorOriginal->text(), reais("100,00")); // "Valor original" beside
            QCOMPARE(f.caixaTotal->text(), reais("100,00")); // "Total": the cent left over in the first
            QVERIFY(f.caixaQuantidadeParcelas->isReadOnly() && f.caixaValorOriginal->isReadOnly() && f.caixaTotal->isReadOnly());
            QVERIFY(!f.editorParcela->isVisible());

            // No at the question: nothing written, the form stays
            amb->msgs.respostas({false});
            clica(f.botaoGravar);
            QVERIFY(f.isVisible());
            QVERIFY(contas().isEmpty());
            QCOMPARE(ordem(), ORDEM_ANTES);

            amb->msgs.respostas({true});
            clica(f.botaoGravar);
            QCOMPARE(amb->msgs.textos(), (QStringList{CONFIRMA, CONFIRMA}));
            QCOMPARE(amb->msgs.mostradas().last().titulo, QStringLiteral("Zerlin Software - Controle Geral"));
            QVERIFY(!f.isVisible());
        }));
        QCOMPARE(ordem(), QStringLiteral("2|100|2|Retirar d'manhã|1"));
        QCOMPARE(contas(), (QStringList{QStringLiteral("1|1|1/3|33.34|0|06/12/2026|0"), QStringLiteral("2|1|2/3|33.33|0|05/01/2027|0"),
                                        QStringLiteral("3|1|3/3|33.33|0|04/02/2027|0")}));
    }

    void edicaoNaGrade()
    {
        QVERIFY(fechaPrazo(QStringLiteral("Entrada \\ 30 \\ 60"), [&](FrmFechamentoVendaPrazo& f) {
            // a value: only digits and the comma go in; Enter writes it in currency form
            duplo_clique(f.gradeParcelas, 0, 2);
            QVERIFY(f.editorParcela->isVisible());
            QCOMPARE(f.editorParcela->text(), reais("33,34"));
            QCOMPARE(f.editorParcela->selectedText(), reais("33,34"));
            QCOMPARE(f.editorParcela->geometry(), f.gradeParcelas->geometriaCelula(0, 2));
            digita(f.editorParcela, QStringLiteral("3x4,a3'4"));
            QCOMPARE(f.editorParcela->text(), QStringLiteral("34,34"));
            tecla(f.editorParcela, Qt::Key_Return);
            QVERIFY(!f.editorParcela->isVisible());
            QCOMPARE(QApplication::focusWidget(), f.gradeParcelas);
            QCOMPARE(f.gradeParcelas->texto(0, 2), reais("34,34"));
            QCOMPARE(f.caixaTotal->text(), reais("101,00"));
            // Enter on the grid starts editing too; a date gets its slashes as typed
            f.gradeParcelas->defineLinhaAtual(2);
            f.gradeParcelas->defineColunaAtual(1);
            tecla(f.gradeParcelas, Qt::Key_Return);
            QVERIFY(f.editorParcela->isVisible());
            digita(f.editorParcela, QStringLiteral("10a022027"));
            QCOMPARE(f.editorParcela->text(), QStringLiteral("10/02/2027"));
            tecla(f.editorParcela, Qt::Key_Return);
            QCOMPARE(f.gradeParcelas->texto(2, 1), QStringLiteral("10/02/2027"));
            // a date that is no date keeps the cell; an amount that is no money
            // stays in the box with a notice, to be corrected
            editaCelula(f, 1, 1, QStringLiteral("31022027"));
            QCOMPARE(f.gradeParcelas->texto(1, 1), QStringLiteral("05/01/2027"));
            {
                AvisosEmJanela emJanela;
                editaCelula(f, 1, 2, QStringLiteral(",,"));
                QCOMPARE(emJanela.ultimo(), QStringLiteral("O valor \",,\" não é válido. Informe-o como 1.234,50."));
            }
            instala_mensagens(&amb->msgs);
            ativa(f); // the window manager gives the form its focus back
            QVERIFY(f.editorParcela->isVisible());
            QCOMPARE(f.editorParcela->selectedText(), QStringLiteral(",,"));
            QCOMPARE(f.gradeParcelas->texto(1, 2), reais("33,33"));
            // nothing, or less (pasted), is no instalment: refused, kept in the box, selected
            for (const QString& valor : {QStringLiteral("0"), QStringLiteral("-5")}) {
                QApplication::clipboard()->setText(valor);
                tecla(f.editorParcela, Qt::Key_V, Qt::ControlModifier);
                tecla(f.editorParcela, Qt::Key_Return);
                QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o valor da parcela!"));
                QVERIFY(f.editorParcela->isVisible());
                QCOMPARE(f.editorParcela->selectedText(), f.editorParcela->text());
                QCOMPARE(f.gradeParcelas->texto(1, 2), reais("33,33"));
            }
            digita(f.editorParcela, QStringLiteral("32,33"));
            tecla(f.editorParcela, Qt::Key_Return);
            QCOMPARE(f.gradeParcelas->texto(1, 2), reais("32,33"));
            QCOMPARE(f.caixaTotal->text(), reais("100,00"));
            // the label column and empty cells are not edited
            duplo_clique(f.gradeParcelas, 0, 0);
            QVERIFY(!f.editorParcela->isVisible());
            duplo_clique(f.gradeParcelas, 4, 2);
            QVERIFY(!f.editorParcela->isVisible());
            // Escape and leaving the editor discard what was typed
            duplo_clique(f.gradeParcelas, 0, 2);
            digita(f.editorParcela, QStringLiteral("1"));
            tecla(f.editorParcela, Qt::Key_Escape);
            QVERIFY(!f.editorParcela->isVisible());
            QVERIFY(f.isVisible());
            duplo_clique(f.gradeParcelas, 0, 2);
            digita(f.editorParcela, QStringLiteral("2"));
            f.botaoSair->setFocus(Qt::TabFocusReason);
            QVERIFY(!f.editorParcela->isVisible());
            QCOMPARE(f.gradeParcelas->texto(0, 2), reais("34,34"));

            amb->msgs.respostas({true});
            clica(f.botaoGravar);
            QCOMPARE(contas(), (QStringList{QStringLiteral("1|1|1/3|34.34|0|06/12/2026|0"), QStringLiteral("2|1|2/3|32.33|0|05/01/2027|0"),
                                            QStringLiteral("3|1|3/3|33.33|0|10/02/2027|0")}));
        }));
    }

    // However the editor opens, its whole text is selected and what is
    // typed replaces it; a key typed on the cell is the first of the new text.
    void editorSubstituiOTexto()
    {
        using QTest::MouseDClick, QTest::MousePress, QTest::MouseRelease;
        QVERIFY(!fechaPrazo(QStringLiteral("Entrada \\ 30 \\ 60"), [&](FrmFechamentoVendaPrazo& f) {
            const auto substitui = [&](int linha, const QString& texto, const QString& celula, const QString& total) {
                QVERIFY(f.editorParcela->isVisible());
                QCOMPARE(f.editorParcela->accessibleName(), QStringLiteral("Valor"));
                QCOMPARE(f.editorParcela->selectedText(), f.editorParcela->text());
                digita(f.editorParcela, texto);
                tecla(f.editorParcela, Qt::Key_Return);
                QVERIFY(!f.editorParcela->isVisible());
                QCOMPARE(f.gradeParcelas->texto(linha, 2), reais(celula));
                QCOMPARE(f.caixaTotal->text(), reais(total));
            };
            // a click, then a double click: the click after the one that opened
            // the box lands in it, and the text stays selected (also when the
            // system takes that click for another double click)
            gesto_na_celula(f.gradeParcelas, 0, 2, {MousePress, MouseRelease, MousePress, MouseDClick, MouseRelease, MousePress, MouseRelease});
            substitui(0, QStringLiteral("40"), QStringLiteral("40,00"), QStringLiteral("106,66"));
            gesto_na_celula(f.gradeParcelas, 1, 2, {MousePress, MouseRelease, MousePress, MouseDClick, MouseRelease, MousePress, MouseDClick, MouseRelease});
            substitui(1, QStringLiteral("20"), QStringLiteral("20,00"), QStringLiteral("93,33"));
            // a plain double click, Enter and F2
            duplo_clique(f.gradeParcelas, 2, 2);
            substitui(2, QStringLiteral("10"), QStringLiteral("10,00"), QStringLiteral("70,00"));
            f.gradeParcelas->defineLinhaAtual(0);
            tecla(f.gradeParcelas, Qt::Key_Return);
            substitui(0, QStringLiteral("50"), QStringLiteral("50,00"), QStringLiteral("80,00"));
            f.gradeParcelas->defineLinhaAtual(1);
            tecla(f.gradeParcelas, Qt::Key_F2);
            substitui(1, QStringLiteral("25"), QStringLiteral("25,00"), QStringLiteral("85,00"));
            // a digit typed on the cell opens the box with it as the new text
            f.gradeParcelas->defineLinhaAtual(2);
            tecla(f.gradeParcelas, Qt::Key_1);
            QVERIFY(f.editorParcela->isVisible());
            QCOMPARE(f.editorParcela->text(), QStringLiteral("1"));
            digita(f.editorParcela, QStringLiteral("5"));
            tecla(f.editorParcela, Qt::Key_Return);
            QCOMPARE(f.gradeParcelas->texto(2, 2), reais("15,00"));
            QCOMPARE(f.caixaTotal->text(), reais("90,00"));
            // a letter is no amount: the box opens with the value selected, untouched
            tecla(f.gradeParcelas, Qt::Key_A);
            QVERIFY(f.editorParcela->isVisible());
            QCOMPARE(f.editorParcela->selectedText(), reais("15,00"));
            tecla(f.editorParcela, Qt::Key_Escape);
            // a due date the same way, its slashes put in as typed
            f.gradeParcelas->defineColunaAtual(1);
            tecla(f.gradeParcelas, Qt::Key_2);
            QCOMPARE(f.editorParcela->accessibleName(), QStringLiteral("Vencimento"));
            digita(f.editorParcela, QStringLiteral("0022027"));
            tecla(f.editorParcela, Qt::Key_Return);
            QCOMPARE(f.gradeParcelas->texto(2, 1), QStringLiteral("20/02/2027"));
            // a click elsewhere in an opened box places the caret as usual
            duplo_clique(f.gradeParcelas, 0, 2);
            const QRect caixa = f.editorParcela->rect();
            QTest::mouseClick(f.editorParcela, Qt::LeftButton, {}, QPoint(caixa.right() - 2, caixa.center().y()));
            QVERIFY(f.editorParcela->selectedText().isEmpty());
            tecla(f.editorParcela, Qt::Key_Escape);
            QCOMPARE(f.gradeParcelas->texto(0, 2), reais("50,00"));
        }));
    }

    void rolarDescartaEdicao()
    {
        // twelve instalments: more rows than the grid shows
        QStringList dias;
        for (int i = 1; i <= 12; ++i)
            dias << QString::number(30 * i);
        QVERIFY(!fechaPrazo(dias.join(QStringLiteral(" \\ ")), [&](FrmFechamentoVendaPrazo& f) {
            f.gradeParcelas->setFixedHeight(120);
            QCOMPARE(f.gradeParcelas->linhas(), 12);
            QCOMPARE(f.caixaQuantidadeParcelas->text(), QStringLiteral("12"));
            duplo_clique(f.gradeParcelas, 0, 2);
            digita(f.editorParcela, QStringLiteral("5"));
            QVERIFY(f.gradeParcelas->verticalScrollBar()->maximum() > 0);
            f.gradeParcelas->verticalScrollBar()->setValue(f.gradeParcelas->verticalScrollBar()->maximum());
            QVERIFY(!f.editorParcela->isVisible());
            QCOMPARE(f.gradeParcelas->texto(0, 2), reais("100,00"));
            f.botaoSair->setFocus();
            clica(f.botaoSair); // leaves without storing
            QVERIFY(!f.isVisible());
        }, Dinheiro::deCentavos(120000)));
        QVERIFY(contas().isEmpty());
        QCOMPARE(ordem(), ORDEM_ANTES);
    }

    // No plan, or one that does not add up to the order's total: nothing
    // is stored and the closing stays open to be corrected.
    void planoVazioOuDiferenteNaoGrava()
    {
        QVERIFY(!fechaPrazo(QString(), [&](FrmFechamentoVendaPrazo& f) {
            QCOMPARE(amb->msgs.mostradas().size(), 1);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Os dados informados para o parcelamento estão incorretos!"));
            QCOMPARE(amb->msgs.mostradas().first().titulo, QStringLiteral("Crcp"));
            QCOMPARE(f.caixaQuantidadeParcelas->text(), QStringLiteral("0"));
            QCOMPARE(f.gradeParcelas->linhas(), 7);
            QVERIFY(f.gradeParcelas->texto(0, 0).isEmpty());
            clica(f.botaoGravar);
            QCOMPARE(amb->msgs.textos(), QStringList(2, QStringLiteral("Os dados informados para o parcelamento estão incorretos!")));
            QVERIFY(f.isVisible());
            QVERIFY(contas().isEmpty());
            QCOMPARE(ordem(), ORDEM_ANTES);
            clica(f.botaoSair);
        }));
        QVERIFY(!fechaPrazo(QStringLiteral("30 \\ 60"), [&](FrmFechamentoVendaPrazo& g) {
            editaCelula(g, 1, 2, QStringLiteral("49,99"));
            clica(g.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O total das parcelas (%1) difere do total da ordem (%2). Corrija as parcelas.")
                                             .arg(reais("99,99"), reais("100,00")));
            QVERIFY(g.isVisible());
            QVERIFY(contas().isEmpty());
            QCOMPARE(ordem(), ORDEM_ANTES);
        }));
    }

    void pagamentoAVistaPadrao()
    {
        QVERIFY(fechaVista([&](FrmPagamentoDaVenda& f) {
            QCOMPARE(f.caixaFormaPagamento->currentText(), QStringLiteral("Dinheiro"));
            QCOMPARE(f.caixaValorPago->text(), reais("150,00"));
            QVERIFY(f.caixaDocumento->text().isEmpty());
            QCOMPARE(f.caixaDocumento->maxLength(), 50);
            QCOMPARE(f.caixaValorPago->maxLength(), 50);
            QCOMPARE(f.caixaValorPago->accessibleName(), QStringLiteral("Valor pago"));
            // the receipt is offered once stored: the amount in words, the order, the form of payment
            amb->msgs.respostas({true});
            clica(f.botaoGravar);
            QVERIFY(!f.isVisible());
        }));
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
        QVERIFY(fechaVista([&](FrmPagamentoDaVenda& f) {
            // Enter walks the form: payment form, document, note, amount
            QCOMPARE(QApplication::focusWidget(), f.caixaFormaPagamento);
            // the forms of payment of the write-off, Pix and boleto after "Outros"
            QStringList formas;
            for (int i = 0; i < f.caixaFormaPagamento->count(); ++i)
                formas << f.caixaFormaPagamento->itemText(i);
            QCOMPARE(formas, (QStringList{QStringLiteral("Dinheiro"), QStringLiteral("Cheque"), QStringLiteral("Cartão de crédito"),
                                          QStringLiteral("Cartão de débito"), QStringLiteral("Outros"), QStringLiteral("Pix"),
                                          QStringLiteral("Boleto bancário")}));
            tecla(f.caixaFormaPagamento, Qt::Key_End); // "Boleto bancário"
            tecla(f.caixaFormaPagamento, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.caixaDocumento);
            digita(f.caixaDocumento, QString(60, QLatin1Char('9')));
            QCOMPARE(f.caixaDocumento->text().size(), 50);
            tecla(f.caixaDocumento, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.caixaObservacao);
            digita(f.caixaObservacao, QStringLiteral("Pago n'hora ") + QString(120, QLatin1Char('x')));
            QCOMPARE(f.caixaObservacao->toPlainText().size(), 100);
            QVERIFY(f.caixaObservacao->toPlainText().startsWith(QStringLiteral("Pago nhora x")));
            tecla(f.caixaObservacao, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.caixaValorPago);
            QCOMPARE(f.caixaValorPago->selectedText(), reais("150,00"));
            QCOMPARE(f.caixaTroco->text(), reais("0,00"));
            QVERIFY(f.caixaTroco->isReadOnly());
            QCOMPARE(f.caixaTroco->accessibleName(), QStringLiteral("Troco"));
            // below the total: refused, back in the amount
            digita(f.caixaValorPago, QStringLiteral("12a0,5"));
            QCOMPARE(f.caixaTroco->text(), reais("0,00"));
            tecla(f.caixaValorPago, Qt::Key_F5);
            QCOMPARE(QApplication::focusWidget(), f.botaoGravar);
            QCOMPARE(f.caixaValorPago->text(), reais("120,50"));
            amb->msgs.respostas({false}); // no receipt
            tecla(f.botaoGravar, Qt::Key_Return);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(reais("150,00")));
            QVERIFY(f.isVisible());
            QCOMPARE(QApplication::focusWidget(), f.caixaValorPago);
            // above it: the change shows as the amount is typed
            digita(f.caixaValorPago, QStringLiteral("199"));
            QCOMPARE(f.caixaTroco->text(), reais("49,00"));
            tecla(f.caixaValorPago, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.caixaTroco);
            tecla(f.caixaTroco, Qt::Key_Return);
            tecla(f.botaoGravar, Qt::Key_Return);
            QVERIFY(!f.isVisible());
        }));
        // the receivable and its write-off record the order's total; the change went back
        QCOMPARE(contas().last(), QStringLiteral("2|1|1/1|150|1|06/12/2026|0"));
        const QString obs = QStringLiteral("Pago nhora ") + QString(89, QLatin1Char('x'));
        QCOMPARE(baixas(), QStringList{QStringLiteral("2|150|6|0|0|I|%1|06/12/2026").arg(obs)});
    }

    void pagamentoAVistaSemValorOuFechado()
    {
        QVERIFY(!fechaVista([&](FrmPagamentoDaVenda& f) {
            f.caixaValorPago->clear();
            clica(f.botaoGravar);
            QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!")});
            QVERIFY(f.isVisible());
            // a zero amount passes the required check, but not the total
            f.caixaValorPago->setText(QStringLiteral("0"));
            amb->msgs.respostas({false});
            clica(f.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(reais("150,00")));
            QVERIFY(baixas().isEmpty());
            f.close();
        }));
        // the close box stores nothing; opened again, the form starts afresh
        QVERIFY(!fechaVista([&](FrmPagamentoDaVenda& g) {
            QCOMPARE(g.caixaValorPago->text(), reais("99,99"));
            g.close();
            QVERIFY(!g.isVisible());
        }, Dinheiro::deCentavos(9999)));
        QVERIFY(contas().isEmpty());
    }

    // The rules of a closing, without a window: the change, and which plan is stored.
    void regrasDoFechamento()
    {
        const auto r = [](const char* t) { return *Dinheiro::leTexto(QString::fromLatin1(t)); };
        QVERIFY(pagamento_cobre(r("150,00"), r("150,00")));
        QVERIFY(!pagamento_cobre(r("149,99"), r("150,00")));
        QCOMPARE(troco(r("199,90"), r("150,00")), r("49,90"));
        QCOMPARE(troco(r("120,50"), r("150,00")), Dinheiro());
        const QDate dia(2027, 1, 5);
        // an instalment of 0,00 is left out and the others numbered again
        PlanoConferido plano = confere_plano({{QStringLiteral("1/3"), dia, Dinheiro()}, {QStringLiteral("2/3"), dia, r("50")},
                                              {QStringLiteral("3/3"), dia.addDays(30), r("50")}},
                                             r("100"));
        QCOMPARE(plano.situacao, PlanoConferido::Certo);
        QCOMPARE(plano.parcelas.size(), 2);
        QCOMPARE(plano.parcelas[0].rotulo, QStringLiteral("1/2"));
        QCOMPARE(plano.parcelas[1].rotulo, QStringLiteral("2/2"));
        QCOMPARE(plano.parcelas[1].vencimento, dia.addDays(30));
        plano = confere_plano({{QStringLiteral("1/2"), dia, r("49,99")}, {QStringLiteral("2/2"), dia, r("50")}}, r("100"));
        QCOMPARE(plano.situacao, PlanoConferido::Diferente);
        QCOMPARE(plano.soma, r("99,99"));
        QCOMPARE(confere_plano({{QStringLiteral("1/1"), dia, Dinheiro()}}, r("100")).situacao, PlanoConferido::Vazio);
        QCOMPARE(confere_plano({}, Dinheiro()).situacao, PlanoConferido::Vazio);
    }

    // Amounts whose cents a double loses on the way (1,13 is 112,999...
    // cents) are stored exactly as the plan has them; the same closing run
    // again finds the order closed and stores nothing more.
    void valoresGravadosExatos()
    {
        const auto r = [](const char* t) { return *Dinheiro::leTexto(QString::fromLatin1(t)); };
        const Fechamento f{1, 2, QString(), r("100"), 2, QString(), QDate(2026, 12, 7)};
        const QVector<Parcela> parcelas{{QStringLiteral("1/3"), QDate(2026, 12, 6), r("1,13")},
                                        {QStringLiteral("2/3"), QDate(2027, 1, 5), r("4,35")},
                                        {QStringLiteral("3/3"), QDate(2027, 2, 4), r("94,52")}};
        QCOMPARE(fecha_a_prazo(conexao, f, {}, parcelas), ResultadoFechamento::Gravado);
        QCOMPARE(linhas(QStringLiteral("select cparcela, cast(nvalor_parcela * 100 as integer), dvencimento from conta_receber order by ncodigo")),
                 (QStringList{QStringLiteral("1/3|113|06/12/2026"), QStringLiteral("2/3|435|05/01/2027"), QStringLiteral("3/3|9452|04/02/2027")}));
        QCOMPARE(ordem(), QStringLiteral("2|100|2||1"));
        QCOMPARE(fecha_a_vista(conexao, f, {}, {0, QString(), QDate(2026, 12, 7)}), ResultadoFechamento::JaFechada);
        QCOMPARE(contas().size(), 3);
        QVERIFY(baixas().isEmpty());
    }

    // An order already closed (its closing form opened twice, or at two
    // stations) is never closed again, whichever way: told, nothing stored.
    void ordemFechadaNaoFechaDeNovo()
    {
        // the credit closing stored while the cash closing of the same order is open
        QVERIFY(fechaPrazo(QStringLiteral("Entrada \\ 30 \\ 60"), [&](FrmFechamentoVendaPrazo& prazo) {
            QVERIFY(!fechaVista([&](FrmPagamentoDaVenda& vista) {
                amb->msgs.respostas({true});
                clica(prazo.botaoGravar);
                QCOMPARE(contas().size(), 3);
                amb->msgs.limpa();
                clica(vista.botaoGravar);
                QCOMPARE(amb->msgs.textos(), QStringList{ORDEM_JA_FECHADA});
                QVERIFY(!vista.isVisible());
            }));
        }));
        QCOMPARE(contas().size(), 3);
        QVERIFY(baixas().isEmpty());
        // and the other way round: a credit closing opened on the paid receivable
        executa(QStringLiteral("delete from conta_receber"));
        QVERIFY(fechaVista([&](FrmPagamentoDaVenda& vista) {
            amb->msgs.respostas({false});
            clica(vista.botaoGravar);
        }));
        const QString fechada = ordem();
        QVERIFY(!fechaPrazo(QStringLiteral("Entrada \\ 30 \\ 60"), [&](FrmFechamentoVendaPrazo& prazo) {
            amb->msgs.limpa();
            amb->msgs.respostas({true});
            clica(prazo.botaoGravar);
            QCOMPARE(amb->msgs.textos(), (QStringList{CONFIRMA, ORDEM_JA_FECHADA}));
            QVERIFY(!prazo.isVisible());
        }));
        QCOMPARE(contas().size(), 1);
        QCOMPARE(baixas().size(), 1);
        // the refused credit closing wrote nothing of its own: the order is as the first closing left it
        QCOMPARE(ordem(), fechada);
    }
};

QTEST_MAIN(TstFechamento)
#include "tst_fechamento.moc"
