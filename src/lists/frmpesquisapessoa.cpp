#include "frmpesquisapessoa.h"
#include "busca.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formatos.h"
#include "reservas.h"

#include <QLineEdit>
#include <QPushButton>

FrmPesquisaPessoa::FrmPesquisaPessoa(const QString& nome, const QString& titulo, const QString& tabela, bool comAceitar)
    : FrmPesquisa(nome, titulo,
                  {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("ncodigo")},
                   {QStringLiteral("Fantasia"), 200, Qt::AlignLeft, QStringLiteral("cfantasia")},
                   {QStringLiteral("Endereço"), 167, Qt::AlignLeft, QStringLiteral("cendereco")},
                   {QStringLiteral("Cidade"), 133, Qt::AlignCenter, QStringLiteral("cNome")},
                   {QStringLiteral("Fone"), 100, Qt::AlignCenter, QStringLiteral("cfone")}},
                  17),
      m_tabela(tabela)
{
    Text4 = filtro(QStringLiteral("Código"), QStringLiteral("Text4"), 9);
    Text4->setMaximumWidth(100);
    Text3 = filtro(QStringLiteral("Nome"), QStringLiteral("Text3"));
    Text1 = filtro(QStringLiteral("Endereço"), QStringLiteral("Text1"));
    Text2 = filtro(QStringLiteral("Cidade"), QStringLiteral("Text2"));
    m_teclas->tipoCampo(Text4, CampoInteiro);
    // a code makes the text filters pointless
    connect(Text4, &QLineEdit::textEdited, this, [this] {
        Text3->clear();
        Text1->clear();
        Text2->clear();
    });
    botao(QStringLiteral("&Procurar"), QStringLiteral("Command3"));
    botao(QStringLiteral("&Detalhes"), QStringLiteral("Command4"));
    botao(QStringLiteral("&Excluir"), QStringLiteral("Command5"));
    if (comAceitar)
        botao(QStringLiteral("&Aceitar"), QStringLiteral("Command1"));
    botao(QStringLiteral("&Sair"), QStringLiteral("Command2"));
    fecha_layout();
}

ConsultaLista FrmPesquisaPessoa::consulta_lista()
{
    const QString t = m_tabela;
    // the customer placeholder row is never listed, nor a new customer not yet saved
    const bool cliente = t == QLatin1String("cliente");
    // a customer's name is found through the index of its letter triples
    const QString juncao = cliente && Text4->text().isEmpty() ? junta_nome_cliente(Text3->text()) : QString();
    ConsultaLista c{QStringLiteral("select %1.ncodigo,cnome,cfantasia,cendereco,cnome,cfone from %1%2, cidade").arg(t, juncao),
                    {QStringLiteral("%1.ncidade = cidade.ncodigo").arg(t)}, t + QStringLiteral(".ncodigo")};
    if (!Text4->text().isEmpty())
        c.condicoes << QStringLiteral("%1.ncodigo = %2").arg(t).arg(valor_numerico(Text4->text()));
    else
        c.condicoes << contem_texto(t + QStringLiteral(".cfantasia"), Text3->text()) << contem_texto(t + QStringLiteral(".cendereco"), Text1->text())
                    << contem_texto(QStringLiteral("cidade.cnome"), Text2->text());
    if (cliente)
        c.condicoes << QStringLiteral("cliente.ncodigo > 1") << sem_reservas(t);
    return c;
}

QString FrmPesquisaPessoa::comando_exclusao(const QString& codigo) const
{
    return QStringLiteral("delete from %1 where ncodigo =").arg(m_tabela) + codigo;
}
