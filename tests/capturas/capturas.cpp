// Makes the pictures and documents of docs/ and of the user's guide
// (docs/guia) from the program as it is: the forms driven on a sample shop
// as the counter drives them, each window grabbed, each document saved as
// the preview saves it. Not a test: run by scripts/capturas.sh, which
// names the folder (CONTROLE_OS_DOCS).
#include "apoio.h"
#include "controlerelatorio.h"
#include "dinheiro.h"
#include "frmbaixacontasreceber.h"
#include "frmcadcliente.h"
#include "frmcadcondicaopagto.h"
#include "frmcadestabelecimento.h"
#include "frmcadtecnico.h"
#include "frmcontasreceber.h"
#include "frmentradaequipamento.h"
#include "frmfechamentovendaprazo.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "frmpagamentodavenda.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "frmselecionaperiodo.h"
#include "lojateste.h"

#include "motorrelatorio.h"
#include "passos.h"
#include "relogio.h"
#include "textopdf.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace apoio;

namespace {

QString destino(const QString& arquivo) { return QDir(qEnvironmentVariable("CONTROLE_OS_DOCS")).filePath(arquivo); }

void guarda(QWidget& janela, const char* nome)
{
    espera_fila(); // what the window does after an event (its columns fitting their texts) is done
    QDir().mkpath(QFileInfo(destino(QString::fromLatin1(nome))).path());
    // the guide's pictures as small as they stay sharp: a form has few colours
    // (the main window's picture keeps its colours)
    const bool guia = QByteArray(nome).startsWith("guia/");
    QImage imagem = janela.grab().toImage();
    if (guia && !QByteArray(nome).endsWith("principal"))
        imagem = imagem.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVERIFY2(imagem.save(destino(QString::fromLatin1(nome) + QStringLiteral(".png")), nullptr, guia ? 9 : -1), nome);
}

// A registration form showing one record, as the search screen opens it.
template <class T>
void guarda_cadastro(qint32 codigo, const char* nome)
{
    T& f = abre_edicao<T>(codigo);
    guarda(f, nome);
    f.close();
}

// The document a save offers next opens its preview modally: it is saved
// as a PDF once on screen, then the preview closes and the flow goes on.
void guarda_documento(const char* nome)
{
    ao_abrir_previa([nome](FrmRelatorio&) { QVERIFY2(gera_pdf(cr(), destino(QString::fromLatin1(nome) + QStringLiteral(".pdf"))), nome); });
}

} // namespace

class Capturas : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

private slots:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("CONTROLE_OS_DOCS"), "CONTROLE_OS_DOCS não diz onde gravar"); }
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        Relogio::fixa(QDateTime(QDate(2026, 12, 8), QTime(9, 45)));
    }
    void cleanup()
    {
        fecha_previas();
        limpa_acoes_modais();
        amb.reset();
    }

    void principal()
    {
        auto p = janela_principal();
        p->resize(1000, 680);
        ativa(*p);
        guarda(*p, "principal");
    }

    // The entry, the budget (saved and printed) and the order of the sample shop.
    void movimentos()
    {
        auto& e = abre_inclusao<FrmEntradaEquipamento>();
        cliente(e, QStringLiteral("2"));
        e.caixaSolicitante->setText(QStringLiteral("Marcos Souza"));
        e.marcaPrometido->setChecked(true);
        e.dataPrometida->setDate(QDate(2026, 12, 12));
        e.caixaNumeroSerie->setText(QStringLiteral("CNB9K12345"));
        e.caixaAcessorios->setText(QStringLiteral("Cabo de força e cabo USB"));
        e.caixaEstado->setText(QStringLiteral("Tampa traseira trincada"));
        item_entrada(e, QStringLiteral("Impressora HP LaserJet 1102"), QStringLiteral("Manchas na impressão"));
        item_entrada(e, QStringLiteral("Notebook Dell Inspiron"), QStringLiteral("Não liga"));
        duplo_clique(e.gradeItens, 1, 1); // the printer picked: what it came with below
        guarda(e, "entrada");
        guarda(e, "guia/entrada");
        clica(e.botaoCancelar);

        auto& o = abre_inclusao<FrmOrcamento>();
        cliente(o, QStringLiteral("2"));
        item_servico(o, 1, QStringLiteral("Troca do fusor"), QStringLiteral("180"));
        item_servico(o, 2, QStringLiteral("Limpeza e revisão geral"), QStringLiteral("120,5"));
        o.caixaEntrada->setFocus();
        digita(o.caixaEntrada, QStringLiteral("57"));
        tecla(o.caixaEntrada, Qt::Key_Return);
        guarda(o, "orcamento");
        guarda(o, "guia/orcamento");
        amb->msgs.respostas({true}); // printed for the customer
        guarda_documento("orcamento");
        clica(o.botaoGravar);
        clica(o.botaoCancelar);

        auto& s = form<FrmOrdem>();
        abre_edicao<FrmOrdem>(1);
        guarda(s, "ordem");
        guarda(s, "guia/ordem");
        clica(s.botaoCancelar);
    }

    // An order closed on credit, its first instalment paid in part with
    // the receipt printed, and the open receivables.
    void credito()
    {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        const int cliente = valor(QStringLiteral("select max(ncodigo) from cliente")).toInt();
        executa(QStringLiteral("update cliente set cfantasia = 'Carla Dias', cendereco = '' where ncodigo = %1").arg(cliente));
        executa(QStringLiteral("insert into ordem values(null,%1,'2026-12-08','10:00:00',300.50,'',2,1,0);").arg(cliente));
        auto& p = form<FrmFechamentoVendaPrazo>();
        const qint32 ordem = valor(QStringLiteral("select max(ncodigo) from ordem")).toInt();
        ao_abrir_modal([&](QDialog& d) {
            ativa(d);
            guarda(d, "fechamento_prazo");
            amb->msgs.respostas({true});
            clica(p.botaoGravar);
        });
        QVERIFY(p.fecha({ordem, cliente, QStringLiteral("Entregue"), Dinheiro::deCentavos(30050), 2, QStringLiteral("30 \\ 60"), {}}));

        auto& f = abre_receber();
        amb->msgs.respostas({true}); // the receipt
        baixa(f, valor(QStringLiteral("select min(ncodigo) from conta_receber where nordem = %1").arg(ordem)).toInt(),
              [](FrmBaixaContasReceber& b) {
                  guarda_documento("recibo"); // once the payment is saved
                  parcial(b, QStringLiteral("100"));
              });
        guarda(f, "contas_receber");
    }

    // The guide's first day: the shop, a payment condition, a technician
    // and a customer, each as its form shows it.
    void primeiroDia()
    {
        auto& e = mostra_form<FrmCadEstabelecimento>();
        guarda(e, "guia/estabelecimento");
        e.close();
        guarda_cadastro<FrmCadCondicaoPagto>(2, "guia/condicao");
        guarda_cadastro<FrmCadTecnico>(1, "guia/tecnico");
        guarda_cadastro<FrmCadCliente>(2, "guia/cliente");
        auto p = janela_principal();
        p->resize(1000, 680);
        ativa(*p);
        guarda(*p, "guia/principal");
    }

    // The guide's counter (its entry, budget and order are those above):
    // the cash closing with the change, a write-off and a report's preview.
    void balcao()
    {
        executa(QStringLiteral("insert into ordem values(null,2,'2026-12-08','10:00:00',180,'',1,1,0);"));
        auto& v = form<FrmPagamentoDaVenda>();
        ao_abrir_modal([&](QDialog& d) {
            ativa(d);
            v.caixaValorPago->setFocus();
            v.caixaValorPago->selectAll();
            digita(v.caixaValorPago, QStringLiteral("200"));
            tecla(v.caixaValorPago, Qt::Key_Tab);
            guarda(d, "guia/pagamento_vista");
            d.reject();
        });
        v.fecha({valor(QStringLiteral("select max(ncodigo) from ordem")).toInt(), 2, {}, Dinheiro::deCentavos(18000), 1, {}, {}});

        auto& f = abre_receber();
        amb->msgs.respostas({false}); // no receipt this time
        baixa(f, 2, [](FrmBaixaContasReceber& b) { parcial(b, QStringLiteral("50"), [&b] { guarda(b, "guia/baixa"); }); });
        guarda(f, "guia/contas_receber");
        f.close();

        auto principal = janela_principal();
        no_dialogo<FrmSelecionaPeriodo>([](FrmSelecionaPeriodo& d) {
            d.dataInicial->setDate(QDate(2026, 12, 1));
            d.dataFinal->setDate(QDate(2026, 12, 31));
            guarda(d, "guia/periodo");
            clica(d.botaoOk);
        });
        principal->item(QStringLiteral("menuRelRecebimentos"))->trigger();
        const QList<FrmRelatorio*> ps = previas_abertas();
        QCOMPARE(ps.size(), 1);
        ps.first()->resize(900, 640);
        ativa(*ps.first());
        guarda(*ps.first(), "guia/relatorio");
    }

    // The cash received in December, by form of payment.
    void recebimentos()
    {
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,40,0,0,0,'P','','2026-12-05 09:00:00');"));
        executa(QStringLiteral("insert into baixa_conta_receber values(null,2,33.33,1,1.5,0.75,'P','','2026-12-31 23:59:59');"));
        auto principal = janela_principal();
        no_dialogo<FrmSelecionaPeriodo>([](FrmSelecionaPeriodo& f) {
            f.dataInicial->setDate(QDate(2026, 12, 1));
            f.dataFinal->setDate(QDate(2026, 12, 31));
            clica(f.botaoOk);
        });
        principal->item(QStringLiteral("menuRelRecebimentos"))->trigger();
        const QList<FrmRelatorio*> ps = previas_abertas();
        QCOMPARE(ps.size(), 1);
        QVERIFY(ps.first()->salvaPdf(destino(QStringLiteral("recebimentos.pdf"))));
    }
};

QTEST_MAIN(Capturas)
#include "capturas.moc"
