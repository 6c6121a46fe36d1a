// The service history of one machine, driven as a user drives it: the
// machine typed or chosen in its lookup, the owner and machine texts, the
// list on "&Mostrar" in order and date order, the printed history with its
// formula fields, and what the window does with an unknown machine.
#include "apoio.h"
#include "controlerelatorio.h"
#include "frmconsequipamentocliente.h"
#include "frmconsultaservicomaquina.h"
#include "frmordem.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "grade.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "estabelecimento.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "relatorio.h"
#include "textopdf.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace apoio;

namespace {

} // namespace

class TstServicoMaquina : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;

    // The window as the menu opens it, shown and active.
    FrmConsultaServicoMaquina& janela()
    {
        QAction* a = principal->item(QStringLiteral("menuServicoEquipamento"));
        if (!a || !a->isEnabled())
            QTest::qFail("menu Consultas sem a janela", __FILE__, __LINE__);
        FrmConsultaServicoMaquina& f = form<FrmConsultaServicoMaquina>();
        ativa(f);
        return f;
    }
    // Types a machine code and leaves the box with Tab.
    void digita_maquina(FrmConsultaServicoMaquina& f, const QString& codigo)
    {
        f.caixaMaquina->setFocus();
        f.caixaMaquina->clear();
        digita(f.caixaMaquina, codigo);
        tecla(f.caixaMaquina, Qt::Key_Tab);
        espera_fila(); // a warning for the box just left has had its turn
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        // a later order with an earlier date on the same machine
        executa(QStringLiteral("insert into ordem values(null,2,'2026-11-03','10:00:00',35,'',1,1,0);"));
        executa(QStringLiteral("insert into item_ordem values(null,3,1,'Limpeza',35,2 );"));
        principal = janela_principal();
    }
    void cleanup()
    {
        fecha_previas();
        limpa_acoes_modais();
        principal.reset();
        amb.reset();
    }

    void maquinaDigitadaEListada()
    {
        FrmConsultaServicoMaquina& f = janela();
        QCOMPARE(f.windowTitle(), QStringLiteral("Serviços por equipamento"));
        QCOMPARE(f.caixaMaquina->accessibleName(), QStringLiteral("Equipamento"));
        QCOMPARE(f.caixaProprietario->accessibleName(), QStringLiteral("Proprietário"));
        QCOMPARE(f.gradeLista->linhas(), 16);
        QCOMPARE(cabecalho(f.gradeLista), (QStringList{QStringLiteral("Número"), QStringLiteral("Data"), QStringLiteral("Serviço"), QStringLiteral("Valor")}));
        QVERIFY(f.gradeLista->texto(0, 0).isEmpty());

        digita_maquina(f, QStringLiteral("1x")); // only digits go in
        QCOMPARE(f.caixaMaquina->text(), QStringLiteral("1"));
        QCOMPARE(f.caixaDescricaoMaquina->text(), QStringLiteral("Impressora - HP LaserJet 1102"));
        QCOMPARE(f.caixaProprietario->text(), QStringLiteral("2 - Ana Souza"));
        QVERIFY(f.gradeLista->texto(0, 0).isEmpty()); // nothing until "&Mostrar"

        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(linha(f.gradeLista, 0), (QStringList{QStringLiteral("1"), QStringLiteral("07/12/2026"), QStringLiteral("Troca do fusor"), QStringLiteral("R$\u00a0180,00")}));
        QCOMPARE(linha(f.gradeLista, 1), (QStringList{QStringLiteral("3"), QStringLiteral("03/11/2026"), QStringLiteral("Limpeza"), QStringLiteral("R$\u00a035,00")}));
        QVERIFY(f.gradeLista->texto(2, 0).isEmpty());
        QCOMPARE(f.gradeLista->linhas(), 16);
        QVERIFY(f.gradeLista->hasFocus());

        // another machine empties the list at once
        f.caixaMaquina->setFocus();
        tecla(f.caixaMaquina, Qt::Key_Backspace);
        QVERIFY(f.gradeLista->texto(0, 0).isEmpty());
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QTest::mouseClick(f.botaoSair, Qt::LeftButton);
        QVERIFY(!f.isVisible());
    }

    void maquinaEscolhidaNaConsulta()
    {
        FrmConsultaServicoMaquina& f = janela();
        no_dialogo<FrmConsEquipamentoCliente>([](FrmConsEquipamentoCliente& c) {
            c.caixaCliente->setFocus();
            digita(c.caixaCliente, QStringLiteral("3"));
            tecla(c.caixaCliente, Qt::Key_Tab);
            QTRY_COMPARE(c.caixaNomeCliente->text(), QStringLiteral("Bruno Lima"));
            QTest::mouseClick(c.botaoMostrar, Qt::LeftButton);
            duplo_clique(c.gradeLista, 0, 1);
        });
        f.caixaMaquina->setFocus();
        tecla(f.caixaMaquina, Qt::Key_F12);
        QCOMPARE(f.caixaMaquina->text(), QStringLiteral("3"));
        QCOMPARE(f.caixaDescricaoMaquina->text(), QStringLiteral("Impressora - Epson L355"));
        QCOMPARE(f.caixaProprietario->text(), QStringLiteral("3 - Bruno Lima"));
        QVERIFY(f.gradeLista->texto(0, 0).isEmpty());
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(linha(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("08/12/2026"),
                                                QStringLiteral("Troca da cabeça de impressão (garantia)"), QStringLiteral("R$\u00a00,00")}));
        // a lookup left without a choice keeps the machine
        no_dialogo<FrmConsEquipamentoCliente>([](FrmConsEquipamentoCliente& c) { QTest::mouseClick(c.botaoSair, Qt::LeftButton); });
        QTest::mouseClick(f.botaoConsultarMaquinas, Qt::LeftButton);
        QCOMPARE(f.caixaMaquina->text(), QStringLiteral("3"));
        QCOMPARE(acoes_modais_pendentes(), 0);
    }

    // An unknown machine empties the texts without a word; "&Mostrar" then
    // asks for the machine and "&Imprimir" does nothing.
    void maquinaDesconhecida()
    {
        FrmConsultaServicoMaquina& f = janela();
        digita_maquina(f, QStringLiteral("1"));
        digita_maquina(f, QStringLiteral("99"));
        QVERIFY(f.caixaDescricaoMaquina->text().isEmpty() && f.caixaProprietario->text().isEmpty());
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Informe o equipamento!")});
        QCOMPARE(amb->msgs.mostradas().first().titulo, QStringLiteral("Zerlin Software - Controle Geral"));
        cr().SelectionFormula = QStringLiteral("anterior");
        QTest::mouseClick(f.botaoImprimir, Qt::LeftButton);
        QVERIFY(previas_abertas().isEmpty());
        QCOMPARE(cr().SelectionFormula, QStringLiteral("anterior"));
        digita_maquina(f, QString());
        amb->msgs.limpa();
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Informe o equipamento!")});
    }

    // The printed history: the four formula fields (the owner's with a
    // blank after "="), the machine's selection, whether or not the list
    // was shown.
    void imprimeOHistorico()
    {
        FrmConsultaServicoMaquina& f = janela();
        digita_maquina(f, QStringLiteral("1"));
        QTest::mouseClick(f.botaoImprimir, Qt::LeftButton);
        const QList<FrmRelatorio*> ps = previas_abertas();
        QCOMPARE(ps.size(), 1);
        QCOMPARE(cr().ReportFileName, arquivo_relatorio(QStringLiteral("005.rpt")));
        // the shop as its record reads now
        const Estabelecimento loja = Estabelecimento::le(conexao);
        QVERIFY(!loja.nome.isEmpty());
        QCOMPARE(QStringList(cr().Formulas.begin(), cr().Formulas.begin() + 5),
                 (QStringList{QStringLiteral("Equipamento='Impressora - HP LaserJet 1102'"), QStringLiteral("Nome_empresa='") + loja.nome + QLatin1Char('\''),
                              QStringLiteral("Proprietario= '2 - Ana Souza'"), QStringLiteral("Rodape='") + loja.rodape + QLatin1Char('\''), QString()}));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{servico_equipamento.equipamento_cliente}=1"));
        QCOMPARE(ps.first()->relatorio().dados().linhas(), 2);
    }

    // "&Ver ordem" and a double click open the order of the row for
    // editing; a filler row opens nothing.
    void verOrdem()
    {
        FrmConsultaServicoMaquina& f = janela();
        digita_maquina(f, QStringLiteral("1"));
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        QList<qint32> abertas;
        auto abre = [&abertas](FrmOrdem& o) {
            abertas << o.codigoEditado();
            QVERIFY(!o.inclusao());
            QCOMPARE(o.caixaCodigo->text(), QString::number(o.codigoEditado()));
            QCOMPARE(o.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
            o.cancelar_clicado();
        };
        no_dialogo<FrmOrdem>(abre);
        f.gradeLista->setFocus();
        tecla(f.gradeLista, Qt::Key_Down); // row 2: order 3
        QTest::mouseClick(f.botaoVerOrdem, Qt::LeftButton);
        no_dialogo<FrmOrdem>(abre);
        duplo_clique(f.gradeLista, 0, 2);
        QCOMPARE(abertas, (QList<qint32>{3, 1}));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QCOMPARE(valor(QStringLiteral("select count(*) from item_ordem")).toInt(), 4); // nothing was touched
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(f.gradeLista->texto(1, 0), QStringLiteral("3"));
    }

    // A double click on a filler row opens nothing.
    void linhaVaziaNaoAbreOrdem()
    {
        FrmConsultaServicoMaquina& f = janela();
        digita_maquina(f, QStringLiteral("1"));
        QTest::mouseClick(f.botaoMostrar, Qt::LeftButton);
        duplo_clique(f.gradeLista, 4, 1);
        QTest::mouseClick(f.botaoVerOrdem, Qt::LeftButton); // on the filler row just clicked
        QCOMPARE(acoes_modais_pendentes(), 0);
        QVERIFY(f.isVisible());
        QCOMPARE(f.gradeLista->texto(0, 0), QStringLiteral("1"));
    }
};

QTEST_MAIN(TstServicoMaquina)
#include "tst_servicomaquina.moc"
