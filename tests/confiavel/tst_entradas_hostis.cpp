// Odd and hostile text and codes: every text column of the schema (found in
// the database's own catalogue, not listed by hand) takes every input below
// through the program's literal helper and gives it back unchanged, or
// refuses it whole when it is too long; codes use the whole 32-bit range in
// a code box, and one beyond it is refused, never wrapped.
#include "apoio.h"
#include "frmentradaequipamento.h"
#include "lojateste.h"
#include "modulo1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace apoio;

namespace {

const QStringList ENTRADAS = {
    QStringLiteral("O'Brien d'Ávila ''"),
    QStringLiteral("aspas \"duplas\" e `crases`"),
    QStringLiteral("barra \\ invertida \\\\ \\'"),
    QStringLiteral("100% _de_ desconto %_"),
    QStringLiteral("tab\there\nlinha\r\nfim"),
    QString::fromUtf8("controle \x01\x07\x1b\x7f"),
    QString::fromUtf8("🔧💻 ✓ 中文 Ω €"),
    QStringLiteral("'; delete from cliente; --"),
    QString(10000, QLatin1Char('x')),
    QString(),
};

int caracteres(const QString& s) { return int(s.toUcs4().size()); }

struct Coluna {
    QString tabela, coluna;
    int tamanho; // 0: a text blob
};

} // namespace

class TstEntradasHostis : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        // a budget too, so every table has a row to write into
        const QVariant orcamento = conexao.executeRetornando(
            QStringLiteral("insert into orcamento values(null,2,'2026-12-07','10:20:00',150.5,'',0,1) returning ncodigo"));
        executa(QStringLiteral("insert into item_orcamento values(null,%1,1,'Troca da fonte',150.5)").arg(orcamento.toInt()));
        executa(QStringLiteral("insert into propriedade values(null,1,'Número de série');"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values((select max(ncodigo) from propriedade),1,'ABC123')"));
    }
    void cleanup() { amb.reset(); }

    void textosVoltamIguaisOuSaoRecusadosInteiros()
    {
        QList<Coluna> colunas;
        rsDados.abre(QStringLiteral(
            "select trim(rf.rdb$relation_name) tabela, trim(rf.rdb$field_name) coluna, f.rdb$field_type tipo, "
            "coalesce(f.rdb$character_length, 0) tamanho from rdb$relation_fields rf "
            "join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name "
            "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
            "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null "
            "and (f.rdb$field_type in (14, 37) or (f.rdb$field_type = 261 and f.rdb$field_sub_type = 1)) "
            "order by 1, 2"));
        for (; !rsDados.eof(); rsDados.moveNext())
            colunas.append({rsDados.texto(QStringLiteral("tabela")), rsDados.texto(QStringLiteral("coluna")),
                            rsDados.inteiro(QStringLiteral("tipo")) == 261 ? 0 : int(rsDados.inteiro(QStringLiteral("tamanho")))});
        rsDados.fecha();
        QVERIFY(colunas.size() >= 40);

        int tentativas = 0, guardadas = 0, recusadas = 0, regras = 0;
        for (const Coluna& c : colunas) {
            // one row of the table, found by its key (the property values have a key of two columns)
            const QString chave = valor(QStringLiteral("select count(*) from rdb$relation_fields where rdb$relation_name = '%1' "
                                                       "and rdb$field_name = 'NCODIGO'").arg(c.tabela)).toInt()
                ? QStringLiteral("ncodigo") : QStringLiteral("npropriedade || '-' || nequipamento_cliente");
            const QString onde = QStringLiteral(" from %1 where %2 = (select min(%2) from %1)").arg(c.tabela, chave);
            QVERIFY2(valor(QStringLiteral("select count(*)") + onde).toInt() == 1, qPrintable(c.tabela));
            for (const QString& e : ENTRADAS) {
                ++tentativas;
                rsDados.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                const QVariant antes = rsDados.valor(0);
                rsDados.fecha();
                const bool cabe = c.tamanho == 0 || caracteres(e) <= c.tamanho;
                try {
                    conexao.execute(QStringLiteral("update %1 set %2 = '%3' where %4 = (select min(%4) from %1)")
                                        .arg(c.tabela, c.coluna, texto_sql(e), chave));
                } catch (const ErroBanco& erro) {
                    // too long: refused whole (-802); a column's own rule (-297) may refuse odd text
                    const QString quem = c.tabela + QLatin1Char('.') + c.coluna + QStringLiteral(" <- ") + e.left(30) + QStringLiteral(": ") + erro.descricao();
                    QVERIFY2(erro.codigo() == QLatin1String("-802") ? !cabe : erro.codigo() == QLatin1String("-297"), qPrintable(quem));
                    erro.codigo() == QLatin1String("-802") ? ++recusadas : ++regras;
                    rsDados.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                    QCOMPARE(rsDados.valor(0), antes);
                    rsDados.fecha();
                    continue;
                }
                QVERIFY2(cabe, qPrintable(c.tabela + QLatin1Char('.') + c.coluna + QStringLiteral(" guardou um texto longo demais")));
                rsDados.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                QCOMPARE(rsDados.texto(0), e);
                rsDados.fecha();
                ++guardadas;
            }
        }
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente")).toInt() > 0, true);
        qInfo("%d colunas de texto x %d entradas = %d tentativas: %d guardadas iguais, %d longas recusadas inteiras, %d recusadas por regra da coluna",
              int(colunas.size()), int(ENTRADAS.size()), tentativas, guardadas, recusadas, regras);
    }

    // The whole 32-bit range in a code box; one beyond is refused, not wrapped
    void codigosAteOLimiteDe32Bits()
    {
        executa(QStringLiteral("set generator codigo_cliente to 2147483646"));
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = 'Cliente do Limite' where ncodigo = 2147483647"));
        auto& f = abre_form<FrmEntradaEquipamento>(true);
        for (const QString& codigo : {QStringLiteral("2147483647"), QStringLiteral("2147483648"), QStringLiteral("4294967297"),
                                      QStringLiteral("99999999999999999999")}) {
            amb->msgs.limpa();
            f.Text4->setFocus();
            f.Text4->selectAll();
            digita(f.Text4, codigo);
            tecla(f.Text4, Qt::Key_Return);
            if (codigo == QLatin1String("2147483647")) {
                QCOMPARE(f.Text8->text(), QStringLiteral("Cliente do Limite"));
                QVERIFY(amb->msgs.mostradas().isEmpty());
            } else {
                QVERIFY2(f.Text8->text().isEmpty(), qPrintable(codigo + QStringLiteral(" -> ") + f.Text8->text()));
                QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
                QCOMPARE(QApplication::focusWidget(), f.Text4);
            }
        }
        // nothing wrapped onto another customer
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente where ncodigo < 0")).toInt(), 0);
    }
};

QTEST_MAIN(TstEntradasHostis)
#include "tst_entradas_hostis.moc"
