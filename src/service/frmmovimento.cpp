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
#include "legado.h"
#include "literaissql.h"
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

FrmMovimento::FrmMovimento(const QString& nome, const QString& titulo, const QString& nomeCancelar,
                           QList<ColunaGrade> colunas, int linhasMinimas)
    : FormModal(true), m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas)
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    m_teclas = new FiltroTeclas(this);
    auto* v = new QVBoxLayout(this);

    Label1 = new QLabel(titulo, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    Label1->setFont(f);
    v->addWidget(Label1);

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_cabecalho = new QGridLayout(frame1);
    Text1 = linha_campo(m_cabecalho, 0, 0, QStringLiteral("Código"), QStringLiteral("Text1"), 0, true);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setMaximumWidth(90);
    Text4 = linha_campo(m_cabecalho, 1, 0, QStringLiteral("Cliente"), QStringLiteral("Text4"), 10, true);
    Text4->setMaximumWidth(90);
    Command3 = botao_consulta(frame1, QStringLiteral("Command3"), QStringLiteral("Consultar clientes"), false);
    m_cabecalho->addWidget(Command3, 1, 2);
    Text8 = caixa_exibicao(frame1, QStringLiteral("Text8"), true);
    Text8->setAccessibleName(QStringLiteral("Nome do cliente"));
    m_cabecalho->addWidget(Text8, 1, 3, 1, 3);
    m_cabecalho->setColumnStretch(3, 1);
    v->addWidget(frame1);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* v2 = new QVBoxLayout(frame2);
    m_itens = new QGridLayout;
    v2->addLayout(m_itens);
    Toolbar1 = new QToolBar(frame2);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // the captions as stored, with their blanks for width
    const QStringList captions = {QStringLiteral("Confirmar"), QStringLiteral("Excluir    "), QStringLiteral("Cancelar ")};
    for (int i = 0; i < captions.size(); ++i) {
        QAction* a = Toolbar1->addAction(captions[i]);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, i] { Toolbar1_ButtonClick(i + 1); });
        QWidget* b = Toolbar1->widgetForAction(a);
        b->setObjectName(QStringLiteral("Toolbar1_botao%1").arg(i + 1));
        b->setAccessibleName(captions[i].trimmed());
        b->setFocusPolicy(Qt::TabFocus); // reachable by keyboard; Enter presses it
        m_botoesItem << a;
    }
    v2->addWidget(Toolbar1);
    v->addWidget(frame2);

    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Itens"));
    Grid1->setCols(int(m_colunas.size()));
    Grid1->setMinimumSize(Grade::larguraDe(m_colunas), Grid1->verticalHeader()->defaultSectionSize() * 9);
    v->addWidget(Grid1, 1);

    auto* botoes = new QHBoxLayout;
    LabelGravado = new QLabel(this);
    LabelGravado->setObjectName(QStringLiteral("LabelGravado"));
    LabelGravado->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #005a00; }"));
    botoes->addWidget(LabelGravado);
    botoes->addStretch();
    Command5 = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("Command5"), this);
    m_cancelar = novo_botao(QStringLiteral("&Cancelar"), nomeCancelar, this);
    botoes->addWidget(Command5);
    botoes->addWidget(m_cancelar);
    v->addLayout(botoes);

    m_cliente = new CaixaCodigo(
        Text4, Text8, Command3, m_teclas,
        [](qint32 c) {
            return QStringLiteral("select cfantasia from cliente where ncodigo = %1 and ncodigo > 1 and ").arg(c) + sem_reservas(QStringLiteral("cliente"));
        },
        [] { return escolhe_cliente(); },
        [] { form<FrmCadCliente>().inclui(); });
    m_cliente->semValidarAoIrPara(m_cancelar);
    m_teclas->botaoF5(Command5);
    // Enter in the grid picks its row's item; Delete removes it
    m_teclas->antesDoEnter(Grid1, [this] { Grid1_DblClick(); return true; });
    Grid1->installEventFilter(this);

    connect(Command5, &QPushButton::clicked, this, &FrmMovimento::Command5_Click);
    connect(m_cancelar, &QPushButton::clicked, this, &FrmMovimento::Cancelar_Click);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, &FrmMovimento::Grid1_DblClick);
}

QWidget* FrmMovimento::botaoItem(int indice) const
{
    return indice >= 1 && indice <= m_botoesItem.size() ? Toolbar1->widgetForAction(m_botoesItem[indice - 1]) : nullptr;
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
    for (int i = 1; i <= m_botoesItem.size(); ++i)
        todos << botaoItem(i);
    todos << Grid1 << Command5 << m_cancelar;
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

QString FrmMovimento::hoje_sql() const { return data_sql(m_momento.date().toString(QStringLiteral("dd/MM/yyyy"))); }
QString FrmMovimento::agora_texto() const { return m_momento.time().toString(QStringLiteral("HH:mm:ss")); }

// ---------------------------------------------------------------- opening

void FrmMovimento::ao_abrir_janela()
{
    m_teclas->instala();
    mostra_gravado(QString()); // a new session of the form: nothing saved yet
    abre();
}

void FrmMovimento::valida_cabecalho() { m_cliente->valida(); }

void FrmMovimento::abre()
{
    centraliza_form(this);
    limpa_campos(this);
    bInclusaoItem = true;
    prepara();
    try {
        if (binclusao) {
            m_momento = Relogio::momento();
            Text1->setText(QString::number(conexao.executeRetornando(sql_reserva() + QStringLiteral(" returning ncodigo")).toLongLong()));
            depois_de_reservar();
            carrega_itens();
        } else {
            carrega();
            valida_cabecalho();
            carrega_itens();
        }
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        rsAux.fecha();
        trata_erro_banco(e);
        // without its row the form could store nothing: it closes (once its
        // event loop runs, so a modal opening returns)
        QTimer::singleShot(0, this, &FrmMovimento::fecha);
        return;
    }
    Text4->setFocus(Qt::OtherFocusReason);
}

void FrmMovimento::carrega_itens()
{
    Grid1->limpa(0);
    Grid1->defineColunas(m_colunas);
    QStringList campos;
    for (const ColunaGrade& c : std::as_const(m_colunas))
        campos << c.campo;
    cSQL = sql_itens();
    rsDados.abre(cSQL);
    Grid1->preenche(rsDados, campos, m_linhasMinimas);
    rsDados.moveFirst();
    const int itens = rsDados.recordCount();
    ao_carregar_itens(rsDados);
    rsDados.fecha();
    bInclusaoItem = true;
    if (itens + 1 >= m_linhasMinimas) {
        // the last item at the top, or as near it as the list goes (the
        // list lays its rows out first: it would do so only later)
        Grid1->doItemsLayout();
        Grid1->setRow(itens);
        Grid1->scrollTo(Grid1->model()->index(itens - 1, 1), QAbstractItemView::PositionAtTop);
    } else {
        Grid1->scrollToTop();
    }
}

QString FrmMovimento::codigo_da_linha() const
{
    const int linha = Grid1->row();
    return linha < 1 ? QString() : Grid1->textMatrix(linha, 0);
}

// ------------------------------------------------------------------ items

void FrmMovimento::Toolbar1_ButtonClick(int indice)
{
    switch (indice) {
    case 1: confirma_item(); break;
    case 2: exclui_item(); break;
    case 3:
        limpa_item();
        bInclusaoItem = true;
        break;
    default: return;
    }
    if (QWidget* w = campo_item())
        w->setFocus(Qt::OtherFocusReason);
}

void FrmMovimento::confirma_item()
{
    // the item picked is the one updated, whichever row the grid is on now
    const QString codigo = bInclusaoItem ? QString() : m_itemEscolhido;
    const bool novo = codigo.isEmpty();
    if (!CaixaCodigo::confere(this) || !confere_tamanhos(true))
        return;
    const QString sql = sql_item(novo, codigo);
    if (sql.isEmpty() || !grava_item(sql))
        return;
    try {
        limpa_item();
        carrega_itens();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e);
        return;
    }
    if (QWidget* w = campo_item())
        w->setFocus(Qt::OtherFocusReason);
}

void FrmMovimento::exclui_item()
{
    const QString codigo = codigo_da_linha();
    if (codigo.isEmpty() || !grava_item(QStringLiteral("delete from %1 where ncodigo = %2").arg(tabelaItens(), codigo)))
        return;
    try {
        carrega_itens();
        limpa_item();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e);
    }
}

bool FrmMovimento::grava_item(const QString& sql)
{
    try {
        cSQL = sql;
        conexao.execute(cSQL);
        return true;
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
}

void FrmMovimento::Grid1_DblClick()
{
    const int linha = Grid1->row();
    if (linha < 1 || Grid1->textMatrix(linha, 0).isEmpty())
        return;
    mostra_item(linha);
    bInclusaoItem = false;
    m_itemEscolhido = Grid1->textMatrix(linha, 0);
}

bool FrmMovimento::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo == Grid1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        Toolbar1_ButtonClick(2);
        return true;
    }
    return QDialog::eventFilter(alvo, e);
}

// ------------------------------------------------------------- save, leave

void FrmMovimento::Command5_Click()
{
    // Alt+G saves without leaving the code box: its code is checked first
    if (!CaixaCodigo::confere(this) || !pode_gravar())
        return;
    try {
        grava();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        rsAux.fecha();
        trata_erro_banco(e);
        return;
    }
    // in view from now on, through the questions that follow and the next movement
    mostra_gravado(texto_gravado(valor_numerico(Text1->text())));
    depois_de_gravar();
    if (binclusao)
        abre();
    else
        fecha();
    depois_de_fechar();
}

void FrmMovimento::mostra_gravado(const QString& texto)
{
    LabelGravado->setText(texto);
    LabelGravado->setAccessibleName(texto); // a screen reader reads what the clerk sees
}

void FrmMovimento::grava_cabecalho(const QString& sql)
{
    cSQL = sql;
    if (conexao.executeContando(cSQL) == 0)
        throw Recusa(REGISTRO_EXCLUIDO);
}

void FrmMovimento::abandona()
{
    const qint64 codigo = valor_numerico(Text1->text());
    if (!binclusao || codigo < 1)
        return;
    em_transacao(Operacao::AbandonoMovimento, {QStringLiteral("delete from %1 where %2 = %3").arg(tabelaItens(), colunaPai()).arg(codigo),
                  QStringLiteral("delete from %1 where ncodigo = %2").arg(tabela()).arg(codigo)});
}

void FrmMovimento::Cancelar_Click()
{
    abandona();
    fecha();
}

// The close box abandons the movement as "&Cancelar" does; Escape never does.
void FrmMovimento::passo_de_saida() { abandona(); }
