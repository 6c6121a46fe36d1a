#include "caixacidade.h"
#include "caixacodigo.h"
#include "dadoscadastros.h"
#include "campos.h"
#include "formularios.h"
#include "frmcadcidades.h"
#include "frmconsulta.h"
#include "formatos.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

CaixaCodigo* monta_caixa_cidade(QGridLayout* g, int linha, const QString& nomeCodigo, const QString& nomeNome,
                                FiltroTeclas* teclas, bool aCadaMudanca)
{
    QWidget* pai = g->parentWidget();
    QLineEdit* codigo = linha_campo(g, linha, 0, QStringLiteral("Cidade"), nomeCodigo, 10, true);
    codigo->setMaximumWidth(90);
    auto* botao = novo_botao(QStringLiteral("..."), QStringLiteral("botaoCidades"), pai);
    botao->setAccessibleName(QStringLiteral("Consultar cidades"));
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setMaximumWidth(40);
    g->addWidget(botao, linha, 2);
    QLineEdit* nome = nova_caixa(pai, nomeNome);
    nome->setAccessibleName(QStringLiteral("Nome da cidade"));
    marca_obrigatorio(nome);
    g->addWidget(nome, linha, 3);
    auto* caixa = new CaixaCodigo(
        codigo, nome, botao, teclas, QStringLiteral("select cnome from cidade where ncodigo = ?"),
        [] { return consulta_codigo(QStringLiteral("Cidades")); },
        [] { form<FrmCadCidades>().inclui(); });
    caixa->semAviso();
    if (aCadaMudanca)
        caixa->aCadaMudanca();
    return caixa;
}

void CaixasEndereco::mostra(const Endereco& e) const
{
    cidade->setText(e.cidade > 0 ? QString::number(e.cidade) : QString());
    rua->setText(e.rua);
    bairro->setText(e.bairro);
    cep->setText(e.cep);
    fone->setText(e.fone);
    fax->setText(e.fax);
    email->setText(e.email);
}

Endereco CaixasEndereco::le(bool nomeProprio) const
{
    auto caso = [nomeProprio](QLineEdit* c) { return nomeProprio ? nome_proprio(c->text()) : c->text(); };
    Endereco e;
    // the code goes in as the number it starts with, as the city name shows it
    e.cidade = qint32(valor_numerico(cidade->text()));
    e.rua = caso(rua);
    e.bairro = caso(bairro);
    e.cep = cep->text();
    e.fone = fone->text();
    e.fax = fax->text();
    e.email = caso(email);
    return e;
}
