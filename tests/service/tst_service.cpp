// The two printed documents: the entry receipt (001) and the service order
// (002), driven as the forms drive them, rendered and read back from PDF.
#include "apoio.h"
#include "controlerelatorio.h"
#include "impressos.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "lojateste.h"
#include "modulo1.h"
#include "relatorio.h"
#include "textopdf.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using namespace apoio;

namespace {

const QString PERGUNTA_ENTRADA = QStringLiteral("Deseja emitir o comprovante de entrada de equipamentos?");
const QString PERGUNTA_ORDEM = QStringLiteral("Deseja emitir a ordem de serviço?");
const QString NBSP = QString(QChar(0x00A0));
const QString DUAS_CONTAS = QStringLiteral("Vencimento: 10/01/2027 Valor: R$") + NBSP + QStringLiteral("150,25 ||  Vencimento: 10/02/2027 Valor: R$")
                            + NBSP + QStringLiteral("150,25");

} // namespace

class TstService : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;
    LojaExemplo loja;

    // The next document's preview is read, as a PDF of it gives its text,
    // and closed; its printing returns then.
    void lePrevia(QString& texto)
    {
        ao_abrir_previa([this, &texto](FrmRelatorio& p) { texto = texto_da_previa(p, amb->banco.pasta()); });
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        loja = cria_loja_exemplo();
        principal = std::make_unique<FrmPrincipal>();
        principal->carrega();
        principal->show();
    }
    void cleanup()
    {
        principal.reset(); // closes the previews it owns
        amb.reset();
    }

    void vencimentosDeZeroUmaEDuasContas()
    {
        QCOMPARE(texto_vencimentos(loja.garantia), QString());
        // each part is " Vencimento: " date " Valor: " value " || ": two blanks between parts
        QCOMPARE(texto_vencimentos(loja.ordem), DUAS_CONTAS);
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','50.00',0,'2027-03-05',0)  "));
        QCOMPARE(texto_vencimentos(loja.garantia), QStringLiteral("Vencimento: 05/03/2027 Valor: R$") + NBSP + QStringLiteral("50,00"));
        // due-date order, whatever order the rows were written in
        executa(QStringLiteral("insert into conta_receber values(null,2,'0/1','1234.5',0,'2027-02-01',0)  "));
        QCOMPARE(texto_vencimentos(loja.garantia), QStringLiteral("Vencimento: 01/02/2027 Valor: R$") + NBSP
                                                       + QStringLiteral("1.234,50 ||  Vencimento: 05/03/2027 Valor: R$") + NBSP + QStringLiteral("50,00"));
        QVERIFY(!rsAux.aberto());
    }

    void comprovanteRespondidoNaoNaoImprime()
    {
        cSQL = QStringLiteral("antes");
        cr().ReportFileName = QStringLiteral("antes.rpt");
        amb->msgs.respostas({false});
        emite_comprovante_entrada(loja.entrada, QStringLiteral("06/12/2026"));
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_ENTRADA});
        QCOMPARE(cr().ReportFileName, QStringLiteral("antes.rpt"));
        QCOMPARE(cSQL, QStringLiteral("antes"));
        QVERIFY(previas_abertas().isEmpty());
    }

    void comprovanteDeEntrada()
    {
        // another entry that must stay off this receipt
        executa(QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,3,'2026-12-09','08:00:00') ;"));
        executa(QStringLiteral("insert into item_da_entrada values(null,58,'Monitor LG','Tela piscando');"));
        amb->msgs.respostas({true});
        // the preview is modal, over the main window, and the call returns once it is closed
        QString t;
        ao_abrir_previa([&](FrmRelatorio& p) {
            QCOMPARE(p.windowTitle(), QStringLiteral("Módulo de Relatórios"));
            QVERIFY(p.isModal());
            QCOMPARE(QApplication::activeModalWidget(), &p);
            QCOMPARE(p.relatorio().paginas(), 1);
            QCOMPARE(previas_abertas().size(), 1);
            t = texto_da_previa(p, amb->banco.pasta());
        });
        emite_comprovante_entrada(QStringLiteral("57"), QStringLiteral("06/12/2026"));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QTRY_VERIFY(previas_abertas().isEmpty());
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_ENTRADA});
        QCOMPARE(amb->msgs.mostradas().first().titulo, QStringLiteral("Zerlin Software - Controle Geral"));

        QCOMPARE(cr().ReportFileName, QCoreApplication::applicationDirPath() + QStringLiteral("/relatorio/001.rpt"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{entrada_equipamento.ncodigo}=57"));
        QCOMPARE(cr().Formulas[0], QStringLiteral("Numero='06/12/2026 - N.º 57'"));
        QCOMPARE(cr().Formulas[1], QStringLiteral("Rodape='%1'").arg(cRodape));
        for (int i = 2; i < 10; ++i)
            QVERIFY(cr().Formulas[i].isEmpty());

        confere_textos(t, {loja.nome, QStringLiteral("Rua das Flores, 100 - Centro - Curitiba/PR"),
                                         QStringLiteral("COMPROVANTE DE ENTRADA DE EQUIPAMENTOS"),
                                         QStringLiteral("06/12/2026 - N.º 57"), QStringLiteral("Cliente: 2 - Ana Souza"),
                                         QStringLiteral("Entrada em 06/12/2026 às 09:15"), QStringLiteral("Solicitante: Marcos Souza"),
                                         QStringLiteral("Impressora HP LaserJet 1102"), QStringLiteral("Manchas na impressão e papel enroscando"),
                                         QStringLiteral("Notebook Dell Inspiron"), QStringLiteral("Não liga"),
                                         QStringLiteral("Equipamentos recebidos: 2"), QStringLiteral("Observações: Cliente pede urgência"),
                                         QStringLiteral("Assinatura do cliente"), plano(cRodape), QStringLiteral("Página 1 de 1")});
        QVERIFY(!t.contains(QStringLiteral("Monitor LG")));
        QVERIFY(!t.contains(QStringLiteral("Bruno Lima")));
    }

    void comprovanteDeEntradaSemItens()
    {
        executa(QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,3,'2026-12-09','08:00:00') ;"));
        amb->msgs.respostas({true});
        QString t;
        lePrevia(t);
        emite_comprovante_entrada(58, QStringLiteral("09/12/2026"));
        QVERIFY(t.contains(QStringLiteral("09/12/2026 - N.º 58")));
        QVERIFY(t.contains(QStringLiteral("Cliente: 3 - Bruno Lima")));
        QVERIFY(t.contains(QStringLiteral("Equipamentos recebidos: 0")));
        QVERIFY(!t.contains(QStringLiteral("Ana Souza")));
    }

    void codigoQueNaoEhNumeroNaoImprime()
    {
        emite_comprovante_entrada(QStringLiteral("57 or 1=1"), QStringLiteral("06/12/2026"));
        emite_ordem_servico(QStringLiteral("1) or (1=1"));
        QCOMPARE(amb->msgs.mostradas().size(), 2);
        QVERIFY(amb->msgs.textos().at(0).startsWith(QStringLiteral("Código inválido")));
        QVERIFY(previas_abertas().isEmpty());
        QVERIFY(cr().SelectionFormula.isEmpty());
    }

    void ordemRespondidaNaoNaoImprimeNemConsulta()
    {
        cSQL = QStringLiteral("antes");
        amb->msgs.respostas({false});
        emite_ordem_servico(loja.ordem);
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_ORDEM});
        QCOMPARE(cSQL, QStringLiteral("antes"));
        QVERIFY(previas_abertas().isEmpty());
    }

    void ordemDeServico()
    {
        // an entry receipt first: its position 0 must not survive
        amb->msgs.respostas({true, true});
        ao_abrir_previa();
        emite_comprovante_entrada(loja.entrada, QStringLiteral("06/12/2026"));
        QVERIFY(!cr().Formulas[0].isEmpty());
        cr().DiscardSavedData = 1;
        cr().Formulas[5] = QStringLiteral("Sobra='x'");
        // the receipt's preview closed; the same report control prints the order
        QCOMPARE(&cr(), principal->crControle);
        // documents, CEP and phones kept as digits print in the form people read
        executa(QStringLiteral("update cliente set ccnpj = '12345678909', ccep = '80000000', cfone = '41999990000' where ncodigo = 2"));
        executa(QStringLiteral("update estabelecimento set ccnpj = '12345678000190', cfone = '4133334444' where ncodigo = 1"));
        QString t;
        lePrevia(t);
        emite_ordem_servico(loja.ordem);
        QCOMPARE(cr().DiscardSavedData, 0);

        QCOMPARE(cr().ReportFileName, QCoreApplication::applicationDirPath() + QStringLiteral("/relatorio/002.rpt"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{view_ordem.codigo_ordem}=1"));
        QVERIFY(cr().Formulas[0].isEmpty());
        QCOMPARE(cr().Formulas[1], QStringLiteral("Rodape='%1'").arg(cRodape));
        QCOMPARE(cr().Formulas[2], QStringLiteral("Vencimentos='") + DUAS_CONTAS + QLatin1Char('\''));
        for (int i = 3; i < 10; ++i)
            QVERIFY(cr().Formulas[i].isEmpty());

        confere_textos(t, {loja.nome, QStringLiteral("ORDEM DE SERVIÇO"), QStringLiteral("N.º 1"),
                                         QStringLiteral("Cliente: 2 - Ana Souza"), QStringLiteral("Data: 07/12/2026"),
                                         QStringLiteral("Av. Brasil, 500 - Batel - Curitiba/PR - CEP 80000-000"),
                                         QStringLiteral("Fone: (41) 99999-0000"), QStringLiteral("CPF/CNPJ: 123.456.789-09"),
                                         QStringLiteral("Fone: (41) 3333-4444"), QStringLiteral("CNPJ: 12.345.678/0001-90"), QStringLiteral("Condição de pagamento: 30/60"),
                                         QStringLiteral("Impressora - HP LaserJet 1102"), QStringLiteral("Carlos Mendes"),
                                         QStringLiteral("Troca do fusor"), QStringLiteral("R$ 180,00"),
                                         QStringLiteral("Notebook - Dell Inspiron"), QStringLiteral("Dora Reis"),
                                         QStringLiteral("Limpeza e revisão geral"), QStringLiteral("R$ 120,50"),
                                         QStringLiteral("Total: R$ 300,50"),
                                         QStringLiteral("Vencimentos: Vencimento: 10/01/2027 Valor: R$ 150,25 || Vencimento: 10/02/2027 Valor: R$ 150,25"),
                                         QStringLiteral("Observações: Retirar até sexta"), plano(cRodape), QStringLiteral("Página 1 de 1")});
        QVERIFY(!t.contains(QStringLiteral("GARANTIA")));
        QVERIFY(!t.contains(QStringLiteral("Bruno Lima")));
        QVERIFY(!t.contains(QStringLiteral("06/12/2026 - N.º 57")));
    }

    void totalImpressoEhODaOrdem()
    {
        // the order's stored total, which is the sum of the lines printed
        amb->msgs.respostas({true});
        QString t;
        lePrevia(t);
        emite_ordem_servico(loja.ordem);
        QVERIFY2(t.contains(QStringLiteral("Total: R$ 300,50")), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral("R$ 180,00")) && t.contains(QStringLiteral("R$ 120,50")));
    }

    void ordemEmGarantiaSemContas()
    {
        amb->msgs.respostas({true});
        QString t;
        lePrevia(t);
        emite_ordem_servico(QStringLiteral("2"));
        QCOMPARE(cr().Formulas[2], QStringLiteral("Vencimentos=''"));
        QVERIFY(t.contains(QStringLiteral("ORDEM DE SERVIÇO EM GARANTIA")));
        QVERIFY(t.contains(QStringLiteral("Cliente: 3 - Bruno Lima")));
        QVERIFY(t.contains(QStringLiteral("Impressora - Epson L355")));
        QVERIFY(t.contains(QStringLiteral("Total: R$ 0,00")));
        QVERIFY(!t.contains(QStringLiteral("Vencimentos:")));
        QVERIFY(!t.contains(QStringLiteral("Ana Souza")));
    }

    void erroDoBancoAoLerVencimentos()
    {
        // the table is gone: the error is shown and nothing is printed
        executa(QStringLiteral("delete from baixa_conta_receber"));
        abre_como_dono(amb->banco.fonte()); // only the owner changes the schema
        executa(QStringLiteral("drop view view_contas_a_receber"));
        executa(QStringLiteral("drop view view_contas_recebidas"));
        executa(QStringLiteral("drop table baixa_conta_receber"));
        executa(QStringLiteral("drop table conta_receber"));
        amb->msgs.respostas({true});
        emite_ordem_servico(loja.ordem);
        QCOMPARE(amb->msgs.mostradas().size(), 2);
        QVERIFY2(amb->msgs.ultimo().contains(QStringLiteral("CONTA_RECEBER")), qPrintable(amb->msgs.ultimo()));
        QVERIFY(previas_abertas().isEmpty());
        QVERIFY(!rsAux.aberto());
        QVERIFY(principal->isVisible());
    }
};

QTEST_MAIN(TstService)
#include "tst_service.moc"
