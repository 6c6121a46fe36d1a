#include "planilha.h"
#include "dinheiro.h"
#include "formularios.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "sessao.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// "1234,50", "-0,05": the amount alone, no thousands separator.
QString numero_planilha(Dinheiro d)
{
    const qint64 c = d.centavos() < 0 ? -d.centavos() : d.centavos();
    return (d.centavos() < 0 ? QStringLiteral("-") : QString()) + QString::number(c / 100) + QLatin1Char(',')
           + QStringLiteral("%1").arg(int(c % 100), 2, 10, QLatin1Char('0'));
}

} // namespace

QString celula_csv(const QVariant& celula)
{
    if (celula.metaType() == QMetaType::fromType<Dinheiro>())
        return numero_planilha(celula.value<Dinheiro>());
    static const QRegularExpression numero(QStringLiteral("^-?\\d+(,\\d+)?$"));
    QString t = ModeloGrade::formata(celula);
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front()) && !numero.match(t).hasMatch())
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r')))
        t = QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return t;
}

QByteArray texto_csv(const QStringList& titulos, const QList<QVariantList>& linhas)
{
    QString texto;
    auto escreve = [&](const QVariantList& celulas) {
        QStringList saida;
        for (const QVariant& c : celulas)
            saida << celula_csv(c);
        texto += saida.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    };
    escreve(QVariantList(titulos.begin(), titulos.end()));
    for (const QVariantList& l : linhas)
        escreve(l);
    return QByteArray("\xEF\xBB\xBF") + texto.toUtf8();
}

bool exporta_lista(QWidget* janela, const Grade& grade, const QString& nome, const QString& sql, const LinhaDaLista& linha,
                   const QVariantList& valores)
{
    if (sql.isEmpty()) {
        informa(QStringLiteral("Não há lista para exportar: mostre a lista primeiro."));
        return false;
    }
    QList<int> colunas;
    QStringList titulos;
    for (int c = 0; c < grade.colunas(); ++c)
        if (grade.larguraColuna(c) > 0) {
            colunas << c;
            titulos << grade.titulo(c);
        }

    QFileDialog dialogo(janela, QStringLiteral("Exportar para planilha"), QDir::home().filePath(nome + QStringLiteral(".csv")),
                        QStringLiteral("Planilha CSV (*.csv)"));
    dialogo.setObjectName(QStringLiteral("DialogoPlanilha"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog); // the same dialog everywhere, keys and tests included
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("csv"));
    if (abre_modal(dialogo) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return false;
    const QString caminho = dialogo.selectedFiles().first();

    QList<QVariantList> linhas;
    try {
        Recordset rs(conexao);
        rs.abre(sql, valores);
        linhas.reserve(rs.recordCount());
        for (; !rs.eof(); rs.moveNext()) {
            const QVariantList todas = linha(rs);
            QVariantList l;
            for (int c : std::as_const(colunas))
                l << todas.value(c);
            linhas << l;
        }
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return false;
    }
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(texto_csv(titulos, linhas)) < 0 || !arquivo.commit()) {
        mensagens().aviso(QStringLiteral("Não foi possível gravar a planilha %1: %2").arg(QDir::toNativeSeparators(caminho), arquivo.errorString()),
                          Mensagens::Icone::Erro);
        return false;
    }
    informa(QStringLiteral("Planilha gravada com %1 linha(s) em %2.").arg(linhas.size()).arg(QDir::toNativeSeparators(caminho)));
    return true;
}
