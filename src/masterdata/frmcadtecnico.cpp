#include "frmcadtecnico.h"
#include "caixacodigo.h"
#include "campos.h"
#include "documentos.h"
#include "formatos.h"

#include <QLineEdit>
#include <algorithm>

namespace {
constexpr int TAMANHO_COMISSAO = 4; // characters the user may type
}

FrmCadTecnico::FrmCadTecnico() : FrmCadPessoa(QStringLiteral("FrmCadTecnico"), QStringLiteral("Técnicos"), false) {}

void FrmCadTecnico::prepara()
{
    FrmCadPessoa::prepara();
    caixaComissao->setMaxLength(TAMANHO_COMISSAO);
    caixaComissao->setText(QStringLiteral("0"));
}

void FrmCadTecnico::reserva_codigo() { caixaCodigo->setText(QString::number(proximo_codigo_tecnico())); }

void FrmCadTecnico::mostra_dados()
{
    const Tecnico t = exige(le_tecnico(codigo_editado()));
    mostra_pessoa(t);
    // the stored rate is shown and kept whole (12,55 has five characters);
    // only what the user types is held to the box's four
    caixaComissao->setMaxLength(std::max(TAMANHO_COMISSAO, int(t.comissao.size())));
    caixaComissao->setText(t.comissao);
    m_cidade->valida();
}

// a commission below zero (pasted) is refused with its notice
bool FrmCadTecnico::pode_gravar() { return confere_nao_negativo(caixaComissao); }

qint32 FrmCadTecnico::grava()
{
    Tecnico t;
    le_pessoa(t);
    t.codigo = inclusao() ? qint32(valor_numerico(caixaCodigo->text())) : codigo_editado();
    t.comissao = caixaComissao->text();
    if (inclusao())
        inclui_tecnico(t);
    else
        grava_tecnico(t);
    return t.codigo;
}

bool FrmCadTecnico::documento_valido() const { return cpf_valido(caixaDocumento->text()); }

QString FrmCadTecnico::mensagem_documento() const { return QStringLiteral("O número de cpf informado está incorreto!"); }
