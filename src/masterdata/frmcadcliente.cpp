#include "frmcadcliente.h"
#include "caixacidade.h"
#include "caixacodigo.h"
#include "campos.h"
#include "documentos.h"
#include "frmconsultaequipamentocliente.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmCadCliente::FrmCadCliente() : FrmCadPessoa(QStringLiteral("FrmCadCliente"), QStringLiteral("Cadastro de clientes"), true)
{
    Command3 = novo_botao(QStringLiteral("&Equipamentos"), QStringLiteral("Command3"), this);
    adiciona_botao(Command3);
    connect(Command3, &QPushButton::clicked, this, &FrmCadCliente::Command3_Click);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FrmCadCliente::Combo1_Click);
    Combo1_Click();
}

void FrmCadCliente::Combo1_Click()
{
    const bool fisica = Combo1->currentIndex() != 1;
    rotulo(Text1)->setText(fisica ? QStringLiteral("Nome") : QStringLiteral("Fantasia"));
    rotulo(Text2)->setText(fisica ? QStringLiteral("Apelido") : QStringLiteral("Razão"));
    rotulo(Text8)->setText(fisica ? QStringLiteral("Cpf") : QStringLiteral("Cnpj"));
    rotulo(Text9)->setText(fisica ? QStringLiteral("Rg") : QStringLiteral("Ie"));
    for (QLineEdit* c : {Text1, Text2, Text8, Text9})
        c->setAccessibleName(rotulo(c)->text());
}

void FrmCadCliente::reserva_codigo()
{
    Text11->setText(QString::number(reserva_linha(QStringLiteral("insert into cliente (ncidade) values(1)"))));
    Combo1->setCurrentIndex(0);
    Combo1_Click();
}

void FrmCadCliente::mostra_dados()
{
    cSQL = QStringLiteral("select * from cliente where ncodigo = %1").arg(codigo_cliente);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    preenche_comuns(rsDados);
    Text2->setText(rsDados.texto(QStringLiteral("crazao")));
    Combo1->setCurrentIndex(rsDados.inteiro(QStringLiteral("nfisica_juridica")) == 1 ? 1 : 0);
    Combo1_Click();
    rsDados.fecha();
    m_cidade->valida();
}

void FrmCadCliente::grava()
{
    auto p = [](QLineEdit* c) { return texto_sql(nome_proprio(c->text())); };
    auto t = [](QLineEdit* c) { return texto_sql(c->text()); };
    cSQL = QStringLiteral("update cliente set cfantasia = '") + p(Text1) + QStringLiteral("',crazao = '") + p(Text2)
           + QStringLiteral("',ccnpj = '") + t(Text8) + QStringLiteral("',cie = '") + t(Text9) + QStringLiteral("',ncidade = ")
           + QString::number(valor_numerico(Text3->text())) + QStringLiteral(",ccep = '") + t(Text12) + QStringLiteral("',cfone  = '")
           + t(Text6) + QStringLiteral("',cfax = '") + t(Text7) + QStringLiteral("',cemail = '") + p(Text13)
           + QStringLiteral("',cendereco='") + p(Text4) + QStringLiteral("',ccontato = '") + p(Text14) + QStringLiteral("',cbairro='")
           + p(Text5) + QStringLiteral("',nfisica_juridica = ") + QString::number(Combo1->currentIndex())
           + QStringLiteral(", cobs = '") + t(Text10) + QStringLiteral("' where ncodigo = ") + QString::number(valor_numerico(Text11->text()));
    // the placeholder of a new customer may have been deleted meanwhile too
    grava_registro(cSQL);
}

FrmCadastro::Saida FrmCadCliente::saida()
{
    const qint64 codigo = valor_numerico(Text11->text());
    if (codigo <= 1) // nothing was reserved (the reservation itself failed)
        return {Operacao::SaidaCliente, {}};
    // the machines registered for the new customer go with it, values first
    // (nobody else can have used a customer that never existed for them)
    return {Operacao::SaidaCliente, desfaz_reserva({QStringLiteral("delete from Propriedade_equipamento_cliente where nequipamento_cliente in "
                                          "(select ncodigo from equipamento_cliente where ncliente = %1)").arg(codigo),
                           QStringLiteral("delete from equipamento_cliente where ncliente = %1").arg(codigo),
                           QStringLiteral("delete from cliente where ncodigo = %1").arg(codigo)},
                          QStringLiteral("codigo_cliente"), codigo)};
}

bool FrmCadCliente::documento_valido() const
{
    return Combo1->currentIndex() == 1 ? FU_ValidaCNPJ(Text8->text()) : FU_ValidaCPF(Text8->text());
}

QString FrmCadCliente::mensagem_documento() const
{
    return Combo1->currentIndex() == 1 ? QStringLiteral("O número de cnpj informado está incorreto!")
                                       : QStringLiteral("O número de cpf informado está incorreto!");
}

void FrmCadCliente::Command3_Click()
{
    abre_equipamentos_do_cliente(qint32(valor_numerico(Text11->text())));
}
