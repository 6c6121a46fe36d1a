// The report commands of the main window, driven from its menu with the
// real period dialog and lookups: what each passes to the report control
// (formula fields at their positions, selection with both date forms, the
// reset between runs), the totals of the billing statement, and that a
// cancelled dialog runs nothing.
#include "apoio.h"
#include "controlerelatorio.h"
#include "estabelecimento.h"
#include "frmconsulta.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "frmselecionaperiodo.h"
#include "grade.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "motorrelatorio.h"
#include "relatorio.h"
#include "relogio.h"
#include "sessao.h"
#include "textopdf.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace apoio;

namespace {

// The period dialog, answered with these dates and "Ok" clicked.
void responde_periodo(const QDate& de, const QDate& ate)
{
    no_dialogo<FrmSelecionaPeriodo>([de, ate](FrmSelecionaPeriodo& f) {
        f.dataInicial->setDate(de);
        f.dataFinal->setDate(ate);
        QTest::mouseClick(f.botaoOk, Qt::LeftButton);
    });
}

// The period dialog left by "Cancelar".
void cancela_periodo()
{
    no_dialogo<FrmSelecionaPeriodo>([](FrmSelecionaPeriodo& f) { QTest::mouseClick(f.botaoCancelar, Qt::LeftButton); });
}

// The lookup dialog: the name typed, "Procurar", the first row accepted
// (or "&Sair" when `aceita` is false).
void responde_consulta(const QString& nome, bool aceita = true)
{
    no_dialogo<FrmConsulta>([nome, aceita](FrmConsulta& f) {
        digita(f.caixaBusca, nome);
        QTest::mouseClick(f.botaoProcurar, Qt::LeftButton);
        QTest::mouseClick(aceita ? f.botaoAceitar : f.botaoSair, Qt::LeftButton);
    });
}

QString periodo(const QString& de, const QString& ate) { return QStringLiteral("Periodo= 'Periodo de %1 a %2'").arg(de, ate); }

} // namespace

class TstComandos : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;

    // Runs a menu item as a user clicks it; gives the preview it opened.
    FrmRelatorio* menu(const char* item)
    {
        fecha_previas();
        QAction* a = principal->item(QString::fromLatin1(item));
        if (!a || !a->isEnabled())
            return nullptr;
        a->trigger();
        const QList<FrmRelatorio*> ps = previas_abertas();
        return ps.size() == 1 ? ps.first() : nullptr;
    }
    // the shop's name and footer as its record holds them
    QString nomeEmpresa() const { return Estabelecimento::le(conexao).nome; }
    QString rodape() const { return QStringLiteral("Rodape='") + Estabelecimento::le(conexao).rodape + QLatin1Char('\''); }
    QStringList formulas() const { return QStringList(cr().Formulas.begin(), cr().Formulas.end()); }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        principal = janela_principal();
    }
    void cleanup()
    {
        fecha_previas();
        limpa_acoes_modais();
        Relogio::solta();
        principal.reset();
        amb.reset();
    }

    // Both pickers start at today; Enter walks them to "Ok", which gives the
    // dates as the answer; "Cancelar" and the close box give none.
    void periodoPeloTeclado()
    {
        Relogio::fixa(QDateTime(QDate(2027, 3, 9), QTime(10, 0)));
        no_dialogo<FrmSelecionaPeriodo>([](FrmSelecionaPeriodo& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
            QCOMPARE(f.rotuloPeriodo->text(), QStringLiteral("Período de:"));
            QCOMPARE(f.dataInicial->accessibleName(), QStringLiteral("Período de:"));
            QCOMPARE(f.dataInicial->date(), QDate(2027, 3, 9));
            QCOMPARE(f.dataFinal->date(), QDate(2027, 3, 9));
            QCOMPARE(QApplication::focusWidget(), f.dataInicial);
            tecla(f.dataInicial, Qt::Key_Return);
            QVERIFY(f.dataFinal->hasFocus() || f.dataFinal->isAncestorOf(QApplication::focusWidget()));
            tecla(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f.botaoOk);
            tecla(f.botaoOk, Qt::Key_Return);
        });
        FrmSelecionaPeriodo& dialogo = form<FrmSelecionaPeriodo>();
        std::optional<Periodo> p = dialogo.escolhe();
        QVERIFY(p);
        QCOMPARE(p->inicio, QDate(2027, 3, 9));
        QCOMPARE(p->fim, QDate(2027, 3, 9));

        cancela_periodo();
        QVERIFY(!dialogo.escolhe());
        ao_abrir_modal([](QDialog& d) { d.close(); }); // the close box
        QVERIFY(!dialogo.escolhe());
        // an end before the start is handed over as chosen
        responde_periodo(QDate(2027, 3, 9), QDate(2027, 3, 1));
        p = dialogo.escolhe();
        QVERIFY(p);
        QCOMPARE(p->fim, QDate(2027, 3, 1));
        QCOMPARE(acoes_modais_pendentes(), 0);
    }

    // 003 for April 2013: start as yyyy-mm-dd, end as dd/mm/yyyy; then 008,
    // which carries no period because every run starts with the reset.
    void contasAReceberEDepoisServicosDoCliente()
    {
        executa(QStringLiteral("insert into conta_receber values(null,1,'3/3','75.00',0,'2013-04-30',0)  "));
        const int conta = valor(QStringLiteral("select max(ncodigo) from conta_receber")).toInt();
        responde_periodo(QDate(2013, 4, 1), QDate(2013, 4, 30));
        FrmRelatorio* f = menu("menuRelContasReceber");
        QVERIFY(f);
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("003.rpt")));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{view_contas_a_receber.vencimento}>=date('2013-04-01') and "
                                                       "{view_contas_a_receber.vencimento}<=date('30/04/2013')    "));
        QCOMPARE(formulas().mid(0, 4), (QStringList{QStringLiteral("Nome_empresa='") + nomeEmpresa() + QLatin1Char('\''),
                                                   periodo(QStringLiteral("01/04/2013"), QStringLiteral("30/04/2013")), rodape(), QString()}));
        // the instalment of the last day is in, shown by its own code
        QCOMPARE(f->relatorio().dados().linhas(), 1);
        const QString pdf = amb->banco.pasta() + QStringLiteral("/003.pdf");
        QVERIFY(f->salvaPdf(pdf));
        const QString t = plano(paginas_pdf(pdf, true).join(QLatin1Char(' ')));
        QVERIFY2(t.contains(QStringLiteral("Documento")) && t.contains(QStringLiteral("30/04/2013 %1 1 3/3").arg(conta)), qPrintable(t));

        responde_consulta(QStringLiteral("ana"));
        f = menu("menuRelServicosCliente");
        QVERIFY(f);
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("008.rpt")));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{servico_por_tecnico.codigo_cliente} = 2"));
        QCOMPARE(formulas(), (QStringList{QStringLiteral("NomeEmpresa='") + nomeEmpresa() + QLatin1Char('\''), rodape(), {}, {}, {}, {}, {}, {}, {}, {}}));
        QCOMPARE(f->relatorio().dados().linhas(), 2); // Ana's two services, whatever their date
        QVERIFY(amb->msgs.mostradas().isEmpty());
    }

    // 006: positions 1 to 3, position 0 empty; the technician's services of
    // the period only.
    void extratoDoTecnico()
    {
        responde_periodo(QDate(2026, 12, 1), QDate(2026, 12, 7));
        responde_consulta(QStringLiteral("Carlos"));
        FrmRelatorio* f = menu("menuRelExtratoTecnico");
        QVERIFY(f);
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{servico_por_tecnico.data}>=date('2026-12-01') and {servico_por_tecnico.data}<=date('07/12/2026') "
                                                       "and {servico_por_tecnico.codigo_tecnico}=1"));
        QCOMPARE(formulas().mid(0, 5), (QStringList{QString(), QStringLiteral("NomeEmpresa='") + nomeEmpresa() + QLatin1Char('\''),
                                                   periodo(QStringLiteral("01/12/2026"), QStringLiteral("07/12/2026")), rodape(), QString()}));
        QCOMPARE(f->relatorio().dados().linhas(), 1); // the warranty job of the 8th is outside
    }

    // A cancelled period or lookup runs nothing and leaves the control as
    // it was.
    void cancelarNaoRodaNada()
    {
        cr().SelectionFormula = QStringLiteral("anterior");
        for (const char* item : {"menuRelContasReceber", "menuRelContasRecebidas", "menuRelExtratoTecnico", "menuRelFaturamento"}) {
            cancela_periodo();
            QVERIFY2(!menu(item), item);
            QCOMPARE(acoes_modais_pendentes(), 0); // and no lookup after the period
        }
        responde_periodo(QDate(2026, 12, 1), QDate(2026, 12, 31));
        responde_consulta(QStringLiteral("Carlos"), false);
        QVERIFY(!menu("menuRelExtratoTecnico"));
        responde_consulta(QStringLiteral("Ana"), false);
        QVERIFY(!menu("menuRelServicosCliente"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("anterior"));
        QVERIFY(amb->msgs.mostradas().isEmpty());
    }

    // 007: customers, value and items of every order of the period,
    // concluded or not; an empty period gives zeros, R$ 0,00 included.
    void faturamentoCalculadoPeloPrograma()
    {
        executa(QStringLiteral("insert into ordem values(null,2,'2026-12-20','09:00:00',49.50,'',1,0,0);")); // open order of Ana
        executa(QStringLiteral("insert into item_ordem values(null,3,1,'Diagnóstico',49.50,2 );"));
        executa(QStringLiteral("insert into ordem values(null,3,'2027-01-02','09:00:00',80,'',1,1,0);")); // outside
        responde_periodo(QDate(2026, 12, 1), QDate(2026, 12, 31));
        FrmRelatorio* f = menu("menuRelFaturamento");
        QVERIFY(f);
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("007.rpt")));
        QVERIFY(cr().SelectionFormula.isEmpty());
        QCOMPARE(formulas().mid(0, 7), (QStringList{QStringLiteral("Clientes='2'"), QStringLiteral("Faturamento='R$\u00a0350,00'"),
                                                   QStringLiteral("Manutencoes='4'"), QStringLiteral("NomeEmpresa='") + nomeEmpresa() + QLatin1Char('\''),
                                                   periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026")), rodape(), QString()}));

        responde_periodo(QDate(2013, 4, 1), QDate(2013, 4, 30));
        f = menu("menuRelFaturamento");
        QVERIFY(f);
        QCOMPARE(formulas().mid(0, 3), (QStringList{QStringLiteral("Clientes='0'"), QStringLiteral("Faturamento='R$\u00a00,00'"),
                                                   QStringLiteral("Manutencoes='0'")}));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/007.pdf");
        QVERIFY(f->salvaPdf(pdf));
        const QString t = plano(paginas_pdf(pdf, true).join(QLatin1Char(' ')));
        QVERIFY2(t.contains(QStringLiteral("Faturamento R$ 0,00")), qPrintable(t));
    }

    // 004 keeps what was paid during the last day of the period.
    void contasRecebidas()
    {
        responde_periodo(QDate(2026, 12, 1), QDate(2026, 12, 15));
        FrmRelatorio* f = menu("menuRelContasRecebidas");
        QVERIFY(f);
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2026-12-01') and "
                                                       "{view_contas_recebidas.data_baixa}<=date('15/12/2026')"));
        QCOMPARE(formulas()[1], periodo(QStringLiteral("01/12/2026"), QStringLiteral("15/12/2026")));
        QCOMPARE(f->relatorio().dados().linhas(), 1);
    }
    // 009: every write-off dated in the period, partial and full, the last
    // day whole; by payment form with subtotals, discounts and surcharges,
    // and a total that agrees to the cent with the write-offs table.
    void recebimentosNoPeriodo()
    {
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,40,0,0,0,'P','','2026-12-05 09:00:00');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,33.33,1,1.5,0.75,'P','','2026-12-31 23:59:59');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,9.99,4,0,0,'P','','2027-01-01 00:00:00');")); // outside
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,12.5,5,0,0,'P','','2026-12-10 10:00:00');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,7.25,6,0,0,'P','','2026-12-11 10:00:00');"));
        responde_periodo(QDate(2026, 12, 1), QDate(2026, 12, 31));
        FrmRelatorio* f = menu("menuRelRecebimentos");
        QVERIFY(f);
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("009.rpt")));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{baixa_conta_receber.ddata_baixa}>=date('2026-12-01') and "
                                                       "{baixa_conta_receber.ddata_baixa}<=date('31/12/2026')"));
        QCOMPARE(formulas().mid(0, 3), (QStringList{QStringLiteral("Nome_empresa='") + nomeEmpresa() + QLatin1Char('\''),
                                                   periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026")), rodape()}));
        const QString noPeriodo = QStringLiteral(" from baixa_conta_receber where ddata_baixa >= '2026-12-01' and ddata_baixa < '2027-01-01'");
        QCOMPARE(f->relatorio().dados().linhas(), conta(QStringLiteral("select count(*)") + noPeriodo));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/009.pdf");
        QVERIFY(f->salvaPdf(pdf));
        const QString t = plano(paginas_pdf(pdf, true).join(QLatin1Char(' '))).replace(QStringLiteral(" :"), QStringLiteral(":"));
        // the subtotals and the total, read from the table
        auto somas = [&](const QString& onde) {
            Recordset rs(conexao);
            rs.abre(QStringLiteral("select count(*) as n, sum(ndesconto) as d, sum(nacrescimo) as a, sum(nvalor_baixa) as v") + noPeriodo + onde);
            const QString r = QStringLiteral("%1 baixas %2 %3 %4").arg(rs.texto(QStringLiteral("n")), rs.dinheiro(QStringLiteral("d")).moeda(),
                                                                       rs.dinheiro(QStringLiteral("a")).moeda(), rs.dinheiro(QStringLiteral("v")).moeda());
            return plano(r).replace(QChar(0x00a0), QLatin1Char(' '));
        };
        confere_textos(t, {QStringLiteral("Recebimentos no período"), QStringLiteral("Forma de pagamento: Dinheiro"),
                           QStringLiteral("Subtotal Dinheiro: ") + somas(QStringLiteral(" and nforma_pagto = 0")),
                           QStringLiteral("Subtotal Cheque: ") + somas(QStringLiteral(" and nforma_pagto = 1")),
                           QStringLiteral("Forma de pagamento: Pix"), QStringLiteral("Subtotal Pix: 1 baixas R$ 0,00 R$ 0,00 R$ 12,50"),
                           QStringLiteral("Forma de pagamento: Boleto bancário"),
                           QStringLiteral("Subtotal Boleto bancário: 1 baixas R$ 0,00 R$ 0,00 R$ 7,25"),
                           QStringLiteral("Total recebido no período: ") + somas(QString()),
                           QStringLiteral("31/12/2026 23:59"), QStringLiteral("Parcial")});
        QVERIFY2(t.contains(QStringLiteral("Total recebido no período: 5 baixas R$ 1,50 R$ 0,75 R$ 243,33")), qPrintable(t));
        QVERIFY(!t.contains(QStringLiteral("9,99")));
        QVERIFY(!t.contains(QStringLiteral("Outros")));
        // every row of the date and customer columns in their one type size
        static const QRegularExpression hora(QStringLiteral("^\\d\\d:\\d\\d$"));
        QList<double> alturas;
        for (const PalavraPdf& p : palavras_pdf(pdf))
            if (p.texto == QLatin1String("Souza") || hora.match(p.texto).hasMatch())
                alturas << p.caixa.height();
        QCOMPARE(alturas.size(), 10);
        for (double h : alturas)
            QVERIFY2(qAbs(h - alturas.first()) < alturas.first() * 0.005, qPrintable(QString::number(h)));
    }
};

QTEST_MAIN(TstComandos)
#include "tst_comandos.moc"
