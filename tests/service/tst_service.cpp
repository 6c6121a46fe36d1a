// The printed documents: the entry receipt (001), the service order (002)
// and the delivery terms (012), driven as the forms drive them, rendered and
// read back from PDF; and the jobs of "Oficina" through their stages.
#include "apoio.h"
#include "controlerelatorio.h"
#include "dadosmovimento.h"
#include "impressos.h"
#include "frmconsultaordem.h"
#include "frmentrega.h"
#include "frmordem.h"
#include "frmprazosoficina.h"
#include "formularios.h"
#include "frmoficina.h"
#include "frmorcamento.h"
#include "frmprincipal.h"
#include "grade.h"
#include "oficina.h"
#include "relogio.h"
#include "frmrelatorio.h"
#include "lojateste.h"
#include "passos.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "sessao.h"
#include "relatorio.h"
#include "textopdf.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
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

    // The row of "Oficina" whose document reads `documento`: its stage,
    // days and notice ("-" when the job is not listed).
    static QString linha_oficina(FrmOficina& f, const QString& documento)
    {
        Grade& g = *f.gradeLista;
        for (int l = 0; l < g.linhas(); ++l)
            if (g.texto(l, 1) == documento)
                return g.texto(l, 2) + QLatin1Char('|') + g.texto(l, 3) + QLatin1Char('|') + g.aviso(l);
        return QStringLiteral("-");
    }
    static bool vai_para(FrmOficina& f, const QString& documento)
    {
        for (int l = 0; l < f.gradeLista->linhas(); ++l)
            if (f.gradeLista->texto(l, 1) == documento) {
                f.gradeLista->defineLinhaAtual(l);
                f.atualiza_botoes();
                return true;
            }
        return false;
    }

    // The order form on order `codigo`, shown and active.
    static FrmOrdem& abre_ordem(qint32 codigo)
    {
        return abre_edicao<FrmOrdem>(codigo);
    }
    // The order search listing every order, on the row of order `codigo`,
    // chosen with the mouse.
    static FrmConsultaOrdem& busca_na_ordem(qint32 codigo)
    {
        FrmConsultaOrdem& busca = mostra_form<FrmConsultaOrdem>();
        clica(busca.botaoMostrar);
        gesto_na_celula(busca.gradeLista, linha_do_codigo(busca.gradeLista, codigo), 1, {QTest::MouseClick});
        return busca;
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
    }

    void comprovanteRespondidoNaoNaoImprime()
    {
        cr().ReportFileName = QStringLiteral("antes.rpt");
        amb->msgs.respostas({false});
        emite_comprovante_entrada(loja.entrada, QStringLiteral("06/12/2026"));
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_ENTRADA});
        QCOMPARE(cr().ReportFileName, QStringLiteral("antes.rpt"));
        QVERIFY(previas_abertas().isEmpty());
    }

    void comprovanteDeEntrada()
    {
        // another entry that must stay off this receipt
        executa(QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,3,'2026-12-09','08:00:00') ;"));
        executa(QStringLiteral("insert into item_da_entrada values(null,58,'Monitor LG','Tela piscando');"));
        // the day promised and what the printer came with, read back as written;
        // the notebook came with nothing noted
        EntradaEquipamento entrada = *le_entrada(conexao, 57);
        entrada.prometida = QDate(2026, 12, 12);
        grava_entrada(conexao, entrada);
        QCOMPARE(le_entrada(conexao, 57)->prometida, std::optional<QDate>(QDate(2026, 12, 12)));
        QList<ItemEntrada> itens = le_itens_entrada(conexao, 57);
        itens[0].numeroSerie = QStringLiteral("CNB9K12345");
        itens[0].acessorios = QStringLiteral("Cabo de força e cabo USB");
        itens[0].estado = QStringLiteral("Tampa traseira trincada");
        grava_item_entrada(conexao, 57, itens[0]);
        QCOMPARE(le_itens_entrada(conexao, 57)[0].estado, itens[0].estado);
        executa(QStringLiteral("insert into item_entrada_detalhe (nitem, cnumero_serie) values ((select max(ncodigo) from item_da_entrada), 'SN-MONITOR')"));
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
        QCOMPARE(cr().Formulas[1], QStringLiteral("Rodape='%1'").arg(Estabelecimento::le(conexao).rodape));
        for (int i = 2; i < 10; ++i)
            QVERIFY(cr().Formulas[i].isEmpty());

        confere_textos(t, {loja.nome, QStringLiteral("Rua das Flores, 100 - Centro - Curitiba/PR"),
                                         QStringLiteral("COMPROVANTE DE ENTRADA DE EQUIPAMENTOS"),
                                         QStringLiteral("06/12/2026 - N.º 57"), QStringLiteral("Cliente: 2 - Ana Souza"),
                                         QStringLiteral("Entrada em 06/12/2026 às 09:15"), QStringLiteral("Solicitante: Marcos Souza"),
                                         QStringLiteral("Impressora HP LaserJet 1102"), QStringLiteral("Manchas na impressão e papel enroscando"),
                                         QStringLiteral("Notebook Dell Inspiron"), QStringLiteral("Não liga"),
                                         QStringLiteral("Equipamentos recebidos: 2"), QStringLiteral("Observações: Cliente pede urgência"),
                                         QStringLiteral("Assinatura do cliente"), plano(Estabelecimento::le(conexao).rodape), QStringLiteral("Página 1 de 1"),
                                         QStringLiteral("Prometido para 12/12/2026"), QStringLiteral("N.º de série: CNB9K12345"),
                                         QStringLiteral("Acessórios: Cabo de força e cabo USB"), QStringLiteral("Estado: Tampa traseira trincada")});
        // only what was filled, once each
        QCOMPARE(t.count(QStringLiteral("N.º de série:")), 1);
        QCOMPARE(t.count(QStringLiteral("Acessórios:")), 1);
        QVERIFY(!t.contains(QStringLiteral("SN-MONITOR")));
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
        QVERIFY(!t.contains(QStringLiteral("Prometido")));
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
        amb->msgs.respostas({false});
        emite_ordem_servico(loja.ordem);
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_ORDEM});
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
        QCOMPARE(cr().Formulas[1], QStringLiteral("Rodape='%1'").arg(Estabelecimento::le(conexao).rodape));
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
                                         QStringLiteral("Observações: Retirar até sexta"), plano(Estabelecimento::le(conexao).rodape), QStringLiteral("Página 1 de 1")});
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
        QVERIFY(principal->isVisible());
    }

    // One job of Bruno's through its whole life and each way back, as
    // "Oficina" shows it: the document it stands on, its stage, the days in
    // that stage and its mark past the stage's limit; the delivery and its
    // undoing through the window, and what they store.
    void etapasDeUmTrabalho()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 20), QTime(10, 0)));
        struct Passo {
            const char* nome;
            std::function<void(FrmOficina&)> acao;
            QString documento, linha; // the row expected; "-": not listed
            QString sumido = {};     // a document no longer listed
        };
        const QString itemOrdem = QStringLiteral("insert into item_ordem values(null,3,3,'Troca do rolete',85.5,1 )");
        const QList<Passo> passos = {
            {"entrada sem orçamento", [&](FrmOficina&) {
                 executa(QStringLiteral("insert into entrada_equipamento(ncodigo,ncliente,ddata,thora) values (null,3,'2026-12-09','09:00:00')"));
                 executa(QStringLiteral("insert into item_da_entrada values(null,58,'Impressora Epson L355','Não puxa papel')"));
             }, QStringLiteral("Entrada 58"), QStringLiteral("Aguardando orçamento|11|")},
            {"orçamento da entrada, há 10 dias", [&](FrmOficina&) {
                 executa(QStringLiteral("insert into orcamento values(null,3,'2026-12-10','10:00:00',85.5,'',0,1)"));
                 liga_orcamento_entrada(conexao, 1, 58);
             }, QStringLiteral("Orçamento 1"), QStringLiteral("Aguardando aprovação|10|atrasado"), QStringLiteral("Entrada 58")},
            {"orçamento excluído", [&](FrmOficina&) { executa(QStringLiteral("delete from orcamento where ncodigo = 1")); },
             QStringLiteral("Entrada 58"), QStringLiteral("Aguardando orçamento|11|"), QStringLiteral("Orçamento 1")},
            {"novo orçamento, no prazo, ligado à entrada na tela", [&](FrmOficina&) {
                 executa(QStringLiteral("insert into orcamento values(null,3,'2026-12-18','10:00:00',85.5,'',1,1)"));
                 executa(QStringLiteral("insert into item_orcamento values(null,2,3,'Troca do rolete',85.5)"));
                 auto& o = abre_edicao<FrmOrcamento>(2);
                 // Ana's entry does not answer Bruno's budget: refused, nothing stored
                 digita(o.caixaEntrada, QStringLiteral("57"));
                 clica(o.botaoGravar);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("A entrada N.º 57 é de outro cliente. Informe uma entrada deste cliente!"));
                 QCOMPARE(QApplication::focusWidget(), o.caixaEntrada);
                 QCOMPARE(linhas(QStringLiteral("select count(*) from orcamento_da_entrada")), QStringList{QStringLiteral("0")});
                 // F12 lists Bruno's entries: his one entry chosen
                 escolhe_na_consulta(1);
                 tecla(o.caixaEntrada, Qt::Key_F12);
                 QCOMPARE(o.caixaEntrada->text(), QStringLiteral("58"));
                 amb->msgs.respostas({false, false}); // no printed budget, no order
                 clica(o.botaoGravar);
                 QVERIFY(!o.isVisible());
                 QCOMPARE(linhas(QStringLiteral("select norcamento, nentrada from orcamento_da_entrada")), QStringList{QStringLiteral("2|58")});
                 // shown again when the budget is opened
                 abre_edicao<FrmOrcamento>(2);
                 QCOMPARE(o.caixaEntrada->text(), QStringLiteral("58"));
                 QCOMPARE(o.caixaDescricaoEntrada->text(), QStringLiteral("09/12/2026 - Bruno Lima - Impressora Epson L355"));
                 clica(o.botaoCancelar);
             }, QStringLiteral("Orçamento 2"), QStringLiteral("Aguardando aprovação|2|"), QStringLiteral("Entrada 58")},
            {"ordem do orçamento", [&](FrmOficina&) {
                 executa(QStringLiteral("insert into ordem values(null,3,'2026-12-19','08:00:00',85.5,'',1,0,0)"));
                 executa(itemOrdem);
                 executa(QStringLiteral("insert into ordem_do_orcamento (norcamento, nordem) values (2, 3)"));
             }, QStringLiteral("OS 3"), QStringLiteral("Em serviço|1|"), QStringLiteral("Orçamento 2")},
            {"aguardando peças, marcada na ordem pelo teclado", [&](FrmOficina&) {
                 FrmOrdem& o = abre_ordem(3);
                 QVERIFY(!o.marcaAguardandoPecas->isChecked() && !o.caixaPecasAguardadas->isEnabled());
                 o.marcaAguardandoPecas->setFocus();
                 tecla(o.marcaAguardandoPecas, Qt::Key_Space);
                 tecla(o.marcaAguardandoPecas, Qt::Key_Tab);
                 QCOMPARE(QApplication::focusWidget(), o.caixaPecasAguardadas);
                 digita(o.caixaPecasAguardadas, QStringLiteral("Rolete encomendado"));
                 tecla(&o, Qt::Key_G, Qt::AltModifier);
                 QTRY_VERIFY(!o.isVisible()); // a mnemonic clicks its button a moment later
                 QCOMPARE(linhas(QStringLiteral("select nordem, dmomento, cobs from ordem_aguardando_pecas")),
                          QStringList{QStringLiteral("3|20/12/2026 10:00:00|Rolete encomendado")});
             }, QStringLiteral("OS 3"), QStringLiteral("Aguardando peças|0|")},
            {"nota trocada mantém o dia; desmarcada com o mouse", [&](FrmOficina&) {
                 executa(QStringLiteral("update ordem_aguardando_pecas set dmomento = '2026-12-19 15:00:00'"));
                 FrmOrdem& o = abre_ordem(3); // read back
                 QVERIFY(o.marcaAguardandoPecas->isChecked());
                 QCOMPARE(o.caixaPecasAguardadas->text(), QStringLiteral("Rolete encomendado"));
                 o.caixaPecasAguardadas->setText(QStringLiteral("Rolete chega dia 22"));
                 clica(o.botaoGravar);
                 QCOMPARE(linhas(QStringLiteral("select dmomento, cobs from ordem_aguardando_pecas")),
                          QStringList{QStringLiteral("19/12/2026 15:00:00|Rolete chega dia 22")});
                 abre_ordem(3);
                 clica(o.marcaAguardandoPecas);
                 QVERIFY(!o.caixaPecasAguardadas->isEnabled());
                 clica(o.botaoGravar);
             }, QStringLiteral("OS 3"), QStringLiteral("Em serviço|1|")},
            {"aguardando peças de novo", [&](FrmOficina&) {
                 FrmOrdem& o = abre_ordem(3);
                 QVERIFY(!o.marcaAguardandoPecas->isChecked());
                 QCOMPARE(o.caixaPecasAguardadas->text(), QString());
                 clica(o.marcaAguardandoPecas);
                 // ticking "Concluída" takes the mark away; unticking gives it back to the clerk
                 o.marcaConcluida->setChecked(true);
                 QVERIFY(!o.marcaAguardandoPecas->isChecked() && !o.marcaAguardandoPecas->isEnabled());
                 o.marcaConcluida->setChecked(false);
                 clica(o.marcaAguardandoPecas);
                 clica(o.botaoGravar);
             }, QStringLiteral("OS 3"), QStringLiteral("Aguardando peças|0|")},
            {"concluída, retirada vencida", [&](FrmOficina&) {
                 executa(QStringLiteral("update ordem set nconcluida = 1 where ncodigo = 3"));
                 QCOMPARE(linhas(QStringLiteral("select count(*) from ordem_aguardando_pecas")), QStringList{QStringLiteral("0")});
                 executa(QStringLiteral("update ordem_concluida set ddata = '2026-11-15' where nordem = 3"));
             }, QStringLiteral("OS 3"), QStringLiteral("Pronto para retirada|35|atrasado")},
            {"abandonada", [&](FrmOficina&) {
                 executa(QStringLiteral("update ordem_concluida set ddata = '2026-09-01' where nordem = 3"));
             }, QStringLiteral("OS 3"), QStringLiteral("Pronto para retirada|110|abandonado")},
            {"prazos da oficina: abandonada só depois de 120 dias", [&](FrmOficina& f) {
                 no_dialogo<FrmPrazosOficina>([&](FrmPrazosOficina& d) {
                     QCOMPARE(d.caixaDiasAbandono->value(), 90);
                     d.caixaDiasAbandono->setFocus();
                     tecla(d.caixaDiasAbandono, Qt::Key_A, Qt::ControlModifier);
                     digita(d.caixaDiasAbandono, QStringLiteral("20")); // before the pick-up's 30: refused, the dialog stays
                     clica(d.botaoGravar);
                     QCOMPARE(amb->msgs.ultimo(), QStringLiteral("O prazo para considerar abandonado não pode ser menor que o prazo de retirada."));
                     QVERIFY(d.isVisible());
                     tecla(d.caixaDiasAbandono, Qt::Key_A, Qt::ControlModifier);
                     digita(d.caixaDiasAbandono, QStringLiteral("120"));
                     tecla(d.caixaDiasAbandono, Qt::Key_F5); // to "&Gravar", and Enter presses it
                     QCOMPARE(QApplication::focusWidget(), d.botaoGravar);
                     tecla(d.botaoGravar, Qt::Key_Return);
                 });
                 clica(f.botaoPrazos);
                 QCOMPARE(linhas(QStringLiteral("select ndias_aprovacao, ndias_retirada, ndias_abandono, ndias_garantia from ajuste_oficina")),
                          QStringList{QStringLiteral("5|30|120|90")});
                 QCOMPARE(linha_oficina(f, QStringLiteral("OS 3")), QStringLiteral("Pronto para retirada|110|atrasado"));
             }, QStringLiteral("OS 3"), QStringLiteral("Pronto para retirada|110|atrasado")},
            {"reaberta", [&](FrmOficina&) { executa(QStringLiteral("update ordem set nconcluida = 0 where ncodigo = 3")); },
             QStringLiteral("OS 3"), QStringLiteral("Em serviço|1|")},
            {"não concluída não se entrega", [&](FrmOficina& f) {
                 QVERIFY(vai_para(f, QStringLiteral("OS 3")));
                 clica(f.botaoEntregar);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Só uma ordem de serviço pronta para retirada pode ser entregue."));
                 QVERIFY_THROWS_EXCEPTION(Recusa, entrega_ordem(conexao, Entrega{3, Relogio::momento(), QStringLiteral("X"), {}, {}}));
                 // nor from the order search: refused before any dialog opens
                 FrmConsultaOrdem& busca = busca_na_ordem(3);
                 no_modal([](QDialog& d) { QFAIL(qPrintable(d.objectName() + QStringLiteral(" aberta"))); });
                 tecla(&busca, Qt::Key_N, Qt::AltModifier);
                 QTRY_COMPARE(amb->msgs.ultimo(), QStringLiteral("A ordem de serviço 3 não está concluída: só uma ordem concluída pode ser entregue."));
                 QCOMPARE(acoes_modais_pendentes(), 1);
                 limpa_acoes_modais();
                 busca.close();
             }, QStringLiteral("OS 3"), QStringLiteral("Em serviço|1|")},
            {"entregue pela localização de ordens", [&](FrmOficina& f) {
                 executa(QStringLiteral("update ordem set nconcluida = 1 where ncodigo = 3"));
                 executa(QStringLiteral("update ordem_concluida set ddata = '2026-12-18' where nordem = 3"));
                 FrmConsultaOrdem& busca = busca_na_ordem(3);
                 no_dialogo<FrmEntrega>([&](FrmEntrega& d) {
                     QCOMPARE(d.caixaMomento->dateTime(), QDateTime(QDate(2026, 12, 20), QTime(10, 0)));
                     clica(d.botaoGravar); // nobody named: refused, the dialog stays
                     QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe quem retirou o equipamento."));
                     QVERIFY(d.isVisible());
                     digita(d.caixaRetiradoPor, QStringLiteral("Bruno Lima"));
                     digita(d.caixaDocumento, QStringLiteral("12.345.678-9"));
                     clica(d.botaoGravar);
                 });
                 amb->msgs.respostas({false}); // no terms printed
                 clica(busca.botaoEntrega);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Deseja emitir o termo de entrega?"));
                 QCOMPARE(linhas(QStringLiteral("select nordem, dmomento, cretirado_por, cdocumento from entrega")),
                          QStringList{QStringLiteral("3|20/12/2026 10:00:00|Bruno Lima|12.345.678-9")});
                 // the list read again; a second delivery refused before the dialog
                 QCOMPARE(busca.gradeLista->linhaAtual(), 0); // read again from the top
                 busca.gradeLista->defineLinhaAtual(linha_do_codigo(busca.gradeLista, 3));
                 clica(busca.botaoEntrega);
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("A ordem de serviço 3 já foi entregue em 20/12/2026 10:00."));
                 busca.close();
                 f.mostra();
                 QCOMPARE(linha_oficina(f, QStringLiteral("OS 3")), QStringLiteral("-")); // delivered ones on request
                 f.marcaEntregues->click();
             }, QStringLiteral("OS 3"), QStringLiteral("Entregue|0|")},
            {"entregue não reabre nem se entrega de novo", [&](FrmOficina&) {
                 // the order form's reopening refused, in the words the clerk reads
                 try {
                     conexao.execute(QStringLiteral("update ordem set nconcluida = 0 where ncodigo = 3"));
                     QFAIL("reaberta depois de entregue");
                 } catch (const ErroBanco& e) {
                     trata_erro_banco(e);
                 }
                 QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Esta ordem de serviço já foi entregue: desfaça a entrega antes de reabri-la."));
                 try {
                     entrega_ordem(conexao, Entrega{3, Relogio::momento(), QStringLiteral("Outro"), {}, {}});
                     QFAIL("entregue duas vezes");
                 } catch (const Recusa& r) {
                     QCOMPARE(r.texto(), QStringLiteral("A ordem de serviço 3 já foi entregue em 20/12/2026 10:00."));
                 }
             }, QStringLiteral("OS 3"), QStringLiteral("Entregue|0|")},
            {"entrega desfeita", [&](FrmOficina& f) {
                 QVERIFY(vai_para(f, QStringLiteral("OS 3")));
                 amb->msgs.respostas({false});
                 clica(f.botaoDesfazerEntrega); // "Não": nothing changes
                 QCOMPARE(linhas(QStringLiteral("select count(*) from entrega_desfeita")), QStringList{QStringLiteral("0")});
                 amb->msgs.respostas({true});
                 amb->msgs.entradas({QStringLiteral("Cliente voltou com a máquina")});
                 clica(f.botaoDesfazerEntrega);
                 QCOMPARE(amb->msgs.mostradas().at(amb->msgs.mostradas().size() - 2).texto,
                          QStringLiteral("Deseja realmente desfazer a entrega da ordem de serviço N.º 3?"));
                 QCOMPARE(linhas(QStringLiteral("select nentrega, dmomento, iif(cusuario = current_user, 1, 0), cmotivo from entrega_desfeita")),
                          QStringList{QStringLiteral("1|20/12/2026 10:00:00|1|Cliente voltou com a máquina")});
             }, QStringLiteral("OS 3"), QStringLiteral("Pronto para retirada|2|")},
        };
        FrmOficina& f = mostra_form<FrmOficina>();
        // the example shop's two orders are ready since today
        executa(QStringLiteral("update ordem_concluida set ddata = '2026-12-19'"));
        for (const Passo& p : passos) {
            p.acao(f);
            if (QTest::currentTestFailed())
                QFAIL(p.nome);
            f.mostra();
            QVERIFY2(linha_oficina(f, p.documento) == p.linha, qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(p.nome), linha_oficina(f, p.documento))));
            if (!p.sumido.isEmpty())
                QVERIFY2(linha_oficina(f, p.sumido) == QStringLiteral("-"), p.nome);
            // the stages kept are those the documents give, at every step
            const QStringList etapas = regras_quebradas().filter(QStringLiteral("job stage kept"));
            QVERIFY2(etapas.isEmpty(), qPrintable(QString::fromUtf8(p.nome) + QLatin1Char(' ') + etapas.join(QLatin1Char(';'))));
        }
        // the counts of every stage, the delivered ones shown
        QCOMPARE(f.rotuloContagem->text(), QStringLiteral("Aguardando orçamento: 0   Aguardando aprovação: 0   Em serviço: 0   "
                                                          "Aguardando peças: 0   Pronto para retirada: 3   Entregue: 0"));
        // a customer's jobs; a stage's
        digita(f.caixaCliente, QStringLiteral("bruno"));
        f.mostra();
        QCOMPARE(linha_oficina(f, QStringLiteral("OS 1")), QStringLiteral("-"));
        QCOMPARE(linha_oficina(f, QStringLiteral("OS 2")), QStringLiteral("Pronto para retirada|1|"));
        QVERIFY(f.rotuloContagem->text().contains(QStringLiteral("Pronto para retirada: 2")));
        Relogio::solta();
    }

    // The delivery terms, printed once the delivery is saved: the shop, the
    // customer, each machine and service, paid and still open, who
    // collected it, and the warranty from the shop's setting.
    void termoDeEntrega()
    {
        executa(QStringLiteral("update ajuste_oficina set ndias_garantia = 30"));
        amb->msgs.respostas({true});
        no_dialogo<FrmEntrega>([&](FrmEntrega& d) {
            d.caixaMomento->setDateTime(QDateTime(QDate(2026, 12, 21), QTime(16, 30)));
            digita(d.caixaRetiradoPor, QStringLiteral("Marcos Souza"));
            digita(d.caixaObservacao, QStringLiteral("Levou os cabos"));
            clica(d.botaoGravar);
        });
        QString t;
        lePrevia(t);
        const auto e = form<FrmEntrega>().entrega(loja.ordem);
        QVERIFY(e);
        QCOMPARE(e->retiradoPor, QStringLiteral("Marcos Souza"));
        QCOMPARE(cr().SelectionFormula, QStringLiteral("{entrega.ncodigo}=1"));
        confere_textos(t, {loja.nome, QStringLiteral("TERMO DE ENTREGA"), QStringLiteral("Ordem de serviço N.º 1"),
                           QStringLiteral("Cliente: 2 - Ana Souza"), QStringLiteral("Entregue em: 21/12/2026 16:30"),
                           QStringLiteral("Impressora - HP LaserJet 1102"), QStringLiteral("Troca do fusor"),
                           QStringLiteral("Notebook - Dell Inspiron"), QStringLiteral("Limpeza e revisão geral"),
                           QStringLiteral("Total da ordem: R$ 300,50"), QStringLiteral("Total pago: R$ 150,25"),
                           QStringLiteral("Em aberto: R$ 150,25"), QStringLiteral("Retirado por: Marcos Souza"),
                           QStringLiteral("Observações: Levou os cabos"),
                           QStringLiteral("Garantia: 30 dias a partir da entrega, até 20/01/2027."), plano(Estabelecimento::le(conexao).rodape)});
        QVERIFY(!t.contains(QStringLiteral("Bruno Lima")));
    }
};

QTEST_MAIN(TstService)
#include "tst_service.moc"
