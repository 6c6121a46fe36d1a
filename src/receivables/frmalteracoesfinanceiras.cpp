#include "frmalteracoesfinanceiras.h"
#include "alteracoesfinanceiras.h"
#include "campos.h"
#include "filtroteclas.h"
#include "relogio.h"

#include <QDateEdit>
#include <QLabel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString codigo(const std::optional<qint32>& c) { return c ? QString::number(*c) : QString(); }
} // namespace

FrmAlteracoesFinanceiras::FrmAlteracoesFinanceiras()
    : JanelaLista(QStringLiteral("FrmAlteracoesFinanceiras"), QStringLiteral("Alterações no período"),
                  {{QStringLiteral("Código"), 0, {}, QStringLiteral("ncodigo")},
                   {QStringLiteral("Momento"), 113, Qt::AlignCenter},
                   {QStringLiteral("Usuário"), 87, Qt::AlignLeft},
                   {QStringLiteral("Estação"), 87, Qt::AlignLeft},
                   {QStringLiteral("Alteração"), 133, Qt::AlignLeft},
                   {QStringLiteral("Ordem"), 53, Qt::AlignRight},
                   {QStringLiteral("Parcela"), 53, Qt::AlignRight},
                   {QStringLiteral("Antes"), 100, Qt::AlignRight},
                   {QStringLiteral("Depois"), 100, Qt::AlignRight}},
                  LINHAS_MINIMAS)
{
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(windowTitle(), QStringLiteral("faixaTitulo"), this));

    auto* periodo = new QHBoxLayout;
    seletorInicio = novo_seletor_data(this, QStringLiteral("seletorInicio"));
    seletorFim = novo_seletor_data(this, QStringLiteral("seletorFim"));
    periodo->addWidget(novo_rotulo(QStringLiteral("&De"), seletorInicio, this));
    periodo->addWidget(seletorInicio);
    periodo->addWidget(novo_rotulo(QStringLiteral("&Até"), seletorFim, this));
    periodo->addWidget(seletorFim);
    botaoMostrar = novo_botao(QStringLiteral("&Mostrar"), QStringLiteral("botaoMostrar"), this);
    periodo->addWidget(botaoMostrar);
    periodo->addStretch();
    v->addLayout(periodo);

    v->addWidget(gradeLista, 1);

    botaoExportar = novo_botao(QStringLiteral("E&xportar"), QStringLiteral("botaoExportar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoExportar, botaoSair}));

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoMostrar);

    connect(botaoMostrar, &QPushButton::clicked, this, [this] { mostra(seletorInicio->date(), seletorFim->date()); });
    connect(botaoExportar, &QPushButton::clicked, this, &JanelaLista::exporta);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmAlteracoesFinanceiras::ao_abrir()
{
    m_teclas->instala();
    const QDate hoje = Relogio::hoje();
    const QDate inicio(hoje.year(), hoje.month(), 1);
    mostra(inicio, inicio.addMonths(1).addDays(-1));
    seletorInicio->setFocus();
}

void FrmAlteracoesFinanceiras::mostra(const QDate& de, const QDate& ate)
{
    seletorInicio->setDate(de);
    seletorFim->setDate(ate);
    enche_lista(consulta_alteracoes(de, ate));
}

QVariantList FrmAlteracoesFinanceiras::celulas_da_linha(const Recordset& rs) const
{
    // amounts kept as read (the export writes them as numbers); a due date
    // changed shows its dates in the same two columns
    const AlteracaoFinanceira a = le_alteracao(rs);
    const auto antesDepois = [](const std::optional<Dinheiro>& valor, const QString& texto) {
        return valor ? QVariant::fromValue(*valor) : QVariant(texto);
    };
    return {a.codigo,
            a.momento.toString(QStringLiteral("dd/MM/yyyy hh:mm")),
            a.usuario,
            a.estacao,
            descricao_alteracao(a.tipo),
            codigo(a.ordem),
            codigo(a.conta),
            antesDepois(a.valorAntes, a.antes()),
            antesDepois(a.valorDepois, a.depois())};
}
