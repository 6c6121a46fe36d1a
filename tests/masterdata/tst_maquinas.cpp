// Customer machines with their property values, payment conditions and
// the instalment plan.
#include "apoio.h"
#include "formularios.h"
#include "frmcadcondicaopagto.h"
#include "frmcadequipamentocliente.h"
#include "grade.h"

#include "parcelas.h"
#include "passos.h"
#include "relogio.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace apoio;

namespace {

// A customer (2), two types: "Impressora" with three properties, "Monitor" with one.
void tipos_e_cliente()
{
    executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
    executa(QStringLiteral("update cliente set cfantasia = 'Ana' where ncodigo = 2"));
    executa(QStringLiteral("Insert into equipamento values (null,'Impressora');"));
    executa(QStringLiteral("Insert into equipamento values (null,'Monitor');"));
    for (const char* p : {"Marca", "Modelo", "Série"})
        executa(QStringLiteral("insert into propriedade values(null,1,'%1');").arg(QString::fromUtf8(p)));
    executa(QStringLiteral("insert into propriedade values(null,2,'Tamanho');"));
}

QStringList plano(const QString& regra, const QString& total, const QString& base = QStringLiteral("06/12/2026"))
{
    QStringList r;
    const auto p = calcula_parcelas(regra, total, base, QDate(2026, 12, 7));
    if (!p) return {QStringLiteral("erro")};
    for (const Parcela& x : *p)
        r << x.rotulo + QLatin1Char(' ') + x.vencimento.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + x.valor.numero();
    return r;
}

} // namespace

class TstMaquinas : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
private slots:
    void init() { amb = std::make_unique<Ambiente>(); }
    void cleanup() { amb.reset(); }

    void novaMaquinaGravaUmValorPorPropriedade()
    {
        tipos_e_cliente();
        auto& f = form<FrmCadEquipamentoCliente>();
        f.ncodigoCliente = 2;
        abre_form<FrmCadEquipamentoCliente>(true);
        QCOMPARE(f.windowTitle(), QStringLiteral("Propriedades do equipamento"));
        QCOMPARE(f.Combo1->count(), 2);
        QCOMPARE(f.Combo1->currentText(), QStringLiteral("Impressora"));
        QCOMPARE(f.Grid1->rows(), 14);
        QCOMPARE(f.Grid1->textMatrix(0, 2), QStringLiteral("Descrição/Valor"));
        QCOMPARE(f.Grid1->textMatrix(3, 1), QStringLiteral("Série"));
        f.Text2->setText(QStringLiteral("HP 1102"));
        edita_valor(f, 1, QStringLiteral("HP"));
        edita_valor(f, 3, QStringLiteral("BR12'3"));
        QCOMPARE(f.Grid1->textMatrix(3, 2), QStringLiteral("BR123")); // the apostrophe never goes in
        // Enter on the property name does not edit; Esc keeps the cell as it was
        f.Grid1->setRow(2);
        f.Grid1->setCol(1);
        tecla(f.Grid1, Qt::Key_Return);
        QVERIFY(!f.Text1->isVisible());
        f.Grid1->setCol(2);
        tecla(f.Grid1, Qt::Key_Return);
        digita(f.Text1, QStringLiteral("descartado"));
        tecla(f.Text1, Qt::Key_Escape);
        QVERIFY(!f.Text1->isVisible());
        QVERIFY(f.isVisible());
        QCOMPARE(f.Grid1->textMatrix(2, 2), QString());
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(linhas(QStringLiteral("select ncodigo, ncliente, nequipamento, cidentificacao from equipamento_cliente")),
                 QStringList{QStringLiteral("1|2|1|HP 1102")});
        QCOMPARE(linhas(QStringLiteral("select nPropriedade, nequipamento_cliente, cvalor from Propriedade_equipamento_cliente order by 1")),
                 (QStringList{QStringLiteral("1|1|HP"), QStringLiteral("2|1|"), QStringLiteral("3|1|BR123")}));
    }

    // Types left blank by a crash are never offered, and two types with the
    // same description are told apart by their codes.
    void tiposEmBrancoEDescricoesRepetidas()
    {
        tipos_e_cliente();
        executa(QStringLiteral("Insert into equipamento values (null,'');")); // 3 and 4: left by a crash
        executa(QStringLiteral("Insert into equipamento values (null,'');"));
        executa(QStringLiteral("Insert into equipamento values (null,'Impressora');")); // 5: same description as 1
        executa(QStringLiteral("insert into propriedade values(null,5,'Bandeja');"));
        auto& f = form<FrmCadEquipamentoCliente>();
        f.ncodigoCliente = 2;
        abre_form<FrmCadEquipamentoCliente>(true);
        QStringList tipos;
        for (int i = 0; i < f.Combo1->count(); ++i)
            tipos << f.Combo1->itemText(i);
        QCOMPARE(tipos, (QStringList{QStringLiteral("Impressora"), QStringLiteral("Impressora"), QStringLiteral("Monitor")}));
        // the second "Impressora" (code 5) shows its own properties and is the one stored
        const int segunda = f.Combo1->findData(5);
        QVERIFY(segunda >= 0);
        f.Combo1->setFocus();
        f.Combo1->setCurrentIndex(segunda);
        QCOMPARE(f.Grid1->textMatrix(1, 1), QStringLiteral("Bandeja"));
        QCOMPARE(f.Grid1->textMatrix(2, 1), QString());
        f.Text2->setText(QStringLiteral("Bandeja extra"));
        edita_valor(f, 1, QStringLiteral("A4"));
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(linhas(QStringLiteral("select ncliente, nequipamento, cidentificacao from equipamento_cliente")),
                 QStringList{QStringLiteral("2|5|Bandeja extra")});
        QCOMPARE(linhas(QStringLiteral("select nPropriedade, cvalor from Propriedade_equipamento_cliente")), QStringList{QStringLiteral("5|A4")});
    }

    void editarReescreveValoresETravaOTipo()
    {
        tipos_e_cliente();
        executa(QStringLiteral("insert into equipamento_cliente values(null,2,1,'HP 1102'); "));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,1,'HP')"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(2,1,'')"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(3,1,'X')"));
        executa(QStringLiteral("insert into propriedade values(null,1,'Cor');")); // added after the machine
        auto& f = form<FrmCadEquipamentoCliente>();
        f.nCodigoEquipamentoCliente = 1;
        f.Combo1->addItem(QStringLiteral("Impressora"));
        f.Combo1->setCurrentText(QStringLiteral("Impressora"));
        abre_form<FrmCadEquipamentoCliente>(false);
        QVERIFY(!f.Combo1->isEnabled());
        QCOMPARE(f.Combo1->currentText(), QStringLiteral("Impressora"));
        QCOMPARE(f.Text2->text(), QStringLiteral("HP 1102"));
        QCOMPARE(f.Grid1->textMatrix(1, 2), QStringLiteral("HP"));
        QVERIFY(f.Grid1->textMatrix(4, 1).isEmpty()); // "Cor" is not offered
        edita_valor(f, 2, QStringLiteral("LaserJet"));
        f.Text2->setText(QStringLiteral("HP 1102w"));
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(linhas(QStringLiteral("select cidentificacao, nequipamento from equipamento_cliente")), QStringList{QStringLiteral("HP 1102w|1")});
        QCOMPARE(linhas(QStringLiteral("select nPropriedade, cvalor from Propriedade_equipamento_cliente order by 1")),
                 (QStringList{QStringLiteral("1|HP"), QStringLiteral("2|LaserJet"), QStringLiteral("3|X")}));
    }

    void semTipoOuSemIdentificacaoNadaGrava()
    {
        auto& f = abre_form<FrmCadEquipamentoCliente>(true);
        QCOMPARE(f.Combo1->count(), 0);
        f.Text2->setText(QStringLiteral("Algo"));
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Antes de cadastrar o equipamento para o cliente é necessário que você faça o cadastro do equipamento!"));
        QVERIFY(f.isVisible());
        QTest::mouseClick(f.CmdSair, Qt::LeftButton);
        tipos_e_cliente();
        f.ncodigoCliente = 2;
        abre_form<FrmCadEquipamentoCliente>(true);
        f.Combo1->setCurrentIndex(1); // another type discards the list and loads its properties
        QCOMPARE(f.Grid1->textMatrix(1, 1), QStringLiteral("Tamanho"));
        QVERIFY(f.Grid1->textMatrix(2, 1).isEmpty());
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
        // a database failure in the middle leaves nothing behind
        f.Text2->setText(QStringLiteral("LG"));
        f.ncodigoCliente = 99; // no such customer
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QVERIFY(f.isVisible());
        QCOMPARE(valor(QStringLiteral("select count(*) from equipamento_cliente")).toInt(), 0);
        QCOMPARE(valor(QStringLiteral("select count(*) from Propriedade_equipamento_cliente")).toInt(), 0);
    }

    void condicaoMontadaTermoATermo()
    {
        auto& f = abre_form<FrmCadCondicaoPagto>(true);
        QCOMPARE(f.Text11->text(), QStringLiteral("2"));
        QCOMPARE(f.Label4->text(), QStringLiteral("0"));
        for (const char* dias : {"0", "30", "60"}) {
            digita(f.Text2, QString::fromLatin1(dias));
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        }
        QCOMPARE(f.Text3->text(), QStringLiteral("Entrada \\ 30 \\ 60"));
        QCOMPARE(f.Label4->text(), QStringLiteral("3"));
        QVERIFY(f.Text2->text().isEmpty());
        QTest::mouseClick(f.Command1, Qt::LeftButton); // nothing typed: nothing added
        QCOMPARE(f.Label4->text(), QStringLiteral("3"));
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        QCOMPARE(f.Text3->text(), QStringLiteral("Entrada \\ 30"));
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        QCOMPARE(f.Text3->text(), QStringLiteral("Entrada"));
        QCOMPARE(f.Label4->text(), QStringLiteral("1"));
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        QCOMPARE(f.Text3->text(), QString());
        QCOMPARE(f.Label4->text(), QStringLiteral("0"));
        // the schedule never grows past what the database keeps
        for (int i = 0; i < 40; ++i) {
            f.Text2->setText(QStringLiteral("120"));
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        }
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O prazo não pode ter mais de 200 caracteres."));
        QVERIFY(f.Text3->text().size() <= 200);
        QVERIFY(f.Text3->text().endsWith(QStringLiteral("120")));
        QCOMPARE(f.Label4->text().toInt(), f.Text3->text().split(QStringLiteral(" \\ ")).size());
        QCOMPARE(f.Text2->text(), QStringLiteral("120")); // the refused term stays in the box
        f.Text2->clear();
        while (!f.Text3->text().isEmpty())
            QTest::mouseClick(f.Command2, Qt::LeftButton);
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
        // Enter on the days box walks to "Ok", and Enter there adds the term
        f.Text2->setFocus();
        digita(f.Text2, QStringLiteral("30"));
        tecla(f.Text2, Qt::Key_Return);
        tecla(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.Text3->text(), QStringLiteral("30"));
        digita(f.Text2, QStringLiteral("30"));
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QCOMPARE(linhas(QStringLiteral("select ncodigo, cdescricao, nparcela from condicao_pagto where ncodigo = 2")),
                 QStringList{QStringLiteral("2|30 \\ 30|2")});
        QCOMPARE(f.Text11->text(), QStringLiteral("3"));
        QTest::mouseClick(f.CmdSair, Qt::LeftButton);
    }

    void condicaoUmTravadaEEdicao()
    {
        auto& f = form<FrmCadCondicaoPagto>();
        f.codigo_condicao = 1;
        abre_form<FrmCadCondicaoPagto>(false);
        QCOMPARE(f.Text3->text(), QStringLiteral("A vista"));
        QCOMPARE(f.Label4->text(), QStringLiteral("1"));
        for (QWidget* w : std::initializer_list<QWidget*>{f.Command1, f.Command2, f.Text2, f.Text3})
            QVERIFY(!w->isEnabled());
        // saving it keeps the cash rule's exact text, so the plan still pays in cash
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(linhas(QStringLiteral("select cdescricao, nparcela from condicao_pagto where ncodigo = 1")), QStringList{QStringLiteral("A vista|1")});
        QCOMPARE(plano(valor(QStringLiteral("select cdescricao from condicao_pagto where ncodigo = 1")).toString(), QStringLiteral("150,00")),
                 QStringList{QStringLiteral("1/1 07/12/2026 150,00")});
        abre_form<FrmCadCondicaoPagto>(false);
        QTest::mouseClick(f.CmdSair, Qt::LeftButton);
        executa(QStringLiteral("insert into condicao_pagto values(null,'30 \\ 60',2);"));
        f.codigo_condicao = 2;
        abre_form<FrmCadCondicaoPagto>(false);
        QVERIFY(f.Command1->isEnabled());
        digita(f.Text2, QStringLiteral("0"));
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QTest::mouseClick(f.CmdOk, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(linhas(QStringLiteral("select cdescricao, nparcela from condicao_pagto where ncodigo = 2")),
                 QStringList{QStringLiteral("30 \\ 60 \\ Entrada|3")});
    }

    void planoDeParcelas()
    {
        QCOMPARE(plano(QStringLiteral("Entrada \\ 30 \\ 60"), QStringLiteral("150,00")),
                 (QStringList{QStringLiteral("1/3 07/12/2026 50,00"), QStringLiteral("2/3 05/01/2027 50,00"), QStringLiteral("3/3 04/02/2027 50,00")}));
        QCOMPARE(plano(QStringLiteral("30"), QStringLiteral("R$ 150,00")), QStringList{QStringLiteral("1/1 05/01/2027 150,00")});
        QCOMPARE(plano(QStringLiteral("A vista"), QStringLiteral("150")), QStringList{QStringLiteral("1/1 07/12/2026 150,00")});
        QCOMPARE(plano(QStringLiteral("Entrada"), QStringLiteral("1.234,56")), QStringList{QStringLiteral("1/1 07/12/2026 1.234,56")});
        QCOMPARE(plano(QStringLiteral("30 \\ 60 \\ 90"), QStringLiteral("100,00")),
                 (QStringList{QStringLiteral("1/3 05/01/2027 33,34"), QStringLiteral("2/3 04/02/2027 33,33"), QStringLiteral("3/3 06/03/2027 33,33")}));
        // an instalment of 0,00 is left out
        QCOMPARE(plano(QStringLiteral("30 \\ 60 \\ 90"), QStringLiteral("0,02")), QStringList{QStringLiteral("1/1 05/01/2027 0,02")});
        QCOMPARE(plano(QStringLiteral("30 \\ Entrada"), QStringLiteral("200,00")),
                 (QStringList{QStringLiteral("1/2 05/01/2027 100,00"), QStringLiteral("2/2 07/12/2026 100,00")}));
        QCOMPARE(plano(QStringLiteral("2,5"), QStringLiteral("10")), QStringList{QStringLiteral("1/1 09/12/2026 10,00")});
        // wrong inputs
        QCOMPARE(plano(QStringLiteral("a vista"), QStringLiteral("150")), QStringList{QStringLiteral("erro")});
        QCOMPARE(plano(QStringLiteral("30 \\ sessenta"), QStringLiteral("150")), QStringList{QStringLiteral("erro")});
        QCOMPARE(plano(QString(), QStringLiteral("150")), QStringList{QStringLiteral("erro")});
        QCOMPARE(plano(QStringLiteral("30"), QStringLiteral("cento")), QStringList{QStringLiteral("erro")});
        QCOMPARE(plano(QStringLiteral("30"), QStringLiteral("150"), QStringLiteral("31/02/2026")), QStringList{QStringLiteral("erro")});
    }
};

QTEST_MAIN(TstMaquinas)
#include "tst_maquinas.moc"
