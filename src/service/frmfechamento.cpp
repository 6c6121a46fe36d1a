#include "frmfechamento.h"
#include "campos.h"
#include "filtroteclas.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"

#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

FrmFechamento::FrmFechamento(const QString& nome, const QString& titulo)
{
    setObjectName(nome);
    setWindowTitle(QStringLiteral("Controle de ordens de serviço"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(titulo, QStringLiteral("Label14"), this));
    m_corpo = new QVBoxLayout;
    v->addLayout(m_corpo, 1);
    m_teclas = new FiltroTeclas(this);
}

namespace {
// The order's receivables, in code order, with how many payments they have.
QStringList contas_da_ordem(const QString& ordem)
{
    rsAux.abre(QStringLiteral("select c.ncodigo, (select count(*) from baixa_conta_receber b where b.nconta_receber = c.ncodigo) "
                              "as npagamentos from conta_receber c where c.nordem = ")
               + ordem + QStringLiteral(" order by c.ncodigo"));
    QStringList contas;
    for (; !rsAux.eof(); rsAux.moveNext())
        contas << rsAux.texto(QStringLiteral("ncodigo")) + QLatin1Char('|') + rsAux.texto(QStringLiteral("npagamentos"));
    rsAux.fecha();
    return contas;
}
} // namespace

void FrmFechamento::ao_abrir_janela()
{
    m_gravou = false;
    m_teclas->instala();
    try {
        m_contasAntes = contas_da_ordem(QString::number(nCodigoOrdem));
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        QTimer::singleShot(0, this, &QDialog::reject); // nothing can be stored without them
    }
    abre();
    centraliza_form(this);
}

bool FrmFechamento::grava(Operacao op, const std::function<void()>& comandos)
{
    bool fechada = false;
    const QString ordem = QString::number(nCodigoOrdem);
    const bool ok = em_transacao(op, [&] {
        // a second closing of this order waits here for the first, and
        // (run again after it) finds the receivables the first stored
        rsAux.abre(QStringLiteral("select ncodigo from ordem where ncodigo = ") + ordem + QStringLiteral(" with lock"));
        const bool existe = rsAux.recordCount() > 0;
        rsAux.fecha();
        if (!existe)
            throw Recusa(REGISTRO_EXCLUIDO);
        const QStringList contas = contas_da_ordem(ordem);
        fechada = contas != m_contasAntes || std::any_of(contas.begin(), contas.end(), [](const QString& c) {
                      return !c.endsWith(QLatin1String("|0"));
                  });
        if (fechada)
            return;
        if (!contas.isEmpty()) {
            cSQL = QStringLiteral("delete from conta_receber where nordem = ") + ordem;
            conexao.execute(cSQL);
        }
        cSQL = QStringLiteral("update ordem set ")
               + (dData.isValid() ? QStringLiteral("ddata = '") + data_sql(dData.toString(QStringLiteral("dd/MM/yyyy"))) + QStringLiteral("',")
                                  : QString())
               + QStringLiteral("ncliente = ") + QString::number(nCliente) + QStringLiteral(",ncondicao = ") + QString::number(nCondicao)
               + QStringLiteral(",nvalor = ") + nValorTotal.sql() + QStringLiteral(",cobs = '") + texto_sql(cObs)
               + QStringLiteral("',nconcluida = 1 where ncodigo = ") + ordem;
        conexao.execute(cSQL);
        comandos();
    });
    if (!ok)
        return false;
    if (fechada) {
        informa(ORDEM_JA_FECHADA);
        reject();
        return false;
    }
    m_gravou = true;
    accept();
    return true;
}
