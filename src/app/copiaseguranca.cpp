#include "copiaseguranca.h"
#include "arquivoconfiguracao.h"
#include "mensagens.h"

#include "relogio.h"
#include "sessao.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>

namespace {

// Copies older than this many days make the status bar warn.
constexpr int DIAS_ALERTA = 7;

QString data(const QDateTime& d) { return d.date().toString(QStringLiteral("dd/MM/yyyy")); }

} // namespace

SituacaoCopias le_situacao_copias(Conexao& c)
{
    SituacaoCopias s;
    Recordset rs(c);
    rs.abre(QStringLiteral("select first 1 dmomento, carquivo from copia_seguranca where nconferida = 1 "
                           "order by dmomento desc, ncodigo desc"));
    if (!rs.eof()) {
        s.ultimaConferida = rs.valor(QStringLiteral("dmomento")).toDateTime();
        s.arquivoConferida = rs.texto(QStringLiteral("carquivo"));
    }
    rs.abre(QStringLiteral("select first 1 dmomento, nconferida, cmensagem from copia_seguranca "
                           "order by dmomento desc, ncodigo desc"));
    if (!rs.eof() && rs.inteiro(QStringLiteral("nconferida")) == 0) {
        s.ultimaFalhou = true;
        s.momentoFalha = rs.valor(QStringLiteral("dmomento")).toDateTime();
        s.falha = rs.texto(QStringLiteral("cmensagem"));
    }
    rs.fecha();
    return s;
}

AvisoCopias aviso_copias(const SituacaoCopias& s, const QDate& hoje)
{
    AvisoCopias a;
    if (s.ultimaConferida.isValid()) {
        a.texto = QStringLiteral("Última cópia: %1").arg(data(s.ultimaConferida));
        const qint64 dias = s.ultimaConferida.date().daysTo(hoje);
        if (dias > DIAS_ALERTA) {
            a.texto += QStringLiteral(" (há %1 dias)").arg(dias);
            a.alerta = true;
        }
    } else {
        a.texto = QStringLiteral("Nenhuma cópia de segurança");
        a.alerta = true;
    }
    if (s.ultimaFalhou) {
        a.texto += QStringLiteral(" - a cópia de %1 falhou").arg(data(s.momentoFalha));
        a.dica = s.falha;
        a.alerta = true;
    }
    return a;
}

bool copia_devida(const SituacaoCopias& s, const QDate& hoje)
{
    return !s.ultimaConferida.isValid() || s.ultimaConferida.date() < hoje;
}

void copia_ao_fechar(const QString& pastaPrograma)
{
    if (!conexao.aberta() || conexao.noServidor()) {
        conexao.fecha();
        return;
    }
    SituacaoCopias s;
    try {
        s = le_situacao_copias(conexao);
    } catch (const ErroBanco&) {
        // a database the program could not bring up to date: no copy now
        conexao.fecha();
        return;
    }
    // the copy cannot open a database the program holds
    conexao.fecha();
    if (!copia_devida(s, Relogio::hoje()))
        return;

    QProcess comando;
    comando.setProcessChannelMode(QProcess::MergedChannels);
    QProgressDialog espera(QStringLiteral("Fazendo a cópia de segurança do banco de dados..."), QString(), 0, 0);
    espera.setWindowTitle(Mensagens::TITULO);
    espera.setAccessibleName(espera.labelText());
    espera.setMinimumDuration(0);
    espera.setCancelButton(nullptr);
    QEventLoop laco;
    QObject::connect(&comando, &QProcess::finished, &laco, &QEventLoop::quit);
    QObject::connect(&comando, &QProcess::errorOccurred, &laco, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            laco.quit();
    });
    QString configuracao;
    try {
        configuracao = arquivo_configuracao(pastaPrograma);
    } catch (const std::exception&) {
    }
    comando.start(pastaPrograma + QStringLiteral("/controle-os-copia"), {QStringLiteral("--config"), configuracao});
    espera.show();
    if (comando.state() != QProcess::NotRunning || comando.error() != QProcess::FailedToStart)
        laco.exec();
    espera.close();

    const QString saida = QString::fromUtf8(comando.readAll()).trimmed();
    if (comando.error() == QProcess::FailedToStart) {
        mensagens().aviso(QStringLiteral("A cópia de segurança do banco de dados não pôde ser feita: o comando %1 não foi encontrado.")
                              .arg(comando.program()),
                          Mensagens::Icone::Erro);
    } else if (comando.exitStatus() != QProcess::NormalExit || comando.exitCode() != 0) {
        // the command's own words, without its progress lines
        QStringList linhas = saida.split(QLatin1Char('\n'));
        linhas.removeIf([](const QString& l) { return l.endsWith(QStringLiteral(" ...")); });
        mensagens().aviso(QStringLiteral("A cópia de segurança do banco de dados falhou:\n\n%1\n\n"
                                         "Ela será tentada de novo quando o programa for fechado.")
                              .arg(linhas.join(QLatin1Char('\n'))),
                          Mensagens::Icone::Erro);
    }
}
