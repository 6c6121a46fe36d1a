#include "frmconsultacidades.h"
#include "formularios.h"
#include "frmcadcidades.h"

FrmConsultaCidades::FrmConsultaCidades()
    : FrmPesquisaTexto(QStringLiteral("FrmConsultaCidades"), QStringLiteral("Localização de cidades"), QStringLiteral("Nome"),
                       QStringLiteral("select * from cidade where %1 order by ncodigo"), QStringLiteral("cidade.cnome"),
                       {{QStringLiteral("Código"), 67, Qt::AlignCenter, QStringLiteral("ncodigo")},
                        {QStringLiteral("Nome"), 323, Qt::AlignLeft, QStringLiteral("cNome")},
                        {QStringLiteral("UF"), 67, Qt::AlignCenter, QStringLiteral("cuf")}},
                       QStringLiteral("delete from cidade where ncodigo = ?"), QStringLiteral("da cidade"))
{
}

void FrmConsultaCidades::abre_detalhes(const QString& codigo)
{
    form<FrmCadCidades>().edita(codigo.toInt());
}
