// The receivables windows: the open list with its filters, the write-off,
// the write-offs of an instalment, the received accounts with reopening,
// a failure at each statement of each storing step, the main window's
// items, and one order followed from closing to payment and back.
#include "apoio.h"
#include "baixa.h"
#include "controlerelatorio.h"
#include "motorrelatorio.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmconsulta.h"
#include "frmconsultaclientes.h"
#include "frmcontasreceber.h"
#include "frmcontasrecebidas.h"
#include "frmfechamentovendaprazo.h"
#include "frmmostrabaixacontapaga.h"
#include "frmprincipal.h"
#include "grade.h"
#include "iniciasistema.h"

#include "passos.h"
#include "relogio.h"
#include "textopdf.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace apoio;

namespace {

const QString PARCIAL_ALTA = QStringLiteral("O valor da baixa parcial deve ser menor que o valor atual da parcela!");
const QString NAO_ABERTA = QStringLiteral("Esta parcela não está mais em aberto: pode ter sido baixada em outra estação. A lista será atualizada.");

// Ana (2) and Bruno (3); open instalments 1 (Ana, 100,00 due 10/12 with
// 30,00 paid), 2 (Bruno, 50,00 due today 06/12) and 3 (Ana, 80,00 due
// 05/01/2027); instalment 4 (Ana, 60,00) paid in full on 05/12 at 10:15.
void carteira()
{
    for (const char* nome : {"Ana Souza", "Bruno Lima"}) {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = '%1', cendereco = '' where ncodigo = (select max(ncodigo) from cliente)").arg(QString::fromUtf8(nome)));
    }
    executa(QStringLiteral("insert into condicao_pagto values(2,'30 \\ 60',2);"));
    executa(QStringLiteral("insert into ordem values(null,2,'2026-12-01','09:00:00',240,'',2,1,0);"));
    executa(QStringLiteral("insert into ordem values(null,3,'2026-12-02','09:00:00',50,'',2,1,0);"));
    executa(QStringLiteral("insert into conta_receber values(null,1,'1/2','100',0,'2026-12-10',0)  "));
    executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','50',0,'2026-12-06',0)  "));
    executa(QStringLiteral("insert into conta_receber values(null,1,'2/2','80',0,'2027-01-05',0)  "));
    executa(QStringLiteral("insert into conta_receber values(null,1,'1/1','60',1,'2026-11-30',0)  "));
    executa(QStringLiteral("insert into baixa_conta_receber values(null,1,30,0,0,0,'P','','2026-12-01 09:00:00');"));
    executa(QStringLiteral("insert into baixa_conta_receber values(null,4,60,0,0,0,'I','','2026-12-05 10:15:00');"));
}

const QString MUDOU = QStringLiteral("O valor atual da parcela mudou de %1 para %2: outra estação registrou um pagamento nela. "
                                     "Nada foi gravado; confira o valor e grave de novo.");

// Discount and surcharge of each write-off of an instalment.
QStringList descontos(int conta)
{
    return linhas(QStringLiteral("select ndesconto, nacrescimo from baixa_conta_receber where nconta_receber = %1 order by ncodigo").arg(conta));
}

QStringList baixas(int conta)
{
    return linhas(QStringLiteral("select nvalor_baixa,nforma_pagto,trim(ctipo_baixa),cobs,ddata_baixa from baixa_conta_receber where nconta_receber = %1 order by ncodigo").arg(conta));
}
QString npago(int conta) { return apoio::valor(QStringLiteral("select npago from conta_receber where ncodigo = %1").arg(conta)).toString(); }

// What the open list shows of an instalment must be what the database holds.
void confereComBanco(const Grade* g)
{
    for (int l = 0; l < g->linhas() && !g->texto(l, 0).isEmpty(); ++l) {
        const QString conta = g->texto(l, 0);
        const QStringList banco = linhas(QStringLiteral("select c.nvalor_parcela, coalesce((select sum(nvalor_baixa) from baixa_conta_receber "
                                                         "where nconta_receber = c.ncodigo),0) from conta_receber c where ncodigo = ") + conta)
                                      .first()
                                      .split(QLatin1Char('|'));
        const Dinheiro valor = *Dinheiro::leBanco(banco[0]), pago = *Dinheiro::leBanco(banco[1]);
        QCOMPARE(g->texto(l, FrmContasReceber::ColunaValor), valor.moeda());
        QCOMPARE(g->texto(l, FrmContasReceber::ColunaPago), pago.moeda());
        QCOMPARE(g->texto(l, FrmContasReceber::ColunaAberto), (valor - pago).moeda());
    }
}

} // namespace

class TstRecebiveis : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

    static void valor(FrmBaixaContasReceber& b, const QString& texto)
    {
        b.caixaValor->setFocus();
        b.caixaValor->selectAll();
        digita(b.caixaValor, texto);
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        Relogio::fixa(QDateTime(QDate(2026, 12, 6), QTime(10, 15, 0)));
        carteira();
    }
    void cleanup() { amb.reset(); }

    void receberAoAbrir()
    {
        auto& f = mostra_form<FrmContasReceber>();
        QCOMPARE(f.windowTitle(), QStringLiteral("Contas a receber"));
        QCOMPARE(f.escolhaFiltro->currentText(), QStringLiteral("Por período"));
        QCOMPARE(f.dataInicio->date(), QDate(2026, 12, 6));
        QCOMPARE(f.dataFim->date(), QDate(2026, 12, 6));
        QCOMPARE(f.gradeLista->linhas(), 14);
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        QCOMPARE(f.caixaQuantidade->text(), QStringLiteral("0"));
        QCOMPARE(f.caixaTotal->text(), reais("0,00"));
        for (QPushButton* b : {f.botaoBaixar, f.botaoMostrarBaixas, f.botaoAlterarVencimento})
            QVERIFY(!b->isEnabled());
        QCOMPARE(cabecalho(f.gradeLista), (QStringList{QStringLiteral("Codigo da conta"), QStringLiteral("Cliente"), QStringLiteral("Vencimento"),
                                                 QStringLiteral("Valor original"), QStringLiteral("Numero docto"), QStringLiteral("Parcela"),
                                                 QStringLiteral("Valor pago"), QStringLiteral("Total")}));
        QVERIFY(f.gradeLista->isColumnHidden(0));
        QCOMPARE(f.dataInicio->accessibleName(), QStringLiteral("Período"));
        QCOMPARE(f.caixaCliente->accessibleName(), QStringLiteral("Cliente"));
        QCOMPARE(f.caixaQuantidade->accessibleName(), QStringLiteral("Qtde. doctos:"));
    }

    void receberListaEFiltros()
    {
        auto& f = abre_receber();
        // ordered by due date; the partly paid instalment shows what is left
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3")}));
        QCOMPARE(linha(f.gradeLista, 1), (QStringList{QStringLiteral("1"), QStringLiteral("Ana Souza"), QStringLiteral("10/12/2026"), reais("100,00"),
                                                 QStringLiteral("1"), QStringLiteral("1/2"), reais("30,00"), reais("70,00")}));
        QCOMPARE(f.caixaQuantidade->text(), QStringLiteral("3"));
        QCOMPARE(f.caixaTotal->text(), reais("200,00"));
        QCOMPARE(f.gradeLista->linhas(), 14);
        QCOMPARE(QApplication::focusWidget(), f.gradeLista);
        QVERIFY(f.botaoBaixar->isEnabled() && f.botaoMostrarBaixas->isEnabled() && f.botaoAlterarVencimento->isEnabled());
        confereComBanco(f.gradeLista);
        // a filler row disables the row buttons; a double click there does nothing
        QTest::mouseClick(f.gradeLista->viewport(), Qt::LeftButton, {}, f.gradeLista->viewport()->mapFrom(f.gradeLista, f.gradeLista->geometriaCelula(5, 1).center()));
        QVERIFY(!f.botaoBaixar->isEnabled() && !f.botaoMostrarBaixas->isEnabled() && !f.botaoAlterarVencimento->isEnabled());
        ao_abrir_modal([](QDialog& d) { d.reject(); });
        duplo_clique(f.gradeLista, 5, 1);
        QCOMPARE(acoes_modais_pendentes(), 1);
        limpa_acoes_modais();

        // a view leaves the boxes it ignores disabled, and enables them again when it uses them
        const auto habilitados = [&f] {
            return QList<bool>{f.dataInicio->isEnabled(), f.dataFim->isEnabled(), f.caixaCliente->isEnabled(), f.botaoConsultarCliente->isEnabled()};
        };
        QCOMPARE(habilitados(), (QList<bool>{false, false, false, false})); // "Todas"
        for (const auto& [filtro, periodo, cliente] :
             {std::tuple{FiltroContas::Vencidas, false, false}, std::tuple{FiltroContas::PorClienteEPeriodo, true, true},
              std::tuple{FiltroContas::Todas, false, false}, std::tuple{FiltroContas::PorCliente, false, true}}) {
            filtra(f, filtro);
            QCOMPARE(habilitados(), (QList<bool>{periodo, periodo, cliente, cliente}));
        }
        // a one-day period includes its day
        filtra(f, FiltroContas::PorPeriodo);
        QCOMPARE(habilitados(), (QList<bool>{true, true, false, false}));
        QVERIFY(coluna(f.gradeLista, 0).isEmpty()); // a new filter empties the list
        f.dataInicio->setDate(QDate(2026, 12, 10));
        f.dataFim->setDate(QDate(2026, 12, 10));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("1")});
        f.dataInicio->setDate(QDate(2026, 12, 6));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        // closing a picker's calendar empties the list
        QTest::mouseClick(f.dataFim, Qt::LeftButton, {}, QPoint(f.dataFim->width() - 6, f.dataFim->height() / 2));
        QTRY_VERIFY(f.dataFim->calendarWidget()->isVisible());
        tecla(f.dataFim->calendarWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!f.dataFim->calendarWidget()->isVisible());
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        ativa(f);
        QCOMPARE(f.caixaQuantidade->text(), QStringLiteral("0"));

        // a customer filter needs a customer
        filtra(f, FiltroContas::PorCliente);
        clica(f.botaoMostrar);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Informe o cliente!")});
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        // the code box takes digits only; an unknown code is refused and selected
        f.caixaCliente->setFocus();
        digita(f.caixaCliente, QStringLiteral("9a"));
        QCOMPARE(f.caixaCliente->text(), QStringLiteral("9"));
        f.botaoMostrar->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(amb->msgs.ultimo(), QStringLiteral("Registro não localizado!"));
        QCOMPARE(QApplication::focusWidget(), f.caixaCliente);
        QCOMPARE(f.caixaCliente->selectedText(), QStringLiteral("9"));
        QVERIFY(f.caixaNomeCliente->text().isEmpty());
        digita(f.caixaCliente, QStringLiteral("2"));
        tecla(f.caixaCliente, Qt::Key_Return); // Enter moves on, the name is looked up
        QTRY_COMPARE(f.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        QCOMPARE(f.caixaTotal->text(), reais("150,00"));
        digita(f.caixaCliente, QStringLiteral("3")); // typing in the box empties the list
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        // "..." and F12 choose in the customer search
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            ativa(c);
            c.gradeLista->defineLinhaAtual(1);
            clica(c.botaoAceitar);
            if (c.isVisible()) {
                QTest::qFail(qPrintable(QStringLiteral("a busca não devolveu o cliente %1 %2 %3 %4").arg(c.gradeLista->linhas()).arg(c.gradeLista->texto(1, 1)).arg(c.botaoAceitar->isEnabled()).arg(c.botaoAceitar->isVisible())), __FILE__, __LINE__);
                d.reject();
            }
        });
        f.caixaCliente->setFocus();
        tecla(f.caixaCliente, Qt::Key_F12);
        ativa(f);
        QCOMPARE(f.caixaCliente->text(), QStringLiteral("3"));
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Bruno Lima"));
        filtra(f, FiltroContas::PorClienteEPeriodo);
        QVERIFY(f.caixaCliente->text().isEmpty() && f.caixaNomeCliente->text().isEmpty());
        f.caixaCliente->setText(QStringLiteral("2"));
        f.valida_cliente();
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("1")});
        // F5 goes to "Mostrar" without pressing it
        f.caixaCliente->setFocus();
        tecla(f.caixaCliente, Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("1")});
    }

    void receberAlteraVencimento()
    {
        auto& f = abre_receber();
        f.gradeLista->defineLinhaAtual(0); // instalment 2, due 06/12/2026
        amb->msgs.entradas({QStringLiteral("31/02/2013"), std::nullopt, QStringLiteral("20/01/2027")});
        clica(f.botaoAlterarVencimento);
        QCOMPARE(amb->msgs.mostradas().last().texto, QStringLiteral("Informe a nova data de vencimento dessa parcela:"));
        QCOMPARE(amb->msgs.mostradas().last().titulo, QStringLiteral("Alteração do vencimento"));
        clica(f.botaoAlterarVencimento);
        QCOMPARE(apoio::valor(QStringLiteral("select dvencimento from conta_receber where ncodigo = 2")).toDate(), QDate(2026, 12, 6));
        clica(f.botaoAlterarVencimento);
        QCOMPARE(apoio::valor(QStringLiteral("select dvencimento from conta_receber where ncodigo = 2")).toDate(), QDate(2027, 1, 20));
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2")}));
        QCOMPARE(f.gradeLista->texto(f.gradeLista->linhaAtual(), 0), QStringLiteral("2")); // still the current one
        QCOMPARE(amb->msgs.mostradas().size(), 3);
    }

    void baixaParcialEIntegral()
    {
        auto& f = abre_receber();
        baixa(f, 1, [&](FrmBaixaContasReceber& b) {
            QCOMPARE(b.windowTitle(), QStringLiteral("Baixa de contas a receber"));
            QCOMPARE(b.escolhaTipo->currentText(), QStringLiteral("Integral"));
            QCOMPARE(b.escolhaFormaPagamento->currentText(), QStringLiteral("Dinheiro"));
            QCOMPARE(b.escolhaFormaPagamento->count(), 7);
            QCOMPARE(b.dataBaixa->date(), QDate(2026, 12, 6));
            QCOMPARE(b.caixaValor->text(), reais("70,00"));
            b.escolhaTipo->setFocus();
            tecla(b.escolhaTipo, Qt::Key_Down); // "Parcial"
            valor(b, QStringLiteral("70"));
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), PARCIAL_ALTA);
            QVERIFY(b.isVisible());
            QCOMPARE(b.caixaValor->text(), reais("70,00"));
            valor(b, QStringLiteral("69,99"));
            b.escolhaFormaPagamento->setFocus();
            tecla(b.escolhaFormaPagamento, Qt::Key_End);
            tecla(b.escolhaFormaPagamento, Qt::Key_Up);
            QCOMPARE(b.escolhaFormaPagamento->currentText(), QStringLiteral("Pix"));
            b.caixaObservacao->setFocus();
            digita(b.caixaObservacao, QStringLiteral("Pix d'Ana"));
            QCOMPARE(b.caixaObservacao->text(), QStringLiteral("Pix dAna"));
            tecla(b.caixaObservacao, Qt::Key_F5);
            QCOMPARE(QApplication::focusWidget(), b.botaoGravar);
            amb->msgs.respostas({true}); // the receipt, once stored
            tecla(b.botaoGravar, Qt::Key_Return);
        });
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Deseja emitir o recibo do pagamento?"));
        const QString selecao = cr().SelectionFormula;
        QCOMPARE(selecao, QStringLiteral("{baixa_conta_receber.ncodigo}=%1").arg(conta(QStringLiteral("select max(ncodigo) from baixa_conta_receber"))));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/recibo.pdf");
        QVERIFY(gera_pdf(cr(), pdf));
        confere_textos(plano(texto_pdf(pdf)), {QStringLiteral("RECIBO"), QStringLiteral("Recebemos de Ana Souza"), QStringLiteral("R$ 69,99 (sessenta e nove reais e noventa e nove centavos)"),
                                               QStringLiteral("pagamento parcial"), QStringLiteral("Forma de pagamento: Pix"),
                                               QStringLiteral("Observações: Pix dAna")});
        // reprinted from the instalment's write-offs: the current row's
        fecha_previas();
        cr().SelectionFormula.clear();
        ao_abrir_modal([&](QDialog& d) {
            auto& m = static_cast<FrmMostraBaixaContaPaga&>(d);
            m.gradeBaixas->defineLinhaAtual(linha_do_codigo(m.gradeBaixas, selecao.section(QLatin1Char('='), 1).toInt()));
            amb->msgs.respostas({true});
            clica(m.botaoRecibo);
            m.close();
        });
        clica(f.botaoMostrarBaixas);
        QCOMPARE(cr().SelectionFormula, selecao);
        fecha_previas();
        QCOMPARE(baixas(1), (QStringList{QStringLiteral("30|0|P||01/12/2026 09:00:00"), QStringLiteral("69.99|5|P|Pix dAna|06/12/2026 10:15:00")}));
        QCOMPARE(npago(1), QStringLiteral("0"));
        const int l = linha_do_codigo(f.gradeLista, 1);
        QCOMPARE(f.gradeLista->linhaAtual(), l);
        QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaPago), reais("99,99"));
        QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaAberto), reais("0,01"));
        QCOMPARE(f.caixaTotal->text(), reais("130,01"));
        confereComBanco(f.gradeLista);

        // integral below the open value closes the instalment with the
        // difference as a discount, once agreed; dated with the chosen day and the time of the save
        Relogio::fixa(QDateTime(QDate(2026, 12, 6), QTime(10, 15, 42)));
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        baixa(f, 3, [&](FrmBaixaContasReceber& b) {
            QCOMPARE(b.caixaValor->text(), reais("80,00"));
            QCOMPARE(b.caixaValorAtual->text(), reais("80,00"));
            QVERIFY(b.caixaValorAtual->isReadOnly());
            QCOMPARE(b.caixaValorAtual->accessibleName(), QStringLiteral("Valor atual"));
            QCOMPARE(b.caixaObservacao->text(), QString()); // nothing left of the last write-off
            b.dataBaixa->setDate(QDate(2026, 12, 5));
            valor(b, QStringLiteral("50"));
            b.escolhaFormaPagamento->setFocus();
            tecla(b.escolhaFormaPagamento, Qt::Key_Down);
            tecla(b.escolhaFormaPagamento, Qt::Key_Down);
            tecla(b.escolhaFormaPagamento, Qt::Key_Down);
            QCOMPARE(b.escolhaFormaPagamento->currentText(), QStringLiteral("Cartão de débito"));
            amb->msgs.respostas({false});
            clica(b.botaoGravar);
        });
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("O valor recebido (%1) é menor que o valor atual da parcela (%2). "
                                                                 "Deseja baixar a parcela com um desconto de %3?")
                                                      .arg(reais("50,00"), reais("80,00"), reais("30,00")),
                                                  QStringLiteral("Deseja emitir o recibo do pagamento?")}));
        QCOMPARE(baixas(3), QStringList{QStringLiteral("50|3|I||05/12/2026 10:15:42")});
        QCOMPARE(descontos(3), QStringList{QStringLiteral("30|0")});
        QCOMPARE(npago(3), QStringLiteral("1"));
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        QCOMPARE(f.caixaTotal->text(), reais("50,01"));

        // "&Sair" after changing everything writes nothing
        baixa(f, 2, [&](FrmBaixaContasReceber& b) {
            valor(b, QStringLiteral("1"));
            b.caixaObservacao->setText(QStringLiteral("x"));
            clica(b.botaoSair);
        });
        QVERIFY(baixas(2).isEmpty());
        // an empty value: the required-field message, nothing written
        baixa(f, 2, [&](FrmBaixaContasReceber& b) {
            b.caixaValor->clear();
            b.botaoGravar->click(); // as its Alt+G accelerator presses it: the box is not left (offscreen has no accelerators)
            QVERIFY(b.isVisible());
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
            // an amount that is not money is refused with its notice
            valor(b, QStringLiteral("1.2.3"));
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor \"1.2.3\" não é válido. Informe-o como 1.234,50."));
            QVERIFY(b.isVisible());
            b.close();
        });
        QVERIFY(baixas(2).isEmpty());
    }

    // "Vencidas": due before today and still open, with their total; an
    // overdue row is marked in every view, in colour and as the cells'
    // description. The list goes whole to a spreadsheet, read back cell by
    // cell: amounts plain, a formula-like name made inert.
    void vencidasEPlanilha()
    {
        executa(QStringLiteral("update cliente set cfantasia = '=HYPERLINK(\"x\");1' where ncodigo = 3"));
        executa(QStringLiteral("insert into conta_receber values(null,2,'2/2','1234.50',0,'2026-11-20',0)  "));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,5,0.5,0,0,0,'P','','2026-11-21 09:00:00');"));
        auto& f = abre_receber(FiltroContas::Vencidas);
        QCOMPARE(f.escolhaFiltro->currentText(), QStringLiteral("Vencidas"));
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("5")});
        QCOMPARE(f.caixaTotal->text(), reais("1.234,00"));
        QCOMPARE(f.gradeLista->aviso(0), QStringLiteral("Vencida"));
        const QModelIndex i = f.gradeLista->model()->index(0, 1);
        QCOMPARE(i.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Vencida"));
        QVERIFY(i.data(Qt::BackgroundRole).isValid());
        // all of them: only the overdue one marked (one due today is not overdue)
        filtra(f, FiltroContas::Todas);
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3")}));
        for (int l = 1; l <= 4; ++l) {
            QCOMPARE(f.gradeLista->aviso(l - 1), l == 1 ? QStringLiteral("Vencida") : QString());
            QCOMPARE(f.gradeLista->model()->index(l - 1, 2).data(Qt::BackgroundRole).isValid(), l == 1);
        }

        const QList<QStringList> csv = exporta_e_le(f.botaoExportar, amb->banco.pasta() + QStringLiteral("/receber.csv"));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Planilha gravada com 4 linha(s) em %1/receber.csv.").arg(amb->banco.pasta()));
        QCOMPARE(csv.size(), 5);
        const QStringList titulos = cabecalho(f.gradeLista).mid(1); // the hidden code stays out
        QCOMPARE(csv[0], titulos);
        for (int l = 1; l <= 4; ++l) {
            const QStringList grade = linha(f.gradeLista, l - 1).mid(1);
            QCOMPARE(csv[l].size(), grade.size());
            for (int c = 0; c < grade.size(); ++c) {
                const QString& celula = csv[l][c];
                if (grade[c].startsWith(QStringLiteral("R$"))) {
                    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+,\\d\\d$")).match(celula).hasMatch(), qPrintable(celula));
                    QCOMPARE(Dinheiro::leTexto(celula), Dinheiro::leTexto(grade[c]));
                } else if (grade[c].startsWith(QLatin1Char('='))) {
                    QCOMPARE(celula, QLatin1Char('\'') + grade[c]);
                } else {
                    QCOMPARE(celula, grade[c]);
                }
            }
        }
        QCOMPARE(csv[1][2], QStringLiteral("1234,50"));
        QCOMPARE(csv[2][0], QStringLiteral("'=HYPERLINK(\"x\");1"));
    }

    // A long list is read a page at a time: what the user sees first is its
    // beginning; moving down reads on; End reaches the real end, the whole
    // list in its order (equal due dates by instalment); the count, the
    // total and the spreadsheet are of the whole list from the start.
    void listaEmPaginas()
    {
        const auto pagina = qScopeGuard([n = JanelaLista::linhasPorPagina] { JanelaLista::linhasPorPagina = n; });
        JanelaLista::linhasPorPagina = 4;
        for (int i = 0; i < 30; ++i) // three due on each of ten days
            executa(QStringLiteral("insert into conta_receber values(null,2,'%1/30','%2',0,'2027-02-%3',0)").arg(i + 1).arg(10 + i).arg(10 + i % 10));
        const QStringList todas = linhas(QStringLiteral("select codigo_conta from view_contas_a_receber order by vencimento, codigo_conta"));
        const Dinheiro total = *Dinheiro::leBanco(linhas(QStringLiteral("select sum(valor_parcela - valor_pago) from view_contas_a_receber")).first());
        auto& f = abre_receber(FiltroContas::Todas);
        QCOMPARE(f.caixaQuantidade->text(), QString::number(todas.size()));
        QCOMPARE(f.caixaTotal->text(), total.moeda());
        const QStringList lidas = coluna(f.gradeLista, 0);
        QVERIFY(lidas.size() >= FrmContasReceber::LINHAS_MINIMAS && lidas.size() < todas.size());
        QCOMPARE(lidas, todas.mid(0, lidas.size()));
        f.gradeLista->setFocus();
        QTest::keyClick(f.gradeLista, Qt::Key_PageDown);
        QVERIFY(coluna(f.gradeLista, 0).size() > lidas.size());
        QTest::keyClick(f.gradeLista, Qt::Key_End);
        QCOMPARE(coluna(f.gradeLista, 0), todas);
        QCOMPARE(f.gradeLista->linhaAtual(), int(todas.size()) - 1);
        QCOMPARE(f.caixaQuantidade->text(), QString::number(todas.size()));
        const QList<QStringList> csv = exporta_e_le(f.botaoExportar, amb->banco.pasta() + QStringLiteral("/paginas.csv"));
        QCOMPARE(csv.size(), todas.size() + 1);
        // read anew (after a change of due date), the list keeps what was read and the current row
        f.gradeLista->defineLinhaAtual(int(todas.size()) - 2);
        const QString atual = f.gradeLista->texto(f.gradeLista->linhaAtual(), 0);
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), todas);
        QCOMPARE(f.gradeLista->texto(f.gradeLista->linhaAtual(), 0), atual);
    }

    // Six-figure amounts are listed exact: the engine's sum of such a round
    // amount reaches the program in exponent form ("1e+05").
    void valoresDeSeisAlgarismos()
    {
        executa(QStringLiteral("insert into conta_receber values(null,2,'2/2','100000',0,'2026-12-06',0)  "));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,5,'50000',0,0,0,'P','','2026-12-06 09:00:00');"));
        auto& f = abre_receber();
        const int l = linha_do_codigo(f.gradeLista, 5);
        QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaValor), reais("100.000,00"));
        QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaPago), reais("50.000,00"));
        QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaAberto), reais("50.000,00"));
        confereComBanco(f.gradeLista);
    }

    void baixaReleOValorAberto()
    {
        auto& f = abre_receber();
        // another station pays part of the instalment while the form is open
        baixa(f, 1, [&](FrmBaixaContasReceber& b) {
            executa(QStringLiteral("insert into baixa_conta_receber values(null,1,60,0,0,0,'P','','2026-12-06 10:00:00');"));
            b.escolhaTipo->setCurrentIndex(1);
            valor(b, QStringLiteral("20"));
            clica(b.botaoGravar);
            // read again under the lock: nothing stored, the new open value shown, the typed amount kept
            QCOMPARE(amb->msgs.ultimo(), MUDOU.arg(reais("70,00"), reais("10,00")));
            QVERIFY(b.isVisible());
            QCOMPARE(b.caixaValorAtual->text(), reais("10,00"));
            QCOMPARE(b.caixaValor->text(), reais("20,00"));
            QCOMPARE(baixas(1).size(), 2);
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), PARCIAL_ALTA); // 20,00 is not below the 10,00 now open
            // an integral one of the amount proposed: the proposal follows the new value
            b.escolhaTipo->setCurrentIndex(0);
            executa(QStringLiteral("insert into baixa_conta_receber values(null,1,4,0,0,0,'P','','2026-12-06 10:05:00');"));
            valor(b, QStringLiteral("10"));
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), MUDOU.arg(reais("10,00"), reais("6,00")));
            QCOMPARE(b.caixaValor->text(), reais("6,00"));
            // ... and then another station settles it
            executa(QStringLiteral("update conta_receber set npago = 1 where ncodigo = 1"));
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), NAO_ABERTA);
        });
        QCOMPARE(baixas(1).size(), 3);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
    }

    // The rules of a write-off, without a window: what is refused, and the
    // discount, surcharge and open value left by what is accepted.
    void regrasDaBaixa_data()
    {
        QTest::addColumn<TipoBaixa>("tipo");
        QTest::addColumn<qint64>("valor");
        QTest::addColumn<qint64>("aberto");
        QTest::addColumn<QString>("recusa");
        QTest::addColumn<qint64>("desconto");
        QTest::addColumn<qint64>("acrescimo");
        QTest::addColumn<qint64>("restante");
        const QString zero = QStringLiteral("O valor da baixa deve ser maior que zero!");
        const QString parcialAlta = PARCIAL_ALTA;
        const auto I = TipoBaixa::Integral, P = TipoBaixa::Parcial;
        QTest::newRow("integral exata") << I << 7000ll << 7000ll << QString() << 0ll << 0ll << 0ll;
        QTest::newRow("integral com desconto") << I << 5000ll << 8000ll << QString() << 3000ll << 0ll << 0ll;
        QTest::newRow("integral com acréscimo") << I << 5550ll << 5000ll << QString() << 0ll << 550ll << 0ll;
        QTest::newRow("integral de um centavo") << I << 1ll << 100000000ll << QString() << 99999999ll << 0ll << 0ll;
        QTest::newRow("parcial abaixo do aberto") << P << 6999ll << 7000ll << QString() << 0ll << 0ll << 1ll;
        QTest::newRow("parcial igual ao aberto") << P << 7000ll << 7000ll << parcialAlta << 0ll << 0ll << 0ll;
        QTest::newRow("parcial acima do aberto") << P << 7001ll << 7000ll << parcialAlta << 0ll << 0ll << 0ll;
        QTest::newRow("integral zero") << I << 0ll << 7000ll << zero << 0ll << 0ll << 0ll;
        QTest::newRow("parcial zero") << P << 0ll << 7000ll << zero << 0ll << 0ll << 0ll;
        QTest::newRow("integral negativa") << I << -100ll << 7000ll << zero << 0ll << 0ll << 0ll;
        QTest::newRow("parcial negativa") << P << -100ll << 7000ll << zero << 0ll << 0ll << 0ll;
    }
    void regrasDaBaixa()
    {
        QFETCH(TipoBaixa, tipo);
        QFETCH(qint64, valor);
        QFETCH(qint64, aberto);
        QFETCH(QString, recusa);
        QFETCH(qint64, desconto);
        QFETCH(qint64, acrescimo);
        QFETCH(qint64, restante);
        const RegraBaixa r = avalia_baixa(tipo, Dinheiro::deCentavos(valor), Dinheiro::deCentavos(aberto));
        QCOMPARE(r.recusa, recusa);
        QCOMPARE(r.aceita(), recusa.isEmpty());
        QCOMPARE(r.desconto.centavos(), desconto);
        QCOMPARE(r.acrescimo.centavos(), acrescimo);
        QCOMPARE(r.restante.centavos(), restante);
        // the books close: received + discount - surcharge is what was open
        if (r.aceita() && tipo == TipoBaixa::Integral)
            QCOMPARE((r.valor + r.desconto - r.acrescimo).centavos(), aberto);
        // a question only where a discount or a surcharge is to be agreed
        QCOMPARE(r.pergunta().isEmpty(), desconto == 0 && acrescimo == 0);
        const Baixa b = baixa_de(r, 7, QDateTime(QDate(2026, 12, 5), QTime(10, 15, 42)), 3, QStringLiteral("obs"));
        QCOMPARE(letra_baixa(b.tipo), tipo == TipoBaixa::Parcial ? QStringLiteral("P") : QStringLiteral("I"));
        QCOMPARE(tipo_baixa(letra_baixa(tipo)), tipo);
        QCOMPARE(b.desconto, r.desconto);
        QCOMPARE(b.acrescimo, r.acrescimo);
    }

    // Zero is no write-off; an integral one above the open value records the
    // surcharge once agreed; the instalment's write-offs list it; by the
    // books it is covered exactly.
    void baixaZeroEAcrescimo()
    {
        auto& f = abre_receber();
        baixa(f, 2, [&](FrmBaixaContasReceber& b) {
            b.escolhaTipo->setCurrentIndex(int(TipoBaixa::Parcial));
            valor(b, QStringLiteral("0"));
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O valor da baixa deve ser maior que zero!"));
            // integral above the open value: No stores nothing, Yes the surcharge
            b.escolhaTipo->setCurrentIndex(0);
            valor(b, QStringLiteral("55,5"));
            amb->msgs.limpa();
            amb->msgs.respostas({false, true, false});
            clica(b.botaoGravar);
            QVERIFY(b.isVisible());
            QVERIFY(baixas(2).isEmpty());
            clica(b.botaoGravar);
            QCOMPARE(amb->msgs.textos(), (QStringList(2, QStringLiteral("O valor recebido (%1) é maior que o valor atual da parcela (%2). "
                                                                         "Deseja baixar a parcela com um acréscimo de %3?")
                                                              .arg(reais("55,50"), reais("50,00"), reais("5,50")))));
        });
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Deseja emitir o recibo do pagamento?"));
        QCOMPARE(baixas(2), QStringList{QStringLiteral("55.5|0|I||06/12/2026 10:15:00")});
        QCOMPARE(descontos(2), QStringList{QStringLiteral("0|5.5")});
        QCOMPARE(npago(2), QStringLiteral("1"));
        // received + discounts - surcharges is the instalment's value
        QCOMPARE(linhas(QStringLiteral("select sum(nvalor_baixa + ndesconto - nacrescimo) from baixa_conta_receber where nconta_receber = 2")),
                 QStringList{QStringLiteral("50")});
        f.close();
        auto& r = abre_recebidas();
        r.gradeLista->defineLinhaAtual(linha_do_codigo(r.gradeLista, 2));
        ao_abrir_modal([](QDialog& d) {
            auto& m = static_cast<FrmMostraBaixaContaPaga&>(d);
            QCOMPARE(linha(m.gradeBaixas, 0).mid(2, 3), (QStringList{reais("0,00"), reais("5,50"), reais("55,50")}));
            d.reject();
        });
        clica(r.botaoMostrarBaixas);
        QCOMPARE(acoes_modais_pendentes(), 0);
    }

    void baixasDaParcelaEExclusao()
    {
        executa(QStringLiteral("insert into baixa_conta_receber values(null,1,20,1,0,0,'P','Cheque 123','2026-12-02 15:30:00');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,1,5,4,0,0,'P','','2026-12-03 08:00:00');"));
        auto& f = abre_receber();
        f.gradeLista->defineLinhaAtual(linha_do_codigo(f.gradeLista, 1));
        ao_abrir_modal([&](QDialog& d) {
            auto& m = static_cast<FrmMostraBaixaContaPaga&>(d);
            QCOMPARE(m.windowTitle(), QStringLiteral("Baixas"));
            QCOMPARE(m.gradeBaixas->linhas(), 9);
            QVERIFY(m.botaoExcluir->isEnabled());
            QCOMPARE(cabecalho(m.gradeBaixas).mid(1), (QStringList{QStringLiteral("Data da baixa"), QStringLiteral("Descontos"), QStringLiteral("Acréscimos"),
                                                            QStringLiteral("Valor da baixa"), QStringLiteral("Tipo da baixa"),
                                                            QStringLiteral("Forma de pagto"), QStringLiteral("Obs")}));
            QCOMPARE(linha(m.gradeBaixas, 0).mid(1), (QStringList{QStringLiteral("01/12/2026"), reais("0,00"), reais("0,00"), reais("30,00"),
                                                            QStringLiteral("Parcial"), QStringLiteral("Dinheiro"), QString()}));
            QCOMPARE(linha(m.gradeBaixas, 1).mid(1), (QStringList{QStringLiteral("02/12/2026"), reais("0,00"), reais("0,00"), reais("20,00"),
                                                            QStringLiteral("Parcial"), QStringLiteral("Cheque"), QStringLiteral("Cheque 123")}));
            QCOMPARE(m.gradeBaixas->texto(2, 6), QStringLiteral("Outros"));
            // a filler row: nothing; No: nothing
            m.gradeBaixas->defineLinhaAtual(4);
            clica(m.botaoExcluir);
            m.gradeBaixas->defineLinhaAtual(0);
            amb->msgs.respostas({false, true});
            clica(m.botaoExcluir);
            QCOMPARE(m.gradeBaixas->texto(0, 4), reais("30,00"));
            clica(m.botaoExcluir);
            QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Deseja realmente excluir essa baixa?"), QStringLiteral("Deseja realmente excluir essa baixa?")}));
            QCOMPARE(coluna(m.gradeBaixas, 4), (QStringList{reais("20,00"), reais("5,00")}));
            // the list beneath shows the open value risen by 30,00 at once
            const int l = linha_do_codigo(f.gradeLista, 1);
            QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaPago), reais("25,00"));
            QCOMPARE(f.gradeLista->texto(l, FrmContasReceber::ColunaAberto), reais("75,00"));
            clica(m.botaoSair);
        });
        clica(f.botaoMostrarBaixas);
        QCOMPARE(acoes_modais_pendentes(), 0);
        QCOMPARE(baixas(1).size(), 2);
        confereComBanco(f.gradeLista);
    }

    void recebidasPeriodoEOrdem()
    {
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','45',1,'2026-12-05',0)  "));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,5,45,0,0,0,'I','','2026-12-05 23:59:30');"));
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','15',1,'2026-12-04',0)  "));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,6,15,0,0,0,'I','','2026-12-06 00:00:00');"));
        auto& f = mostra_form<FrmContasRecebidas>();
        QCOMPARE(f.windowTitle(), QStringLiteral("Contas recebidas"));
        QCOMPARE(f.escolhaFiltro->currentText(), QStringLiteral("Por período"));
        QCOMPARE(f.gradeLista->linhas(), 17);
        QVERIFY(!f.botaoAbrirConta->isEnabled() && !f.botaoMostrarBaixas->isEnabled());
        // one day: 10:15 and 23:59:30 of that day, not midnight of the next
        f.dataInicio->setDate(QDate(2026, 12, 5));
        f.dataFim->setDate(QDate(2026, 12, 5));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("4"), QStringLiteral("5")}));
        QCOMPARE(linha(f.gradeLista, 1), (QStringList{QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("Bruno Lima"), QStringLiteral("05/12/2026"),
                                                 reais("45,00"), QStringLiteral("5"), QStringLiteral("1/1"), reais("45,00"), QStringLiteral("05/12/2026"),
                                                 QStringLiteral("2")}));
        QCOMPARE(f.caixaQuantidade->text(), QStringLiteral("2"));
        QCOMPARE(f.caixaTotal->text(), reais("105,00"));
        QCOMPARE(QApplication::focusWidget(), f.botaoMostrar); // "Mostrar" keeps the focus
        // all, by the moment of payment
        filtra(f, FiltroContas::Todas);
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")}));
        // the customer lookup is the small lookup dialog
        filtra(f, FiltroContas::PorCliente);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsulta&>(d);
            QCOMPARE(c.tipo(), QStringLiteral("Clientes"));
            c.gradeLista->defineLinhaAtual(0);
            clica(c.botaoAceitar);
        });
        clica(f.botaoConsultarCliente);
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("4")});
        // its write-offs, read-only; opened from the open list afterwards, deletable
        ao_abrir_modal([](QDialog& d) {
            auto& m = static_cast<FrmMostraBaixaContaPaga&>(d);
            QVERIFY(!m.botaoExcluir->isEnabled());
            QCOMPARE(coluna(m.gradeBaixas, 4), QStringList{reais("60,00")});
            m.gradeBaixas->defineLinhaAtual(0);
            clica(m.botaoExcluir);
            clica(m.botaoSair);
        });
        duplo_clique(f.gradeLista, 0, 2);
        QCOMPARE(acoes_modais_pendentes(), 0);
        QCOMPARE(baixas(4).size(), 1);
        f.close();
        auto& r = abre_receber();
        ao_abrir_modal([](QDialog& d) {
            QVERIFY(static_cast<FrmMostraBaixaContaPaga&>(d).botaoExcluir->isEnabled());
            d.reject();
        });
        clica(r.botaoMostrarBaixas);
    }

    void reabrirParcela()
    {
        // 100,00 with 40,00 partial and 60,00 integral
        executa(QStringLiteral("insert into conta_receber values(null,1,'1/1','100',1,'2026-12-01',0)  "));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,5,40,0,0,0,'P','','2026-12-02 10:00:00');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,5,60,2,0,0,'I','','2026-12-03 10:00:00');"));
        auto& f = abre_recebidas();
        f.gradeLista->defineLinhaAtual(linha_do_codigo(f.gradeLista, 5));
        QCOMPARE(f.gradeLista->texto(f.gradeLista->linhaAtual(), 7), reais("100,00"));
        amb->msgs.respostas({false});
        clica(f.botaoAbrirConta);
        QCOMPARE(npago(5), QStringLiteral("1"));
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        clica(f.botaoAbrirConta);
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Deseja tornar essa parcela pendente novamente?"),
                                                  QStringLiteral("O processo de abertura foi concluído com sucesso!")}));
        QCOMPARE(npago(5), QStringLiteral("0"));
        QCOMPARE(baixas(5), QStringList{QStringLiteral("40|0|P||02/12/2026 10:00:00")});
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("4")});
        f.close();
        auto& r = abre_receber();
        const int l = linha_do_codigo(r.gradeLista, 5);
        QCOMPARE(r.gradeLista->texto(l, FrmContasReceber::ColunaPago), reais("40,00"));
        QCOMPARE(r.gradeLista->texto(l, FrmContasReceber::ColunaAberto), reais("60,00"));
    }

    // One order of a new customer from its credit closing to payment, an
    // undone write-off and a reopening; every figure shown is the stored one.
    void ordemDoFechamentoAoPagamento()
    {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = 'Carla Dias', cendereco = '' where ncodigo = 4"));
        executa(QStringLiteral("insert into ordem values(null,4,'2026-12-06','10:00:00',300.50,'',2,1,0);"));
        // what the order form hands over when the concluded order 3 is saved
        auto& p = form<FrmFechamentoVendaPrazo>();
        ao_abrir_modal([&](QDialog& d) {
            ativa(d);
            QCOMPARE(coluna(p.gradeParcelas, 2), (QStringList{reais("150,25"), reais("150,25")}));
            QCOMPARE(p.caixaTotal->text(), p.caixaValorOriginal->text());
            amb->msgs.respostas({true});
            clica(p.botaoGravar);
        });
        QVERIFY(p.fecha({3, 4, QStringLiteral("Entregue"), Dinheiro::deCentavos(30050), 2, QStringLiteral("30 \\ 60"), {}}));
        QCOMPARE(linhas(QStringLiteral("select ncodigo,cparcela,nvalor_parcela,dvencimento from conta_receber where nordem = 3 order by ncodigo")),
                 (QStringList{QStringLiteral("5|1/2|150.25|05/01/2027"), QStringLiteral("6|2/2|150.25|04/02/2027")}));

        auto& f = mostra_form<FrmContasReceber>();
        filtra(f, FiltroContas::PorCliente);
        f.caixaCliente->setFocus();
        digita(f.caixaCliente, QStringLiteral("4"));
        tecla(f.caixaCliente, Qt::Key_Return);
        QTRY_COMPARE(f.caixaNomeCliente->text(), QStringLiteral("Carla Dias"));
        clica(f.botaoMostrar);
        auto confere = [&](const QStringList& contas, const char* total) {
            QCOMPARE(coluna(f.gradeLista, 0), contas);
            QCOMPARE(f.caixaQuantidade->text(), QString::number(contas.size()));
            QCOMPARE(f.caixaTotal->text(), reais(total));
            confereComBanco(f.gradeLista);
            const QString aberto = apoio::valor(QStringLiteral("select sum(valor_parcela - valor_pago) from view_contas_a_receber where codigo_cliente = 4")).toString();
            QCOMPARE(f.caixaTotal->text(), Dinheiro::leBanco(aberto.isEmpty() ? QStringLiteral("0") : aberto)->moeda());
        };
        confere({QStringLiteral("5"), QStringLiteral("6")}, "300,50");

        auto paga = [&](int conta, int tipo, const QString& quanto) {
            amb->msgs.respostas({false}); // no receipt
            baixa(f, conta, [&](FrmBaixaContasReceber& b) {
                b.escolhaTipo->setCurrentIndex(tipo);
                valor(b, quanto);
                clica(b.botaoGravar);
            });
        };
        paga(5, 1, QStringLiteral("100"));
        confere({QStringLiteral("5"), QStringLiteral("6")}, "200,50");
        // a payment made by mistake on the second instalment, undone
        paga(6, 1, QStringLiteral("10"));
        confere({QStringLiteral("5"), QStringLiteral("6")}, "190,50");
        ao_abrir_modal([&](QDialog& d) {
            auto& m = static_cast<FrmMostraBaixaContaPaga&>(d);
            QCOMPARE(coluna(m.gradeBaixas, 4), QStringList{reais("10,00")});
            amb->msgs.respostas({true});
            clica(m.botaoExcluir);
            m.close();
        });
        clica(f.botaoMostrarBaixas);
        confere({QStringLiteral("5"), QStringLiteral("6")}, "200,50");
        // the first instalment settled
        paga(5, 0, QStringLiteral("50,25"));
        confere({QStringLiteral("6")}, "150,25");
        QCOMPARE(npago(5), QStringLiteral("1"));
        f.close();

        auto& r = mostra_form<FrmContasRecebidas>();
        filtra(r, FiltroContas::PorClienteEPeriodo);
        r.caixaCliente->setFocus();
        digita(r.caixaCliente, QStringLiteral("4"));
        tecla(r.caixaCliente, Qt::Key_Return);
        QTRY_COMPARE(r.caixaNomeCliente->text(), QStringLiteral("Carla Dias"));
        clica(r.botaoMostrar);
        QCOMPARE(coluna(r.gradeLista, 0), QStringList{QStringLiteral("5")});
        QCOMPARE(linha(r.gradeLista, 0).mid(2, 7), (QStringList{QStringLiteral("Carla Dias"), QStringLiteral("05/01/2027"), reais("150,25"), QStringLiteral("5"),
                                                           QStringLiteral("1/2"), reais("150,25"), QStringLiteral("06/12/2026")}));
        QCOMPARE(r.caixaTotal->text(), reais("150,25"));
        QCOMPARE(apoio::valor(QStringLiteral("select total from view_contas_recebidas where codigo_conta = 5")).toString(), QStringLiteral("150.25"));
        amb->msgs.respostas({true});
        clica(r.botaoAbrirConta);
        QVERIFY(coluna(r.gradeLista, 0).isEmpty());
        QCOMPARE(r.caixaTotal->text(), reais("0,00"));
        r.close();

        auto& f2 = mostra_form<FrmContasReceber>();
        filtra(f2, FiltroContas::Todas);
        clica(f2.botaoMostrar);
        const int l = linha_do_codigo(f2.gradeLista, 5);
        QCOMPARE(f2.gradeLista->texto(l, FrmContasReceber::ColunaPago), reais("100,00"));
        QCOMPARE(f2.gradeLista->texto(l, FrmContasReceber::ColunaAberto), reais("50,25"));
        confereComBanco(f2.gradeLista);
        QCOMPARE(baixas(5), QStringList{QStringLiteral("100|0|P||06/12/2026 10:15:00")});
    }

    void janelaPrincipalAbreAsListas()
    {
        FrmPrincipal p;
        p.carrega();
        liga_formularios(p);
        const QList<std::pair<const char*, QString>> itens{{"menuContasReceber", QStringLiteral("FrmContasReceber")},
                                                           {"menuContasRecebidas", QStringLiteral("FrmContasRecebidas")},
                                                           {"menuAlteracoesFinanceiras", QStringLiteral("FrmAlteracoesFinanceiras")}};
        for (const auto& [item, janela] : itens) {
            QAction* a = p.item(QString::fromLatin1(item));
            QVERIFY(a && a->isEnabled());
            QString aberta;
            ao_abrir_modal([&aberta](QDialog& d) {
                aberta = d.objectName();
                d.reject();
            });
            a->trigger();
            QCOMPARE(aberta, janela);
        }
        QCOMPARE(p.item(QStringLiteral("menuAlteracoesFinanceiras"))->text(), QStringLiteral("&Alterações no período"));
    }
};

QTEST_MAIN(TstRecebiveis)
#include "tst_recebiveis.moc"
