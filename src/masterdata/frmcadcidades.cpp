#include "frmcadcidades.h"
#include "campos.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

FrmCadCidades::FrmCadCidades() : FrmCadastro(QStringLiteral("FrmCadCidades"), QStringLiteral("Cadastro de cidades"), false)
{
    auto* g = new QGridLayout;
    corpo()->addLayout(g);
    Text11 = linha_campo(g, 0, 0, QStringLiteral("Código"), QStringLiteral("Text11"), 10);
    Text11->setReadOnly(true);
    Text11->setFocusPolicy(Qt::NoFocus);
    Text1 = linha_campo(g, 1, 0, QStringLiteral("Nome"), QStringLiteral("Text1"), 50, true);
    Text2 = linha_campo(g, 2, 0, QStringLiteral("UF"), QStringLiteral("Text2"), 2, true);
    Text2->setMaximumWidth(60);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, CmdOk);
    resize(420, sizeHint().height());
}

QWidget* FrmCadCidades::primeiro_campo() { return Text1; }

void FrmCadCidades::mostra_dados()
{
    cSQL = QStringLiteral("select * from cidade where ncodigo = %1").arg(codigo_cidade);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    Text11->setText(rsDados.texto(QStringLiteral("ncodigo")));
    Text1->setText(rsDados.texto(QStringLiteral("cNome")));
    Text2->setText(rsDados.texto(QStringLiteral("cuf")));
    rsDados.fecha();
}

void FrmCadCidades::reserva_codigo()
{
    Text11->setText(QString::number(codigo_antecipado(QStringLiteral("codigo_cidade"))));
}

void FrmCadCidades::grava()
{
    const QString nome = texto_sql(nome_proprio(Text1->text()));
    const QString uf = texto_sql(Text2->text().toUpper());
    if (binclusao) {
        cSQL = QStringLiteral("insert into cidade values(") + QString::number(valor_numerico(Text11->text())) + QStringLiteral(",'") + nome
               + QStringLiteral("','") + uf + QStringLiteral("');");
        conexao.execute(cSQL);
        return;
    }
    cSQL = QStringLiteral("update cidade set cnome = '") + nome + QStringLiteral("',cuf = '") + uf
           + QStringLiteral("' where ncodigo = ") + QString::number(codigo_cidade);
    grava_registro(cSQL);
}
