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
        abre_inclusao<FrmCadEquipamentoCliente>(2);
        QCOMPARE(f.windowTitle(), QStringLiteral("Propriedades do equipamento"));
        QCOMPARE(f.caixaTipo->count(), 2);
        QCOMPARE(f.caixaTipo->currentText(), QStringLiteral("Impressora"));
        QCOMPARE(f.gradeValores->linhas(), 13);
        QCOMPARE(f.gradeValores->titulo(FrmCadEquipamentoCliente::COLUNA_VALOR), QStringLiteral("Descrição/Valor"));
        QCOMPARE(f.gradeValores->texto(2, 0), QStringLiteral("Série"));
        f.caixaIdentificacao->setText(QStringLiteral("HP 1102"));
        edita_valor(f, 0, QStringLiteral("HP"));
        edita_valor(f, 2, QStringLiteral("BR12'3"));
        QCOMPARE(f.gradeValores->texto(2, 1), QStringLiteral("BR123")); // the apostrophe never goes in
        // Enter on the property name does not edit; Esc keeps the cell as it was
        f.gradeValores->defineLinhaAtual(1);
        f.gradeValores->defineColunaAtual(0);
        tecla(f.gradeValores, Qt::Key_Return);
        QVERIFY(!f.editorValor->isVisible());
        f.gradeValores->defineColunaAtual(1);
        tecla(f.gradeValores, Qt::Key_Return);
        digita(f.editorValor, QStringLiteral("descartado"));
        tecla(f.editorValor, Qt::Key_Escape);
        QVERIFY(!f.editorValor->isVisible());
        QVERIFY(f.isVisible());
        QCOMPARE(f.gradeValores->texto(1, 1), QString());
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
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
        abre_inclusao<FrmCadEquipamentoCliente>(2);
        QStringList tipos;
        for (int i = 0; i < f.caixaTipo->count(); ++i)
            tipos << f.caixaTipo->itemText(i);
        QCOMPARE(tipos, (QStringList{QStringLiteral("Impressora"), QStringLiteral("Impressora"), QStringLiteral("Monitor")}));
        // the second "Impressora" (code 5) shows its own properties and is the one stored
        const int segunda = f.caixaTipo->findData(5);
        QVERIFY(segunda >= 0);
        f.caixaTipo->setFocus();
        f.caixaTipo->setCurrentIndex(segunda);
        QCOMPARE(f.gradeValores->texto(0, 0), QStringLiteral("Bandeja"));
        QCOMPARE(f.gradeValores->texto(1, 0), QString());
        f.caixaIdentificacao->setText(QStringLiteral("Bandeja extra"));
        edita_valor(f, 0, QStringLiteral("A4"));
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
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
        abre_edicao<FrmCadEquipamentoCliente>(1);
        QVERIFY(!f.caixaTipo->isEnabled());
        QCOMPARE(f.caixaTipo->currentText(), QStringLiteral("Impressora"));
        QCOMPARE(f.caixaIdentificacao->text(), QStringLiteral("HP 1102"));
        QCOMPARE(f.gradeValores->texto(0, 1), QStringLiteral("HP"));
        QVERIFY(f.gradeValores->texto(3, 0).isEmpty()); // "Cor" is not offered
        edita_valor(f, 1, QStringLiteral("LaserJet"));
        f.caixaIdentificacao->setText(QStringLiteral("HP 1102w"));
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(linhas(QStringLiteral("select cidentificacao, nequipamento from equipamento_cliente")), QStringList{QStringLiteral("HP 1102w|1")});
        QCOMPARE(linhas(QStringLiteral("select nPropriedade, cvalor from Propriedade_equipamento_cliente order by 1")),
                 (QStringList{QStringLiteral("1|HP"), QStringLiteral("2|LaserJet"), QStringLiteral("3|X")}));
    }

    void semTipoOuSemIdentificacaoNadaGrava()
    {
        auto& f = mostra_form<FrmCadEquipamentoCliente>();
        QCOMPARE(f.caixaTipo->count(), 0);
        f.caixaIdentificacao->setText(QStringLiteral("Algo"));
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Antes de cadastrar o equipamento para o cliente é necessário que você faça o cadastro do equipamento!"));
        QVERIFY(f.isVisible());
        QTest::mouseClick(f.botaoSair, Qt::LeftButton);
        tipos_e_cliente();
        abre_inclusao<FrmCadEquipamentoCliente>(2);
        f.caixaTipo->setCurrentIndex(1); // another type discards the list and loads its properties
        QCOMPARE(f.gradeValores->texto(0, 0), QStringLiteral("Tamanho"));
        QVERIFY(f.gradeValores->texto(1, 0).isEmpty());
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
        // a database failure in the middle leaves nothing behind
        f.caixaIdentificacao->setText(QStringLiteral("LG"));
        f.define_inclusao(99); // no such customer
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QVERIFY(f.isVisible());
        QCOMPARE(valor(QStringLiteral("select count(*) from equipamento_cliente")).toInt(), 0);
        QCOMPARE(valor(QStringLiteral("select count(*) from Propriedade_equipamento_cliente")).toInt(), 0);
    }

    void condicaoMontadaTermoATermo()
    {
        auto& f = abre_inclusao<FrmCadCondicaoPagto>();
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("2"));
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("0"));
        for (const char* dias : {"0", "30", "60"}) {
            digita(f.caixaDias, QString::fromLatin1(dias));
            QTest::mouseClick(f.botaoAcrescenta, Qt::LeftButton);
        }
        QCOMPARE(f.caixaPrazo->text(), QStringLiteral("Entrada \\ 30 \\ 60"));
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("3"));
        QVERIFY(f.caixaDias->text().isEmpty());
        QTest::mouseClick(f.botaoAcrescenta, Qt::LeftButton); // nothing typed: nothing added
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("3"));
        QTest::mouseClick(f.botaoCorrige, Qt::LeftButton);
        QCOMPARE(f.caixaPrazo->text(), QStringLiteral("Entrada \\ 30"));
        QTest::mouseClick(f.botaoCorrige, Qt::LeftButton);
        QCOMPARE(f.caixaPrazo->text(), QStringLiteral("Entrada"));
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("1"));
        QTest::mouseClick(f.botaoCorrige, Qt::LeftButton);
        QTest::mouseClick(f.botaoCorrige, Qt::LeftButton);
        QCOMPARE(f.caixaPrazo->text(), QString());
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("0"));
        // the schedule never grows past what the database keeps
        for (int i = 0; i < 40; ++i) {
            f.caixaDias->setText(QStringLiteral("120"));
            QTest::mouseClick(f.botaoAcrescenta, Qt::LeftButton);
        }
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O prazo não pode ter mais de 200 caracteres."));
        QVERIFY(f.caixaPrazo->text().size() <= 200);
        QVERIFY(f.caixaPrazo->text().endsWith(QStringLiteral("120")));
        QCOMPARE(f.caixaParcelas->text().toInt(), f.caixaPrazo->text().split(QStringLiteral(" \\ ")).size());
        QCOMPARE(f.caixaDias->text(), QStringLiteral("120")); // the refused term stays in the box
        f.caixaDias->clear();
        while (!f.caixaPrazo->text().isEmpty())
            QTest::mouseClick(f.botaoCorrige, Qt::LeftButton);
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
        // Enter on the days box walks to "Ok", and Enter there adds the term
        f.caixaDias->setFocus();
        digita(f.caixaDias, QStringLiteral("30"));
        tecla(f.caixaDias, Qt::Key_Return);
        tecla(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.caixaPrazo->text(), QStringLiteral("30"));
        digita(f.caixaDias, QStringLiteral("30"));
        QTest::mouseClick(f.botaoAcrescenta, Qt::LeftButton);
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QCOMPARE(linhas(QStringLiteral("select ncodigo, cdescricao, nparcela from condicao_pagto where ncodigo = 2")),
                 QStringList{QStringLiteral("2|30 \\ 30|2")});
        QCOMPARE(f.caixaCodigo->text(), QStringLiteral("3"));
        QTest::mouseClick(f.botaoSair, Qt::LeftButton);
    }

    void condicaoUmTravadaEEdicao()
    {
        auto& f = form<FrmCadCondicaoPagto>();
        abre_edicao<FrmCadCondicaoPagto>(1);
        QCOMPARE(f.caixaPrazo->text(), QStringLiteral("A vista"));
        QCOMPARE(f.caixaParcelas->text(), QStringLiteral("1"));
        for (QWidget* w : std::initializer_list<QWidget*>{f.botaoAcrescenta, f.botaoCorrige, f.caixaDias, f.caixaPrazo})
            QVERIFY(!w->isEnabled());
        // saving it keeps the cash rule's exact text, so the plan still pays in cash
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(linhas(QStringLiteral("select cdescricao, nparcela from condicao_pagto where ncodigo = 1")), QStringList{QStringLiteral("A vista|1")});
        QCOMPARE(plano(valor(QStringLiteral("select cdescricao from condicao_pagto where ncodigo = 1")).toString(), QStringLiteral("150,00")),
                 QStringList{QStringLiteral("1/1 07/12/2026 150,00")});
        mostra_form<FrmCadCondicaoPagto>();
        QTest::mouseClick(f.botaoSair, Qt::LeftButton);
        executa(QStringLiteral("insert into condicao_pagto values(null,'30 \\ 60',2);"));
        abre_edicao<FrmCadCondicaoPagto>(2);
        QVERIFY(f.botaoAcrescenta->isEnabled());
        digita(f.caixaDias, QStringLiteral("0"));
        QTest::mouseClick(f.botaoAcrescenta, Qt::LeftButton);
        QTest::mouseClick(f.botaoGravar, Qt::LeftButton);
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
