// Odd and hostile text and codes: every text column of the schema (found in
// the database's own catalogue, not listed by hand) takes every input below
// through the program's literal helper and gives it back unchanged, or
// refuses it whole when it is too long; codes use the whole 32-bit range in
// a code box, and one beyond it is refused, never wrapped.
#include "apoio.h"
#include "controlerelatorio.h"
#include "frmbaixacontasreceber.h"
#include "frmcadcliente.h"
#include "frmcadestabelecimento.h"
#include "frmcadtecnico.h"
#include "frmentradaequipamento.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "frmpagamentodavenda.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "errosbanco.h"
#include "formatos.h"
#include "sessao.h"
#include "valoresnegativos.h"
#include "passos.h"
#include "planilha.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
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

// No report runs while the forms are swept.
struct ControleSemImpressao {
    ControleSemImpressao() { ControleRelatorio::defineExecutor([](ControleRelatorio&) {}); }
    ~ControleSemImpressao() { ControleRelatorio::defineExecutor({}); }
};

// Notices are recorded; every question is answered No and every input box
// cancelled, so nothing the sweep does is saved or deleted by a question.
class MensagensNao : public Mensagens {
public:
    MensagensNao() { instala_mensagens(this); }
    ~MensagensNao() override { instala_mensagens(nullptr); }
    void aviso(const QString& texto, Icone, const QString&) override { textos << texto; }
    bool pergunta(const QString& texto, const QString&, Icone) override { textos << texto; return false; }
    std::optional<QString> entrada(const QString& p, const QString&, const QString&) override { textos << p; return std::nullopt; }
    QStringList textos;
};

// The text boxes a user types into (not the editors inside spin boxes,
// combo boxes and date pickers; not read-only or hidden ones).
QList<QWidget*> campos_de_texto(QWidget& form)
{
    QList<QWidget*> r;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* linha = qobject_cast<QLineEdit*>(w);
        auto* texto = qobject_cast<QPlainTextEdit*>(w);
        if (!linha && !texto) continue;
        if (!w->isVisible() || !w->isEnabled()) continue;
        if ((linha && linha->isReadOnly()) || (texto && texto->isReadOnly())) continue;
        QWidget* pai = w->parentWidget();
        if (pai && (qobject_cast<QAbstractSpinBox*>(pai) || qobject_cast<QComboBox*>(pai))) continue;
        r << w;
    }
    return r;
}

QString texto_de(QWidget* w)
{
    if (auto* l = qobject_cast<QLineEdit*>(w)) return l->text();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

// Pastes a text over the whole content of a box, as Ctrl+A, Ctrl+V do.
void cola(QWidget* campo, const QString& texto)
{
    campo->setFocus();
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(texto);
    QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
}

// Runs `corpo` on every form the menus open (registration, movement and
// search screens, as the registry creates them), then closes it.
void varre_formularios(const std::function<void(QDialog&)>& corpo)
{
    FrmPrincipal p;
    liga_formularios(p);
    for (QAction* a : p.findChildren<QAction*>()) {
        const QString nome = a->objectName();
        if (!a->isEnabled() || a->menu()
            || !(nome.startsWith(QLatin1String("menuCad")) || nome.startsWith(QLatin1String("menuIncluir"))
                 || nome.startsWith(QLatin1String("menuLocalizar"))))
            continue;
        ao_abrir_modal([&](QDialog& d) {
            d.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            corpo(d);
            d.close();
            if (d.isVisible()) d.done(QDialog::Rejected);
        });
        a->trigger();
        QVERIFY2(acoes_modais_pendentes() == 0, qPrintable(nome + QStringLiteral(" não abriu um formulário")));
    }
}

// Amounts below zero as a user may paste them.
const QStringList NEGATIVOS = {QStringLiteral("-50"), QStringLiteral("-0,01"), QStringLiteral("-1.234,56"), QStringLiteral("R$ -10,00"),
                               QStringLiteral("-R$ 10,00"), QStringLiteral(" -7 ")};

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
        executa(QStringLiteral("insert into item_orcamento values(null,?,1,'Troca da fonte',150.5)"), {orcamento});
        executa(QStringLiteral("insert into propriedade values(null,1,'Número de série');"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values((select max(ncodigo) from propriedade),1,'ABC123')"));
        executa(QStringLiteral("insert into ordem_aguardando_pecas (nordem, dmomento, cobs) values (2, '2026-12-08 10:00:00', 'Fonte')"));
        executa(QStringLiteral("insert into entrega (nordem, dmomento, cretirado_por) values (1, '2026-12-09 17:00:00', 'Ana Souza')"));
        executa(QStringLiteral("insert into entrega_desfeita (nentrega, dmomento, cmotivo) values (1, '2026-12-09 17:05:00', 'Engano')"));
        executa(QStringLiteral("insert into item_entrada_detalhe (nitem, cnumero_serie, cacessorios, cestado) "
                               "values ((select min(ncodigo) from item_da_entrada), 'CNB9K12345', 'Cabo USB', 'Riscada')"));
    }
    void cleanup() { amb.reset(); }

    void textosVoltamIguaisOuSaoRecusadosInteiros()
    {
        QList<Coluna> colunas;
        Recordset rs(conexao);
        rs.abre(QStringLiteral(
            "select trim(rf.rdb$relation_name) tabela, trim(rf.rdb$field_name) coluna, f.rdb$field_type tipo, "
            "coalesce(f.rdb$character_length, 0) tamanho from rdb$relation_fields rf "
            "join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name "
            "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
            "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null "
            "and (f.rdb$field_type in (14, 37) or (f.rdb$field_type = 261 and f.rdb$field_sub_type = 1)) "
            // the search keys, the names' letter triples and their counts are
            // the database's own, computed from the names
            "and trim(rf.rdb$field_name) not like '%\\_BUSCA' escape '\\' and r.rdb$relation_name not in ('CLIENTE_TRIGRAMA', 'TRIGRAMA_FREQUENCIA') "
            // the backups' record is written by the backup command as the owner, never by a form
            "and r.rdb$relation_name <> 'COPIA_SEGURANCA' "
            // the changes of money are written by the database's triggers alone
            "and r.rdb$relation_name <> 'ALTERACAO_FINANCEIRA' "
            "order by 1, 2"));
        for (; !rs.eof(); rs.moveNext())
            colunas.append({rs.texto(QStringLiteral("tabela")), rs.texto(QStringLiteral("coluna")),
                            rs.inteiro(QStringLiteral("tipo")) == 261 ? 0 : int(rs.inteiro(QStringLiteral("tamanho")))});
        rs.fecha();
        QVERIFY(colunas.size() >= 40);

        int tentativas = 0, guardadas = 0, recusadas = 0, regras = 0;
        for (const Coluna& c : colunas) {
            // one row of the table, found by its primary key (the property values have a key of two columns)
            const QString chave = valor(QStringLiteral("select list(trim(s.rdb$field_name), ' || ''-'' || ') from rdb$relation_constraints k "
                                                       "join rdb$index_segments s on s.rdb$index_name = k.rdb$index_name "
                                                       "where k.rdb$relation_name = ? and k.rdb$constraint_type = 'PRIMARY KEY'"),
                                        {c.tabela})
                                      .toString();
            const QString onde = QStringLiteral(" from %1 where %2 = (select min(%2) from %1)").arg(c.tabela, chave);
            QVERIFY2(valor(QStringLiteral("select count(*)") + onde).toInt() == 1, qPrintable(c.tabela));
            for (const QString& e : ENTRADAS) {
                ++tentativas;
                rs.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                const QVariant antes = rs.valor(0);
                rs.fecha();
                const bool cabe = c.tamanho == 0 || caracteres(e) <= c.tamanho;
                try {
                    // the table and columns come from the catalogue; the text is bound, as the forms bind it
                    conexao.execute(QStringLiteral("update %1 set %2 = ? where %3 = (select min(%3) from %1)").arg(c.tabela, c.coluna, chave), {e});
                } catch (const ErroBanco& erro) {
                    // too long: refused whole (-303 for a bound value, -802 once in the column);
                    // a column's own rule (-297) may refuse odd text
                    const QString quem = c.tabela + QLatin1Char('.') + c.coluna + QStringLiteral(" <- ") + e.left(30) + QStringLiteral(": ") + erro.descricao();
                    const bool longo = erro.codigo() == QLatin1String("-303") || erro.codigo() == QLatin1String("-802");
                    QVERIFY2(longo ? !cabe : erro.codigo() == QLatin1String("-297"), qPrintable(quem));
                    longo ? ++recusadas : ++regras;
                    rs.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                    QCOMPARE(rs.valor(0), antes);
                    rs.fecha();
                    continue;
                }
                QVERIFY2(cabe, qPrintable(c.tabela + QLatin1Char('.') + c.coluna + QStringLiteral(" guardou um texto longo demais: ") + e.left(30)));
                rs.abre(QStringLiteral("select %1").arg(c.coluna) + onde);
                const QString lido = rs.texto(0);
                rs.fecha();
                QVERIFY2(lido == e, qPrintable(c.tabela + QLatin1Char('.') + c.coluna + QStringLiteral(": ") + lido.left(40)));
                ++guardadas;
            }
        }
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente")).toInt() > 0, true);
        qInfo("%d colunas de texto x %d entradas = %d tentativas: %d guardadas iguais, %d longas recusadas inteiras, %d recusadas por regra da coluna",
              int(colunas.size()), int(ENTRADAS.size()), tentativas, guardadas, recusadas, regras);
    }

    // Every text field of every form the menus open (registration, movement
    // and search screens, as the registry creates them) takes every input
    // pasted with Ctrl+V and left with Enter: no database error reaches the
    // user, nothing crashes, and what the field holds is the input itself,
    // or its start when the field has a visible maximum length.
    // Every input, and texts a spreadsheet would run as formulas, through a
    // list's export: read back as written, a formula made inert.
    void planilhaDevolveOTextoOuOTornaInerte()
    {
        QStringList entradas = ENTRADAS;
        entradas << QStringLiteral("=1+1") << QStringLiteral("+55 41 3333") << QStringLiteral("-cmd|' /C calc'!A0")
                 << QStringLiteral("@SOMA(A1)") << QStringLiteral("\tinício") << QStringLiteral("a;b;\"c\"");
        for (const QString& e : std::as_const(entradas)) {
            const QList<QStringList> lido = le_csv(texto_csv({QStringLiteral("Nome")}, {{e}, {QStringLiteral("fim")}}));
            QCOMPARE(lido.size(), 3);
            const bool formula = !e.isEmpty() && QStringLiteral("=+-@\t").contains(e.front());
            QCOMPARE(lido[1], QStringList{formula ? QLatin1Char('\'') + e : e});
            QCOMPARE(lido[2], QStringList{QStringLiteral("fim")});
        }
    }

    void todosOsCamposDeTodosOsFormularios()
    {
        ControleSemImpressao semImpressao;
        MensagensNao msgs;
        int formularios = 0, campos = 0, tentativas = 0, limitados = 0;
        QStringList problemas;
        varre_formularios([&](QDialog& d) {
            ++formularios;
            // the order's note of the parts awaited is typed once the mark is ticked
            if (auto* pecas = d.findChild<QCheckBox*>(QStringLiteral("marcaAguardandoPecas")))
                pecas->setChecked(true);
            for (QWidget* campo : campos_de_texto(d)) {
                ++campos;
                for (const QString& entrada : ENTRADAS) {
                    ++tentativas;
                    msgs.textos.clear();
                    cola(campo, entrada);
                    const QString lido = texto_de(campo);
                    auto* linha = qobject_cast<QLineEdit*>(campo);
                    // a multi-line box keeps a line break as one "\n", as every editor does
                    const QString e = linha ? entrada : QString(entrada).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                    const bool limitado = linha && e.size() > linha->maxLength() && lido == e.left(linha->maxLength());
                    limitados += limitado;
                    // a code or date box may drop what is not a code or a date; nothing else may change the text
                    if (lido != e && !limitado && !lido.isEmpty() && !e.contains(lido))
                        problemas << QStringLiteral("%1.%2 <- %3: %4").arg(d.objectName(), campo->accessibleName(), e.left(20), lido.left(20));
                    QTest::keyClick(campo, Qt::Key_Return);
                    for (const QString& m : msgs.textos)
                        if (m.contains(QLatin1String("SQLCODE")) || m.contains(QLatin1String("Dynamic SQL")))
                            problemas << QStringLiteral("%1.%2 <- %3: %4").arg(d.objectName(), campo->accessibleName(), e.left(20), m);
                    if (!d.isVisible()) return;
                    if (auto* l = qobject_cast<QLineEdit*>(campo)) l->clear();
                    else static_cast<QPlainTextEdit*>(campo)->clear();
                }
            }
        });
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join(QLatin1Char('\n'))));
        QVERIFY(formularios >= 10);
        qInfo("%d formulários, %d campos de texto x %d entradas = %d tentativas (%d limitadas à vista pelo tamanho do campo)",
              formularios, campos, int(ENTRADAS.size()), tentativas, limitados);
    }

    // An amount below zero pasted into every money field (those of the
    // forms the menus open, the write-off and the cash payment) is refused
    // with its notice when the field is left and when saving; the database
    // refuses it in every money column by a named constraint.
    void valorNegativoEmTodoCampoDeDinheiro()
    {
        ControleSemImpressao semImpressao;
        MensagensNao msgs;
        QStringList vistos, problemas;
        auto tenta = [&](QDialog& d, QWidget* gravar) {
            for (QWidget* campo : campos_de_texto(d)) {
                if (campo->property("tipoCampo").toInt() != CampoDinheiro) continue;
                vistos << d.objectName() + QLatin1Char('.') + campo->accessibleName();
                for (const QString& entrada : NEGATIVOS) {
                    msgs.textos.clear();
                    cola(campo, entrada);
                    const QString colado = texto_de(campo); // its start, in a short box
                    QTest::keyClick(campo, Qt::Key_Tab);
                    // told, or (a short box's start that is no amount) emptied: never a negative amount kept unnoticed
                    const QString aviso = msgs.textos.value(0);
                    const auto ficou = Dinheiro::leTexto(texto_de(campo));
                    if ((aviso != mensagem_valor_negativo(colado) && aviso != mensagem_valor_invalido(colado) && ficou && *ficou < Dinheiro())
                        || (entrada == NEGATIVOS.first() && aviso != mensagem_valor_negativo(entrada)))
                        problemas << QStringLiteral("%1 <- %2: %3").arg(vistos.last(), entrada, aviso);
                    if (gravar && !aviso.isEmpty()) { // the save says it again
                        msgs.textos.clear();
                        QTest::keyClick(gravar, Qt::Key_Return);
                        if (!msgs.textos.contains(aviso)) problemas << vistos.last() + QStringLiteral(" gravou ") + entrada;
                    }
                }
            }
        };
        varre_formularios([&](QDialog& d) { tenta(d, qobject_cast<FrmCadTecnico*>(&d) ? d.findChild<QWidget*>(QStringLiteral("botaoGravar")) : nullptr); });
        auto& b = form<FrmBaixaContasReceber>();
        b.prepara(2, Dinheiro::deCentavos(15025));
        ativa(b);
        tenta(b, b.botaoGravar);
        no_dialogo<FrmPagamentoDaVenda>([&](FrmPagamentoDaVenda& v) { tenta(v, v.botaoGravar); });
        form<FrmPagamentoDaVenda>().fecha({1, 0, {}, Dinheiro::deCentavos(30050), 1, {}, {}});
        QCOMPARE(vistos, (QStringList{QStringLiteral("FrmCadTecnico.Comissão"), QStringLiteral("FrmOrcamento.Preço"), QStringLiteral("FrmOrdem.Preço"),
                                      QStringLiteral("FrmBaixaContasReceber.Valor"), QStringLiteral("FrmPagamentoDaVenda.Valor pago")}));
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join(QLatin1Char('\n'))));
        QCOMPARE(conta(QStringLiteral("select count(*) from baixa_conta_receber where nconta_receber = 2")), 0);
        qInfo("%d campos de dinheiro x %d valores negativos", int(vistos.size()), int(NEGATIVOS.size()));
        for (const QString& c : QStringLiteral("tecnico.ncomissao orcamento.nvalor item_orcamento.nvalor ordem.nvalor item_ordem.nvalor "
                                               "conta_receber.nvalor_parcela baixa_conta_receber.nvalor_baixa baixa_conta_receber.ndesconto "
                                               "baixa_conta_receber.nacrescimo").split(QLatin1Char(' '))) {
            const QStringList tc = c.split(QLatin1Char('.'));
            msgs.textos.clear();
            try {
                executa(QStringLiteral("update %1 set %2 = -0.01 where ncodigo = (select min(ncodigo) from %1)").arg(tc[0], tc[1]));
                QFAIL(qPrintable(c + QStringLiteral(" aceitou um valor negativo")));
            } catch (const ErroBanco& e) {
                trata_erro_banco(e);
                QVERIFY2(e.codigo() == QLatin1String("-297") && msgs.textos == QStringList{VALOR_NEGATIVO_RECUSADO}, qPrintable(c));
            }
        }
    }

    // The whole 32-bit range in a code box; one beyond is refused, not wrapped
    void codigosAteOLimiteDe32Bits()
    {
        executa(QStringLiteral("set generator codigo_cliente to 2147483646"));
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = 'Cliente do Limite' where ncodigo = 2147483647"));
        auto& f = abre_inclusao<FrmEntradaEquipamento>();
        for (const QString& codigo : {QStringLiteral("2147483647"), QStringLiteral("2147483648"), QStringLiteral("4294967297"),
                                      QStringLiteral("99999999999999999999")}) {
            amb->msgs.limpa();
            f.caixaCliente->setFocus();
            f.caixaCliente->selectAll();
            digita(f.caixaCliente, codigo);
            tecla(f.caixaCliente, Qt::Key_Return);
            if (codigo == QLatin1String("2147483647")) {
                QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Cliente do Limite"));
                QVERIFY(amb->msgs.mostradas().isEmpty());
            } else {
                QVERIFY2(f.caixaNomeCliente->text().isEmpty(), qPrintable(codigo + QStringLiteral(" -> ") + f.caixaNomeCliente->text()));
                QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
                QCOMPARE(QApplication::focusWidget(), f.caixaCliente);
            }
        }
        // nothing wrapped onto another customer
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente where ncodigo < 0")).toInt(), 0);
    }

    // Every code box of a form that saves, holding a good code: a code that
    // finds nothing and another good one typed over it and saved at once, by
    // each way the user saves: "&Gravar" clicked, Alt+G, F5 then Enter. The
    // unknown code is never stored (a box that warns says so, keeps the focus
    // and selects its whole text; a city box empties the name and the save
    // asks for the required fields); the other code is stored with its own
    // name on screen.
    void codigosConferidosEmTodoJeitoDeGravar()
    {
        executa(QStringLiteral("update entrada_equipamento set ncliente = 2"));
        executa(QStringLiteral("update ordem set nconcluida = 0 where ncodigo = 2")); // saved again without a closing
        const QString OBRIGATORIOS = QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!");
        struct Caixa {
            const char* nome;
            std::function<QDialog*()> abre; // the form editing a saved record
            std::function<QLineEdit*(QDialog*)> codigo, nome_;
            QStringList codigos, nomes; // two good codes and their names
            QString gravado;            // the code as stored
            bool avisa;
            QList<bool> respostas;      // the answers to the questions of a save
        };
        auto movimento = [](auto* tipo, int codigo) {
            return [tipo, codigo]() -> QDialog* {
                using T = std::remove_pointer_t<decltype(tipo)>;
                return &abre_edicao<T>(codigo);
            };
        };
        auto cadastro = [](auto* tipo, qint32 codigo) {
            return [tipo, codigo]() -> QDialog* {
                using T = std::remove_pointer_t<decltype(tipo)>;
                form<T>().define_edicao(codigo);
                return &mostra_form<T>();
            };
        };
        auto cliente = [](QDialog* d) { return static_cast<FrmMovimento*>(d)->caixaCliente; };
        auto nomeCliente = [](QDialog* d) { return static_cast<FrmMovimento*>(d)->caixaNomeCliente; };
        auto condicao = [](QDialog* d) { return static_cast<FrmMovimentoServico*>(d)->caixaCondicao; };
        auto nomeCondicao = [](QDialog* d) { return static_cast<FrmMovimentoServico*>(d)->caixaDescricaoCondicao; };
        const QStringList clientes{QStringLiteral("2"), QStringLiteral("3")}, nomesClientes{QStringLiteral("Ana Souza"), QStringLiteral("Bruno Lima")};
        const QStringList condicoes{QStringLiteral("1"), QStringLiteral("2")}, nomesCondicoes{QStringLiteral("A vista"), QStringLiteral("30/60")};
        const QStringList cidades{QStringLiteral("1"), QStringLiteral("2")}, nomesCidades{QStringLiteral("Cidade Não Informada"), QStringLiteral("Curitiba")};
        const QList<Caixa> caixas{
            {"entrada: cliente", movimento((FrmEntradaEquipamento*)nullptr, 57), cliente, nomeCliente,
             clientes, nomesClientes, QStringLiteral("select ncliente from entrada_equipamento where ncodigo = 57"), true, {true, false}},
            {"orçamento: cliente", movimento((FrmOrcamento*)nullptr, 1), cliente, nomeCliente, clientes,
             nomesClientes, QStringLiteral("select ncliente from orcamento where ncodigo = 1"), true, {false}},
            {"orçamento: condição", movimento((FrmOrcamento*)nullptr, 1), condicao, nomeCondicao,
             condicoes, nomesCondicoes, QStringLiteral("select ncondicao from orcamento where ncodigo = 1"), true, {false}},
            {"ordem: cliente", movimento((FrmOrdem*)nullptr, 2), cliente, nomeCliente, clientes, nomesClientes,
             QStringLiteral("select ncliente from ordem where ncodigo = 2"), true, {}},
            {"ordem: condição", movimento((FrmOrdem*)nullptr, 2), condicao, nomeCondicao, condicoes,
             nomesCondicoes, QStringLiteral("select ncondicao from ordem where ncodigo = 2"), true, {}},
            {"cliente: cidade", cadastro((FrmCadCliente*)nullptr, 2),
             [](QDialog* d) { return static_cast<FrmCadPessoa*>(d)->caixaCidade; }, [](QDialog* d) { return static_cast<FrmCadPessoa*>(d)->caixaNomeCidade; },
             cidades, nomesCidades, QStringLiteral("select ncidade from cliente where ncodigo = 2"), false, {}},
            {"técnico: cidade", cadastro((FrmCadTecnico*)nullptr, 1),
             [](QDialog* d) { return static_cast<FrmCadPessoa*>(d)->caixaCidade; }, [](QDialog* d) { return static_cast<FrmCadPessoa*>(d)->caixaNomeCidade; },
             cidades, nomesCidades, QStringLiteral("select ncidade from tecnico where ncodigo = 1"), false, {}},
            {"estabelecimento: cidade", [] { return static_cast<QDialog*>(&mostra_form<FrmCadEstabelecimento>()); },
             [](QDialog* d) { return static_cast<FrmCadEstabelecimento*>(d)->caixaCidade; },
             [](QDialog* d) { return static_cast<FrmCadEstabelecimento*>(d)->caixaNomeCidade; }, cidades, nomesCidades,
             QStringLiteral("select ncidade from estabelecimento"), false, {}},
        };
        const QStringList jeitos{QStringLiteral("botão"), QStringLiteral("Alt+G"), QStringLiteral("F5")};
        int tentativas = 0;
        for (const Caixa& c : caixas) {
            for (const QString& jeito : jeitos) {
                for (const bool desconhecido : {true, false}) {
                    ++tentativas;
                    const QString quem = QStringLiteral("%1, %2, %3").arg(QString::fromUtf8(c.nome), jeito, desconhecido ? QStringLiteral("999") : QStringLiteral("outro"));
                    const QString antes = valor(c.gravado).toString();
                    const int outro = c.codigos.indexOf(antes) == 0 ? 1 : 0;
                    const QString digitado = desconhecido ? QStringLiteral("999") : c.codigos[outro];
                    QDialog* d = c.abre();
                    QLineEdit* caixa = c.codigo(d);
                    if (auto* cad = qobject_cast<FrmCadPessoa*>(d))
                        cad->abas->setCurrentIndex(1);
                    QVERIFY2(caixa->isVisible() && caixa->text() == antes, qPrintable(quem));
                    caixa->setFocus();
                    caixa->selectAll();
                    digita(caixa, digitado);
                    amb->msgs.limpa();
                    if (!desconhecido)
                        for (bool r : c.respostas)
                            amb->msgs.respostas({r});
                    auto* gravar = d->findChild<QPushButton*>(QStringLiteral("botaoGravar"));
                    if (jeito == QLatin1String("botão")) {
                        clica(gravar);
                    } else if (jeito == QLatin1String("Alt+G")) {
                        tecla(caixa, Qt::Key_G, Qt::AltModifier);
                    } else {
                        tecla(caixa, Qt::Key_F5);
                        QVERIFY2(QApplication::focusWidget() == gravar || (desconhecido && c.avisa), qPrintable(quem));
                        tecla(QApplication::focusWidget(), Qt::Key_Return);
                    }
                    if (desconhecido) {
                        QTRY_VERIFY2(c.nome_(d)->text().isEmpty(), qPrintable(quem));
                        QTRY_VERIFY2(amb->msgs.textos().contains(c.avisa ? QStringLiteral("Registro não localizado!") : OBRIGATORIOS), qPrintable(quem + QStringLiteral(": ") + amb->msgs.textos().join(QLatin1Char('|'))));
                        if (c.avisa) {
                            QTRY_COMPARE(QApplication::focusWidget(), caixa);
                            QCOMPARE(caixa->selectedText(), QStringLiteral("999"));
                        }
                        QVERIFY2(d->isVisible(), qPrintable(quem));
                        QCOMPARE(valor(c.gravado).toString(), antes);
                        d->close();
                    } else {
                        QTRY_VERIFY2(!d->isVisible(), qPrintable(quem + QStringLiteral(": ") + amb->msgs.textos().join(QLatin1Char('|'))));
                        QVERIFY2(valor(c.gravado).toString() == digitado, qPrintable(quem));
                        QVERIFY2(c.nome_(d)->text() == c.nomes[outro], qPrintable(quem + QStringLiteral(": ") + c.nome_(d)->text()));
                        if (d->isVisible())
                            d->close();
                    }
                    QCOMPARE(amb->msgs.perguntasPendentes(), 0);
                }
            }
        }
        qInfo("%d caixas de código x %d jeitos de gravar x 2 códigos = %d tentativas", int(caixas.size()), int(jeitos.size()), tentativas);
    }
};

QTEST_MAIN(TstEntradasHostis)
#include "tst_entradas_hostis.moc"
