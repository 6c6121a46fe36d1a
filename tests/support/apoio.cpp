#include "apoio.h"
#include "formularios.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "migracoes.h"
#include "grade.h"
#include "localizacao.h"
#include "sessao.h"
#include "relogio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <stdexcept>
#include <sys/stat.h>

#ifndef CONTROLE_OS_LIVROS
#error "CONTROLE_OS_LIVROS must name tests/support/livros.sql"
#endif
#ifndef CONTROLE_OS_SCHEMA
#error "CONTROLE_OS_SCHEMA must name schema/controle_os.sql"
#endif

namespace apoio {

QString servidor() { return qEnvironmentVariable("CONTROLE_OS_TESTE_SERVIDOR"); }

QString fonte_de(const QString& caminho)
{
    const QString s = servidor();
    return s.isEmpty() ? caminho : s + QLatin1Char(':') + caminho;
}

void cria_banco(const QString& caminho, const QString& esquema)
{
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b")});
    if (!isql.waitForStarted())
        throw std::runtime_error("isql-fb não encontrado (pacote firebird3.0-utils)");
    const QString script = QStringLiteral("set names utf8;\ncreate database '%1' user '%2' password '%3' page_size 8192 default character set utf8;\ninput '%4';\nexit;\n")
                               .arg(fonte_de(caminho), USUARIO, SENHA, esquema.isEmpty() ? QStringLiteral(CONTROLE_OS_SCHEMA) : esquema);
    isql.write(script.toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(60000);
    const QString saida = QString::fromUtf8(isql.readAll());
    if (isql.exitCode() != 0 || !QFile::exists(caminho))
        throw std::runtime_error(("isql-fb falhou ao criar o banco: " + saida).toStdString());
}

namespace {

const QString USUARIO_BALCAO = QStringLiteral("CONTROLE_OS_BALCAO_TESTE");
const QString SENHA_BALCAO = QStringLiteral("b4lc40-t3st3");
const QString PAPEL = QStringLiteral("CONTROLE_OS");

// Runs statements as the owner on a database of the server, each committed.
void como_dono(const QString& caminho, const QStringList& comandos)
{
    const QString nome = QStringLiteral("apoio_dono");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), nome);
        db.setDatabaseName(fonte_de(caminho));
        db.setUserName(USUARIO);
        db.setPassword(SENHA);
        const bool aberto = db.open();
        QString erro = aberto ? QString() : db.lastError().text();
        for (int i = 0; aberto && erro.isEmpty() && i < comandos.size(); ++i) {
            QSqlQuery q(db);
            if (!q.exec(comandos[i]))
                erro = comandos[i] + QStringLiteral(": ") + q.lastError().text();
        }
        db.close();
        if (!erro.isEmpty()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nome);
            throw std::runtime_error(erro.toStdString());
        }
    }
    QSqlDatabase::removeDatabase(nome);
}

// The station user of the server run, made once on the server when missing
// (several test programs may race to make it: the loser finds it made).
void garante_usuario_balcao(const QString& caminho)
{
    const QString cria = QStringLiteral(
        "execute block as begin "
        "if (not exists(select 1 from sec$users where sec$user_name = '%1')) then "
        "execute statement 'create user %1 password ''%2'''; end").arg(USUARIO_BALCAO, SENHA_BALCAO);
    for (int tentativa = 0;; ++tentativa) {
        try {
            como_dono(caminho, {cria});
            break;
        } catch (const std::exception&) {
            if (tentativa == 5) throw;
            QTest::qWait(200);
        }
    }
    como_dono(caminho, {QStringLiteral("grant %1 to %2").arg(PAPEL, USUARIO_BALCAO)});
}

} // namespace

Credenciais programa()
{
    if (servidor().isEmpty())
        return {USUARIO, SENHA, QString()};
    return {USUARIO_BALCAO, SENHA_BALCAO, PAPEL};
}

QByteArray path_txt(const QString& fonte)
{
    const Credenciais c = programa();
    QString linha = fonte + QLatin1Char('=') + c.usuario + QLatin1Char('=') + c.senha;
    if (!c.papel.isEmpty())
        linha += QLatin1Char('=') + c.papel;
    return linha.toUtf8();
}

void abre_como_programa(const QString& fonte)
{
    const Credenciais c = programa();
    conexao.abre(fonte, c.usuario, c.senha, c.papel);
}

void abre_como_dono(const QString& fonte) { conexao.abre(fonte, USUARIO, SENHA); }

const QString& banco_modelo()
{
    static QTemporaryDir dir;
    static QString caminho = qEnvironmentVariable("CONTROLE_OS_TESTE_MODELO");
    if (caminho.isEmpty()) {
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
        caminho = dir.filePath(QStringLiteral("modelo.fdb"));
        cria_banco(caminho);
        if (!servidor().isEmpty())
            garante_usuario_balcao(caminho);
    }
    return caminho;
}

BancoTeste::BancoTeste()
{
    // a server runs as its own user: it must be able to reach and write the file
    QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7777));
    m_caminho = m_dir.filePath(QStringLiteral("teste.fdb"));
    if (!QFile::copy(banco_modelo(), m_caminho))
        throw std::runtime_error("não foi possível copiar o banco modelo");
    QFile::setPermissions(m_caminho, QFileDevice::Permissions(0x6666));
    abre_como_programa(fonte());
}

BancoTeste::~BancoTeste()
{
    conexao.fecha();
}

namespace {

// A query of a test on the global connection; a connection lost meanwhile
// is opened again first, as for any read (a query made before that would
// hold the handle of the connection that was lost).
QSqlQuery nova_consulta()
{
    conexao.prepara();
    return QSqlQuery(conexao.banco());
}

// Runs a query of a test, its values bound; a failure fails the test.
bool consulta(QSqlQuery& q, const QString& sql, const QVariantList& valores)
{
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    bool feita = valores.isEmpty() ? q.exec(sql) : q.prepare(sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (feita && !valores.isEmpty())
        feita = q.exec();
    if (!feita)
        QTest::qFail(qPrintable(QStringLiteral("consulta falhou: %1: %2").arg(sql, q.lastError().text())), __FILE__, __LINE__);
    return feita;
}

} // namespace

QVariant valor(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q = nova_consulta();
    if (!consulta(q, sql, valores))
        return {};
    return q.next() ? q.value(0) : QVariant();
}

QStringList linhas(const QString& sql, const QVariantList& valores)
{
    QStringList r;
    QSqlQuery q = nova_consulta();
    if (!consulta(q, sql, valores))
        return r;
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < q.record().count(); ++i)
            cols << Recordset::comoTexto(q.value(i));
        r << cols.join(QLatin1Char('|'));
    }
    return r;
}

QStringList regras_quebradas()
{
    const QByteArray livros = le_arquivo(QStringLiteral(CONTROLE_OS_LIVROS));
    if (livros.isEmpty())
        return {QStringLiteral("livros.sql não foi lido")};
    // its statements as isql reads them; only the queries run
    QStringList quebradas;
    for (const QString& c : Migracoes::comandos(QString::fromUtf8(livros))) {
        if (!c.startsWith(QLatin1String("select"), Qt::CaseInsensitive))
            continue;
        // a rule on what a database of an older version does not have yet
        // (the stages kept) has nothing to check there
        QSqlQuery q(conexao.banco());
        if (!q.prepare(c) && q.lastError().nativeErrorCode() == QLatin1String("-204"))
            continue;
        quebradas << linhas(c);
    }
    return quebradas;
}

void executa(const QString& sql, const QVariantList& valores) { conexao.execute(sql, valores); }

QStringList retrato_banco(const QSqlDatabase& banco, bool comGeradores)
{
    QStringList r;
    auto consulta = [&](const QString& sql) {
        QSqlQuery q(banco);
        q.setNumericalPrecisionPolicy(QSql::HighPrecision);
        if (!q.exec(sql))
            QTest::qFail(qPrintable(sql + QStringLiteral(": ") + q.lastError().text()), __FILE__, __LINE__);
        QList<QStringList> linhas;
        while (q.next()) {
            QStringList cols;
            for (int i = 0; i < q.record().count(); ++i)
                cols << (q.isNull(i) ? QStringLiteral("<nulo>") : q.value(i).toString());
            linhas << cols;
        }
        return linhas;
    };
    const auto tabelas = consulta(QStringLiteral("select trim(rdb$relation_name) from rdb$relations where coalesce(rdb$system_flag, 0) = 0 "
                                                 "and rdb$view_blr is null order by 1"));
    for (const QStringList& t : tabelas) {
        QSqlQuery colunas(banco);
        colunas.exec(QStringLiteral("select * from \"%1\" where 1 = 0").arg(t[0]));
        QStringList ordem;
        for (int i = 1; i <= colunas.record().count(); ++i)
            ordem << QString::number(i);
        // the moment the database stamps on a change of money: two databases
        // made by the same steps at different times differ only there
        const int momento = t[0] == QLatin1String("ALTERACAO_FINANCEIRA") ? colunas.record().indexOf(QStringLiteral("DMOMENTO")) : -1;
        for (QStringList l : consulta(QStringLiteral("select * from \"%1\" order by %2").arg(t[0], ordem.join(QLatin1Char(','))))) {
            if (momento >= 0)
                l[momento] = QStringLiteral("<momento>");
            r << t[0] + QStringLiteral(": ") + l.join(QLatin1Char('|'));
        }
    }
    for (const QStringList& g : !comGeradores ? QList<QStringList>() : consulta(QStringLiteral("select trim(rdb$generator_name) from rdb$generators where coalesce(rdb$system_flag, 0) = 0 order by 1")))
        r << QStringLiteral("gerador %1 = %2").arg(g[0], consulta(QStringLiteral("select gen_id(\"%1\", 0) from rdb$database").arg(g[0])).value(0).value(0));
    const QString nomes = QStringLiteral(
        "select 'visão ' || trim(rdb$relation_name) from rdb$relations where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is not null "
        "union all select 'gatilho ' || trim(rdb$trigger_name) from rdb$triggers where coalesce(rdb$system_flag, 0) = 0 "
        "union all select 'índice ' || trim(rdb$index_name) from rdb$indices where coalesce(rdb$system_flag, 0) = 0 "
        "union all select 'restrição ' || trim(rdb$constraint_name) || ' ' || trim(rdb$constraint_type) from rdb$relation_constraints "
        "order by 1");
    for (const QStringList& n : consulta(nomes))
        r << n[0];
    return r;
}

QStringList cabecalho(const ::Grade* g)
{
    QStringList r;
    for (int c = 0; c < g->colunas(); ++c)
        r << g->titulo(c);
    return r;
}

QStringList linha(const ::Grade* g, int l)
{
    QStringList r;
    for (int c = 0; c < g->colunas(); ++c)
        r << g->texto(l, c);
    return r;
}

QStringList coluna(const ::Grade* g, int c)
{
    QStringList r;
    for (int l = 0; l < g->linhas() && !g->texto(l, 0).isEmpty(); ++l)
        r << g->texto(l, c);
    return r;
}

int linha_do_codigo(const ::Grade* g, qint64 codigo)
{
    for (int l = 0; l < g->linhas(); ++l)
        if (g->texto(l, 0) == QString::number(codigo))
            return l;
    return -1;
}

int conta(const QString& sql, const QVariantList& valores) { return valor(sql, valores).toInt(); }

qint64 valor_gerador(const QString& gerador)
{
    return valor(QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(gerador)).toLongLong();
}

QString reais(const QString& numero) { return QStringLiteral("R$") + QChar(0x00A0) + numero; }

void clica(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// ------------------------------------------------------------ messages

MensagensRoteiro::MensagensRoteiro() { instala_mensagens(this); }
MensagensRoteiro::~MensagensRoteiro() { instala_mensagens(nullptr); }

QStringList MensagensRoteiro::textos() const
{
    QStringList r;
    for (const Mostrada& m : m_mostradas) r << m.texto;
    return r;
}

void MensagensRoteiro::aviso(const QString& texto, Icone icone, const QString& titulo)
{
    m_mostradas.append({Mostrada::Aviso, texto, titulo, icone});
}

bool MensagensRoteiro::pergunta(const QString& texto, const QString& titulo, Icone icone)
{
    m_mostradas.append({Mostrada::Pergunta, texto, titulo, icone});
    if (m_respostas.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("pergunta inesperada: ") + texto), __FILE__, __LINE__);
        return false;
    }
    const bool r = m_respostas.front();
    m_respostas.pop_front();
    return r;
}

std::optional<QString> MensagensRoteiro::entrada(const QString& prompt, const QString& titulo, const QString&)
{
    m_mostradas.append({Mostrada::Entrada, prompt, titulo, Icone::Nenhum});
    if (m_entradas.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("caixa de entrada inesperada: ") + prompt), __FILE__, __LINE__);
        return std::nullopt;
    }
    const bool cancelada = !m_entradas.front().has_value();
    const QString texto = m_entradas.front().value_or(QString());
    m_entradas.pop_front();
    if (cancelada)
        return std::nullopt;
    return texto;
}

Ambiente::Ambiente()
{
    configura_locale();
    Formularios::reinicia();
    limpa_acoes_modais();
    Relogio::solta();
}

Ambiente::~Ambiente()
{
    Formularios::reinicia();
    limpa_acoes_modais();
    Relogio::solta();
}

void digita(QWidget* w, const QString& texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 128 && c != QLatin1Char('\''))
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ativa(QWidget& w)
{
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        QTest::qFail("a janela não ficou ativa", __FILE__, __LINE__);
}

QByteArray le_arquivo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void grava_arquivo(const QString& caminho, const QByteArray& conteudo)
{
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(conteudo) != conteudo.size())
        QTest::qFail(qPrintable(QStringLiteral("não foi possível gravar ") + caminho), __FILE__, __LINE__);
}

int modo_arquivo(const QString& caminho)
{
    struct stat s {};
    return ::stat(QFile::encodeName(caminho).constData(), &s) == 0 ? int(s.st_mode & 07777) : -1;
}

namespace {

// One mouse event where a real pointer would deliver it: to the topmost
// visible widget under that point of the window at this moment (an editor
// the previous event laid over a cell, say), not to a widget chosen before.
void no_ponteiro(QTest::MouseAction acao, QWidget* janela, const QPoint& global)
{
    QWidget* w = janela->childAt(janela->mapFromGlobal(global));
    if (!w)
        w = janela;
    QTest::mouseEvent(acao, w, Qt::LeftButton, {}, w->mapFromGlobal(global));
}

} // namespace

void gesto_na_celula(Grade* g, int linha, int coluna, std::initializer_list<QTest::MouseAction> eventos)
{
    const QPoint global = g->mapToGlobal(g->geometriaCelula(linha, coluna).center());
    for (QTest::MouseAction a : eventos)
        no_ponteiro(a, g->window(), global);
}

void duplo_clique(Grade* g, int linha, int coluna)
{
    // press, release, the second press with the double click it makes, release
    gesto_na_celula(g, linha, coluna, {QTest::MousePress, QTest::MouseRelease, QTest::MousePress, QTest::MouseDClick, QTest::MouseRelease});
}

std::unique_ptr<FrmPrincipal> janela_principal()
{
    auto p = std::make_unique<FrmPrincipal>();
    p->carrega();
    liga_formularios(*p);
    p->show();
    return p;
}

void no_modal(std::function<void(QDialog&)> corpo)
{
    ao_abrir_modal([corpo = std::move(corpo)](QDialog& d) {
        d.activateWindow();
        if (!QTest::qWaitForWindowActive(&d))
            QTest::qFail("o diálogo não ficou ativo", __FILE__, __LINE__);
        corpo(d);
        if (d.isVisible())
            d.reject();
    });
}

void tecla(QWidget* w, int t, Qt::KeyboardModifiers mod) { QTest::keyClick(w, Qt::Key(t), mod); }

void espera_fila()
{
    auto chegou = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(qApp, [chegou] { *chegou = true; }, Qt::QueuedConnection);
    if (!QTest::qWaitFor([chegou] { return *chegou; }, 5000))
        QTest::qFail("a fila de eventos não andou", __FILE__, __LINE__);
}

} // namespace apoio
