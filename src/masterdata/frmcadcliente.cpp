#include "frmcadcliente.h"
#include "caixacodigo.h"
#include "campos.h"
#include "documentos.h"
#include "formatos.h"
#include "frmconsultaequipamentocliente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmCadCliente::FrmCadCliente() : FrmCadPessoa(QStringLiteral("FrmCadCliente"), QStringLiteral("Cadastro de clientes"), true)
{
    botaoEquipamentos = novo_botao(QStringLiteral("&Equipamentos"), QStringLiteral("botaoEquipamentos"), this);
    adiciona_botao(botaoEquipamentos);
    connect(botaoEquipamentos, &QPushButton::clicked, this, &FrmCadCliente::abre_equipamentos);
    connect(caixaNatureza, &QComboBox::currentIndexChanged, this, &FrmCadCliente::mostra_natureza);
    mostra_natureza();
}

bool FrmCadCliente::juridica() const { return caixaNatureza->currentIndex() == 1; }

void FrmCadCliente::mostra_natureza()
{
    const bool fisica = !juridica();
    rotulo(caixaNome)->setText(fisica ? QStringLiteral("Nome") : QStringLiteral("Fantasia"));
    rotulo(caixaRazao)->setText(fisica ? QStringLiteral("Apelido") : QStringLiteral("Razão"));
    rotulo(caixaDocumento)->setText(fisica ? QStringLiteral("Cpf") : QStringLiteral("Cnpj"));
    rotulo(caixaIdentidade)->setText(fisica ? QStringLiteral("Rg") : QStringLiteral("Ie"));
    for (QLineEdit* c : {caixaNome, caixaRazao, caixaDocumento, caixaIdentidade})
        c->setAccessibleName(rotulo(c)->text());
}

void FrmCadCliente::reserva_codigo()
{
    caixaCodigo->setText(QString::number(reserva_cliente()));
    caixaNatureza->setCurrentIndex(0);
    mostra_natureza();
}

void FrmCadCliente::mostra_dados()
{
    const Cliente c = exige(le_cliente(codigo_editado()));
    mostra_pessoa(c);
    caixaRazao->setText(c.razao);
    caixaNatureza->setCurrentIndex(c.juridica ? 1 : 0);
    mostra_natureza();
    m_cidade->valida();
}

qint32 FrmCadCliente::grava()
{
    Cliente c;
    le_pessoa(c);
    // a new customer is written over its reserved row, which may have been
    // deleted meanwhile too
    c.codigo = qint32(valor_numerico(caixaCodigo->text()));
    c.razao = nome_proprio(caixaRazao->text());
    c.juridica = juridica();
    grava_cliente(c);
    return c.codigo;
}

void FrmCadCliente::abandona()
{
    const qint32 codigo = qint32(valor_numerico(caixaCodigo->text()));
    if (codigo > 1) // otherwise nothing was reserved (the reservation itself failed)
        abandona_cliente(codigo);
}

bool FrmCadCliente::documento_valido() const
{
    return juridica() ? cnpj_valido(caixaDocumento->text()) : cpf_valido(caixaDocumento->text());
}

QString FrmCadCliente::mensagem_documento() const
{
    return juridica() ? QStringLiteral("O número de cnpj informado está incorreto!") : QStringLiteral("O número de cpf informado está incorreto!");
}

void FrmCadCliente::abre_equipamentos() { abre_equipamentos_do_cliente(qint32(valor_numerico(caixaCodigo->text()))); }
