// The selection formulas and formula fields that the program passes to the
// report engine, malformed and hostile ones, and report definitions that
// the engine must refuse with a message.
#include "camposformula.h"
#include "definicaorelatorio.h"
#include "errorelatorio.h"
#include "formulaselecao.h"
#include "localizacao.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTest>

namespace {

// The columns the tests' reports know, as the engine resolves them: a
// date-and-time column is marked so.
std::optional<ColunaSelecao> resolve(const QString& tabela, const QString& coluna)
{
    static const QSet<QString> conhecidas = {
        QStringLiteral("entrada_equipamento.ncodigo"), QStringLiteral("view_ordem.codigo_ordem"),
        QStringLiteral("view_contas_a_receber.vencimento"), QStringLiteral("view_contas_recebidas.data_baixa"),
        QStringLiteral("servico_equipamento.equipamento_cliente"), QStringLiteral("servico_por_tecnico.data"),
        QStringLiteral("servico_por_tecnico.codigo_tecnico"), QStringLiteral("servico_por_tecnico.codigo_cliente"),
        QStringLiteral("cliente.cfantasia"), QStringLiteral("ordem.nvalor")};
    const QString chave = (tabela + QLatin1Char('.') + coluna).toLower();
    if (!conhecidas.contains(chave))
        return std::nullopt;
    return ColunaSelecao{QStringLiteral("c.") + coluna.toLower(), coluna.toLower() == QLatin1String("data_baixa")};
}

FiltroSql traduz(const QString& f) { return traduz_selecao(f, resolve); }

QString erroDe(const QString& formula)
{
    try {
        traduz(formula);
    } catch (const ErroRelatorio& e) {
        return e.texto();
    }
    return QString();
}

QString erroDaDefinicao(const QByteArray& json)
{
    try {
        Definicao::le(json, QStringLiteral("/x/relatorio/009.rpt"));
    } catch (const ErroRelatorio& e) {
        return e.texto();
    }
    return QString();
}

// The message starts as the user will read it and names the fault.
void confereErro(const QString& e, const QString& inicio, const QString& trecho)
{
    QVERIFY2(e.startsWith(inicio), qPrintable(e));
    QVERIFY2(e.contains(trecho), qPrintable(e));
}

// JSON written with single quotes, for legibility.
QByteArray json(const char* texto) { return QByteArray(texto).replace('\'', '"'); }
QByteArray comConsulta(const char* resto)
{
    return json("{'consulta': 'select ncodigo from cidade', ") + json(resto) + "}";
}

std::array<QString, 10> formulas(std::initializer_list<QString> l)
{
    std::array<QString, 10> r;
    int i = 0;
    for (const QString& s : l)
        r[i++] = s;
    return r;
}

} // namespace

class TstFormulas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configura_locale(); }

    void selecoesDosDocumentos()
    {
        FiltroSql f = traduz(QStringLiteral("{entrada_equipamento.ncodigo}=57"));
        QCOMPARE(f.sql, QStringLiteral("c.ncodigo = cast(? as integer)"));
        QCOMPARE(f.valores, QVariantList{57});
        f = traduz(QStringLiteral("{view_ordem.codigo_ordem}=12"));
        QCOMPARE(f.valores, QVariantList{12});
        f = traduz(QStringLiteral("{servico_equipamento.equipamento_cliente}=12"));
        QCOMPARE(f.sql, QStringLiteral("c.equipamento_cliente = cast(? as integer)"));
    }

    void periodosComAsDuasFormasDeData()
    {
        // 003: start written yyyy-mm-dd, end dd/mm/yyyy, four blanks at the end
        FiltroSql f = traduz(QStringLiteral("{view_contas_a_receber.vencimento}>=date('2013-04-01') and "
                                            "{view_contas_a_receber.vencimento}<=date('30/04/2013')    "));
        QCOMPARE(f.sql, QStringLiteral("c.vencimento >= cast(? as date) and c.vencimento <= cast(? as date)"));
        QCOMPARE(f.valores, (QVariantList{QDate(2013, 4, 1), QDate(2013, 4, 30)}));

        // 004: a date-and-time column compares by day, so the last day counts
        // whole; the column stays bare, so its index can serve the bounds
        f = traduz(QStringLiteral("{view_contas_recebidas.data_baixa}>=date('2013-04-01') and {view_contas_recebidas.data_baixa}<=date('30/04/2013')"));
        QCOMPARE(f.sql, QStringLiteral("c.data_baixa >= cast(? as timestamp) and c.data_baixa < cast(? as timestamp)"));
        QCOMPARE(f.valores, (QVariantList{QDateTime(QDate(2013, 4, 1), QTime(0, 0)), QDateTime(QDate(2013, 5, 1), QTime(0, 0))}));
        // the other comparisons, and the date written first
        f = traduz(QStringLiteral("{view_contas_recebidas.data_baixa}>date('2013-04-30') or {view_contas_recebidas.data_baixa}<date('2013-04-01')"));
        QCOMPARE(f.sql, QStringLiteral("c.data_baixa >= cast(? as timestamp) or c.data_baixa < cast(? as timestamp)"));
        QCOMPARE(f.valores, (QVariantList{QDateTime(QDate(2013, 5, 1), QTime(0, 0)), QDateTime(QDate(2013, 4, 1), QTime(0, 0))}));
        f = traduz(QStringLiteral("date('31/12/2013')>={view_contas_recebidas.data_baixa} and {view_contas_recebidas.data_baixa}=date('2013-04-30') "
                                  "and {view_contas_recebidas.data_baixa}<>date('2013-04-29')"));
        QCOMPARE(f.sql, QStringLiteral("c.data_baixa < cast(? as timestamp) and (c.data_baixa >= cast(? as timestamp) and c.data_baixa < cast(? as timestamp)) "
                                       "and (c.data_baixa < cast(? as timestamp) or c.data_baixa >= cast(? as timestamp))"));
        QCOMPARE(f.valores, (QVariantList{QDateTime(QDate(2014, 1, 1), QTime(0, 0)), QDateTime(QDate(2013, 4, 30), QTime(0, 0)),
                                          QDateTime(QDate(2013, 5, 1), QTime(0, 0)), QDateTime(QDate(2013, 4, 29), QTime(0, 0)),
                                          QDateTime(QDate(2013, 4, 30), QTime(0, 0))}));

        // 006: period and technician
        f = traduz(QStringLiteral("{servico_por_tecnico.data}>=date('2013-04-01') and {servico_por_tecnico.data}<=date('30/04/2013') and {servico_por_tecnico.codigo_tecnico}=7"));
        QCOMPARE(f.sql, QStringLiteral("c.data >= cast(? as date) and c.data <= cast(? as date) and c.codigo_tecnico = cast(? as integer)"));
        QCOMPARE(f.valores, (QVariantList{QDate(2013, 4, 1), QDate(2013, 4, 30), 7}));

        // 008: blanks around "="
        f = traduz(QStringLiteral("{servico_por_tecnico.codigo_cliente} = 5"));
        QCOMPARE(f.valores, QVariantList{5});
        // one-digit day and month in the short form
        QCOMPARE(traduz(QStringLiteral("{servico_por_tecnico.data}=date('1/4/2013')")).valores, QVariantList{QDate(2013, 4, 1)});
    }

    void vaziaSelecionaTudo()
    {
        QVERIFY(traduz(QString()).vazio());
        QVERIFY(traduz(QStringLiteral("    ")).vazio());
        QVERIFY(traduz(QStringLiteral("  \n ")).valores.isEmpty());
    }

    void operadoresParentesesENot()
    {
        const FiltroSql f = traduz(QStringLiteral("not ({view_ordem.codigo_ordem}<>1 OR {view_ordem.codigo_ordem}<2) And {ordem.nvalor}>10.29"));
        QCOMPARE(f.sql, QStringLiteral("not (c.codigo_ordem <> cast(? as integer) or c.codigo_ordem < cast(? as integer)) and c.nvalor > cast(? as varchar(40))"));
        // a decimal travels as exact text, never through a double
        QCOMPARE(f.valores, (QVariantList{1, 2, QStringLiteral("10.29")}));
        // only what stands alone in the top chain of "and" binds every row;
        // a value written first is read as the column written first
        QCOMPARE(f.limites.size(), 1);
        QCOMPARE(f.limites[0].op, QStringLiteral(">"));
        QVERIFY(traduz(QStringLiteral("{ordem.nvalor}>1 or {ordem.nvalor}<0")).limites.isEmpty());
        QVERIFY(traduz(QStringLiteral("({ordem.nvalor}>1) and {ordem.nvalor}<>{view_ordem.codigo_ordem}")).limites.isEmpty());
        QCOMPARE(traduz(QStringLiteral("date('2013-12-31')>={servico_por_tecnico.data}")).limites.value(0).op, QStringLiteral("<="));
        QCOMPARE(traduz(QStringLiteral("{ordem.nvalor}>=-3 and {ordem.nvalor}<=9999999999")).valores,
                 (QVariantList{-3, QStringLiteral("9999999999")}));
    }

    void textoViaParametroSemInjecao()
    {
        // a doubled quote inside the text is one quote of the value
        FiltroSql f = traduz(QStringLiteral("{cliente.cfantasia}='D''Avila'"));
        QCOMPARE(f.valores, QVariantList{QStringLiteral("D'Avila")});
        QCOMPARE(f.sql, QStringLiteral("c.cfantasia = cast(? as varchar(7))"));

        const QString ataques[] = {
            QStringLiteral("x'' or 1=1 --"),
            QStringLiteral("x''; delete from cliente; --"),
            QStringLiteral("'' or ''a''=''a"),
            QStringLiteral("{cliente.ncodigo} or 1=1"),
        };
        for (const QString& a : ataques) {
            f = traduz(QStringLiteral("{cliente.cfantasia}='") + a + QLatin1Char('\''));
            QCOMPARE(f.valores.size(), 1);
            QVERIFY(f.sql.startsWith(QStringLiteral("c.cfantasia = cast(? as varchar(")));
            QVERIFY2(!f.sql.contains(QStringLiteral("1=1")) && !f.sql.contains(QStringLiteral("delete"))
                         && !f.sql.contains(QLatin1Char('\'')),
                     qPrintable(f.sql));
            QString esperado = a;
            QCOMPARE(f.valores.first().toString(), esperado.replace(QStringLiteral("''"), QStringLiteral("'")));
        }
    }

    void malformadasDaoErroComPosicao_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("sem valor") << "{view_ordem.codigo_ordem}=" << "termina antes da hora";
        QTest::newRow("sem operador") << "{view_ordem.codigo_ordem}" << "operador de comparação";
        QTest::newRow("operador duplo") << "{view_ordem.codigo_ordem}==1" << "posição 27";
        QTest::newRow("texto aberto") << "{cliente.cfantasia}='Ana" << "aspas de fechamento";
        QTest::newRow("parêntese aberto") << "({view_ordem.codigo_ordem}=1" << "falta o \")\"";
        QTest::newRow("parêntese sobrando") << "{view_ordem.codigo_ordem}=1)" << "posição 28";
        QTest::newRow("and no fim") << "{view_ordem.codigo_ordem}=1 and" << "termina antes da hora";
        QTest::newRow("palavra estranha") << "{view_ordem.codigo_ordem}=1 xor {view_ordem.codigo_ordem}=2" << "\"and\", \"or\"";
        QTest::newRow("campo sem tabela") << "{codigo_ordem}=1" << "{tabela.coluna}";
        QTest::newRow("campo aberto") << "{view_ordem.codigo_ordem=1" << "\"}\"";
        QTest::newRow("nome com aspas") << "{view_ordem.codigo\" or 1=1 --}=1" << "{tabela.coluna}";
        QTest::newRow("ponto e vírgula") << "{view_ordem.codigo_ordem}=1; drop table ordem" << "caractere inesperado \";\"";
        QTest::newRow("comentário") << "{view_ordem.codigo_ordem}=1 -- x" << "caractere inesperado \"-\"";
        QTest::newRow("data impossível") << "{servico_por_tecnico.data}=date('31/02/2013')" << "data inválida";
        QTest::newRow("data noutra forma") << "{servico_por_tecnico.data}=date('01-04-2013')" << "data inválida";
        QTest::newRow("date sem aspas") << "{servico_por_tecnico.data}=date(2013-04-01)" << "date espera uma data entre aspas";
        QTest::newRow("número estranho") << "{ordem.nvalor}>1.2.3" << "número inválido";
        QTest::newRow("só um valor") << "1" << "operador de comparação";
        // nesting without limit would exhaust the stack
        QTest::newRow("parênteses sem fim") << QString(QStringLiteral("(").repeated(100000) + QStringLiteral("{view_ordem.codigo_ordem}=1")
                                                       + QStringLiteral(")").repeated(100000))
                                            << "aninhados demais (no máximo 200 níveis)";
        QTest::newRow("not sem fim") << QString(QStringLiteral("not ").repeated(1000000) + QStringLiteral("{view_ordem.codigo_ordem}=1"))
                                     << "posição 801";
    }

    void malformadasDaoErroComPosicao()
    {
        QFETCH(QString, formula);
        QFETCH(QString, trecho);
        confereErro(erroDe(formula), QStringLiteral("Fórmula de seleção inválida (posição "), trecho);
    }

    void aninhamentoAteOLimite()
    {
        const QString f = QStringLiteral("not (").repeated(100) + QStringLiteral("{view_ordem.codigo_ordem}=1") + QStringLiteral(")").repeated(100);
        QVERIFY(traduz(f).sql.startsWith(QStringLiteral("not (not (")));
    }

    void colunaForaDaListaEhRecusada()
    {
        QCOMPARE(erroDe(QStringLiteral("{view_ordem.senha}=1")), QStringLiteral("Campo desconhecido na fórmula de seleção: {view_ordem.senha}"));
        QCOMPARE(erroDe(QStringLiteral("{rdb$users.sec$user_name}='SYSDBA'")),
                 QStringLiteral("Campo desconhecido na fórmula de seleção: {rdb$users.sec$user_name}"));
        QVERIFY(erroDe(QStringLiteral("{ view_ordem.codigo_ordem }=1")).isEmpty()); // blanks inside braces
    }

    void camposDeFormula()
    {
        const auto c = le_campos_formula(formulas({QStringLiteral("Numero='06/12/2026 - N.º 57'"), QStringLiteral("Rodape='Loja - Rua A'"),
                                                    QString(), QStringLiteral("Proprietario= '12 - Ana Souza'"),
                                                    QStringLiteral("Periodo= 'Periodo de 01/04/2013 a 30/04/2013'"),
                                                    QStringLiteral("Vencimentos=''"), QStringLiteral("  Clientes = '3'  ")}));
        QCOMPARE(c.value(QStringLiteral("numero")), QStringLiteral("06/12/2026 - N.º 57"));
        QCOMPARE(c.value(QStringLiteral("rodape")), QStringLiteral("Loja - Rua A"));
        QCOMPARE(c.value(QStringLiteral("proprietario")), QStringLiteral("12 - Ana Souza"));
        QCOMPARE(c.value(QStringLiteral("periodo")), QStringLiteral("Periodo de 01/04/2013 a 30/04/2013"));
        QVERIFY(c.contains(QStringLiteral("vencimentos")));
        QCOMPARE(c.value(QStringLiteral("vencimentos")), QString());
        QCOMPARE(c.value(QStringLiteral("clientes")), QStringLiteral("3"));
        QCOMPARE(c.size(), 6);
        // a value is taken up to the last quote: an apostrophe inside survives
        QCOMPARE(le_campos_formula(formulas({QStringLiteral("Rodape='Oficina D'Avila - Rua X'")})).value(QStringLiteral("rodape")),
                 QStringLiteral("Oficina D'Avila - Rua X"));
        QVERIFY_THROWS_EXCEPTION(ErroRelatorio, le_campos_formula(formulas({QStringLiteral("sem igual")})));
        QVERIFY_THROWS_EXCEPTION(ErroRelatorio, le_campos_formula(formulas({QStringLiteral("='x'")})));
    }

    void definicoesRecusadas_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("json quebrado") << json("{ 'consulta': ") << "JSON inválido";
        QTest::newRow("sem consulta") << json("{}") << "falta a consulta";
        QTest::newRow("não é select") << json("{'consulta': 'delete from cidade'}") << "um único select";
        QTest::newRow("dois comandos") << json("{'consulta': 'select 1 from rdb$database; delete from cidade'}") << "um único select";
        QTest::newRow("chave errada") << comConsulta("'cabecalho': []") << "chave desconhecida \"cabecalho\"";
        QTest::newRow("fórmula não declarada") << comConsulta("'resumo': ['{@Periodo}']") << "@periodo";
        QTest::newRow("marcador ruim") << comConsulta("'resumo': ['{a b}']") << "marcador inválido";
        QTest::newRow("formato ruim") << comConsulta("'resumo': ['{a|reais}']") << "formato desconhecido";
        QTest::newRow("trecho aberto") << comConsulta("'resumo': ['[{a}']") << "falta \"]\"";
        QTest::newRow("soma no detalhe") << comConsulta("'colunas': [{'texto': '{soma(a)}'}]") << "soma()";
        QTest::newRow("alinhamento") << comConsulta("'colunas': [{'texto': 'a', 'alinhamento': 'meio'}]") << "alinhamento \"meio\"";
        QTest::newRow("margens") << comConsulta("'pagina': {'margens': [1, 2]}") << "quatro números";
        QTest::newRow("papel") << comConsulta("'pagina': {'papel': 'B9'}") << "papel";
        QTest::newRow("condição") << comConsulta("'resumo': [{'texto': 'x', 'se': 'a = 1'}]") << "condição inválida";
    }

    void definicoesRecusadas()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, trecho);
        confereErro(erroDaDefinicao(json), QStringLiteral("Definição de relatório inválida (009.rpt): "), trecho);
    }

    void arquivoAusente()
    {
        try {
            Definicao::carrega(QStringLiteral("/nao/existe/relatorio/001.rpt"));
            QFAIL("carregou um arquivo que não existe");
        } catch (const ErroRelatorio& e) {
            QCOMPARE(e.texto(), QStringLiteral("Arquivo de relatório não encontrado: /nao/existe/relatorio/001.rpt"));
        }
    }

    void modeloComTrechosOpcionais()
    {
        const ModeloTexto m = ModeloTexto::le(QStringLiteral("{rua}[ - {bairro}] {{x}} [[y]] {soma(valor)|moeda} {@Rodape}"));
        QCOMPARE(m.partes().size(), 7);
        QCOMPARE(m.partes()[0].trecho, 0);
        QCOMPARE(m.partes()[1].trecho, 1);
        QCOMPARE(m.partes()[2].trecho, 1);
        QCOMPARE(m.partes()[3].nome, QStringLiteral(" {x} [y] "));
        QCOMPARE(m.partes()[3].trecho, 0);
        QCOMPARE(m.partes()[4].tipo, ModeloTexto::Parte::Soma);
        QCOMPARE(m.partes()[4].nome, QStringLiteral("valor"));
        QCOMPARE(m.partes()[4].formato, QStringLiteral("moeda"));
        QCOMPARE(m.partes()[6].tipo, ModeloTexto::Parte::Formula);
        QCOMPARE(m.partes()[6].nome, QStringLiteral("rodape"));
    }

    void formatosDeValor()
    {
        QCOMPARE(formata_valor(QStringLiteral("1234.5"), QStringLiteral("moeda")), QStringLiteral("R$") + QChar(0xA0) + QStringLiteral("1.234,50"));
        QCOMPARE(formata_valor(QStringLiteral("-0.05"), QStringLiteral("numero")), QStringLiteral("-0,05"));
        QCOMPARE(formata_valor(QVariant(42), QStringLiteral("moeda")), QStringLiteral("R$") + QChar(0xA0) + QStringLiteral("42,00"));
        QCOMPARE(formata_valor(QDate(2026, 12, 6), QString()), QStringLiteral("06/12/2026"));
        QCOMPARE(formata_valor(QDateTime(QDate(2026, 12, 6), QTime(16, 40)), QStringLiteral("data")), QStringLiteral("06/12/2026"));
        QCOMPARE(formata_valor(QDateTime(QDate(2026, 12, 6), QTime(16, 40)), QStringLiteral("datahora")), QStringLiteral("06/12/2026 16:40"));
        QCOMPARE(formata_valor(QTime(9, 15), QStringLiteral("hora")), QStringLiteral("09:15"));
        QCOMPARE(formata_valor(QVariant(), QStringLiteral("moeda")), QString());
        QVERIFY(!valor_verdadeiro(QVariant(0)));
        QVERIFY(!valor_verdadeiro(QStringLiteral("0.00")));
        QVERIFY(!valor_verdadeiro(QStringLiteral("  ")));
        QVERIFY(valor_verdadeiro(QVariant(1)));
        QVERIFY(valor_verdadeiro(QStringLiteral("Ana")));
    }

    // The stored digits of a document, a CEP or a phone in the form people
    // read; anything that does not fit a form prints as stored.
    void documentosNaFormaImpressa_data()
    {
        QTest::addColumn<QVariant>("guardado");
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("impresso");
        auto linha = [](const char* nome, const QVariant& v, const char* formato, const QString& impresso) {
            QTest::newRow(nome) << v << QString::fromLatin1(formato) << impresso;
        };
        linha("cpf", QStringLiteral("12345678909"), "cpf_cnpj", QStringLiteral("123.456.789-09"));
        linha("cnpj", QStringLiteral("12345678000190"), "cpf_cnpj", QStringLiteral("12.345.678/0001-90"));
        linha("cpf entre brancos", QStringLiteral(" 12345678909 "), "cpf_cnpj", QStringLiteral("123.456.789-09"));
        linha("cpf já formatado", QStringLiteral("123.456.789-09"), "cpf_cnpj", QStringLiteral("123.456.789-09"));
        linha("raiz do cnpj", QStringLiteral("12345678"), "cpf_cnpj", QStringLiteral("12345678"));
        linha("documento com 12 dígitos", QStringLiteral("123456789012"), "cpf_cnpj", QStringLiteral("123456789012"));
        linha("rg com letra", QStringLiteral("1234567890X"), "cpf_cnpj", QStringLiteral("1234567890X"));
        linha("cep", QStringLiteral("80000000"), "cep", QStringLiteral("80000-000"));
        linha("cep já formatado", QStringLiteral("80000-000"), "cep", QStringLiteral("80000-000"));
        linha("cep curto", QStringLiteral("8000000"), "cep", QStringLiteral("8000000"));
        linha("telefone fixo", QStringLiteral("4133334444"), "telefone", QStringLiteral("(41) 3333-4444"));
        linha("celular", QStringLiteral("41999990000"), "telefone", QStringLiteral("(41) 99999-0000"));
        linha("telefone já formatado", QStringLiteral("(41) 3333-4444"), "telefone", QStringLiteral("(41) 3333-4444"));
        linha("telefone sem DDD", QStringLiteral("33334444"), "telefone", QStringLiteral("33334444"));
        linha("telefone com ramal", QStringLiteral("4133334444 r. 21"), "telefone", QStringLiteral("4133334444 r. 21"));
        linha("dígitos de outra escrita", QStringLiteral("٤١٣٣٣٣٤٤٤٤"), "telefone", QStringLiteral("٤١٣٣٣٣٤٤٤٤"));
        linha("vazio", QString(), "telefone", QString());
        linha("nulo", QVariant(), "cpf_cnpj", QString());
        linha("número inteiro", QVariant(qint64(80000000)), "cep", QStringLiteral("80000-000"));
    }
    void documentosNaFormaImpressa()
    {
        QFETCH(QVariant, guardado);
        QFETCH(QString, formato);
        QFETCH(QString, impresso);
        QCOMPARE(formata_valor(guardado, formato), impresso);
        // and so in a report's text, placeholder and format as a definition writes them
        const ModeloTexto m = ModeloTexto::le(QStringLiteral("{campo|%1}").arg(formato));
        QCOMPARE(m.partes().value(0).formato, formato);
    }
};

QTEST_MAIN(TstFormulas)
#include "tst_formulas.moc"
