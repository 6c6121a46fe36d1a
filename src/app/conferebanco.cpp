#include "conferebanco.h"
#include "sessao.h"

#include <QStringList>
#include <stdexcept>

namespace {

// The tables every version of the program has had; a database without any
// of them belongs to another program, one with only some is damaged.
const QStringList TABELAS = {
    QStringLiteral("CIDADE"), QStringLiteral("CLIENTE"), QStringLiteral("TECNICO"), QStringLiteral("EQUIPAMENTO"),
    QStringLiteral("PROPRIEDADE"), QStringLiteral("EQUIPAMENTO_CLIENTE"), QStringLiteral("PROPRIEDADE_EQUIPAMENTO_CLIENTE"),
    QStringLiteral("CONDICAO_PAGTO"), QStringLiteral("ESTABELECIMENTO"), QStringLiteral("ENTRADA_EQUIPAMENTO"),
    QStringLiteral("ITEM_DA_ENTRADA"), QStringLiteral("ORCAMENTO"), QStringLiteral("ITEM_ORCAMENTO"), QStringLiteral("ORDEM"),
    QStringLiteral("ITEM_ORDEM"), QStringLiteral("CONTA_RECEBER"), QStringLiteral("BAIXA_CONTA_RECEBER"),
};

[[noreturn]] void falha(const QString& texto) { throw std::runtime_error(texto.toStdString()); }

} // namespace

void confere_banco(Conexao& c)
{
    Recordset rs(c);
    rs.abre(QStringLiteral("select trim(rdb$relation_name) from rdb$relations "
                           "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null"));
    QStringList existentes;
    for (; !rs.eof(); rs.moveNext())
        existentes << rs.texto(0).toUpper();
    rs.fecha();
    QStringList faltam;
    for (const QString& t : TABELAS)
        if (!existentes.contains(t)) faltam << t.toLower();
    if (faltam.size() == TABELAS.size())
        falha(QStringLiteral("O banco de dados %1 não é do Controle OS: nenhuma das tabelas do programa existe nele. "
                             "Verifique o caminho do banco no arquivo path.txt. Nada foi gravado nele.").arg(c.fonte()));
    if (!faltam.isEmpty())
        falha(QStringLiteral("O banco de dados %1 está incompleto ou danificado: faltam as tabelas %2. "
                             "Restaure a última cópia de segurança. Nada foi gravado nele.").arg(c.fonte(), faltam.join(QStringLiteral(", "))));

    rs.abre(QStringLiteral("select mon$read_only from mon$database"));
    const bool somenteLeitura = rs.inteiro(QStringLiteral("mon$read_only")) != 0;
    rs.fecha();
    if (somenteLeitura)
        falha(QStringLiteral("O banco de dados %1 está marcado como somente leitura: o programa não poderia gravar nada. "
                             "Peça ao responsável pelo servidor para liberá-lo para gravação (gfix -mode read_write).").arg(c.fonte()));
}

QString motivo_falha_abertura(const ErroBanco& e)
{
    const QString t = e.texto();
    QString motivo;
    if (t.contains(QLatin1String("not a valid database"), Qt::CaseInsensitive)
        || t.contains(QLatin1String("unsupported on-disk structure"), Qt::CaseInsensitive))
        motivo = QStringLiteral("O arquivo indicado no path.txt não é um banco de dados do Firebird, ou está danificado.");
    else if (t.contains(QLatin1String("already opened with engine instance"), Qt::CaseInsensitive)
             || t.contains(QLatin1String("incompatible with current"), Qt::CaseInsensitive))
        // the local file is held by another program's embedded engine
        motivo = QStringLiteral("O banco de dados já está aberto por outro programa neste computador (outra cópia do "
                                "Controle OS ou uma cópia de segurança em andamento). Feche o outro programa e tente de novo; "
                                "para várias estações ao mesmo tempo, o banco precisa estar num servidor Firebird.");
    else if (t.contains(QLatin1String("Permission denied"), Qt::CaseInsensitive)
             || t.contains(QLatin1String("read-only"), Qt::CaseInsensitive)
             || t.contains(QLatin1String("I/O error"), Qt::CaseInsensitive))
        motivo = QStringLiteral("O arquivo do banco de dados não pôde ser aberto para leitura e gravação "
                                "(arquivo inexistente, somente leitura ou sem permissão).");
    else if (t.contains(QLatin1String("user name and password"), Qt::CaseInsensitive))
        motivo = QStringLiteral("O usuário ou a senha do path.txt foram recusados pelo banco de dados.");
    else if (t.contains(QLatin1String("network request"), Qt::CaseInsensitive))
        motivo = QStringLiteral("O servidor do banco de dados não respondeu: verifique se ele está ligado e se a rede funciona.");
    return motivo.isEmpty() ? e.descricao() : motivo + QStringLiteral("\n\n") + e.descricao();
}
