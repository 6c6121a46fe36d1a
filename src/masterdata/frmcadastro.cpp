#include "frmcadastro.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
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
    CmdOk = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("CmdOk"), this);
    CmdSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("CmdSair"), this);
    m_botoes->addWidget(CmdOk);
    m_botoes->addWidget(CmdSair);
    v->addLayout(m_botoes);
    connect(CmdOk, &QPushButton::clicked, this, &FrmCadastro::CmdOk_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmCadastro::CmdSair_Click);
    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(CmdOk);
}

qint64 FrmCadastro::codigo_antecipado(const QString& gerador)
{
    cSQL = QStringLiteral("select gen_id(%1,0) from rdb$database").arg(gerador);
    rsDados.abre(cSQL);
    const qint64 codigo = rsDados.inteiro(QStringLiteral("gen_id")) + 1;
    rsDados.fecha();
    return codigo;
}

qint64 FrmCadastro::reserva_linha(const QString& insercao)
{
    return conexao.executeRetornando(insercao + QStringLiteral(" returning ncodigo")).toLongLong();
}

QStringList FrmCadastro::desfaz_reserva(QStringList exclusoes, const QString& gerador, qint64 codigo)
{
    if (!conexao.noServidor() && conexao.gerador(gerador) == codigo)
        exclusoes << QStringLiteral("set generator %1 to %2").arg(gerador).arg(codigo - 1);
    return exclusoes;
}

void FrmCadastro::grava_registro(const QString& sql)
{
    if (conexao.executeContando(sql) == 0)
        throw RegistroNaoLocalizado(REGISTRO_EXCLUIDO);
}

void FrmCadastro::exige_registro(Recordset& rs)
{
    if (rs.recordCount() > 0)
        return;
    rs.fecha();
    throw RegistroNaoLocalizado();
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
    m_teclas->instala();
    abre();
}

void FrmCadastro::abre()
{
    centraliza_form(this);
    limpa_campos(this);
    try {
        prepara();
        if (binclusao) reserva_codigo();
        else mostra_dados();
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        rsAux.fecha();
        mostra_erro(e);
        // without its record or its reserved code the form would save nothing:
        // it closes (once its event loop runs, so a modal opening returns)
        QTimer::singleShot(0, this, &FrmCadastro::fecha);
        return;
    }
    if (QWidget* w = primeiro_campo())
        w->setFocus(Qt::OtherFocusReason);
}

void FrmCadastro::CmdOk_Click()
{
    // Alt+G presses the button without taking the focus from the field:
    // the field is checked first, as leaving it would
    m_teclas->confereCampoAtual();
    if (!CaixaCodigo::confere(this) || !pode_gravar() || !verifica_obrigatorios(this))
        return;
    try {
        grava();
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
    if (!binclusao)
        return true;
    try {
        const Saida s = saida();
        if (s.comandos.isEmpty())
            return true;
        conexao.unidade(s.operacao, s.comandos);
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
void FrmCadastro::CmdSair_Click()
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
