#include "frmcadtecnico.h"
#include "caixacidade.h"
#include "caixacodigo.h"
#include "campos.h"
#include "documentos.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QLineEdit>
#include <algorithm>
#include <stdexcept>

namespace {
constexpr int TAMANHO_COMISSAO = 4; // characters the user may type
}

FrmCadTecnico::FrmCadTecnico() : FrmCadPessoa(QStringLiteral("FrmCadTecnico"), QStringLiteral("Técnicos"), false) {}

void FrmCadTecnico::prepara()
{
    FrmCadPessoa::prepara();
    Text2->setMaxLength(TAMANHO_COMISSAO);
    Text2->setText(QStringLiteral("0"));
}

void FrmCadTecnico::reserva_codigo()
{
    Text11->setText(QString::number(codigo_antecipado(QStringLiteral("codigo_tecnico"))));
}

void FrmCadTecnico::mostra_dados()
{
    cSQL = QStringLiteral("select * from tecnico where ncodigo = %1").arg(codigo_tecnico);
    rsDados.abre(cSQL);
    exige_registro(rsDados);
    preenche_comuns(rsDados);
    // the stored rate is shown and kept whole (12,55 has five characters);
    // only what the user types is held to the box's four
    const QString comissao = rsDados.texto(QStringLiteral("ncomissao"));
    Text2->setMaxLength(std::max(TAMANHO_COMISSAO, int(comissao.size())));
    Text2->setText(comissao);
    rsDados.fecha();
    m_cidade->valida();
}

// a commission below zero (pasted) is refused with its notice
bool FrmCadTecnico::pode_gravar() { return confere_nao_negativo(Text2); }

void FrmCadTecnico::grava()
{
    auto p = [](QLineEdit* c) { return texto_sql(nome_proprio(c->text())); };
    auto t = [](QLineEdit* c) { return texto_sql(c->text()); };
    QString comissao;
    try {
        comissao = valor_sql(Text2->text());
    } catch (const std::invalid_argument&) {
        throw ErroBanco(QString(), QStringLiteral("A comissão informada não é um número válido."));
    }
    const QString codigo = QString::number(valor_numerico(Text11->text()));
    const QString cidade = QString::number(valor_numerico(Text3->text()));
    if (binclusao)
        cSQL = QStringLiteral("insert into tecnico values(") + codigo + QStringLiteral(",'") + p(Text1) + QStringLiteral("','") + t(Text8)
               + QStringLiteral("','") + t(Text9) + QStringLiteral("',") + cidade + QStringLiteral(",'") + t(Text12)
               + QStringLiteral("', '") + t(Text6) + QStringLiteral("','") + t(Text7) + QStringLiteral("','") + p(Text13)
               + QStringLiteral("','") + p(Text4) + QStringLiteral("','") + p(Text5) + QStringLiteral("','") + t(Text10)
               + QStringLiteral("','") + p(Text14) + QStringLiteral("',") + comissao + QStringLiteral(");");
    else
        cSQL = QStringLiteral("update tecnico set cfantasia = '") + p(Text1) + QStringLiteral("',ccnpj = '") + t(Text8)
               + QStringLiteral("',cie = '") + t(Text9) + QStringLiteral("',ncidade = ") + cidade + QStringLiteral(",ccep = '")
               + t(Text12) + QStringLiteral("',cfone  = '") + t(Text6) + QStringLiteral("',cfax = '") + t(Text7)
               + QStringLiteral("',cemail = '") + p(Text13) + QStringLiteral("',cendereco='") + p(Text4)
               + QStringLiteral("',ccontato = '") + p(Text14) + QStringLiteral("',cbairro='") + p(Text5)
               + QStringLiteral("', cobs = '") + t(Text10) + QStringLiteral("',ncomissao = ") + comissao
               + QStringLiteral(" where ncodigo = ") + codigo;
    if (binclusao)
        conexao.execute(cSQL);
    else
        grava_registro(cSQL);
}

bool FrmCadTecnico::documento_valido() const { return FU_ValidaCPF(Text8->text()); }

QString FrmCadTecnico::mensagem_documento() const { return QStringLiteral("O número de cpf informado está incorreto!"); }
