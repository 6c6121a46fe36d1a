// The report engine on a real database, driven through the report control
// of the main window as the program drives it: the eight report files with
// the formulas of the report commands, the reset between runs, failures
// shown to the user, pagination with groups and totals, the preview.
#include "apoio.h"
#include "comandosrelatorio.h"
#include "controlerelatorio.h"
#include "dadosrelatorio.h"
#include "definicaorelatorio.h"
#include "errorelatorio.h"
#include "frmconsultaservicomaquina.h"
#include "frmordem.h"
#include "frmprincipal.h"
#include "frmrelatorio.h"
#include "frmselecionaperiodo.h"
#include "grade.h"
#include "passos.h"
#include "relogio.h"
#include "lojateste.h"
#include "estabelecimento.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "paginacao.h"
#include "pintorrelatorio.h"
#include "relatorio.h"
#include "textopdf.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSqlQuery>
#include <QSpinBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QTest>

using namespace apoio;

namespace {

void fechaPrevias()
{
    for (FrmRelatorio* f : previas_abertas())
        delete f;
}

// One run as the report commands make it: reset, file, formula fields at
// their positions, selection, run action 1.
FrmRelatorio* roda(const QString& arquivo, const QList<QPair<int, QString>>& campos, const QString& selecao = QString())
{
    fechaPrevias();
    limpa_relatorio();
    cr().ReportFileName = arquivo.startsWith(QLatin1Char('/')) ? arquivo : arquivo_relatorio(arquivo);
    for (const auto& [pos, texto] : campos)
        cr().Formulas[pos] = texto;
    cr().SelectionFormula = selecao;
    cr().setAction(1);
    const QList<FrmRelatorio*> ps = previas_abertas();
    return ps.size() == 1 ? ps.first() : nullptr;
}

QString periodo(const QString& de, const QString& ate)
{
    return QStringLiteral("Periodo= 'Periodo de ") + de + QStringLiteral(" a ") + ate + QLatin1Char('\'');
}

// A printer that takes the job and then refuses it: every new page fails
// and so does the end of the job, as a printer out of paper or a spooler
// that rejects the job reports it.
class MotorQueRecusa : public QPaintEngine, public QPrintEngine {
public:
    MotorQueRecusa() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { m_estado = QPrinter::Active; return true; }
    bool end() override { m_estado = QPrinter::Error; return false; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    Type type() const override { return QPaintEngine::User; }
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey k) const override { return k == PPK_Resolution ? QVariant(300) : QVariant(); }
    bool newPage() override { m_estado = QPrinter::Error; return false; }
    bool abort() override { m_estado = QPrinter::Aborted; return true; }
    int metric(QPaintDevice::PaintDeviceMetric m) const override
    {
        switch (m) {
        case QPaintDevice::PdmWidth: return 2480;
        case QPaintDevice::PdmHeight: return 3508;
        case QPaintDevice::PdmWidthMM: return 210;
        case QPaintDevice::PdmHeightMM: return 297;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 300; // dpi
        }
    }
    QPrinter::PrinterState printerState() const override { return m_estado; }

private:
    QPrinter::PrinterState m_estado = QPrinter::Idle;
};

struct ComMotor {
    MotorQueRecusa motor; // outlives the printer that uses it
};
class ImpressoraQueRecusa : private ComMotor, public QPrinter {
public:
    ImpressoraQueRecusa() { setEngines(&motor, &motor); }
};

} // namespace

class TstReports : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;

    // the shop's name and footer as its record holds them, as formula fields
    QString nomeEmpresa(const char* campo) { return QString::fromLatin1(campo) + QStringLiteral("='") + Estabelecimento::le(conexao).nome + QLatin1Char('\''); }
    QString rodape() { return QStringLiteral("Rodape='") + Estabelecimento::le(conexao).rodape + QLatin1Char('\''); }

    // The preview's report written to PDF, as text by page.
    QStringList paginas(FrmRelatorio* f, const QString& nome, bool linhas = false)
    {
        if (!f)
            return {};
        const QString pdf = amb->banco.pasta() + QLatin1Char('/') + nome + QStringLiteral(".pdf");
        if (!f->salvaPdf(pdf))
            return {};
        QStringList r;
        for (const QString& p : paginas_pdf(pdf, linhas))
            r << plano(p);
        return r;
    }
    QString texto(FrmRelatorio* f, const QString& nome, bool linhas = false) { return paginas(f, nome, linhas).join(QLatin1Char(' ')); }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        principal = std::make_unique<FrmPrincipal>();
        principal->carrega();
        principal->show();
    }
    void cleanup()
    {
        define_etapa_inicial_relatorio(ETAPA_INICIAL_MS);
        principal.reset();
        amb.reset();
    }

    void contasAReceberComAsDuasFormasDeData()
    {
        executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','99.90',0,'2027-03-01',0)  "));
        const QString base = QStringLiteral("01/12/2026"), teto = QStringLiteral("28/02/2027");
        FrmRelatorio* f = roda(QStringLiteral("003.rpt"), {{0, nomeEmpresa("Nome_empresa")}, {1, periodo(base, teto)}, {2, rodape()}},
                               QStringLiteral("{view_contas_a_receber.vencimento}>=date('2026-12-01') and "
                                              "{view_contas_a_receber.vencimento}<=date('28/02/2027')    "));
        QVERIFY(f);
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(f->relatorio().dados().linhas(), 1); // 1/2 is paid, the March one is outside
        const QString t = texto(f, QStringLiteral("003"));
        confere_textos(t, {Estabelecimento::le(conexao).nome, QStringLiteral("Contas a receber"), QStringLiteral("Periodo de 01/12/2026 a 28/02/2027"),
                                 QStringLiteral("10/02/2027"), QStringLiteral("2/2"), QStringLiteral("2 - Ana Souza"),
                                 QStringLiteral("R$ 150,25"), QStringLiteral("Parcelas: 1"), QStringLiteral("Página 1 de 1")});
        QVERIFY(!t.contains(QStringLiteral("99,90")));
    }

    void recebidasIncluemOUltimoDiaInteiro()
    {
        // paid at 16:40 on the last day of the period
        FrmRelatorio* f = roda(QStringLiteral("004.rpt"), {{0, nomeEmpresa("Nome_empresa")}, {1, periodo(QStringLiteral("01/12/2026"), QStringLiteral("15/12/2026"))}, {2, rodape()}},
                               QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2026-12-01') and {view_contas_recebidas.data_baixa}<=date('15/12/2026')"));
        QVERIFY(f);
        QCOMPARE(f->relatorio().dados().linhas(), 1);
        const QString t = texto(f, QStringLiteral("004"));
        QVERIFY2(t.contains(QStringLiteral("15/12/2026 16:40")) && t.contains(QStringLiteral("R$ 150,25")), qPrintable(t));
        f = roda(QStringLiteral("004.rpt"), {}, QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2026-12-16') and {view_contas_recebidas.data_baixa}<=date('31/12/2026')"));
        QCOMPARE(f->relatorio().dados().linhas(), 0);
    }

    void servicosDoEquipamentoComOProprietario()
    {
        FrmRelatorio* f = roda(QStringLiteral("005.rpt"), {{0, QStringLiteral("Equipamento='Impressora - HP LaserJet 1102'")}, {1, nomeEmpresa("Nome_empresa")},
                                                           {2, QStringLiteral("Proprietario= '2 - Ana Souza'")}, {3, rodape()}},
                               QStringLiteral("{servico_equipamento.equipamento_cliente}=1"));
        QVERIFY(f);
        const QString t = texto(f, QStringLiteral("005"));
        confere_textos(t, {QStringLiteral("Equipamento: Impressora - HP LaserJet 1102"), QStringLiteral("Proprietário: 2 - Ana Souza"),
                                 QStringLiteral("Troca do fusor"), QStringLiteral("Serviços: 1")});
        QVERIFY(!t.contains(QStringLiteral("Limpeza")));
    }

    void extratoDoTecnicoComComissao()
    {
        FrmRelatorio* f = roda(QStringLiteral("006.rpt"), {{1, nomeEmpresa("NomeEmpresa")}, {2, periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026"))}, {3, rodape()}},
                               QStringLiteral("{servico_por_tecnico.data}>=date('2026-12-01') and {servico_por_tecnico.data}<=date('31/12/2026') and {servico_por_tecnico.codigo_tecnico}=1"));
        QVERIFY(f);
        QVERIFY(cr().Formulas[0].isEmpty());
        const QString t = texto(f, QStringLiteral("006"));
        confere_textos(t, {QStringLiteral("Técnico: 1 - Carlos Mendes"), QStringLiteral("Troca do fusor"), QStringLiteral("Troca da cabeça de impressão"),
                                 QStringLiteral("Serviços do técnico: 2"), QStringLiteral("R$ 180,00"), QStringLiteral("R$ 18,00"),
                                 QStringLiteral("Periodo de 01/12/2026 a 31/12/2026")});
        QVERIFY(!t.contains(QStringLiteral("Dora Reis")));
    }

    // An order being filled (still under the placeholder customer, its item
    // already written) is in no history and no report: 005, 006, 007.
    void ordemEmPreenchimentoFicaDeFora()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        auto& o = abre_inclusao<FrmOrdem>();
        cliente(o, QStringLiteral("2"));
        item_servico(o, 1, QStringLiteral("Em preenchimento"), QStringLiteral("55"), 1);
        QCOMPARE(linhas(QStringLiteral("select ordem.ncliente, cservico from ordem join item_ordem on nordem = ordem.ncodigo where ordem.ncodigo = ")
                        + o.caixaCodigo->text()),
                 QStringList{QStringLiteral("1|Em preenchimento")});

        auto& h = mostra_form<FrmConsultaServicoMaquina>();
        digita(h.caixaMaquina, QStringLiteral("1"));
        clica(h.botaoMostrar);
        QCOMPARE(coluna(h.gradeLista, 2), QStringList{QStringLiteral("Troca do fusor")});
        h.close();

        FrmRelatorio* f = roda(QStringLiteral("005.rpt"), {{0, QStringLiteral("Equipamento='Impressora - HP LaserJet 1102'")}},
                               QStringLiteral("{servico_equipamento.equipamento_cliente}=1"));
        QVERIFY(f);
        QString t = texto(f, QStringLiteral("005-preenchimento"));
        confere_textos(t, {QStringLiteral("Troca do fusor"), QStringLiteral("Serviços: 1")});
        QVERIFY(!t.contains(QStringLiteral("Em preenchimento")));

        f = roda(QStringLiteral("006.rpt"), {{2, periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026"))}},
                 QStringLiteral("{servico_por_tecnico.data}>=date('2026-12-01') and {servico_por_tecnico.data}<=date('31/12/2026') and {servico_por_tecnico.codigo_tecnico}=1"));
        QVERIFY(f);
        t = texto(f, QStringLiteral("006-preenchimento"));
        confere_textos(t, {QStringLiteral("Serviços do técnico: 2"), QStringLiteral("R$ 180,00")});
        QVERIFY(!t.contains(QStringLiteral("Em preenchimento")));

        // 007 as the menu runs it: the program's three totals
        fechaPrevias();
        no_dialogo<FrmSelecionaPeriodo>([](FrmSelecionaPeriodo& p) {
            p.dataInicial->setDate(QDate(2026, 12, 1));
            p.dataFinal->setDate(QDate(2026, 12, 31));
            clica(p.botaoOk);
        });
        imprime_faturamento();
        QCOMPARE(previas_abertas().size(), 1);
        t = texto(previas_abertas().first(), QStringLiteral("007-preenchimento"), true);
        confere_textos(t, {QStringLiteral("Clientes atendidos 2"), QStringLiteral("Manutenções realizadas 3"), QStringLiteral("Faturamento R$ 300,50")});
        o.close();
    }

    void resetDeixaPosicoes2a5Vazias()
    {
        // 007 sets six fields, then 008 sets two
        FrmRelatorio* f = roda(QStringLiteral("007.rpt"), {{0, QStringLiteral("Clientes='2'")}, {1, QStringLiteral("Faturamento='R$ 300,50'")},
                                                           {2, QStringLiteral("Manutencoes='3'")}, {3, nomeEmpresa("NomeEmpresa")},
                                                           {4, periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026"))}, {5, rodape()}});
        QVERIFY(f);
        const QString t7 = texto(f, QStringLiteral("007"), true);
        confere_textos(t7, {QStringLiteral("Clientes atendidos 2"), QStringLiteral("Manutenções realizadas 3"), QStringLiteral("Faturamento R$ 300,50")});

        f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}}, QStringLiteral("{servico_por_tecnico.codigo_cliente} = 2"));
        QVERIFY(f);
        for (int i = 2; i <= 5; ++i)
            QVERIFY(cr().Formulas[i].isEmpty());
        QCOMPARE(cr().DiscardSavedData, 0);
        const QString t8 = texto(f, QStringLiteral("008"));
        confere_textos(t8, {QStringLiteral("Cliente: 2 - Ana Souza"), QStringLiteral("Troca do fusor"), QStringLiteral("Limpeza e revisão geral"),
                                 QStringLiteral("Serviços do cliente: 2"), QStringLiteral("R$ 300,50")});
        QVERIFY(!t8.contains(QStringLiteral("Periodo")));
        QVERIFY(!t8.contains(QStringLiteral("Bruno")));
    }

    void semSelecaoTodasAsLinhas()
    {
        FrmRelatorio* f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}});
        QVERIFY(f);
        QCOMPARE(f->relatorio().dados().linhas(), 3);
        QVERIFY(!f->relatorio().dados().sql().contains(QStringLiteral(") dados where ")));
        const QString t = texto(f, QStringLiteral("008-todos"));
        QVERIFY(t.contains(QStringLiteral("Cliente: 2 - Ana Souza")) && t.contains(QStringLiteral("Cliente: 3 - Bruno Lima")));
    }

    void valorMaliciosoNaSelecaoEhSoUmTexto()
    {
        FrmRelatorio* f = roda(QStringLiteral("008.rpt"), {}, QStringLiteral("{servico_por_tecnico.nome_cliente}='x'' or ''1''=''1'"));
        QVERIFY(f);
        QCOMPARE(f->relatorio().dados().linhas(), 0);
        QCOMPARE(f->relatorio().dados().valores(), QVariantList{QStringLiteral("x' or '1'='1")});
        f = roda(QStringLiteral("008.rpt"), {}, QStringLiteral("{servico_por_tecnico.nome_cliente}='Ana Souza'"));
        QCOMPARE(f->relatorio().dados().linhas(), 2);
    }

    void falhasSaoMostradasEAJanelaContinua_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("selecao");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("arquivo ausente") << "999.rpt" << "" << "Arquivo de relatório não encontrado: " + arquivo_relatorio(QStringLiteral("999.rpt"));
        QTest::newRow("coluna desconhecida") << "002.rpt" << "{view_ordem.senha}=1" << "Campo desconhecido na fórmula de seleção: {view_ordem.senha}";
        QTest::newRow("tabela de outro relatório") << "002.rpt" << "{entrada_equipamento.ncodigo}=1" << "Campo desconhecido na fórmula de seleção: {entrada_equipamento.ncodigo}";
        QTest::newRow("fórmula malformada") << "002.rpt" << "{view_ordem.codigo_ordem}=" << "Fórmula de seleção inválida (posição 27)";
        QTest::newRow("erro do banco") << "002.rpt" << "{view_ordem.codigo_ordem}='um'" << "Erro no banco de dados ao gerar o relatório:";
    }

    void falhasSaoMostradasEAJanelaContinua()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, selecao);
        QFETCH(QString, mensagem);
        QVERIFY(!roda(arquivo, {{1, rodape()}}, selecao));
        QCOMPARE(amb->msgs.mostradas().size(), 1);
        QVERIFY2(amb->msgs.ultimo().startsWith(mensagem), qPrintable(amb->msgs.ultimo()));
        QCOMPARE(amb->msgs.mostradas().first().icone, Mensagens::Icone::Erro);
        QVERIFY(principal->isVisible());
        // the next run works
        amb->msgs.limpa();
        QVERIFY(roda(QStringLiteral("002.rpt"), {{1, rodape()}}, QStringLiteral("{view_ordem.codigo_ordem}=1")));
        QVERIFY(amb->msgs.mostradas().isEmpty());
    }

    void definicaoComDefeitoOuConsultaQueFalha()
    {
        const QString pasta = amb->banco.pasta();
        auto escreve = [&](const QString& nome, const QByteArray& json) {
            QFile f(pasta + QLatin1Char('/') + nome);
            if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
                qFatal("não foi possível escrever %s", qPrintable(f.fileName()));
            return f.fileName();
        };
        QVERIFY(!roda(escreve(QStringLiteral("a.rpt"), "{\"consulta\": \"select ncodigo from cidade\", \"colunas\": [{\"texto\": \"{cnome\"}]}"), {}));
        QVERIFY2(amb->msgs.ultimo().startsWith(QStringLiteral("Definição de relatório inválida (a.rpt): colunas[0].texto: falta \"}\"")), qPrintable(amb->msgs.ultimo()));
        QVERIFY(!roda(escreve(QStringLiteral("b.rpt"), "{\"consulta\": \"select ncodigo from cidade\", \"colunas\": [{\"texto\": \"{senha}\"}]}"), {}));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Definição de relatório inválida (b.rpt): a consulta não tem o campo \"senha\""));
        QVERIFY(!roda(escreve(QStringLiteral("c.rpt"), "{\"consulta\": \"select x from tabela_que_nao_existe\"}"), {}));
        QVERIFY2(amb->msgs.ultimo().contains(QStringLiteral("TABELA_QUE_NAO_EXISTE")), qPrintable(amb->msgs.ultimo()));
        QCOMPARE(amb->msgs.mostradas().size(), 3);
        QVERIFY(principal->isVisible());
    }

    void erroDoBancoLidoComoNosFormularios()
    {
        // a statement that fails while its rows are read: the report shows
        // the failure exactly as a form that ran the same statement would
        const QString consulta = QStringLiteral("select cast(cnome as integer) as x from cidade");
        QString doFormulario;
        try {
            Recordset rs(conexao);
            rs.abre(consulta);
        } catch (const ErroBanco& e) {
            doFormulario = e.descricao();
        }
        QVERIFY(!doFormulario.isEmpty());
        QFile f(amb->banco.pasta() + QStringLiteral("/d.rpt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"consulta\": \"" + consulta.toUtf8() + "\", \"colunas\": [{\"texto\": \"{x}\"}]}");
        f.close();
        QVERIFY(!roda(f.fileName(), {}));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Erro no banco de dados ao gerar o relatório:\n") + doFormulario);
    }

    void celulaEstreitaReduzOuCorta()
    {
        // an amount a little too wide is set smaller, whole; a name too long,
        // even a little, is cut with "…" in the column's own type size
        const QString justo = QStringLiteral("Maria Aparecida Fonseca");
        QFont fonte(QStringLiteral("DejaVu Sans"));
        fonte.setPixelSize(qRound(9 * PintorRelatorio::UNIDADES_POR_POLEGADA / 72.0));
        fonte.setHintingPreference(QFont::PreferNoHinting);
        // the name column a twentieth narrower than that name, beside 8.3 shares of 186 mm
        const double coluna = (QFontMetricsF(fonte).horizontalAdvance(justo) * 0.95 + 2 * PintorRelatorio::mm(1.0)) * 25.4
                              / PintorRelatorio::UNIDADES_POR_POLEGADA;
        const QString arquivo = amb->banco.pasta() + QStringLiteral("/estreito.rpt");
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString linha = QStringLiteral("select %1 as n, cast(1234567.89 as numeric(15,2)) as valor, cast('%2' as varchar(80)) as nome from rdb$database");
        f.write(QStringLiteral("{\"consulta\": \"%1 union all %2 union all %3\", \"ordem\": [\"n\"], "
                               "\"colunas\": [{\"titulo\": \"Nome\", \"texto\": \"{nome}\", \"largura\": %4}, "
                               "{\"titulo\": \"Valor\", \"texto\": \"{valor|moeda}\", \"largura\": 1.3, \"alinhamento\": \"direita\"}, "
                               "{\"titulo\": \"\", \"texto\": \"\", \"largura\": 7}]}")
                    .arg(linha.arg(1).arg(QStringLiteral("Ana Souza")), linha.arg(2).arg(justo),
                         linha.arg(3).arg(QStringLiteral("Um nome de cliente comprido demais para a coluna estreita")))
                    .arg(8.3 * coluna / (186 - coluna))
                    .toUtf8());
        f.close();
        const QString t = texto(roda(arquivo, {}), QStringLiteral("estreito"));
        QCOMPARE(t.count(QStringLiteral("R$ 1.234.567,89")), 3);
        QVERIFY2(t.contains(QStringLiteral("Um nome")) && !t.contains(QStringLiteral("estreita")), qPrintable(t));
        QVERIFY2(t.contains(QStringLiteral("Maria Aparecida")) && !t.contains(justo), qPrintable(t));
        // the words as printed: every name in the size of the first, the amounts smaller
        const QList<PalavraPdf> palavras = palavras_pdf(amb->banco.pasta() + QStringLiteral("/estreito.pdf"));
        auto altura = [&](auto&& eh) {
            const auto p = std::find_if(palavras.begin(), palavras.end(), eh);
            return p == palavras.end() ? 0.0 : p->caixa.height();
        };
        auto palavra = [&](const QString& texto) { return altura([&](const PalavraPdf& p) { return p.texto == texto; }); };
        const double nome = palavra(QStringLiteral("Ana"));
        const double cortada = altura([](const PalavraPdf& p) { return p.texto.startsWith(QStringLiteral("Fo")) && p.texto.endsWith(QChar(0x2026)); });
        const double valor = altura([](const PalavraPdf& p) { return p.texto.endsWith(QStringLiteral("1.234.567,89")); });
        QVERIFY(nome > 0 && cortada > 0 && valor > 0);
        // the long name's line ends in "…"
        const auto um = std::find_if(palavras.begin(), palavras.end(), [](const PalavraPdf& p) { return p.texto == QLatin1String("Um"); });
        QVERIFY(um != palavras.end());
        QVERIFY(std::any_of(palavras.begin(), palavras.end(), [&](const PalavraPdf& p) {
            return qAbs(p.caixa.top() - um->caixa.top()) < 0.5 && p.caixa.left() > um->caixa.left() && p.texto.endsWith(QChar(0x2026));
        }));
        for (double h : {palavra(QStringLiteral("Maria")), cortada, palavra(QStringLiteral("Um"))})
            QVERIFY2(qAbs(h - nome) < nome * 0.005, qPrintable(QStringLiteral("%1 != %2").arg(h).arg(nome)));
        QVERIFY(valor < nome * 0.95);
    }

    void paginasComCabecalhoRodapeEGrupos()
    {
        // 150 services over two technicians, long texts that wrap
        executa(QStringLiteral("execute block as declare i integer = 0; begin while (i < 150) do begin "
                               "insert into item_ordem values(null, 1, 1, 'Serviço ' || lpad(:i, 3, '0') || ' com uma descrição longa que "
                               "precisa quebrar em mais de uma linha na coluna de serviço do extrato', 10.5, mod(:i, 2) + 1); "
                               "i = i + 1; end end"));
        FrmRelatorio* f = roda(QStringLiteral("006.rpt"), {{1, nomeEmpresa("NomeEmpresa")}, {2, periodo(QStringLiteral("01/12/2026"), QStringLiteral("31/12/2026"))}, {3, rodape()}},
                               QStringLiteral("{servico_por_tecnico.data}>=date('2026-12-01') and {servico_por_tecnico.data}<=date('31/12/2026')"));
        QVERIFY(f);
        const int n = f->relatorio().paginas();
        QVERIFY2(n >= 5, qPrintable(QString::number(n)));
        const QStringList ps = paginas(f, QStringLiteral("006-longo"), true);
        QCOMPARE(ps.size(), n);
        for (int i = 0; i < n; ++i) {
            QVERIFY(ps[i].contains(QStringLiteral("Extrato de serviços por técnicos")));
            QVERIFY(ps[i].contains(plano(Estabelecimento::le(conexao).rodape)));
            QVERIFY2(ps[i].contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(n)), qPrintable(ps[i]));
            QVERIFY(ps[i].contains(QStringLiteral("Data Ordem Cliente Equipamento Serviço Valor Comissão"))); // on every page
        }
        const QString tudo = ps.join(QLatin1Char(' '));
        // every service exactly once, whole, in the order of the items
        const QString corrido = texto(f, QStringLiteral("006-longo"));
        qsizetype anterior = -1;
        for (int i = 0; i < 150; i += 2) {
            const QString s = QStringLiteral("Serviço %1 com uma descrição longa").arg(i, 3, 10, QLatin1Char('0'));
            QCOMPARE(corrido.count(s), 1);
            QVERIFY(corrido.indexOf(s) > anterior);
            anterior = corrido.indexOf(s);
        }
        QCOMPARE(corrido.count(QStringLiteral("precisa quebrar em mais de uma linha na coluna de serviço do extrato")), 150);
        // Carlos: 75 x 10,50 + 180,00 + 0 at 10%; Dora: 75 x 10,50 + 120,50 at 5%,
        // each commission rounded to the cent (0,525 gives 0,53)
        QVERIFY(tudo.contains(QStringLiteral("Serviços do técnico: 77 R$ 967,50 R$ 96,75")));
        QVERIFY(tudo.contains(QStringLiteral("Serviços do técnico: 76 R$ 908,00 R$ 45,78")));
        QVERIFY(tudo.contains(QStringLiteral("Total geral: 153 serviços R$ 1.875,50 R$ 142,53")));
        QCOMPARE(f->relatorio().paginacao().totalRelatorio(QStringLiteral("valor")).centavos(), 187550);
    }

    // A long report opens at its first page, the count still unknown; the
    // rest is laid out between events, and what shows at the end is the
    // report laid out at once. Going to the last page waits for the layout.
    void previaLongaAbreNaPrimeiraPagina()
    {
        executa(QStringLiteral("execute block as declare i integer = 0; begin while (i < 1500) do begin "
                               "insert into item_ordem values(null, 1, 1, 'Serviço ' || :i, 1, 1); i = i + 1; end end"));
        define_etapa_inicial_relatorio(0);
        FrmRelatorio* f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}});
        QVERIFY(f);
        QVERIFY(!f->relatorio().completo());
        QCOMPARE(f->lblPaginas->text().trimmed(), QStringLiteral("de …"));
        QVERIFY(f->acUltima->isEnabled());
        {
            const QString pdf = amb->banco.pasta() + QStringLiteral("/primeira.pdf");
            QPdfWriter escritor(pdf);
            escritor.setResolution(int(PintorRelatorio::UNIDADES_POR_POLEGADA));
            escritor.setPageLayout(f->relatorio().layoutPagina());
            QPainter p(&escritor);
            f->relatorio().pintaPagina(p, 0);
            p.end();
            const QString primeira = plano(paginas_pdf(pdf).value(0));
            QVERIFY2(primeira.contains(QStringLiteral("Página 1 de …")) && primeira.contains(Estabelecimento::le(conexao).nome), qPrintable(primeira));
        }
        QTRY_VERIFY(f->relatorio().completo());
        const auto inteiro = Relatorio::monta(cr(), conexao.banco());
        const int n = inteiro->paginas();
        QVERIFY(n > 20);
        QCOMPARE(f->relatorio().paginas(), n);
        QCOMPARE(f->lblPaginas->text().trimmed(), QStringLiteral("de %1").arg(n));
        const QString pdf = amb->banco.pasta() + QStringLiteral("/inteiro.pdf");
        inteiro->salvaPdf(pdf);
        QCOMPARE(paginas(f, QStringLiteral("008-em-etapas")), [&] {
            QStringList r;
            for (const QString& p : paginas_pdf(pdf))
                r << plano(p);
            return r;
        }());

        // Ctrl+End before the layout ends: the last page, once it is known
        f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}});
        define_etapa_inicial_relatorio(ETAPA_INICIAL_MS);
        QVERIFY(f && !f->relatorio().completo());
        ativa(*f);
        tecla(f, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(f->relatorio().completo());
        QCOMPARE(f->pagina(), n - 1);
        QCOMPARE(f->spinPagina->value(), n);
        QVERIFY(amb->msgs.mostradas().isEmpty());
    }

    // A year is read a stretch of days at a time, and gives the rows of the
    // one statement, in its order, each day once (the first and last of a
    // stretch too, a write-off at midnight or a second before it); with the
    // group not fixed (both technicians) the period is read at once.
    void anoLidoPorTrechosComoUmaConsulta_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("selecao");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<bool>("trechos");
        const QString ano = QStringLiteral("{servico_por_tecnico.data}>=date('2025-01-01') and {servico_por_tecnico.data}<=date('31/12/2025')");
        QTest::newRow("006 de um técnico") << QStringLiteral("006.rpt") << ano + QStringLiteral(" and {servico_por_tecnico.codigo_tecnico}=1") << 548 << true;
        QTest::newRow("006 dos dois") << QStringLiteral("006.rpt") << ano << 730 << false;
        QTest::newRow("004 data e hora") << QStringLiteral("004.rpt")
                                         << QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2025-01-01') and "
                                                           "{view_contas_recebidas.data_baixa}<=date('31/12/2025')")
                                         << 365 << true;
    }
    void anoLidoPorTrechosComoUmaConsulta()
    {
        QFETCH(QString, arquivo);
        QFETCH(QString, selecao);
        QFETCH(int, linhas);
        QFETCH(bool, trechos);
        // every day of 2025, the orders' codes out of date order; each order
        // paid in full that day, at midnight or a second before the next
        executa(QStringLiteral("execute block as declare i integer = 0; declare o integer; declare c integer; declare d date; "
                               "begin while (i < 365) do begin d = dateadd(mod(:i * 37, 365) day to date '2025-01-01'); "
                               "insert into ordem values(null, 2, :d, '10:00:00', 3, '', 1, 1, 0) returning ncodigo into :o; "
                               "insert into item_ordem values(null, :o, 1, 'Serviço ' || :i, 1, mod(:i, 2) + 1); "
                               "insert into item_ordem values(null, :o, 1, 'Outro ' || :i, 2, 1); "
                               "insert into conta_receber values(null, :o, '1/1', 3, 1, :d, 0) returning ncodigo into :c; "
                               "insert into baixa_conta_receber values(null, :c, 3, 0, 0, 0, 'I', '', "
                               "iif(mod(:i, 2) = 0, cast(:d as timestamp), dateadd(-1 second to cast(dateadd(1 day to :d) as timestamp)))); "
                               "i = i + 1; end end"));
        Definicao def = Definicao::carrega(arquivo_relatorio(arquivo));
        DadosRelatorio d;
        d.carrega(conexao.banco(), def, selecao);
        QSqlQuery q(conexao.banco());
        q.setNumericalPrecisionPolicy(QSql::HighPrecision);
        QVERIFY(q.prepare(d.sql()));
        for (const QVariant& v : d.valores())
            q.addBindValue(v);
        QVERIFY(q.exec());
        int linha = 0;
        for (; q.next(); ++linha)
            for (int c = 0; c < d.colunas(); ++c)
                QCOMPARE(d.valor(linha, c), q.value(c));
        QCOMPARE(d.linhas(), linha);
        QCOMPARE(linha, linhas);
        QVERIFY2(trechos ? d.consultas() > 5 : d.consultas() == 1, qPrintable(QString::number(d.consultas())));
    }

    void pdfSemJanelaEImpressaoDeUmIntervalo()
    {
        executa(QStringLiteral("execute block as declare i integer = 0; begin while (i < 120) do begin "
                               "insert into item_ordem values(null, 1, 1, 'Serviço ' || :i, 1, 1); i = i + 1; end end"));
        limpa_relatorio();
        cr().ReportFileName = arquivo_relatorio(QStringLiteral("008.rpt"));
        cr().Formulas[0] = nomeEmpresa("NomeEmpresa");
        cr().Formulas[1] = rodape();
        const QString pdf = amb->banco.pasta() + QStringLiteral("/direto.pdf");
        QVERIFY(gera_pdf(cr(), pdf));
        QVERIFY(previas_abertas().isEmpty());
        const int n = paginas_pdf(pdf).size();
        QVERIFY(n >= 3);

        // the print path, on a PDF printer: pages 2 and 3 only
        auto r = Relatorio::monta(cr(), conexao.banco());
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(amb->banco.pasta() + QStringLiteral("/impresso.pdf"));
        impressora.setPageLayout(r->layoutPagina());
        impressora.setPrintRange(QPrinter::PageRange);
        impressora.setFromTo(2, 3);
        r->imprime(impressora);
        const QStringList impressas = paginas_pdf(impressora.outputFileName());
        QCOMPARE(impressas.size(), 2);
        QVERIFY(plano(impressas[0]).contains(QStringLiteral("Página 2 de %1").arg(n)));
        QVERIFY(plano(impressas[1]).contains(QStringLiteral("Página 3 de %1").arg(n)));

        // the same failures as the preview
        cr().ReportFileName = arquivo_relatorio(QStringLiteral("999.rpt")); // no such file
        QVERIFY(!gera_pdf(cr(), pdf));
        QVERIFY(amb->msgs.ultimo().startsWith(QStringLiteral("Arquivo de relatório não encontrado")));
    }

    // A printer that refuses the job says so, for one page or several.
    void impressoraQueRecusaAvisa()
    {
        executa(QStringLiteral("execute block as declare i integer = 0; begin while (i < 120) do begin "
                               "insert into item_ordem values(null, 1, 1, 'Serviço ' || :i, 1, 1); i = i + 1; end end"));
        FrmRelatorio* f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}});
        QVERIFY(f);
        QVERIFY(f->relatorio().paginas() >= 3);
        {
            ImpressoraQueRecusa impressora;
            QVERIFY_THROWS_EXCEPTION(ErroRelatorio, f->relatorio().imprime(impressora));
        }
        {
            ImpressoraQueRecusa impressora;
            impressora.setPrintRange(QPrinter::PageRange);
            impressora.setFromTo(2, 2); // no new page: refused at the end of the job
            QVERIFY_THROWS_EXCEPTION(ErroRelatorio, f->relatorio().imprime(impressora));
        }
        amb->msgs.limpa();
        ImpressoraQueRecusa impressora;
        QVERIFY(!f->imprimeEm(impressora));
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("A impressora recusou a impressão.")});
        QCOMPARE(amb->msgs.mostradas().at(0).icone, Mensagens::Icone::Erro);
        QVERIFY(f->isVisible()); // the preview stays, to try again
    }

    void relatorioSemLinhas()
    {
        FrmRelatorio* f = roda(QStringLiteral("005.rpt"), {{0, QStringLiteral("Equipamento='Notebook - Dell Inspiron'")}, {1, nomeEmpresa("Nome_empresa")},
                                                           {2, QStringLiteral("Proprietario= '2 - Ana Souza'")}, {3, rodape()}},
                               QStringLiteral("{servico_equipamento.equipamento_cliente}=99"));
        QVERIFY(f);
        QCOMPARE(f->relatorio().paginas(), 1);
        confere_textos(texto(f, QStringLiteral("005-vazio")), {QStringLiteral("Serviços por equipamento"), QStringLiteral("Equipamento: Notebook - Dell Inspiron"),
                                                               QStringLiteral("Serviço"), QStringLiteral("Serviços: 0"), QStringLiteral("R$ 0,00"),
                                                               QStringLiteral("Página 1 de 1")});
    }

    void previaNaoModalNavegaEAmplia()
    {
        executa(QStringLiteral("execute block as declare i integer = 0; begin while (i < 120) do begin "
                               "insert into item_ordem values(null, 1, 1, 'Serviço ' || :i, 1, 1); i = i + 1; end end"));
        FrmRelatorio* f = roda(QStringLiteral("008.rpt"), {{0, nomeEmpresa("NomeEmpresa")}, {1, rodape()}});
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Módulo de Relatórios"));
        QVERIFY(!f->isModal());
        QCOMPARE(f->parentWidget(), principal.get());
        const int n = f->relatorio().paginas();
        QVERIFY(n >= 3);
        QCOMPARE(f->lblPaginas->text().trimmed(), QStringLiteral("de %1").arg(n));
        QCOMPARE(f->pagina(), 0);
        QVERIFY(!f->acAnterior->isEnabled() && f->acProxima->isEnabled());
        f->acProxima->trigger();
        QCOMPARE(f->pagina(), 1);
        QCOMPARE(f->spinPagina->value(), 2);
        f->acUltima->trigger();
        QCOMPARE(f->pagina(), n - 1);
        QVERIFY(!f->acProxima->isEnabled() && !f->acUltima->isEnabled());
        f->spinPagina->setValue(1);
        QCOMPARE(f->pagina(), 0);

        QWidget* folha = f->findChild<QWidget*>(QStringLiteral("folha"));
        QVERIFY(folha);
        f->defineZoom(1.0);
        const QSize antes = folha->size();
        f->acMaisZoom->trigger();
        QVERIFY(folha->width() > antes.width());
        QCOMPARE(f->zoom(), 1.25);
        f->acMenosZoom->trigger();
        f->acMenosZoom->trigger();
        QCOMPARE(f->zoom(), 0.75);
        // A4 at 100%: 210 mm wide on screen
        f->defineZoom(1.0);
        QVERIFY(qAbs(folha->width() - 210 / 25.4 * folha->logicalDpiX()) <= 1.0);

        // asked for from a modal form, the preview belongs to that form, so
        // the form's modality does not lock it
        QDialog form(principal.get());
        QPointer<FrmRelatorio> daForm;
        QTimer::singleShot(0, &form, [&] {
            cr().setAction(1);
            for (FrmRelatorio* p : previas_abertas())
                if (p->parentWidget() == &form)
                    daForm = p;
            form.accept();
        });
        form.exec();
        QVERIFY(daForm);
        QVERIFY(daForm->isVisible()); // stays open after the form closes
        delete daForm;

        // a second report opens its own window; the first stays
        QPointer<FrmRelatorio> primeira(f);
        cr().setAction(1);
        QCOMPARE(previas_abertas().size(), 2);
        primeira->acFechar->trigger();
        QTRY_VERIFY(primeira.isNull()); // deleted on close
        QCOMPARE(previas_abertas().size(), 1);
    }
};

QTEST_MAIN(TstReports)
#include "tst_reports.moc"
