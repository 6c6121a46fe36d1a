#include "painelloja.h"
#include "sessao.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace {

QString contas(const Vencimentos& v)
{
    return QStringLiteral("%1 (%2)").arg(v.quantidade).arg(v.aberto.moeda());
}

QTableWidgetItem* celula(const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alinhamento | Qt::AlignVCenter);
    return item;
}

// An amount in reais as the chart's axis takes it.
double reais(const Dinheiro& d) { return double(d.centavos()) / 100.0; }

} // namespace

PainelLoja::PainelLoja(Acoes acoes, QWidget* pai)
    : QWidget(pai), m_acoes(std::move(acoes)), m_relogio(new QTimer(this))
{
    setObjectName(QStringLiteral("painelLoja"));
    auto* layout = new QGridLayout(this);

    auto* grupoOficina = new QGroupBox(QStringLiteral("Oficina"), this);
    auto* layoutOficina = new QVBoxLayout(grupoOficina);
    for (Etapa e : TODAS_AS_ETAPAS) {
        if (e == Etapa::Entregue)
            continue;
        auto* b = new QPushButton(grupoOficina);
        b->setObjectName(QStringLiteral("botaoEtapa%1").arg(int(e)));
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        connect(b, &QPushButton::clicked, this, [this, e] {
            if (m_acoes.abreOficina) m_acoes.abreOficina(e);
            atualiza();
        });
        layoutOficina->addWidget(b);
        m_botoesEtapa.insert(e, b);
    }
    layoutOficina->addStretch();

    auto* grupoContas = new QGroupBox(QStringLiteral("Contas a receber"), this);
    auto* layoutContas = new QVBoxLayout(grupoContas);
    botaoVencemHoje = new QPushButton(grupoContas);
    botaoVencemHoje->setObjectName(QStringLiteral("botaoVencemHoje"));
    botaoVencidas = new QPushButton(grupoContas);
    botaoVencidas->setObjectName(QStringLiteral("botaoVencidas"));
    for (auto* b : {botaoVencemHoje, botaoVencidas}) {
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        layoutContas->addWidget(b);
    }
    const auto abreContas = [this](bool vencidas) {
        if (m_acoes.abreContas) m_acoes.abreContas(vencidas);
        atualiza(); // a payment made there shows here
    };
    connect(botaoVencemHoje, &QPushButton::clicked, this, [abreContas] { abreContas(false); });
    connect(botaoVencidas, &QPushButton::clicked, this, [abreContas] { abreContas(true); });
    rotuloRecebidoMes = new QLabel(grupoContas);
    rotuloRecebidoMes->setObjectName(QStringLiteral("rotuloRecebidoMes"));
    rotuloRecebidoMesAnterior = new QLabel(grupoContas);
    rotuloRecebidoMesAnterior->setObjectName(QStringLiteral("rotuloRecebidoMesAnterior"));
    layoutContas->addSpacing(8);
    layoutContas->addWidget(rotuloRecebidoMes);
    layoutContas->addWidget(rotuloRecebidoMesAnterior);
    layoutContas->addStretch();

    graficoMeses = new QChartView(this);
    graficoMeses->setObjectName(QStringLiteral("graficoMeses"));
    graficoMeses->setAccessibleName(QStringLiteral("Recebido e faturado nos últimos 12 meses"));
    graficoMeses->setRenderHint(QPainter::Antialiasing);
    graficoMeses->setMinimumHeight(220);

    auto* grupoTecnicos = new QGroupBox(QStringLiteral("Técnicos neste mês"), this);
    auto* layoutTecnicos = new QVBoxLayout(grupoTecnicos);
    tabelaTecnicos = new QTableWidget(0, 4, grupoTecnicos);
    tabelaTecnicos->setObjectName(QStringLiteral("tabelaTecnicos"));
    tabelaTecnicos->setAccessibleName(QStringLiteral("Técnicos neste mês"));
    tabelaTecnicos->setHorizontalHeaderLabels(
        {QStringLiteral("Técnico"), QStringLiteral("Serviços"), QStringLiteral("Valor"), QStringLiteral("Comissão")});
    tabelaTecnicos->verticalHeader()->hide();
    tabelaTecnicos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabelaTecnicos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelaTecnicos->setSelectionBehavior(QAbstractItemView::SelectRows);
    layoutTecnicos->addWidget(tabelaTecnicos);

    rotuloErro = new QLabel(this);
    rotuloErro->setObjectName(QStringLiteral("rotuloErro"));
    rotuloErro->setWordWrap(true);
    rotuloErro->setStyleSheet(QStringLiteral("color: #b00000;"));
    rotuloErro->hide();

    layout->addWidget(grupoOficina, 0, 0);
    layout->addWidget(grupoContas, 0, 1);
    layout->addWidget(grupoTecnicos, 0, 2);
    layout->addWidget(graficoMeses, 1, 0, 1, 3);
    layout->addWidget(rotuloErro, 2, 0, 1, 3);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(2, 1);

    m_relogio->setInterval(MINUTOS_ENTRE_LEITURAS * 60 * 1000);
    // behind an open window the figures wait: that window may be in the
    // middle of its work, and closing it reads them anyway
    connect(m_relogio, &QTimer::timeout, this, [this] {
        if (!QApplication::activeModalWidget())
            atualiza();
    });
    m_relogio->start();
}

void PainelLoja::atualiza()
{
    if (!m_acoes.le)
        return;
    try {
        m_resumo = m_acoes.le();
        rotuloErro->hide();
        mostra(m_resumo);
    } catch (const ErroBanco& e) {
        // the figures shown stay as they were; the panel says they are old
        rotuloErro->setText(QStringLiteral("Não foi possível ler os números da loja agora (%1). "
                                           "Eles serão lidos de novo em alguns minutos.")
                                .arg(e.texto()));
        rotuloErro->show();
    }
}

void PainelLoja::mostra(const ResumoLoja& r)
{
    for (auto it = m_botoesEtapa.cbegin(); it != m_botoesEtapa.cend(); ++it) {
        const QString texto = QStringLiteral("%1: %2").arg(nome_etapa(it.key())).arg(r.etapas.value(it.key()));
        it.value()->setText(texto);
        it.value()->setAccessibleName(texto);
    }
    botaoVencemHoje->setText(QStringLiteral("Vencem hoje: ") + contas(r.vencemHoje));
    botaoVencidas->setText(QStringLiteral("Vencidas: ") + contas(r.vencidas));
    botaoVencemHoje->setAccessibleName(botaoVencemHoje->text());
    botaoVencidas->setAccessibleName(botaoVencidas->text());
    rotuloRecebidoMes->setText(QStringLiteral("Recebido neste mês: ") + r.recebidoMes.moeda());
    rotuloRecebidoMesAnterior->setText(QStringLiteral("Recebido no mês passado: ") + r.recebidoMesAnterior.moeda());

    tabelaTecnicos->setRowCount(int(r.tecnicos.size()));
    for (int i = 0; i < r.tecnicos.size(); ++i) {
        const TecnicoNoMes& t = r.tecnicos.at(i);
        tabelaTecnicos->setItem(i, 0, celula(t.nome));
        tabelaTecnicos->setItem(i, 1, celula(QString::number(t.servicos), Qt::AlignRight));
        tabelaTecnicos->setItem(i, 2, celula(t.valor.moeda(), Qt::AlignRight));
        tabelaTecnicos->setItem(i, 3, celula(t.comissao.moeda(), Qt::AlignRight));
    }
    tabelaTecnicos->resizeColumnsToContents();
    tabelaTecnicos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mostraGrafico(r);
}

void PainelLoja::mostraGrafico(const ResumoLoja& r)
{
    auto* recebido = new QBarSet(QStringLiteral("Recebido"));
    auto* faturado = new QBarSet(QStringLiteral("Faturado"));
    QStringList meses;
    QStringList descricao;
    double maior = 0;
    for (const MesLoja& m : r.meses) {
        *recebido << reais(m.recebido);
        *faturado << reais(m.faturado);
        meses << nome_mes_curto(m.inicio);
        maior = std::max({maior, reais(m.recebido), reais(m.faturado)});
        // what a screen reader says of the chart: every month's figures
        descricao << QStringLiteral("%1: recebido %2, faturado %3").arg(meses.last(), m.recebido.moeda(), m.faturado.moeda());
    }
    auto* series = new QBarSeries;
    series->append(recebido);
    series->append(faturado);
    auto* grafico = new QChart;
    grafico->addSeries(series);
    grafico->setTitle(QStringLiteral("Recebido e faturado nos últimos 12 meses"));
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto* eixoMeses = new QBarCategoryAxis;
    eixoMeses->append(meses);
    grafico->addAxis(eixoMeses, Qt::AlignBottom);
    series->attachAxis(eixoMeses);
    auto* eixoValores = new QValueAxis;
    eixoValores->setRange(0, maior > 0 ? maior * 1.1 : 1);
    eixoValores->setLabelFormat(QStringLiteral("%.0f"));
    eixoValores->applyNiceNumbers(); // round steps on the axis
    grafico->addAxis(eixoValores, Qt::AlignLeft);
    series->attachAxis(eixoValores);
    QChart* anterior = graficoMeses->chart();
    graficoMeses->setChart(grafico);
    delete anterior;
    graficoMeses->setAccessibleDescription(descricao.join(QStringLiteral("; ")));
}
