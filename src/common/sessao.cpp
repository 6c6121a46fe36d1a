#include "sessao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>
#include <QThread>
#include <QTime>
#include <atomic>
#include <csignal>
#include <ibase.h>

ErroBanco ErroBanco::de(const QSqlError& e)
{
    QString texto = e.databaseText();
    if (!e.driverText().isEmpty() && !texto.contains(e.driverText()))
        texto = texto.isEmpty() ? e.driverText() : e.driverText() + QStringLiteral(" - ") + texto;
    QString codigo = e.nativeErrorCode();
    if (codigo.isEmpty() && texto.isEmpty())
        texto = QStringLiteral("Erro desconhecido no banco de dados");
    return ErroBanco(codigo, texto);
}

namespace {
ErroBanco erroDe(const QSqlError& e) { return ErroBanco::de(e); }
} // namespace

ErroBanco::ErroBanco(QString codigo, QString texto)
    : m_codigo(std::move(codigo)), m_texto(std::move(texto))
{
    m_descricao = m_codigo.isEmpty() ? m_texto : QStringLiteral("SQLCODE=%1: %2").arg(m_codigo, m_texto);
    m_utf8 = m_descricao.toUtf8();
}

bool ErroBanco::conflito() const
{
    if (m_codigo == QLatin1String("-913"))
        return true;
    return m_codigo == QLatin1String("-901")
           && (m_texto.contains(QLatin1String("lock conflict"), Qt::CaseInsensitive)
               || m_texto.contains(QLatin1String("lock time-out"), Qt::CaseInsensitive));
}

const char* nome_operacao(Operacao op)
{
    switch (op) {
    case Operacao::SaidaCliente: return "SaidaCliente";
    case Operacao::SaidaEquipamento: return "SaidaEquipamento";
    case Operacao::GravacaoMaquina: return "GravacaoMaquina";
    case Operacao::Exclusao: return "Exclusao";
    case Operacao::AbandonoMovimento: return "AbandonoMovimento";
    case Operacao::OrdemDoOrcamento: return "OrdemDoOrcamento";
    case Operacao::GravacaoOrdem: return "GravacaoOrdem";
    case Operacao::GravacaoItem: return "GravacaoItem";
    case Operacao::FechamentoPrazo: return "FechamentoPrazo";
    case Operacao::PagamentoVista: return "PagamentoVista";
    case Operacao::Baixa: return "Baixa";
    case Operacao::Reabertura: return "Reabertura";
    case Operacao::LimpezaReservas: return "LimpezaReservas";
    case Operacao::LimpezaMovimentos: return "LimpezaMovimentos";
    case Operacao::Entrega: return "Entrega";
    case Operacao::GravacaoEntrada: return "GravacaoEntrada";
    case Operacao::GravacaoItemEntrada: return "GravacaoItemEntrada";
    case Operacao::GravacaoOrcamento: return "GravacaoOrcamento";
    case Operacao::Migracao: return "Migracao";
    }
    return "?";
}

// ------------------------------------------------------------------ Conexao

Conexao::Conexao()
{
    static std::atomic<int> seq{0};
    m_nome = QStringLiteral("conexao_%1").arg(++seq);
}

Conexao::~Conexao()
{
    // The shared connection is a global: at program exit Qt's own registry of
    // connections may be gone already; the program closes it before that.
    if (!QCoreApplication::instance())
        return;
    fecha();
    if (QSqlDatabase::contains(m_nome))
        QSqlDatabase::removeDatabase(m_nome);
}

void Conexao::abre(const QString& fonte, const QString& usuario, const QString& senha, const QString& papel)
{
    fecha();
    QSqlDatabase db = QSqlDatabase::contains(m_nome) ? QSqlDatabase::database(m_nome, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_nome);
    if (!db.isValid())
        throw ErroBanco(QString(), QStringLiteral("O driver do Firebird (QIBASE) não está instalado."));
    db.setDatabaseName(fonte);
    db.setUserName(usuario);
    db.setPassword(senha);
    QString opcoes = QStringLiteral("ISC_DPB_LC_CTYPE=UTF8");
    if (!papel.isEmpty())
        opcoes += QStringLiteral(";ISC_DPB_SQL_ROLE_NAME=") + papel;
    db.setConnectOptions(opcoes);
    if (!db.open())
        throw erroDe(db.lastError());
    m_perdida = false;
    m_fonte = fonte;
    m_usuario = usuario;
    m_senha = senha;
    m_papel = papel;
    m_transacoes = 0;
    m_condenada = false;
}

bool Conexao::noServidor() const
{
    // "host:/path" or "host/port:/path"; a Windows-like "C:/..." or a plain
    // path is a local file for the embedded engine.
    const int doisPontos = m_fonte.indexOf(QLatin1Char(':'));
    return doisPontos > 1 && !m_fonte.startsWith(QLatin1Char('/'));
}

void Conexao::fecha()
{
    if (!QSqlDatabase::contains(m_nome))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_nome, false);
    if (db.isOpen()) {
        if (m_transacoes > 0) db.rollback();
        db.close();
    }
    m_transacoes = 0;
    m_condenada = false;
    m_perdida = false; // closed on purpose: nothing to reopen
}

bool Conexao::aberta() const
{
    return QSqlDatabase::contains(m_nome) && QSqlDatabase::database(m_nome, false).isOpen();
}

QSqlDatabase Conexao::banco() const { return QSqlDatabase::database(m_nome, false); }

ErroBanco Conexao::erro(const QSqlError& e)
{
    ErroBanco r = erroDe(e);
    if (r.conexaoPerdida() && !m_perdida) {
        m_perdida = true;
        // the attachment is dead: drop it (and any transaction with it)
        QSqlDatabase db = banco();
        if (db.isOpen()) db.close();
    }
    return r;
}

void Conexao::prepara()
{
    if (!m_perdida)
        return;
    // a unit of work that lost its connection cannot go on half-done: it
    // fails until it is over, and only then does the session reconnect
    if (m_transacoes > 0)
        throw ErroBanco(QStringLiteral("-902"), QStringLiteral("connection lost"));
    QSqlDatabase db = banco();
    if (db.isOpen()) db.close();
    if (!db.open())
        throw erro(db.lastError());
    m_perdida = false;
}

class Conexao::Chamada {
public:
    explicit Chamada(Conexao& c) : m_conexao(c) { m_relogio.start(); }
    ~Chamada()
    {
        ++m_conexao.m_chamadas.vezes;
        m_conexao.m_chamadas.ns += m_relogio.nsecsElapsed();
    }
    Chamada(const Chamada&) = delete;
    Chamada& operator=(const Chamada&) = delete;

private:
    Conexao& m_conexao;
    QElapsedTimer m_relogio;
};

void Conexao::conta_comando()
{
    if (m_transacoes == 0)
        return;
    ++m_comandosEmTransacao;
    if (m_falharNo < 0 && m_comandosEmTransacao == -m_falharNo)
        ::raise(SIGKILL);
    if (m_falharNo > 0 && m_comandosEmTransacao == m_falharNo)
        throw ErroBanco(QStringLiteral("-901"), QStringLiteral("Falha simulada no comando %1").arg(m_falharNo));
}

namespace {

// The pause before running a unit again after a conflict: short, random
// and growing with each run, so stations that met on the same rows do not
// meet again at the same instant.
void pausa_apos_conflito(int execucao)
{
    QThread::msleep(QRandomGenerator::global()->bounded(10, 50 * execucao + 1));
}

} // namespace

template <class F>
auto Conexao::repetindo_em_conflito(F&& trabalho) -> decltype(trabalho())
{
    for (int execucao = 1;; ++execucao) {
        try {
            return trabalho();
        } catch (const ErroBanco& e) {
            // inside an enclosing unit the enclosing one fails and runs again
            if (execucao >= m_execucoesEmConflito || !e.conflito() || m_transacoes > 0)
                throw;
            ++m_repeticoes;
        }
        pausa_apos_conflito(execucao); // the other station's change is committed now
    }
}

void Conexao::execute(const QString& sql, const QVariantList& valores) { executa(sql, valores, false); }

int Conexao::executeContando(const QString& sql, const QVariantList& valores) { return executa(sql, valores, true); }

namespace {
// The Firebird driver copies a bound text into its parameter's buffer cut
// to the buffer's size in bytes, without a word: a text too long for its
// column (four-byte characters, or a cut through a character) could be
// stored cut or compared cut. Each text is measured against its parameter
// first and refused whole, as the database refuses a text too long.
void confere_textos(const QSqlQuery& q, const QVariantList& valores)
{
    const QVariant comando = q.result()->handle();
    if (comando.metaType() != QMetaType::fromType<isc_stmt_handle>() || valores.size() > 1000)
        return;
    isc_stmt_handle handle = comando.value<isc_stmt_handle>();
    const short n = short(valores.size());
    QByteArray memoria(qsizetype(XSQLDA_LENGTH(n)), '\0');
    auto* parametros = reinterpret_cast<XSQLDA*>(memoria.data());
    parametros->version = SQLDA_VERSION1;
    parametros->sqln = n;
    ISC_STATUS_ARRAY situacao;
    if (isc_dsql_describe_bind(situacao, &handle, SQLDA_VERSION1, parametros) != 0 || parametros->sqld > n)
        return;
    for (int i = 0; i < parametros->sqld; ++i) {
        const int tipo = parametros->sqlvar[i].sqltype & ~1;
        if ((tipo == SQL_TEXT || tipo == SQL_VARYING) && valores[i].metaType().id() == QMetaType::QString
            && valores[i].toString().toUtf8().size() > parametros->sqlvar[i].sqllen)
            throw ErroBanco(QStringLiteral("-303"), QStringLiteral("arithmetic exception, numeric overflow, or string truncation - "
                                                                   "string right truncation (parameter %1)").arg(i + 1));
    }
}

// Runs the statement: as written without values, prepared with them bound.
bool roda(QSqlQuery& q, const QString& sql, const QVariantList& valores)
{
    if (valores.isEmpty())
        return q.exec(sql);
    if (!q.prepare(sql))
        return false;
    confere_textos(q, valores);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    return q.exec();
}
} // namespace

int Conexao::executa(const QString& sql, const QVariantList& valores, bool contando)
{
    return repetindo_em_conflito([&] {
        prepara();
        conta_comando();
        const Chamada c(*this);
        QSqlQuery q(banco());
        if (!roda(q, sql, valores))
            throw erro(q.lastError());
        // the count is one more question to the server: asked only when wanted
        return contando ? q.numRowsAffected() : 0;
    });
}

QVariant Conexao::executeRetornando(const QString& sql, const QVariantList& valores)
{
    return repetindo_em_conflito([&] { return retornando(sql, valores); });
}

QVariant Conexao::retornando(const QString& sql, const QVariantList& valores)
{
    prepara();
    conta_comando();
    QVariant v;
    bool achou = false;
    {
        const Chamada c(*this); // the commit when the query goes away included
        QSqlQuery q(banco());
        if (!roda(q, sql, valores))
            throw erro(q.lastError());
        achou = q.next();
        if (achou)
            v = q.value(0);
    } // the driver commits an "insert ... returning" when the query goes away
    if (!achou || v.isNull())
        throw ErroBanco(QString(), QStringLiteral("O banco de dados não devolveu o registro esperado."));
    return v;
}

void Conexao::inicia(Operacao op)
{
    if (m_transacoes == 0) {
        m_operacao = op;
        prepara();
        if (m_observador)
            m_observador(op, true);
        const Chamada c(*this);
        if (!banco().transaction())
            throw erro(banco().lastError());
        m_condenada = false;
    }
    ++m_transacoes;
}

void Conexao::confirma()
{
    if (m_transacoes == 0) return;
    if (--m_transacoes > 0)
        return; // an inner unit: the outermost one commits
    if (m_condenada) {
        m_condenada = false;
        banco().rollback();
        observa_fim();
        throw ErroBanco(QString(), QStringLiteral("A operação foi desfeita: uma de suas etapas falhou."));
    }
    bool feita;
    {
        const Chamada c(*this);
        feita = banco().commit();
    }
    if (!feita) {
        const ErroBanco e = erro(banco().lastError());
        banco().rollback();
        observa_fim();
        throw e;
    }
    observa_fim();
}

void Conexao::desfaz()
{
    if (m_transacoes == 0) return;
    if (--m_transacoes > 0) {
        m_condenada = true; // the outer unit cannot commit any more
        return;
    }
    m_condenada = false;
    {
        const Chamada c(*this);
        banco().rollback();
    }
    observa_fim();
}

void Conexao::observa_fim()
{
    if (m_observador && !m_perdida)
        m_observador(m_operacao, false);
}

void Conexao::unidade(Operacao op, const std::function<void()>& passos)
{
    repetindo_em_conflito([&] {
        Transacao t(*this, op);
        passos();
        t.confirma();
    });
}

void Conexao::unidade(Operacao op, const QStringList& comandos)
{
    unidade(op, [&] {
        for (const QString& c : comandos)
            execute(c);
    });
}

Transacao::Transacao(Conexao& c, Operacao op) : m_conexao(c) { m_conexao.inicia(op); }
Transacao::~Transacao()
{
    if (!m_feita) m_conexao.desfaz();
}
void Transacao::confirma()
{
    m_feita = true;
    m_conexao.confirma();
}

// ---------------------------------------------------------------- Recordset

void Recordset::abre(const QString& sql, const QVariantList& valores)
{
    fecha();
    m_conexao->prepara();
    const Conexao::Chamada chamada(*m_conexao); // the rows read, and the query's end, with it
    QSqlQuery q(m_conexao->banco());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!roda(q, sql, valores))
        throw m_conexao->erro(q.lastError());
    const QSqlRecord r = q.record();
    const int n = r.count();
    m_nomes.reserve(n);
    for (int i = 0; i < n; ++i) {
        m_nomes.append(r.fieldName(i));
        const int tipo = r.field(i).metaType().id();
        m_decimal.append(tipo == QMetaType::Double || tipo == QMetaType::Float);
        const QString chave = r.fieldName(i).toLower();
        if (!m_indices.contains(chave))
            m_indices.insert(chave, i);
    }
    while (q.next()) {
        for (int i = 0; i < n; ++i)
            m_valores.append(q.value(i));
        ++m_linhas;
    }
    if (q.lastError().isValid()) {
        const ErroBanco e = m_conexao->erro(q.lastError());
        fecha();
        throw e;
    }
    m_aberto = true;
}

void Recordset::fecha()
{
    m_aberto = false;
    m_nomes.clear();
    m_decimal.clear();
    m_indices.clear();
    m_valores.clear();
    m_linhas = 0;
    m_posicao = 0;
}

int Recordset::indice(const QString& campo) const { return m_indices.value(campo.toLower(), -1); }
bool Recordset::existeCampo(const QString& campo) const { return indice(campo) >= 0; }

const QVariant& Recordset::atual(int i) const
{
    static const QVariant nulo;
    if (i < 0 || eof() || i >= m_nomes.size())
        return nulo;
    return m_valores[m_posicao * m_nomes.size() + i];
}

QVariant Recordset::valor(int i) const { return atual(i); }
QVariant Recordset::valor(const QString& campo) const { return atual(indice(campo)); }
bool Recordset::nulo(const QString& campo) const { return atual(indice(campo)).isNull(); }

QString Recordset::comoTexto(const QVariant& v)
{
    if (v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.date().toString(QStringLiteral("dd/MM/yyyy"))
                                        : dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return QLocale().toString(v.toDouble(), 'g', 15);
    case QMetaType::QString: {
        // Exact decimals come as text with a point; everything else is text.
        return v.toString();
    }
    default:
        return v.toString();
    }
}

QString Recordset::texto(int i) const
{
    const QVariant& v = atual(i);
    if (i >= 0 && i < m_decimal.size() && m_decimal[i] && v.typeId() == QMetaType::QString) {
        // the driver's text of a NUMERIC may be "1e+05" or end in a
        // floating point's last digits: read, it is written plain
        const auto d = Dinheiro::leBanco(v);
        return (d ? d->sql() : v.toString()).replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return comoTexto(v);
}

QString Recordset::texto(const QString& campo) const { return texto(indice(campo)); }

qint64 Recordset::inteiro(const QString& campo) const
{
    const QVariant& v = atual(indice(campo));
    if (v.typeId() == QMetaType::QString) return v.toString().section(QLatin1Char('.'), 0, 0).toLongLong();
    return v.toLongLong();
}

Dinheiro Recordset::dinheiro(const QString& campo) const
{
    const int i = indice(campo);
    if (i < 0)
        throw ErroBanco(QString(), QStringLiteral("A consulta não tem o campo %1.").arg(campo));
    return dinheiro(i);
}

std::optional<qint32> Recordset::codigoOpcional(const QString& campo) const
{
    return nulo(campo) ? std::nullopt : std::optional<qint32>(qint32(inteiro(campo)));
}

std::optional<Dinheiro> Recordset::dinheiroOpcional(const QString& campo) const
{
    return nulo(campo) ? std::nullopt : std::optional<Dinheiro>(dinheiro(campo));
}

Dinheiro Recordset::dinheiro(int indice) const
{
    const QVariant& v = atual(indice);
    const auto d = Dinheiro::leBanco(v);
    if (!d) // never read as zero: a wrong amount must not pass unnoticed
        throw ErroBanco(QString(), QStringLiteral("O campo %1 não contém um valor em reais: \"%2\"").arg(nomeCampo(indice), v.toString()));
    return *d;
}

QDate Recordset::data(const QString& campo) const
{
    const QVariant& v = atual(indice(campo));
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
    return v.toDate();
}

Conexao conexao;
