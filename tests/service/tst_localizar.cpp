// The movement search screens (entries, budgets, orders) driven from the
// main window's menu with keys and clicks: the empty list on opening, a
// code that wins over a customer, the placeholder customer left out, the
// list emptied by any filter change, the movement opened in its form, the
// delete question and a refusal, failures at each statement of a delete,
// and the documents printed again; every amount, however large, shown and
// exported exact in every kind of list and in a form's total.
#include "apoio.h"
#include "passos.h"
#include "relatorio.h"
#include "controlerelatorio.h"
#include "frmbaixacontasreceber.h"
#include "frmconsultaentradasequipamento.h"
#include "frmconsultaordem.h"
#include "frmconsultaservicomaquina.h"
#include "frmcontasreceber.h"
#include "frmentradaequipamento.h"
#include "frmlocalizaorcamento.h"
#include "frmordem.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "grade.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "errosbanco.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "textopdf.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace apoio;

namespace {

// Column 0 of the filled rows.
QStringList codigos(Grade* g) { return coluna(g, 0); }

// Puts the current row on a grid row with a click.
void clica_linha(Grade* g, int r)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->viewport()->mapFrom(g, g->geometriaCelula(r, 1).center()));
}

} // namespace

class TstLocalizar : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;

    // A screen as its menu item opens it: the item must be enabled and open
    // this very form; the test then drives it shown and active.
    template <class T>
    T& abre(const char* item)
    {
        QAction* a = principal->item(QString::fromLatin1(item));
        bool abriu = false;
        no_dialogo<T>([&abriu](T& f) { abriu = f.isVisible(); });
        if (a && a->isEnabled())
            a->trigger();
        if (!abriu)
            QTest::qFail(item, __FILE__, __LINE__);
        limpa_acoes_modais();
        T& f = form<T>();
        ativa(f);
        return f;
    }
    void tecla_texto(QLineEdit* caixa, const QString& texto)
    {
        caixa->setFocus();
        caixa->selectAll();
        tecla(caixa, Qt::Key_Delete);
        digita(caixa, texto);
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        // a concluded order of Bruno's, an open one of Ana's, and an order
        // never completed (still on the placeholder customer)
        executa(QStringLiteral("insert into ordem values(null,3,'2026-12-09','10:00:00',75.5,'',1,1,0);"));
        executa(QStringLiteral("insert into ordem values(null,2,'2026-12-10','10:00:00',40,'',1,0,0);"));
        executa(QStringLiteral("insert into item_ordem values(null,4,1,'Diagnóstico',40,1 );"));
        executa(QStringLiteral("insert into ordem values(null,1,'2026-12-11','10:00:00',0,'',1,0,0);"));
        // budgets: Ana's approved with two items, Bruno's not approved
        executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','10:00:00',250,'',1,1);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Troca do fusor',180);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,2,'Limpeza',70);"));
        executa(QStringLiteral("insert into orcamento values(null,3,'2026-12-06','11:00:00',99.9,'',0,1);"));
        principal = janela_principal();
    }
    void cleanup()
    {
        fecha_previas();
        limpa_acoes_modais();
        conexao.falhaNoComando(0);
        principal.reset();
        amb.reset();
    }

    void abreVazioEMostraTodos()
    {
        FrmConsultaOrdem& f = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        QCOMPARE(f.windowTitle(), QStringLiteral("Localização de ordens de serviço"));
        QCOMPARE(f.faixaTitulo->text(), QStringLiteral("Localização de ordens de serviço"));
        QCOMPARE(f.caixaCodigo->accessibleName(), QStringLiteral("Código"));
        QCOMPARE(f.caixaCliente->accessibleName(), QStringLiteral("Cliente"));
        QCOMPARE(cabecalho(f.gradeLista), (QStringList{QStringLiteral("Código"), QStringLiteral("Cliente"), QStringLiteral("Data"),
                                                QStringLiteral("Valor"), QStringLiteral("Concluída")}));
        QCOMPARE(f.gradeLista->linhas(), 16);
        QVERIFY(codigos(f.gradeLista).isEmpty());
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoExcluir->isEnabled() && !f.botaoImprimir->isEnabled());

        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(codigos(f.gradeLista), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        QCOMPARE(linha(f.gradeLista, 0), (QStringList{QStringLiteral("1"), QStringLiteral("Ana Souza"), QStringLiteral("07/12/2026"),
                                                QStringLiteral("R$\u00a0300,50"), QStringLiteral("Sim")}));
        QCOMPARE(linha(f.gradeLista, 3), (QStringList{QStringLiteral("4"), QStringLiteral("Ana Souza"), QStringLiteral("10/12/2026"),
                                                QStringLiteral("R$\u00a040,00"), QStringLiteral("Não")}));
        QVERIFY(f.gradeLista->hasFocus());
        QVERIFY(f.botaoDetalhes->isEnabled() && f.botaoExcluir->isEnabled() && f.botaoImprimir->isEnabled());
        // a filler row: the buttons go off and a double click opens nothing
        clica_linha(f.gradeLista, 7);
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoImprimir->isEnabled());
        duplo_clique(f.gradeLista, 7, 1);
        QCOMPARE(acoes_modais_pendentes(), 0);
        // typing in a filter empties the list at once
        f.caixaCodigo->setFocus();
        digita(f.caixaCodigo, QStringLiteral("9"));
        QVERIFY(codigos(f.gradeLista).isEmpty());
        QVERIFY(amb->msgs.mostradas().isEmpty());
    }

    // A code wins over a chosen customer; with the customer alone, that
    // customer's movements; an unknown customer keeps the focus.
    void codigoVenceCliente()
    {
        FrmLocalizaOrcamento& f = abre<FrmLocalizaOrcamento>("menuLocalizarOrcamento");
        tecla_texto(f.caixaCliente, QStringLiteral("3"));
        tecla(f.caixaCliente, Qt::Key_Tab);
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Bruno Lima"));
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(codigos(f.gradeLista), QStringList{QStringLiteral("2")});
        QCOMPARE(linha(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("Bruno Lima"), QStringLiteral("06/12/2026"),
                                                QStringLiteral("R$\u00a099,90"), QStringLiteral("Não")}));
        tecla_texto(f.caixaCodigo, QStringLiteral("1"));
        QVERIFY(codigos(f.gradeLista).isEmpty());
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(linha(f.gradeLista, 0), (QStringList{QStringLiteral("1"), QStringLiteral("Ana Souza"), QStringLiteral("05/12/2026"),
                                                QStringLiteral("R$\u00a0250,00"), QStringLiteral("Sim")}));
        QCOMPARE(codigos(f.gradeLista).size(), 1);

        // the order never completed (customer 1) is in no list, even by its code
        FrmConsultaOrdem& o = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        tecla_texto(o.caixaCodigo, QStringLiteral("5"));
        QTest::mouseClick(o.botaoMostrar, Qt::LeftButton);
        QVERIFY(codigos(o.gradeLista).isEmpty());
        QVERIFY(!o.botaoExcluir->isEnabled());

        tecla_texto(o.caixaCodigo, QString());
        tecla_texto(o.caixaCliente, QStringLiteral("77"));
        tecla(o.caixaCliente, Qt::Key_Tab);
        QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
        QVERIFY(o.caixaNomeCliente->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), o.caixaCliente);
        QTest::mouseClick(o.botaoMostrar, Qt::LeftButton); // no customer: every order
        QCOMPARE(codigos(o.gradeLista).size(), 4);
    }

    // "&Detalhes" and a double click open the movement in its form; the list
    // is filled again when the form closes.
    void detalhesAbreOMovimento()
    {
        FrmConsultaOrdem& f = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QList<qint32> abertas;
        auto abreOrdem = [&abertas](FrmOrdem& o) {
            abertas << o.codigoEditado();
            QVERIFY(!o.inclusao());
            QCOMPARE(o.caixaCodigo->text(), QString::number(o.codigoEditado()));
            // meanwhile another order is completed
            executa(QStringLiteral("update ordem set ncliente = 3 where ncodigo = 5"));
            o.cancelar_clicado();
        };
        no_dialogo<FrmOrdem>(abreOrdem);
        clica_linha(f.gradeLista, 2);
        QTest::mouseClick(f.botaoDetalhes, Qt::LeftButton);
        QCOMPARE(abertas, QList<qint32>{3});
        QCOMPARE(codigos(f.gradeLista).size(), 5); // refilled

        FrmConsultaEntradasEquipamento& e = abre<FrmConsultaEntradasEquipamento>("menuLocalizarEntrada");
        QTest::mouseClick(e.botaoMostrar, Qt::LeftButton);
        // entry times read hh:mm:ss
        QCOMPARE(linha(e.gradeLista, 0), (QStringList{QStringLiteral("57"), QStringLiteral("Ana Souza"), QStringLiteral("06/12/2026"), QStringLiteral("09:15:00")}));
        QCOMPARE(e.gradeLista->linhas(), 17);
        qint32 entrada = 0;
        no_dialogo<FrmEntradaEquipamento>([&entrada](FrmEntradaEquipamento& d) {
            entrada = d.codigoEditado();
            QVERIFY(!d.inclusao());
            d.cancelar_clicado();
        });
        duplo_clique(e.gradeLista, 0, 1);
        QCOMPARE(entrada, 57);
        QCOMPARE(valor(QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = 57")).toInt(), 2);
    }

    // The budget's question keeps the blank before "?"; No deletes nothing,
    // Yes deletes the budget with its items and the list loses it.
    void excluiOrcamento()
    {
        FrmLocalizaOrcamento& f = abre<FrmLocalizaOrcamento>("menuLocalizarOrcamento");
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        amb->msgs.respostas({false});
        QTest::mouseClick(f.botaoExcluir, Qt::LeftButton);
        QCOMPARE(amb->msgs.mostradas().last().texto, QStringLiteral("Confirma a exclusão deste orçamento ?"));
        QCOMPARE(amb->msgs.mostradas().last().tipo, Mostrada::Pergunta);
        QCOMPARE(valor(QStringLiteral("select count(*) from orcamento")).toInt(), 2);

        amb->msgs.respostas({true});
        QTest::mouseClick(f.botaoExcluir, Qt::LeftButton);
        QCOMPARE(codigos(f.gradeLista), QStringList{QStringLiteral("2")});
        QCOMPARE(valor(QStringLiteral("select count(*) from item_orcamento")).toInt(), 0);
        QVERIFY(f.isVisible());
    }

    // An order with receivables is refused by the database: the message of
    // trata_erro_banco, and the order keeps its items. One without goes.
    void excluiOrdem()
    {
        FrmConsultaOrdem& f = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        amb->msgs.respostas({true});
        QTest::mouseClick(f.botaoExcluir, Qt::LeftButton); // order 1, with receivables
        QCOMPARE(amb->msgs.textos(), (QStringList{QStringLiteral("Confirma a exclusão desta ordem ?"),
                                                  QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!")}));
        QCOMPARE(valor(QStringLiteral("select count(*) from item_ordem where nordem = 1")).toInt(), 2);
        QCOMPARE(codigos(f.gradeLista).size(), 4);
        clica_linha(f.gradeLista, 3);
        amb->msgs.respostas({true});
        QTest::mouseClick(f.botaoExcluir, Qt::LeftButton);
        QCOMPARE(codigos(f.gradeLista), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(valor(QStringLiteral("select count(*) from item_ordem where nordem = 4")).toInt(), 0);

        // the entry's question: a determiner and a noun
        FrmConsultaEntradasEquipamento& e = abre<FrmConsultaEntradasEquipamento>("menuLocalizarEntrada");
        QTest::mouseClick(e.botaoMostrar, Qt::LeftButton);
        amb->msgs.limpa();
        amb->msgs.respostas({false});
        QTest::mouseClick(e.botaoExcluir, Qt::LeftButton);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Confirma a exclusão desta entrada?")});
    }

    // "Imprimir": an order not concluded is refused with the message; a
    // concluded one and an entry are printed again.
    void imprimeDeNovo()
    {
        FrmConsultaOrdem& f = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        clica_linha(f.gradeLista, 3);
        QTest::mouseClick(f.botaoImprimir, Qt::LeftButton);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Essa ordem ainda não foi concluída e por isso não pode ser impressa!")});
        QCOMPARE(amb->msgs.mostradas().first().icone, Mensagens::Icone::Informacao);
        QVERIFY(previas_abertas().isEmpty());
        clica_linha(f.gradeLista, 0);
        amb->msgs.respostas({true});
        int previas = 0;
        const auto conta_previa = [&previas](FrmRelatorio&) { ++previas; };
        ao_abrir_previa(conta_previa);
        QTest::mouseClick(f.botaoImprimir, Qt::LeftButton);
        QCOMPARE(amb->msgs.mostradas().last().texto, QStringLiteral("Deseja emitir a ordem de serviço?"));
        QCOMPARE(previas, 1);
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{view_ordem.codigo_ordem}=1"));

        FrmConsultaEntradasEquipamento& e = abre<FrmConsultaEntradasEquipamento>("menuLocalizarEntrada");
        QTest::mouseClick(e.botaoMostrar, Qt::LeftButton);
        amb->msgs.respostas({true});
        ao_abrir_previa(conta_previa);
        QTest::mouseClick(e.botaoImprimir, Qt::LeftButton);
        QCOMPARE(previas, 2);
        QCOMPARE(cr().Formulas[0], QStringLiteral("Numero='06/12/2026 - N.º 57'"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{entrada_equipamento.ncodigo}=57"));

        // a budget too, for the customer to approve
        FrmLocalizaOrcamento& o = abre<FrmLocalizaOrcamento>("menuLocalizarOrcamento");
        QTest::mouseClick(o.botaoMostrar, Qt::LeftButton);
        clica_linha(o.gradeLista, 0);
        amb->msgs.respostas({true});
        int linhas = 0;
        ao_abrir_previa([&linhas](FrmRelatorio& p) { linhas = p.relatorio().dados().linhas(); });
        QTest::mouseClick(o.botaoImprimir, Qt::LeftButton);
        QCOMPARE(amb->msgs.mostradas().last().texto, QStringLiteral("Deseja emitir o orçamento?"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{orcamento.ncodigo}=1"));
        QCOMPARE(linhas, 2); // its two items
    }

    // A search screen's list to a spreadsheet: every row of its query, the
    // columns it shows, dates as shown and amounts plain; a list not shown
    // yet is not exported.
    void exportaPlanilha()
    {
        FrmConsultaOrdem& f = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        clica(f.botaoExportar);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Não há lista para exportar: mostre a lista primeiro."));
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        const QList<QStringList> csv = exporta_e_le(f.botaoExportar, amb->banco.pasta() + QStringLiteral("/ordens.csv"));
        QCOMPARE(csv, (QList<QStringList>{cabecalho(f.gradeLista),
                                          {QStringLiteral("1"), QStringLiteral("Ana Souza"), QStringLiteral("07/12/2026"), QStringLiteral("300,50"), QStringLiteral("Sim")},
                                          {QStringLiteral("2"), QStringLiteral("Bruno Lima"), QStringLiteral("08/12/2026"), QStringLiteral("0,00"), QStringLiteral("Sim")},
                                          {QStringLiteral("3"), QStringLiteral("Bruno Lima"), QStringLiteral("09/12/2026"), QStringLiteral("75,50"), QStringLiteral("Sim")},
                                          {QStringLiteral("4"), QStringLiteral("Ana Souza"), QStringLiteral("10/12/2026"), QStringLiteral("40,00"), QStringLiteral("Não")}}));
    }

    // One amount (as stored, and as the user reads it) through every kind
    // of list that reads money from the database, a form's total and a
    // spreadsheet cell: the driver hands round ones over as "1e+05" and
    // others with a floating point's last digits, and none may come out as
    // R$ 0,00 or a cent off. Stored in order 6 (one item on Bruno's Epson),
    // budget 3 and an open instalment of order 6.
    void valoresEmCadaLista_data()
    {
        QTest::addColumn<QString>("banco");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("1,00") << QStringLiteral("1.00") << QStringLiteral("1,00");
        QTest::newRow("1,01") << QStringLiteral("1.01") << QStringLiteral("1,01");
        QTest::newRow("10,00") << QStringLiteral("10.00") << QStringLiteral("10,00");
        QTest::newRow("10,01") << QStringLiteral("10.01") << QStringLiteral("10,01");
        QTest::newRow("100,00") << QStringLiteral("100.00") << QStringLiteral("100,00");
        QTest::newRow("100,01") << QStringLiteral("100.01") << QStringLiteral("100,01");
        QTest::newRow("1.000,00") << QStringLiteral("1000.00") << QStringLiteral("1.000,00");
        QTest::newRow("1.000,01") << QStringLiteral("1000.01") << QStringLiteral("1.000,01");
        QTest::newRow("10.000,00") << QStringLiteral("10000.00") << QStringLiteral("10.000,00");
        QTest::newRow("10.000,01") << QStringLiteral("10000.01") << QStringLiteral("10.000,01");
        QTest::newRow("100.000,00") << QStringLiteral("100000.00") << QStringLiteral("100.000,00");
        QTest::newRow("100.000,01") << QStringLiteral("100000.01") << QStringLiteral("100.000,01");
        QTest::newRow("1.000.000,00") << QStringLiteral("1000000.00") << QStringLiteral("1.000.000,00");
        QTest::newRow("1.000.000,01") << QStringLiteral("1000000.01") << QStringLiteral("1.000.000,01");
        QTest::newRow("10.000.000,00") << QStringLiteral("10000000.00") << QStringLiteral("10.000.000,00");
        QTest::newRow("10.000.000,01") << QStringLiteral("10000000.01") << QStringLiteral("10.000.000,01");
        QTest::newRow("100.000.000,00") << QStringLiteral("100000000.00") << QStringLiteral("100.000.000,00");
        QTest::newRow("100.000.000,01") << QStringLiteral("100000000.01") << QStringLiteral("100.000.000,01");
        QTest::newRow("1.000.000.000,00") << QStringLiteral("1000000000.00") << QStringLiteral("1.000.000.000,00");
        QTest::newRow("1.000.000.000,01") << QStringLiteral("1000000000.01") << QStringLiteral("1.000.000.000,01");
        QTest::newRow("10.000.000.000,00") << QStringLiteral("10000000000.00") << QStringLiteral("10.000.000.000,00");
        QTest::newRow("10.000.000.000,01") << QStringLiteral("10000000000.01") << QStringLiteral("10.000.000.000,01");
        QTest::newRow("100.000.000.000,00") << QStringLiteral("100000000000.00") << QStringLiteral("100.000.000.000,00");
        QTest::newRow("100.000.000.000,01") << QStringLiteral("100000000000.01") << QStringLiteral("100.000.000.000,01");
        QTest::newRow("1.000.000.000.000,00") << QStringLiteral("1000000000000.00") << QStringLiteral("1.000.000.000.000,00");
        QTest::newRow("1.000.000.000.000,01") << QStringLiteral("1000000000000.01") << QStringLiteral("1.000.000.000.000,01");
        QTest::newRow("999.999.999.999,00") << QStringLiteral("999999999999.00") << QStringLiteral("999.999.999.999,00");
        QTest::newRow("999.999.999.999,99") << QStringLiteral("999999999999.99") << QStringLiteral("999.999.999.999,99");
    }
    void valoresEmCadaLista()
    {
        QFETCH(QString, banco);
        QFETCH(QString, mostrado);
        const Dinheiro lido = Dinheiro::deCentavos(QString(banco).remove(QLatin1Char('.')).toLongLong());
        const QString planilha = QString(banco).replace(QLatin1Char('.'), QLatin1Char(','));
        executa(QStringLiteral("insert into ordem values(null,3,'2026-12-12','10:00:00',%1,'',1,1,0);").arg(banco));
        executa(QStringLiteral("insert into item_ordem values(null,6,3,'Recuperação da placa',%1,1 );").arg(banco));
        executa(QStringLiteral("insert into orcamento values(null,3,'2026-12-12','10:00:00',%1,'',0,1);").arg(banco));
        executa(QStringLiteral("insert into conta_receber values(null,6,'1/1','%1',0,'2027-03-01',0)").arg(banco));
        const qint32 parcela = valor(QStringLiteral("select max(ncodigo) from conta_receber")).toInt();
        // the cell shows the amount, and the list keeps the amount read behind it
        auto confere = [&](const Grade* g, int linha, int coluna) {
            QVERIFY2(linha >= 0, "linha não listada");
            QCOMPARE(g->texto(linha, coluna), reais(mostrado));
            QCOMPARE(g->model()->index(linha, coluna).data(ModeloGrade::PapelValor).value<Dinheiro>(), lido);
        };

        FrmConsultaOrdem& o = abre<FrmConsultaOrdem>("menuLocalizarOrdem");
        QTest::mouseClick(o.botaoMostrar, Qt::LeftButton);
        confere(o.gradeLista, linha_do_codigo(o.gradeLista, 6), 3);
        const QList<QStringList> csv = exporta_e_le(o.botaoExportar, amb->banco.pasta() + QStringLiteral("/ordens.csv"));
        const auto daOrdem = std::find_if(csv.begin(), csv.end(), [](const QStringList& l) { return l.value(0) == QLatin1String("6"); });
        QVERIFY(daOrdem != csv.end());
        QCOMPARE(daOrdem->value(3), planilha);
        // the order's form: the item's price and the total, as read
        no_dialogo<FrmOrdem>([&](FrmOrdem& f) {
            QCOMPARE(f.caixaTotal->text(), reais(mostrado));
            confere(f.gradeItens, 0, 4);
            f.cancelar_clicado();
        });
        clica_linha(o.gradeLista, linha_do_codigo(o.gradeLista, 6));
        QTest::mouseClick(o.botaoDetalhes, Qt::LeftButton);
        QCOMPARE(acoes_modais_pendentes(), 0);

        FrmLocalizaOrcamento& b = abre<FrmLocalizaOrcamento>("menuLocalizarOrcamento");
        QTest::mouseClick(b.botaoMostrar, Qt::LeftButton);
        confere(b.gradeLista, linha_do_codigo(b.gradeLista, 3), 3);

        FrmConsultaServicoMaquina& h = abre<FrmConsultaServicoMaquina>("menuServicoEquipamento");
        h.caixaMaquina->setFocus();
        digita(h.caixaMaquina, QStringLiteral("3"));
        tecla(h.caixaMaquina, Qt::Key_Tab);
        QTest::mouseClick(h.botaoMostrar, Qt::LeftButton);
        confere(h.gradeLista, linha_do_codigo(h.gradeLista, 6), 3);

        // the open receivables: the instalment's value, what is paid, what
        // is open; the write-off proposes the open amount the list read
        FrmContasReceber& r = abre<FrmContasReceber>("menuContasReceber");
        r.escolhaFiltro->setCurrentIndex(int(FiltroContas::Todas));
        clica(r.botaoMostrar);
        const int l = linha_do_codigo(r.gradeLista, parcela);
        confere(r.gradeLista, l, 3);
        QCOMPARE(r.gradeLista->texto(l, 6), reais("0,00"));
        confere(r.gradeLista, l, FrmContasReceber::ColunaAberto);
        const QList<QStringList> abertas = exporta_e_le(r.botaoExportar, amb->banco.pasta() + QStringLiteral("/receber.csv"));
        // its columns as shown: the code is hidden, "Numero docto" (3) holds it
        const auto daParcela = std::find_if(abertas.begin(), abertas.end(), [&](const QStringList& c) { return c.value(3) == QString::number(parcela); });
        QVERIFY(daParcela != abertas.end());
        QCOMPARE(daParcela->value(2), planilha);
        QCOMPARE(daParcela->value(6), planilha);
        no_dialogo<FrmBaixaContasReceber>([&](FrmBaixaContasReceber& f) {
            QCOMPARE(f.caixaValorAtual->text(), reais(mostrado));
            QCOMPARE(f.caixaValor->text(), reais(mostrado));
            clica(f.botaoSair);
        });
        r.gradeLista->defineLinhaAtual(l);
        clica(r.botaoBaixar);
        QCOMPARE(acoes_modais_pendentes(), 0);
        QVERIFY2(amb->msgs.mostradas().size() == 2, qPrintable(amb->msgs.textos().join(QLatin1Char('\n')))); // the two exports' notices
    }

    // A value of a money column that is no amount is an error the clerk
    // reads: the list shows nothing rather than a wrong figure, and there
    // is nothing to export.
    void valorIlegivelNaoEListado()
    {
        abre_como_dono(amb->banco.fonte()); // only the owner changes the schema
        executa(QStringLiteral(
            "create or alter view servico_equipamento (equipamento_cliente, codigo, data, servico, valor, codigo_cliente, "
            "nome_cliente, equipamento, identificacao, codigo_tecnico, nome_tecnico, garantia, concluida, codigo_item) as "
            "select i.nequipamento_cliente, o.ncodigo, o.ddata, i.cservico, cast('doze' as varchar(10)), o.ncliente, "
            "cast('' as varchar(10)), cast('' as varchar(10)), cast('' as varchar(10)), i.ntecnico, cast('' as varchar(10)), "
            "o.ntipo, o.nconcluida, i.ncodigo from item_ordem i join ordem o on o.ncodigo = i.nordem"));
        FrmConsultaServicoMaquina& h = abre<FrmConsultaServicoMaquina>("menuServicoEquipamento");
        h.caixaMaquina->setFocus();
        digita(h.caixaMaquina, QStringLiteral("1"));
        tecla(h.caixaMaquina, Qt::Key_Tab);
        QTest::mouseClick(h.botaoMostrar, Qt::LeftButton);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("O campo VALOR não contém um valor em reais: \"doze\"")});
        QVERIFY(codigos(h.gradeLista).isEmpty());
        QCOMPARE(h.gradeLista->linhas(), 16);
        clica(h.botaoExportar);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Não há lista para exportar: mostre a lista primeiro."));
    }
};

QTEST_MAIN(TstLocalizar)
#include "tst_localizar.moc"
