#include "frmmovimento.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmcadcliente.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "sessao.h"
#include "reservas.h"
#include "relogio.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

FrmMovimento::FrmMovimento(const QString& nome, const QString& titulo,
                           QList<ColunaGrade> colunas, int linhasMinimas)
    : FormModal(true), m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    m_teclas = new FiltroTeclas(this);
    auto* v = new QVBoxLayout(this);

    rotuloTitulo = new QLabel(titulo, this);
    rotuloTitulo->setObjectName(QStringLiteral("rotuloTitulo"));
    QFont f = rotuloTitulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    rotuloTitulo->setFont(f);
    v->addWidget(rotuloTitulo);

    auto* quadroCabecalho = new QGroupBox(this);
    quadroCabecalho->setObjectName(QStringLiteral("quadroCabecalho"));
    m_cabecalho = new QGridLayout(quadroCabecalho);
    caixaCodigo = linha_campo(m_cabecalho, 0, 0, QStringLiteral("Código"), QStringLiteral("caixaCodigo"), 0, true);
    caixaCodigo->setReadOnly(true);
    caixaCodigo->setFocusPolicy(Qt::NoFocus);
    caixaCodigo->setMaximumWidth(90);
    const LinhaCodigo linhaCliente = linha_codigo(m_cabecalho, 1, QStringLiteral("Cliente"), QStringLiteral("caixaCliente"),
                                                  QStringLiteral("botaoConsultaCliente"), QStringLiteral("Consultar clientes"),
                                                  QStringLiteral("caixaNomeCliente"), QStringLiteral("Nome do cliente"), true);
    caixaCliente = linhaCliente.codigo;
    botaoConsultaCliente = linhaCliente.botao;
    caixaNomeCliente = linhaCliente.descricao;
    m_cabecalho->setColumnStretch(3, 1);
    v->addWidget(quadroCabecalho);

    auto* quadroItem = new QGroupBox(this);
    quadroItem->setObjectName(QStringLiteral("quadroItem"));
    auto* v2 = new QVBoxLayout(quadroItem);
    m_itens = new QGridLayout;
    v2->addLayout(m_itens);
    barraItens = new QToolBar(quadroItem);
    barraItens->setObjectName(QStringLiteral("barraItens"));
    barraItens->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // the captions as stored, with their blanks for width
    auto botao = [this](const QString& legenda, const QString& nome, void (FrmMovimento::*acao)()) {
        QAction* a = barraItens->addAction(legenda);
        a->setObjectName(QStringLiteral("acao") + nome);
        connect(a, &QAction::triggered, this, acao);
        QWidget* b = barraItens->widgetForAction(a);
        b->setObjectName(QStringLiteral("botao") + nome);
        b->setAccessibleName(legenda.trimmed());
        b->setFocusPolicy(Qt::TabFocus); // reachable by keyboard; Enter presses it
        return b;
    };
    botaoConfirmarItem = botao(QStringLiteral("Confirmar"), QStringLiteral("ConfirmarItem"), &FrmMovimento::confirma_item);
    botaoExcluirItem = botao(QStringLiteral("Excluir    "), QStringLiteral("ExcluirItem"), &FrmMovimento::apaga_item);
    botaoCancelarItem = botao(QStringLiteral("Cancelar "), QStringLiteral("CancelarItem"), &FrmMovimento::cancela_item);
    v2->addWidget(barraItens);
    v->addWidget(quadroItem);

    gradeItens = new Grade(this);
    gradeItens->setObjectName(QStringLiteral("gradeItens"));
    gradeItens->setAccessibleName(QStringLiteral("Itens"));
    gradeItens->defineNumeroColunas(int(m_colunas.size()));
    gradeItens->setMinimumSize(Grade::larguraDe(m_colunas), gradeItens->verticalHeader()->defaultSectionSize() * 9);
    v->addWidget(gradeItens, 1);

    auto* botoes = new QHBoxLayout;
    rotuloGravado = new QLabel(this);
    rotuloGravado->setObjectName(QStringLiteral("rotuloGravado"));
    rotuloGravado->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #005a00; }"));
    botoes->addWidget(rotuloGravado);
    botoes->addStretch();
    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoCancelar = novo_botao(QStringLiteral("&Cancelar"), QStringLiteral("botaoCancelar"), this);
    botoes->addWidget(botaoGravar);
    botoes->addWidget(botaoCancelar);
    v->addLayout(botoes);

    m_cliente = new CaixaCodigo(
        caixaCliente, caixaNomeCliente, botaoConsultaCliente, m_teclas,
        QStringLiteral("select cfantasia from cliente where ncodigo = ? and ncodigo > 1 and " CLIENTE_GRAVADO),
        [] { return escolhe_cliente(); },
        [] { form<FrmCadCliente>().inclui(); });
    m_cliente->semValidarAoIrPara(botaoCancelar);
    m_teclas->botaoF5(botaoGravar);
    // Enter in the grid picks its row's item; Delete removes it
    m_teclas->antesDoEnter(gradeItens, [this] { escolhe_linha(); return true; });
    gradeItens->installEventFilter(this);

    connect(botaoGravar, &QPushButton::clicked, this, &FrmMovimento::gravar_clicado);
    connect(botaoCancelar, &QPushButton::clicked, this, &FrmMovimento::cancelar_clicado);
    connect(gradeItens, &QAbstractItemView::doubleClicked, this, &FrmMovimento::escolhe_linha);
}

QPushButton* FrmMovimento::botao_consulta(QWidget* pai, const QString& nome, const QString& acessivel, bool comFoco)
{
    QPushButton* b = novo_botao(QStringLiteral("..."), nome, pai);
    b->setAccessibleName(acessivel);
    b->setMaximumWidth(40);
    if (!comFoco)
        b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLineEdit* FrmMovimento::caixa_exibicao(QWidget* pai, const QString& nome, bool obrigatoria)
{
    QLineEdit* e = nova_caixa(pai, nome);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    if (obrigatoria)
        marca_obrigatorio(e);
    return e;
}

FrmMovimento::LinhaCodigo FrmMovimento::linha_codigo(QGridLayout* g, int linha, const QString& rotulo, const QString& nome,
                                                     const QString& nomeBotao, const QString& acessivelBotao, const QString& nomeDescricao,
                                                     const QString& acessivelDescricao, bool obrigatorio)
{
    QWidget* pai = g->parentWidget();
    LinhaCodigo r;
    r.codigo = linha_campo(g, linha, 0, rotulo, nome, 10, obrigatorio);
    r.codigo->setMaximumWidth(90);
    r.botao = botao_consulta(pai, nomeBotao, acessivelBotao, false);
    g->addWidget(r.botao, linha, 2);
    r.descricao = caixa_exibicao(pai, nomeDescricao, obrigatorio);
    r.descricao->setAccessibleName(acessivelDescricao);
    g->addWidget(r.descricao, linha, 3, 1, 3);
    return r;
}

void FrmMovimento::linha_botao(QGridLayout* g, int linha, const QString& rotulo, QPushButton* botao, QLineEdit* caixa)
{
    g->addWidget(novo_rotulo(rotulo, caixa, g->parentWidget()), linha, 0);
    auto* h = new QHBoxLayout;
    h->addWidget(botao);
    h->addWidget(caixa, 1);
    g->addLayout(h, linha, 1, 1, 4);
}

QLineEdit* FrmMovimento::caixa_oculta(QWidget* pai, const QString& nome, const QString& acessivel)
{
    QLineEdit* e = nova_caixa(pai, nome);
    e->setAccessibleName(acessivel);
    e->hide();
    marca_obrigatorio(e);
    return e;
}

void FrmMovimento::ordem_de_tab(const QList<QWidget*>& campos)
{
    QList<QWidget*> todos = campos;
    todos << botaoConfirmarItem << botaoExcluirItem << botaoCancelarItem << gradeItens << botaoGravar << botaoCancelar;
    for (int i = 1; i < todos.size(); ++i)
        setTabOrder(todos[i - 1], todos[i]);
}

// ------------------------------------------------------------- field limits

void FrmMovimento::limita(QWidget* campo, const QString& rotulo, int maximo, bool doItem)
{
    m_limites.append({campo, rotulo, maximo, doItem});
}

QString FrmMovimento::texto(const QWidget* campo)
{
    if (auto* e = qobject_cast<const QLineEdit*>(campo)) return e->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(campo)) return p->toPlainText();
    return {};
}

bool FrmMovimento::confere_tamanhos(bool doItem)
{
    for (const Limite& l : std::as_const(m_limites)) {
        if (l.doItem != doItem || texto(l.campo).size() <= l.maximo)
            continue;
        informa(QStringLiteral("O campo \"%1\" aceita no máximo %2 caracteres e o texto informado tem %3. Por favor verifique!")
                    .arg(l.rotulo).arg(l.maximo).arg(texto(l.campo).size()));
        l.campo->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

qint32 FrmMovimento::codigoMovimento() const { return qint32(valor_numerico(caixaCodigo->text())); }

bool FrmMovimento::tenta(const std::function<void()>& passo)
{
    try {
        passo();
        return true;
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
}

// ---------------------------------------------------------------- opening

void FrmMovimento::ao_abrir_janela()
{
    m_teclas->instala();
    mostra_gravado(QString()); // a new session of the form: nothing saved yet
    abre();
}

void FrmMovimento::valida_cabecalho() { m_cliente->valida(); }

void FrmMovimento::inclui()
{
    define_inclusao();
    abre_modal(*this);
}

void FrmMovimento::edita(qint32 codigo)
{
    define_edicao(codigo);
    abre_modal(*this);
}

void FrmMovimento::define_edicao(qint32 codigo)
{
    m_inclusao = false;
    m_codigoEditado = codigo;
}

void FrmMovimento::abre()
{
    centraliza_form(this);
    limpa_campos(this);
    inclusaoItem = true;
    prepara();
    try {
        if (m_inclusao) {
            m_momento = Relogio::momento();
            caixaCodigo->setText(QString::number(reserva_movimento(conexao, tipo(), m_momento)));
            depois_de_reservar();
            carrega_itens();
        } else {
            carrega();
            valida_cabecalho();
            carrega_itens();
        }
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        // without its row the form could store nothing: it closes (once its
        // event loop runs, so a modal opening returns)
        QTimer::singleShot(0, this, &FrmMovimento::fecha);
        return;
    }
    caixaCliente->setFocus(Qt::OtherFocusReason);
}

void FrmMovimento::carrega_itens()
{
    const QList<QVariantList> linhas = le_linhas();
    const int itens = int(linhas.size());
    gradeItens->limpa(qMax(itens, m_linhasMinimas));
    gradeItens->defineColunas(m_colunas);
    {
        Grade::Carga carga(*gradeItens);
        for (int l = 0; l < itens; ++l)
            gradeItens->defineLinha(l, linhas[l], linhas[l].value(0));
    }
    inclusaoItem = true;
    if (itens >= m_linhasMinimas) {
        // the last item at the top, or as near it as the list goes (the
        // list lays its rows out first: it would do so only later)
        gradeItens->doItemsLayout();
        gradeItens->defineLinhaAtual(itens - 1);
        gradeItens->scrollTo(gradeItens->model()->index(itens - 1, 1), QAbstractItemView::PositionAtTop);
    } else {
        gradeItens->scrollToTop();
    }
}

qint32 FrmMovimento::codigo_da_linha() const
{
    const int linha = gradeItens->linhaAtual();
    return linha < 0 ? 0 : gradeItens->codigo(linha).toInt();
}

// ------------------------------------------------------------------ items

void FrmMovimento::cancela_item()
{
    limpa_item();
    inclusaoItem = true;
    vai_ao_item();
}

void FrmMovimento::vai_ao_item()
{
    if (QWidget* w = campo_item())
        w->setFocus(Qt::OtherFocusReason);
}

// Each item button leaves the focus in the first item field, whatever
// came of its action.
void FrmMovimento::confirma_item()
{
    grava_item_da_tela();
    vai_ao_item();
}

void FrmMovimento::apaga_item()
{
    exclui_item_da_linha();
    vai_ao_item();
}

void FrmMovimento::grava_item_da_tela()
{
    // the item picked is the one updated, whichever row the grid is on now
    const qint32 codigo = inclusaoItem ? 0 : m_itemEscolhido;
    if (!CaixaCodigo::confere(this) || !confere_tamanhos(true) || !grava_item(codigo))
        return;
    tenta([this] {
        limpa_item();
        carrega_itens();
    });
}

void FrmMovimento::exclui_item_da_linha()
{
    const qint32 codigo = codigo_da_linha();
    if (codigo == 0 || !exclui_item(codigo))
        return;
    tenta([this] {
        carrega_itens();
        limpa_item();
    });
}

void FrmMovimento::escolhe_linha()
{
    const qint32 codigo = codigo_da_linha();
    if (codigo == 0)
        return;
    mostra_item(gradeItens->linhaAtual());
    inclusaoItem = false;
    m_itemEscolhido = codigo;
}

bool FrmMovimento::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo == gradeItens && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        apaga_item();
        return true;
    }
    return QDialog::eventFilter(alvo, e);
}

// ------------------------------------------------------------- save, leave

void FrmMovimento::gravar_clicado()
{
    // Alt+G saves without leaving the code box: its code is checked first
    if (!CaixaCodigo::confere(this) || !pode_gravar())
        return;
    if (!tenta([this] { grava(); }))
        return;
    // in view from now on, through the questions that follow and the next movement
    mostra_gravado(texto_gravado(valor_numerico(caixaCodigo->text())));
    depois_de_gravar();
    if (m_inclusao)
        abre();
    else
        fecha();
    depois_de_fechar();
}

void FrmMovimento::mostra_gravado(const QString& texto)
{
    rotuloGravado->setText(texto);
    rotuloGravado->setAccessibleName(texto); // a screen reader reads what the clerk sees
}

void FrmMovimento::abandona()
{
    const qint32 codigo = codigoMovimento();
    if (m_inclusao && codigo > 0)
        tenta([&] { abandona_movimento(conexao, tipo(), codigo); });
}

void FrmMovimento::cancelar_clicado()
{
    abandona();
    fecha();
}

// The close box abandons the movement as "&Cancelar" does; Escape never does.
void FrmMovimento::passo_de_saida() { abandona(); }
