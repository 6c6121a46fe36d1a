// The shared procedures: money, field kinds, keys, literals, grid.
#include "apoio.h"
#include "dinheiro.h"
#include "extenso.h"
#include "filtroteclas.h"
#include "grade.h"
#include "errosbanco.h"
#include "formatos.h"
#include "datas.h"
#include "localizacao.h"
#include "mensagens.h"
#include "relogio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QTranslator>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QTest>
#include <QVBoxLayout>
#include <limits>

using namespace apoio;

// A small form with the shared keys: a date, a money, a code, a signed
// decimal and a plain text field, and a save button.
struct FormTeclas {
    QDialog dlg;
    QLineEdit* data = new QLineEdit(&dlg);
    QLineEdit* valor = new QLineEdit(&dlg);
    QLineEdit* codigo = new QLineEdit(&dlg);
    QLineEdit* decimal = new QLineEdit(&dlg);
    QLineEdit* nome = new QLineEdit(&dlg);
    QPushButton* gravar = new QPushButton(QStringLiteral("&Gravar"), &dlg);
    FiltroTeclas* teclas = new FiltroTeclas(&dlg);
    int f12 = 0, f11 = 0;

    FormTeclas()
    {
        auto* l = new QVBoxLayout(&dlg);
        for (QWidget* w : std::initializer_list<QWidget*>{data, valor, codigo, decimal, nome, gravar})
            l->addWidget(w);
        teclas->tipoCampo(data, CampoData);
        teclas->tipoCampo(valor, CampoDinheiro);
        teclas->tipoCampo(codigo, CampoInteiro);
        teclas->tipoCampo(decimal, CampoDecimal);
        teclas->botaoF5(gravar);
        teclas->aoF12(codigo, [this] { ++f12; });
        teclas->aoF11(codigo, [this] { ++f11; });
        teclas->instala();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    }
};

class TstCommon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configura_locale(); }

    // Qt's own texts come in Portuguese once the start-up set the locale
    // (twice, as each test's set-up does: one translator all the same).
    void qtEmPortugues()
    {
        configura_locale();
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), 1);
        QDialogButtonBox botoes(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
        QStringList textos;
        for (auto b : {QDialogButtonBox::Save, QDialogButtonBox::Cancel, QDialogButtonBox::Yes, QDialogButtonBox::No})
            textos << botoes.button(b)->text();
        QCOMPARE(textos, (QStringList{QStringLiteral("Salvar"), QStringLiteral("Cancelar"), QStringLiteral("&Sim"), QStringLiteral("&Não")}));
        QLineEdit caixa;
        const std::unique_ptr<QMenu> menu(caixa.createStandardContextMenu());
        textos.clear();
        for (const QAction* a : menu->actions())
            if (!a->isSeparator())
                textos << a->text();
        QCOMPARE(textos, (QStringList{QStringLiteral("&Desfazer\tCtrl+Z"), QStringLiteral("&Refazer\tCtrl+Y"), QStringLiteral("Recor&tar\tCtrl+X"),
                              QStringLiteral("&Copiar\tCtrl+C"), QStringLiteral("C&olar\tCtrl+V"), QStringLiteral("Excluir"),
                              QStringLiteral("Selecionar tudo\tCtrl+A")}));
    }

    void dinheiroLeTextoDoUsuario()
    {
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("12,5"))->centavos(), 1250);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("1.234,50"))->centavos(), 123450);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("R$ 1.234,50"))->centavos(), 123450);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("R$\u00a01.234,50"))->centavos(), 123450);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("-3"))->centavos(), -300);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("-R$ 0,05"))->centavos(), -5);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("0,125"))->centavos(), 13); // half away from zero
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("99999999999,99"))->centavos(), 9999999999999LL);
        QVERIFY(!Dinheiro::leTexto(QStringLiteral("abc")));
        QVERIFY(!Dinheiro::leTexto(QString()));
        QVERIFY(!Dinheiro::leTexto(QStringLiteral("1,2,3")));
        QVERIFY(!Dinheiro::leTexto(QStringLiteral("12a")));
        QVERIFY(!Dinheiro::leTexto(QStringLiteral("1.23,00"))); // misplaced thousands separator
        // a point with one or two digits after it is a decimal point; with three, thousands
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("12.50"))->centavos(), 1250);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("R$ 0.5"))->centavos(), 50);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("-7.05"))->centavos(), -705);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("1.234"))->centavos(), 123400);
        QCOMPARE(Dinheiro::leTexto(QStringLiteral("1.234.567"))->centavos(), 123456700);
        for (const char* ambiguo : {"1,234.50", "1.234.50", "12.", "1234.567", "12.50,00"})
            QVERIFY2(!Dinheiro::leTexto(QString::fromLatin1(ambiguo)), ambiguo);
    }

    // The amount in words as a cheque writes it: cases taken from the rules
    // of the language (units, teens, "cem"/"cento", "mil" without "um",
    // milhão/milhões, "de reais" after exact millions, "e" before a last
    // group below one hundred or of whole hundreds).
    void valorPorExtenso_data()
    {
        QTest::addColumn<qint64>("centavos");
        QTest::addColumn<QString>("esperado");
        const std::pair<qint64, const char*> casos[] = {
            {1, "um centavo"},
            {45, "quarenta e cinco centavos"},
            {100, "um real"},
            {200, "dois reais"},
            {1100, "onze reais"},
            {1400, "quatorze reais"},
            {1615, "dezesseis reais e quinze centavos"},
            {1900, "dezenove reais"},
            {2101, "vinte e um reais e um centavo"},
            {10000, "cem reais"},
            {10100, "cento e um reais"},
            {11000, "cento e dez reais"},
            {50000, "quinhentos reais"},
            {99999, "novecentos e noventa e nove reais e noventa e nove centavos"},
            {100000, "mil reais"},
            {100100, "mil e um reais"},
            {110000, "mil e cem reais"},
            {123000, "mil duzentos e trinta reais"},
            {200000, "dois mil reais"},
            {2100000, "vinte e um mil reais"},
            {10100000, "cento e um mil reais"},
            {20030045, "duzentos mil e trezentos reais e quarenta e cinco centavos"},
            {100000000, "um milhão de reais"},
            {200000000, "dois milhões de reais"},
            {100000100, "um milhão e um reais"},
            {120000000, "um milhão e duzentos mil reais"},
            {123456789, "um milhão duzentos e trinta e quatro mil quinhentos e sessenta e sete reais e oitenta e nove centavos"},
            {100000000000, "um bilhão de reais"},
            {300000000000, "três bilhões de reais"},
            {100200000000, "um bilhão e dois milhões de reais"},
            {99999999999999, "novecentos e noventa e nove bilhões novecentos e noventa e nove milhões novecentos e noventa e nove mil "
                             "novecentos e noventa e nove reais e noventa e nove centavos"},
        };
        for (const auto& [c, t] : casos)
            QTest::newRow(t) << c << QString::fromUtf8(t);
    }
    void valorPorExtenso()
    {
        QFETCH(qint64, centavos);
        QFETCH(QString, esperado);
        QCOMPARE(por_extenso(Dinheiro::deCentavos(centavos)), esperado);
    }

    void dinheiroEscreve()
    {
        QCOMPARE(Dinheiro::deCentavos(123450).moeda(), QStringLiteral("R$\u00a01.234,50"));
        QCOMPARE(Dinheiro::deCentavos(123450).moeda(), QLocale().toCurrencyString(1234.5));
        QCOMPARE(Dinheiro::deCentavos(-5).moeda(), QStringLiteral("-R$\u00a00,05"));
        QCOMPARE(Dinheiro::deCentavos(100000000).numero(), QStringLiteral("1.000.000,00"));
        QCOMPARE(Dinheiro::deCentavos(123450).sql(), QStringLiteral("1234.5"));
        QCOMPARE(Dinheiro::deCentavos(1200).sql(), QStringLiteral("12"));
        QCOMPARE(Dinheiro::deCentavos(5).sql(), QStringLiteral("0.05"));
        QCOMPARE(Dinheiro::deCentavos(-150).sql(), QStringLiteral("-1.5"));
        QCOMPARE(Dinheiro::deCentavos(10000).divididoPor(3).centavos(), 3333);
        QCOMPARE(Dinheiro::deCentavos(20000).divididoPor(3).centavos(), 6666); // rounded down
    }

    // Every form in which the driver hands an amount over, and what is no
    // amount (nullopt, never zero).
    void dinheiroDoBanco_data()
    {
        QTest::addColumn<QVariant>("lido");
        QTest::addColumn<QVariant>("centavos"); // none: refused
        QTest::newRow("decimal") << QVariant(QStringLiteral("1234.5")) << QVariant(qint64(123450));
        QTest::newRow("negativo") << QVariant(QStringLiteral("-0.5")) << QVariant(qint64(-50));
        QTest::newRow("sem decimais") << QVariant(QStringLiteral("250000")) << QVariant(qint64(25000000));
        QTest::newRow("expoente") << QVariant(QStringLiteral("1e+05")) << QVariant(qint64(10000000));
        QTest::newRow("expoente com decimais") << QVariant(QStringLiteral("1.2e+07")) << QVariant(qint64(1200000000));
        QTest::newRow("expoente maiúsculo") << QVariant(QStringLiteral("1.25E3")) << QVariant(qint64(125000));
        QTest::newRow("expoente negativo") << QVariant(QStringLiteral("5e-2")) << QVariant(qint64(5));
        QTest::newRow("15 algarismos") << QVariant(QStringLiteral("9999999999999.99")) << QVariant(qint64(999999999999999));
        // the driver's floating point shows in its last digits
        QTest::newRow("ruído acima") << QVariant(QStringLiteral("0.9500000000000001")) << QVariant(qint64(95));
        QTest::newRow("ruído abaixo") << QVariant(QStringLiteral("36648438.479999996")) << QVariant(qint64(3664843848));
        QTest::newRow("terceira casa") << QVariant(QStringLiteral("12.345")) << QVariant(qint64(1235));
        QTest::newRow("inteiro") << QVariant(qint64(1000000)) << QVariant(qint64(100000000));
        QTest::newRow("int") << QVariant(7) << QVariant(qint64(700));
        QTest::newRow("double de centavos") << QVariant(0.1) << QVariant(qint64(10));
        QTest::newRow("double do driver") << QVariant(95 * 0.01) << QVariant(qint64(95));
        QTest::newRow("double grande") << QVariant(999999999999.99) << QVariant(qint64(99999999999999));
        QTest::newRow("já lido") << QVariant::fromValue(Dinheiro::deCentavos(42)) << QVariant(qint64(42));
        QTest::newRow("nulo") << QVariant() << QVariant(qint64(0));
        QTest::newRow("double de meio centavo") << QVariant(0.125) << QVariant();
        QTest::newRow("double enorme") << QVariant(1e20) << QVariant();
        QTest::newRow("infinito") << QVariant(std::numeric_limits<double>::infinity()) << QVariant();
        QTest::newRow("expoente enorme") << QVariant(QStringLiteral("1e+20")) << QVariant();
        QTest::newRow("texto") << QVariant(QStringLiteral("doze")) << QVariant();
        QTest::newRow("vazio") << QVariant(QStringLiteral("")) << QVariant();
        QTest::newRow("vírgula") << QVariant(QStringLiteral("12,50")) << QVariant();
        QTest::newRow("dois pontos") << QVariant(QStringLiteral("1.2.3")) << QVariant();
        QTest::newRow("expoente sem algarismos") << QVariant(QStringLiteral("1e")) << QVariant();
        QTest::newRow("expoente quebrado") << QVariant(QStringLiteral("1e+0x5")) << QVariant();
        QTest::newRow("inteiro enorme") << QVariant(qint64(1) << 60) << QVariant();
    }
    void dinheiroDoBanco()
    {
        QFETCH(QVariant, lido);
        QFETCH(QVariant, centavos);
        const std::optional<Dinheiro> d = Dinheiro::leBanco(lido);
        QCOMPARE(d.has_value(), centavos.isValid());
        if (d)
            QCOMPARE(d->centavos(), centavos.toLongLong());
    }

    void dataDigitada()
    {
        QCOMPARE(le_data(QStringLiteral("26/04/2013")), QDate(2013, 4, 26));
        QCOMPARE(le_data(QStringLiteral("6/4/13")), QDate(2013, 4, 6));
        QVERIFY(!le_data(QString()).isValid());
    }

    // Two-digit years follow today's year, not a fixed pivot.
    void anoDeDoisDigitosEmJanelaMovel()
    {
        FormTeclas f;
        Relogio::fixa(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        QCOMPARE(le_data(QStringLiteral("01/01/30")), QDate(2030, 1, 1));
        QCOMPARE(le_data(QStringLiteral("31/12/46")), QDate(2046, 12, 31));
        QCOMPARE(le_data(QStringLiteral("01/01/47")), QDate(1947, 1, 1));
        QCOMPARE(le_data(QStringLiteral("07/12/26")), QDate(2026, 12, 7));
        Relogio::fixa(QDateTime(QDate(2031, 1, 2), QTime(10, 0)));
        f.data->setText(QStringLiteral("01/01/30"));
        formata_campo(f.data, CampoData);
        QCOMPARE(f.data->text(), QStringLiteral("01/01/2030"));
        QCOMPARE(le_data(QStringLiteral("5/3/51")), QDate(2051, 3, 5));
        QCOMPARE(le_data(QStringLiteral("5/3/52")), QDate(1952, 3, 5));
        Relogio::fixa(QDateTime(QDate(2099, 6, 1), QTime(10, 0)));
        QCOMPARE(le_data(QStringLiteral("01/01/05")), QDate(2105, 1, 1));
        QCOMPARE(le_data(QStringLiteral("01/01/98")), QDate(2098, 1, 1));
        Relogio::solta();
    }

    void nomeProprio()
    {
        QCOMPARE(nome_proprio(QStringLiteral("são JOSÉ dos campos")), QStringLiteral("São José Dos Campos"));
        QCOMPARE(nome_proprio(QStringLiteral("  rua   xv")), QStringLiteral("  Rua   Xv"));
    }

    void digitarDataInsereBarras()
    {
        FormTeclas f;
        f.data->setFocus();
        digita(f.data, QStringLiteral("26042013"));
        QCOMPARE(f.data->text(), QStringLiteral("26/04/2013"));
        // letters never go in
        f.data->clear();
        digita(f.data, QStringLiteral("2a6"));
        QCOMPARE(f.data->text(), QStringLiteral("26"));
        // a backspace that leaves two characters: the next digit brings the slash back
        f.data->setText(QStringLiteral("26/0"));
        f.data->end(false);
        tecla(f.data, Qt::Key_Backspace);
        tecla(f.data, Qt::Key_Backspace);
        QCOMPARE(f.data->text(), QStringLiteral("26"));
        digita(f.data, QStringLiteral("1"));
        QCOMPARE(f.data->text(), QStringLiteral("26/1"));
    }

    void camposFormatadosAoSair()
    {
        FormTeclas f;
        f.valor->setFocus();
        digita(f.valor, QStringLiteral("12,5"));
        f.codigo->setFocus();
        QCOMPARE(f.valor->text(), QStringLiteral("R$\u00a012,50"));

        // pasted with a point, or as a Brazilian writes thousands
        f.valor->setText(QStringLiteral("12.50"));
        formata_campo(f.valor, CampoDinheiro);
        QCOMPARE(f.valor->text(), QStringLiteral("R$\u00a012,50"));
        f.valor->setText(QStringLiteral("1.234,50"));
        formata_campo(f.valor, CampoDinheiro);
        QCOMPARE(f.valor->text(), QStringLiteral("R$\u00a01.234,50"));
        // what is not an amount is refused with a message and kept, never zero
        {
            MensagensRoteiro msgs;
            f.valor->setText(QStringLiteral("1,234.50"));
            formata_campo(f.valor, CampoDinheiro);
            QCOMPARE(f.valor->text(), QStringLiteral("1,234.50"));
            QCOMPARE(msgs.textos(), QStringList{QStringLiteral("O valor \"1,234.50\" não é válido. Informe-o como 1.234,50.")});
            f.valor->clear();
            formata_campo(f.valor, CampoDinheiro);
            QCOMPARE(f.valor->text(), QStringLiteral("R$\u00a00,00"));
            QCOMPARE(msgs.textos().size(), 1);
        }

        f.data->setText(QStringLiteral("31/02/2013"));
        formata_campo(f.data, CampoData);
        QCOMPARE(f.data->text(), QString());
        f.data->setText(QStringLiteral("5/3/2013"));
        formata_campo(f.data, CampoData);
        QCOMPARE(f.data->text(), QStringLiteral("05/03/2013"));

        f.codigo->setText(QStringLiteral("12a"));
        formata_campo(f.codigo, CampoInteiro);
        QCOMPARE(f.codigo->text(), QString());
        f.codigo->setText(QStringLiteral("12"));
        formata_campo(f.codigo, CampoInteiro);
        QCOMPARE(f.codigo->text(), QStringLiteral("12"));
    }

    void teclasPorTipoDeCampo()
    {
        FormTeclas f;
        digita(f.valor, QStringLiteral("1a2,5-"));
        QCOMPARE(f.valor->text(), QStringLiteral("12,5"));
        // the keypad's point goes in: dropped, 12.50 would read as 1250
        f.valor->clear();
        digita(f.valor, QStringLiteral("12.50"));
        QCOMPARE(f.valor->text(), QStringLiteral("12.50"));
        f.valor->clear();
        digita(f.codigo, QStringLiteral("4,2x7"));
        QCOMPARE(f.codigo->text(), QStringLiteral("427"));
        digita(f.decimal, QStringLiteral("-1,5b"));
        QCOMPARE(f.decimal->text(), QStringLiteral("-1,5"));
    }

    void enterApostrofoEFuncoes()
    {
        FormTeclas f;
        f.nome->setFocus();
        digita(f.nome, QStringLiteral("D'Ávila"));
        QCOMPARE(f.nome->text(), QStringLiteral("DÁvila"));

        f.data->setFocus();
        tecla(f.data, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.valor);
        tecla(f.valor, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), f.codigo);

        tecla(f.codigo, Qt::Key_F12);
        tecla(f.codigo, Qt::Key_F11);
        QCOMPARE(f.f12, 1);
        QCOMPARE(f.f11, 1);
        tecla(f.nome, Qt::Key_F12); // no lookup on a plain field
        QCOMPARE(f.f12, 1);

        f.nome->setFocus();
        tecla(f.nome, Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), f.gravar);
    }

    // Enter walks a form with every kind of control without changing any:
    // check boxes and radio buttons stay as they were, a date picker is
    // left in one stroke (not section by section), a combo keeps its choice;
    // only a push button is pressed by it.
    void enterAndaSemAlterarControles()
    {
        QDialog dlg;
        auto* texto = new QLineEdit(&dlg);
        auto* marca = new QCheckBox(QStringLiteral("Concluída"), &dlg);
        auto* opcao = new QRadioButton(QStringLiteral("Integral"), &dlg);
        auto* lista = new QComboBox(&dlg);
        lista->addItems({QStringLiteral("Dinheiro"), QStringLiteral("Cheque")});
        auto* data1 = new QDateEdit(QDate(2013, 4, 26), &dlg);
        auto* data2 = new QDateEdit(QDate(2013, 4, 30), &dlg);
        data1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        data2->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        auto* fim = new QLineEdit(&dlg);
        auto* botao = new QPushButton(QStringLiteral("&Gravar"), &dlg);
        int cliques = 0;
        QObject::connect(botao, &QPushButton::clicked, [&] { ++cliques; });
        auto* l = new QVBoxLayout(&dlg);
        for (QWidget* w : std::initializer_list<QWidget*>{texto, marca, opcao, lista, data1, data2, fim, botao})
            l->addWidget(w);
        auto* teclas = new FiltroTeclas(&dlg);
        teclas->instala();
        ativa(dlg);

        texto->setFocus();
        const QList<QWidget*> caminho{marca, opcao, lista, data1, data2, fim, botao};
        for (QWidget* esperado : caminho) {
            tecla(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), esperado);
        }
        QVERIFY(!marca->isChecked());
        QVERIFY(!opcao->isChecked());
        QCOMPARE(lista->currentIndex(), 0);
        QCOMPARE(data1->date(), QDate(2013, 4, 26));
        QCOMPARE(cliques, 0);
        tecla(botao, Qt::Key_Return);
        QCOMPARE(cliques, 1);
        // a checked box stays checked too
        marca->setChecked(true);
        marca->setFocus();
        tecla(marca, Qt::Key_Enter);
        QVERIFY(marca->isChecked());
        QCOMPARE(QApplication::focusWidget(), opcao);
    }

    void somaColunaParaNaLinhaVazia()
    {
        Grade g;
        g.defineNumeroColunas(2);
        g.defineNumeroLinhas(5);
        g.defineTitulo(1, QStringLiteral("Valor")); // the header is never read
        g.defineValor(0, 1, QStringLiteral("R$ 10,00"));
        g.defineValor(1, 1, QStringLiteral("1.000,50"));
        g.defineValor(3, 1, QStringLiteral("999,00")); // after the empty row 2
        QCOMPARE(soma_coluna(g, 1).centavos(), 101050);
        // a cell that is not money is never added as zero
        g.defineValor(2, 1, QStringLiteral("doze"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, soma_coluna(g, 1));
        g.defineValor(2, 1, QStringLiteral("12.50"));
        QCOMPARE(soma_coluna(g, 1).centavos(), 101050 + 1250 + 99900);
        // a cell keeps the amount it was given, and adds it as given; the
        // clerk's text over it is read as typed
        g.defineValor(0, 1, QVariant::fromValue(Dinheiro::deCentavos(10000000000001)));
        QCOMPARE(g.texto(0, 1), QStringLiteral("R$\u00a0100.000.000.000,01"));
        g.defineNumeroLinhas(19); // more rows keep it
        QCOMPARE(g.model()->index(0, 1).data(ModeloGrade::PapelValor).value<Dinheiro>(), Dinheiro::deCentavos(10000000000001));
        QCOMPARE(soma_coluna(g, 1).centavos(), 10000000000001 + 101050 - 1000 + 1250 + 99900);
        g.defineValor(0, 1, QStringLiteral("7"));
        QCOMPARE(g.valor(0, 1), QVariant(QStringLiteral("7")));
        QCOMPARE(g.dinheiro(0, 1), Dinheiro::deCentavos(700));
    }

    // Rows are kept as given (a code, a date, a text) and shown in their
    // format; the row's code has a role of its own, the header is the view's.
    void gradeGuardaALinhaComoLida()
    {
        Grade g;
        g.defineColunas({{QStringLiteral("Código"), 60, Qt::AlignCenter}, {QStringLiteral("Data"), 0, {}}, {QStringLiteral("Nome"), 100, {}}});
        g.defineNumeroLinhas(17);
        QCOMPARE(g.linhas(), 17);
        QCOMPARE(g.model()->rowCount(), 17);
        g.defineLinha(0, {qint32(7), QDate(2024, 2, 29), QStringLiteral("Ana")}, qint32(7));
        g.defineValor(16, 2, QStringLiteral("fim"));
        QCOMPARE(g.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
        QCOMPARE(g.valor(0, 0), QVariant(qint32(7)));
        QCOMPARE(g.texto(0, 1), QStringLiteral("29/02/2024"));
        QCOMPARE(g.model()->index(0, 2).data(ModeloGrade::PapelCodigo), QVariant(qint32(7)));
        QVERIFY(!g.model()->index(16, 2).data(ModeloGrade::PapelCodigo).isValid());
        QCOMPARE(g.texto(16, 2), QStringLiteral("fim"));
        QCOMPARE(g.texto(17, 0), QString()); // beyond the last row
        QCOMPARE(g.larguraColuna(0), 60);
        QVERIFY(g.isColumnHidden(1));
        QCOMPARE(g.larguraColuna(1), 0);
        QCOMPARE(g.linhaAtual(), 0);
        g.defineLinhaAtual(4);
        QCOMPARE(g.linhaAtual(), 4);
        // growing keeps what is there
        g.defineNumeroLinhas(19);
        QCOMPARE(g.texto(16, 2), QStringLiteral("fim"));
        g.limpa(3);
        QCOMPARE(g.linhas(), 3);
        QCOMPARE(g.texto(0, 0), QString());
        QVERIFY(!g.codigo(0).isValid());
        QCOMPARE(g.titulo(0), QStringLiteral("Código"));
    }

    // A designed width that would cut a header or a text grows to fit it
    // once the cells are written; short texts keep the design, hidden
    // columns stay hidden.
    void gradeAlargaColunaQueCortariaOTexto()
    {
        Grade g;
        g.defineNumeroColunas(3);
        g.defineNumeroLinhas(3);
        for (int c = 0; c < 3; ++c)
            g.defineLarguraColuna(c, 40);
        const int desenho = g.columnWidth(1);
        g.defineLarguraColuna(2, 0);
        g.defineTitulo(0, QStringLiteral("Numero docto"));
        g.defineValor(0, 0, QStringLiteral("1"));
        g.defineValor(0, 1, QStringLiteral("7"));
        g.defineValor(1, 1, QVariant::fromValue(Dinheiro::deCentavos(123456789)));
        g.defineValor(2, 2, QStringLiteral("um texto longo numa coluna escondida"));
        QTRY_VERIFY(g.columnWidth(1) > desenho);
        QVERIFY(g.columnWidth(1) > g.fontMetrics().horizontalAdvance(QStringLiteral("R$ 1.234.567,89")));
        QVERIFY(g.columnWidth(0) > g.horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Numero docto")));
        QVERIFY(g.isColumnHidden(2));
        // a shorter list again: the form's design comes back, never narrower
        g.defineLarguraColuna(1, 40);
        g.limpa(1);
        g.defineValor(0, 1, QStringLiteral("7"));
        espera_fila(); // the width check the text scheduled has run
        QCOMPARE(g.columnWidth(1), desenho);
    }

    void obrigatoriosEConfirmacao()
    {
        MensagensRoteiro msgs;
        QDialog form;
        auto* a = new QLineEdit(&form);
        auto* b = new QLineEdit(&form);
        auto* c = new QLineEdit(&form);
        marca_obrigatorio(a);
        marca_obrigatorio(b);
        c->setText(QStringLiteral("livre"));
        QVERIFY(!verifica_obrigatorios(&form));
        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!")});
        a->setText(QStringLiteral("x"));
        b->setText(QStringLiteral("y"));
        QVERIFY(verifica_obrigatorios(&form));
        QCOMPARE(msgs.mostradas().size(), 1);

        limpa_campos(&form);
        QVERIFY(a->text().isEmpty() && c->text().isEmpty());

        msgs.respostas({true, false});
        QVERIFY(confirma_exclusao(QStringLiteral("da cidade"), QStringLiteral("Curitiba")));
        QVERIFY(!confirma_exclusao(QStringLiteral("do cliente"), QStringLiteral("Ana")));
        QCOMPARE(msgs.textos().at(1), QStringLiteral("Confirma a exclusão da cidade Curitiba?"));
        QCOMPARE(msgs.mostradas().at(1).tipo, Mostrada::Pergunta);
        QCOMPARE(msgs.mostradas().at(1).titulo, Mensagens::TITULO);
    }

    void trataErroPelaDescricao()
    {
        MensagensRoteiro msgs;
        trata_erro_banco(QStringLiteral("[IBase] SQLCODE=-530: violation of FOREIGN KEY constraint"));
        trata_erro_banco(QStringLiteral("x=-803:dup=y"));
        trata_erro_banco(QStringLiteral("SQLCODE=-836: exception 3 E_REGRA {ini}Cliente bloqueado{ini} at procedure"));
        trata_erro_banco(QStringLiteral("SQLCODE=-836: {ini}Sem fim"));
        trata_erro_banco(QStringLiteral("conexão perdida"));
        QCOMPARE(msgs.textos(), (QStringList{
            QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"),
            QStringLiteral("Este registro já existe. Por favor verifique!"),
            QStringLiteral("Cliente bloqueado"),
            QStringLiteral("Sem fim"),
            QStringLiteral("conexão perdida")}));
        QCOMPARE(msgs.mostradas().at(0).icone, Mensagens::Icone::Informacao);
        QCOMPARE(msgs.mostradas().at(2).titulo, QString()); // no title
        QCOMPARE(msgs.mostradas().at(4).icone, Mensagens::Icone::Nenhum);
    }

    void registroNaoLocalizadoSelecionaOTexto()
    {
        MensagensRoteiro msgs;
        QDialog form;
        auto* codigo = new QLineEdit(&form);
        new QLineEdit(&form);
        form.show();
        codigo->setText(QStringLiteral("999"));
        registro_nao_localizado(codigo);
        QCOMPARE(msgs.ultimo(), QStringLiteral("Registro não localizado!"));
        QCOMPARE(codigo->selectedText(), QStringLiteral("999"));
    }
};

QTEST_MAIN(TstCommon)
#include "tst_common.moc"
