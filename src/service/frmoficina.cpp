#include "frmoficina.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmentradaequipamento.h"
#include "frmentrega.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "frmprazosoficina.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "relogio.h"
#include "sessao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Coluna { ColChave, ColDocumento, ColEtapa, ColDias, ColCliente, ColFone, ColMaquina, ColTecnico, ColValor };

QList<ColunaGrade> colunas()
{
    // the job's key (hidden) keys the pages and names the current job
    return {{QString(), 0, {}, QStringLiteral("chave")},
            {QStringLiteral("Documento"), 100, {}},
            {QStringLiteral("Etapa"), 153, {}},
            {QStringLiteral("Dias"), 47, Qt::AlignRight | Qt::AlignVCenter},
            {QStringLiteral("Cliente"), 187, {}},
            {QStringLiteral("Fone"), 107, {}},
            {QStringLiteral("Máquina"), 187, {}},
            {QStringLiteral("Técnico"), 120, {}},
            {QStringLiteral("Valor"), 93, Qt::AlignRight | Qt::AlignVCenter}};
}

QString nome_documento(const TrabalhoOficina& t)
{
    switch (t.documento) {
    case Documento::Entrada: return QStringLiteral("Entrada %1").arg(t.codigo);
    case Documento::Orcamento: return QStringLiteral("Orçamento %1").arg(t.codigo);
    case Documento::Ordem: return QStringLiteral("OS %1").arg(t.codigo);
    }
    return {};
}

} // namespace

FrmOficina::FrmOficina() : JanelaLista(QStringLiteral("FrmOficina"), QStringLiteral("Oficina"), colunas(), 15)
{
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(QStringLiteral("Oficina"), QStringLiteral("rotuloTitulo"), this));

    auto* g = new QGridLayout;
    v->addLayout(g);
    caixaEtapa = new QComboBox(this);
    caixaEtapa->setObjectName(QStringLiteral("caixaEtapa"));
    caixaEtapa->addItem(QStringLiteral("Todas"));
    for (Etapa e : TODAS_AS_ETAPAS)
        caixaEtapa->addItem(nome_etapa(e), int(e));
    g->addWidget(novo_rotulo(QStringLiteral("Etapa"), caixaEtapa, this), 0, 0);
    g->addWidget(caixaEtapa, 0, 1);
    caixaTecnico = new QComboBox(this);
    caixaTecnico->setObjectName(QStringLiteral("caixaTecnico"));
    g->addWidget(novo_rotulo(QStringLiteral("Técnico"), caixaTecnico, this), 0, 2);
    g->addWidget(caixaTecnico, 0, 3);
    caixaCliente = linha_campo(g, 1, 0, QStringLiteral("Cliente"), QStringLiteral("caixaCliente"), 50, false, 3);
    marcaEntregues = new QCheckBox(QStringLiteral("Mostrar &entregues"), this);
    marcaEntregues->setObjectName(QStringLiteral("marcaEntregues"));
    marcaEntregues->setAccessibleName(QStringLiteral("Mostrar entregues"));
    g->addWidget(marcaEntregues, 0, 4);
    botaoMostrar = novo_botao(QStringLiteral("&Mostrar"), QStringLiteral("botaoMostrar"), this);
    g->addWidget(botaoMostrar, 1, 4);
    g->setColumnStretch(3, 1);

    rotuloContagem = new QLabel(this);
    rotuloContagem->setObjectName(QStringLiteral("rotuloContagem"));
    rotuloContagem->setAccessibleName(QStringLiteral("Trabalhos por etapa"));
    rotuloContagem->setWordWrap(true);
    rotuloContagem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    v->addWidget(rotuloContagem);

    gradeLista->setMinimumHeight(330);
    v->addWidget(gradeLista, 1);

    auto* rodape = new QHBoxLayout;
    botaoAbrir = novo_botao(QStringLiteral("&Abrir"), QStringLiteral("botaoAbrir"), this);
    botaoEntregar = novo_botao(QStringLiteral("E&ntregar"), QStringLiteral("botaoEntregar"), this);
    botaoDesfazerEntrega = novo_botao(QStringLiteral("&Desfazer entrega"), QStringLiteral("botaoDesfazerEntrega"), this);
    for (QPushButton* b : {botaoAbrir, botaoEntregar, botaoDesfazerEntrega}) {
        rodape->addWidget(b);
        botao_de_linha(b);
    }
    rodape->addStretch();
    botaoPrazos = novo_botao(QStringLiteral("&Prazos"), QStringLiteral("botaoPrazos"), this);
    rodape->addWidget(botaoPrazos);
    botaoExportar = novo_botao(QStringLiteral("E&xportar"), QStringLiteral("botaoExportar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    rodape->addWidget(botaoExportar);
    rodape->addWidget(botaoSair);
    v->addLayout(rodape);

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoMostrar);
    gradeLista->installEventFilter(this);
    connect(botaoMostrar, &QPushButton::clicked, this, &FrmOficina::mostra);
    connect(marcaEntregues, &QCheckBox::toggled, this, &FrmOficina::mostra);
    connect(caixaEtapa, &QComboBox::activated, this, &FrmOficina::mostra);
    connect(caixaTecnico, &QComboBox::activated, this, &FrmOficina::mostra);
    connect(botaoAbrir, &QPushButton::clicked, this, &FrmOficina::abre_documento);
    connect(botaoEntregar, &QPushButton::clicked, this, &FrmOficina::entrega);
    connect(botaoDesfazerEntrega, &QPushButton::clicked, this, &FrmOficina::desfaz_entrega);
    connect(botaoPrazos, &QPushButton::clicked, this, &FrmOficina::edita_prazos);
    connect(botaoExportar, &QPushButton::clicked, this, &JanelaLista::exporta);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmOficina::ao_abrir()
{
    m_teclas->instala();
    caixaEtapa->setCurrentIndex(m_etapaAoAbrir ? std::max(0, caixaEtapa->findData(int(*m_etapaAoAbrir))) : 0);
    m_etapaAoAbrir.reset();
    caixaCliente->clear();
    marcaEntregues->setChecked(false);
    le_tecnicos();
    mostra();
    gradeLista->setFocus();
}

void FrmOficina::le_tecnicos()
{
    caixaTecnico->clear();
    caixaTecnico->addItem(QStringLiteral("Todos"));
    try {
        Recordset rs(conexao);
        rs.abre(QStringLiteral("select ncodigo, cfantasia from tecnico order by cfantasia, ncodigo"));
        for (; !rs.eof(); rs.moveNext())
            caixaTecnico->addItem(rs.texto(QStringLiteral("cfantasia")), qint32(rs.inteiro(QStringLiteral("ncodigo"))));
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
}

void FrmOficina::abre_na_etapa(Etapa etapa)
{
    m_etapaAoAbrir = etapa;
    abre_modal(*this);
    m_etapaAoAbrir.reset();
}

FiltroOficina FrmOficina::filtro() const
{
    FiltroOficina f;
    if (caixaEtapa->currentIndex() > 0)
        f.etapa = Etapa(caixaEtapa->currentData().toInt());
    if (caixaTecnico->currentIndex() > 0)
        f.tecnico = caixaTecnico->currentData().toInt();
    f.nomeCliente = caixaCliente->text();
    f.entregues = marcaEntregues->isChecked();
    return f;
}

void FrmOficina::mostra()
{
    m_hoje = Relogio::hoje();
    const FiltroOficina f = filtro();
    try {
        m_ajustes = le_ajustes_oficina(conexao);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    if (!enche_lista(consulta_oficina(f), true))
        return;
    try {
        // the counts of every stage under the other filters
        QStringList partes;
        for (auto [etapa, n] : conta_etapas(conexao, f).asKeyValueRange())
            partes << QStringLiteral("%1: %2").arg(nome_etapa(etapa)).arg(n);
        rotuloContagem->setText(partes.join(QStringLiteral("   ")));
    } catch (const ErroBanco& e) {
        rotuloContagem->clear();
        trata_erro_banco(e);
    }
}

QVariantList FrmOficina::celulas_da_linha(const Recordset& rs) const
{
    // typed where the export should write a number: the key, the days, the value
    const TrabalhoOficina t = TrabalhoOficina::de(rs);
    QVariantList c(colunas().size());
    c[ColChave] = t.chave;
    c[ColDocumento] = nome_documento(t);
    c[ColEtapa] = nome_etapa(t.etapa);
    c[ColDias] = t.dias(m_hoje);
    c[ColCliente] = t.cliente;
    c[ColFone] = t.fone;
    c[ColMaquina] = t.maquina;
    c[ColTecnico] = t.tecnico;
    c[ColValor] = t.valor ? QVariant::fromValue(*t.valor) : QVariant(QString());
    return c;
}

QString FrmOficina::aviso_da_linha(const Recordset& rs) const
{
    return aviso_prazo(TrabalhoOficina::de(rs).prazo(m_hoje, m_ajustes));
}

std::optional<TrabalhoOficina> FrmOficina::trabalho_atual()
{
    const QString chave = codigo_atual();
    if (chave.isEmpty())
        return std::nullopt;
    try {
        if (auto t = le_trabalho(conexao, chave.toLongLong()))
            return t;
        informa(REGISTRO_EXCLUIDO);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
    return std::nullopt;
}

void FrmOficina::abre_documento()
{
    const auto t = trabalho_atual();
    if (!t)
        return;
    switch (t->documento) {
    case Documento::Entrada: form<FrmEntradaEquipamento>().edita(t->codigo); break;
    case Documento::Orcamento: form<FrmOrcamento>().edita(t->codigo); break;
    case Documento::Ordem: form<FrmOrdem>().edita(t->codigo); break;
    }
    mostra();
}

std::optional<TrabalhoOficina> FrmOficina::trabalho_na_etapa(Etapa etapa, const QString& recusa)
{
    auto t = trabalho_atual();
    if (t && t->etapa != etapa) {
        informa(recusa);
        return std::nullopt;
    }
    return t;
}

void FrmOficina::entrega()
{
    const auto t = trabalho_na_etapa(Etapa::ProntoParaRetirada,
                                     QStringLiteral("Só uma ordem de serviço pronta para retirada pode ser entregue."));
    if (t && form<FrmEntrega>().entrega(t->codigo))
        mostra();
}

void FrmOficina::desfaz_entrega()
{
    const auto t = trabalho_na_etapa(Etapa::Entregue, QStringLiteral("Esta ordem de serviço não foi entregue."));
    if (!t)
        return;
    if (!mensagens().pergunta(QStringLiteral("Deseja realmente desfazer a entrega da ordem de serviço N.º %1?").arg(t->codigo)))
        return;
    const auto motivo = mensagens().entrada(QStringLiteral("Motivo:"), QStringLiteral("Desfazer entrega"));
    if (!motivo)
        return;
    try {
        ::desfaz_entrega(conexao, t->codigo, Relogio::momento(), motivo->trimmed());
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
    mostra();
}

void FrmOficina::edita_prazos()
{
    if (form<FrmPrazosOficina>().edita())
        mostra();
}

bool FrmOficina::eventFilter(QObject* alvo, QEvent* e)
{
    // Enter on a job opens its document, as a double click does
    if (alvo == gradeLista && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && !codigo_atual().isEmpty()) {
            abre_documento();
            return true;
        }
    }
    return JanelaLista::eventFilter(alvo, e);
}
