#include "frmcadastro.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "formularios.h"
#include "sessao.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

FrmCadastro::FrmCadastro(const QString& nome, const QString& titulo, bool sairAoFechar)
    : FormModal(true), m_sairAoFechar(sairAoFechar)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    auto* v = new QVBoxLayout(this);
    m_corpo = new QVBoxLayout;
    v->addLayout(m_corpo, 1);
    m_botoes = new QHBoxLayout;
    m_botoes->addStretch();
    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    m_botoes->addWidget(botaoGravar);
    m_botoes->addWidget(botaoSair);
    v->addLayout(m_botoes);
    connect(botaoGravar, &QPushButton::clicked, this, &FrmCadastro::grava_click);
    connect(botaoSair, &QPushButton::clicked, this, &FrmCadastro::sai_click);
    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoGravar);
}

void FrmCadastro::define_inclusao()
{
    m_inclusao = true;
    m_codigo = 0;
}

void FrmCadastro::define_edicao(qint32 codigo)
{
    m_inclusao = false;
    m_codigo = codigo;
}

std::optional<qint32> FrmCadastro::inclui()
{
    define_inclusao();
    abre_modal(*this);
    return m_gravado;
}

bool FrmCadastro::edita(qint32 codigo)
{
    define_edicao(codigo);
    abre_modal(*this);
    return m_gravado.has_value();
}

void FrmCadastro::mostra_erro(const ErroBanco& e)
{
    if (dynamic_cast<const RegistroNaoLocalizado*>(&e))
        informa(e.texto());
    else
        trata_erro_banco(e);
}

void FrmCadastro::adiciona_botao(QPushButton* b) { m_botoes->insertWidget(1, b); }

void FrmCadastro::ao_abrir_janela()
{
    m_gravado.reset();
    m_teclas->instala();
    abre();
}

void FrmCadastro::abre()
{
    centraliza_form(this);
    limpa_campos(this);
    try {
        prepara();
        if (m_inclusao) reserva_codigo();
        else mostra_dados();
    } catch (const ErroBanco& e) {
        mostra_erro(e);
        // without its record or its reserved code the form would save nothing:
        // it closes (once its event loop runs, so a modal opening returns)
        QTimer::singleShot(0, this, &FrmCadastro::fecha);
        return;
    }
    if (QWidget* w = primeiro_campo())
        w->setFocus(Qt::OtherFocusReason);
}

void FrmCadastro::grava_click()
{
    // Alt+G presses the button without taking the focus from the field:
    // the field is checked first, as leaving it would
    m_teclas->confereCampoAtual();
    if (!CaixaCodigo::confere(this) || !pode_gravar() || !verifica_obrigatorios(this))
        return;
    try {
        m_gravado = grava();
    } catch (const ErroBanco& e) {
        // the form stays open with the user's input
        mostra_erro(e);
        return;
    }
    if (fecha_ao_gravar())
        fecha();
    else
        abre();
}

bool FrmCadastro::sai()
{
    if (!m_inclusao)
        return true;
    try {
        abandona();
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        // with the server away the form must still let the user go: the
        // reserved row stays as it was, empty
        return e.conexaoPerdida();
    }
    return true;
}

// No form traps the user: when its leave step fails (a server that went
// away, say) the error is shown, whatever the database refused stays as it
// is, and the form closes all the same.
void FrmCadastro::sai_click()
{
    sai();
    fecha();
}

// The close box leaves as "&Sair" does in the forms that reserve a row;
// Escape never leaves a registration form.
void FrmCadastro::passo_de_saida()
{
    if (m_sairAoFechar)
        sai();
}
