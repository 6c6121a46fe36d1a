// Every unit of work that writes more than one statement, made to fail at
// each of its statements in turn through the form (or the start-up) that
// runs it: the database is exactly as the unit found it, the user was told,
// and the program goes on. The table below has a row for every operation
// the program names; a new operation without its row fails here. In its
// kill mode each row runs again in a child process killed (SIGKILL) at its
// first and last statement and right after its commit: the file the crash
// left passes gfix's full validation and holds the unit whole or not at all.
#include "alteracoesfinanceiras.h"
#include "apoio.h"
#include "formularios.h"
#include "frmcadcliente.h"
#include "frmcadequipamentocliente.h"
#include "frmcadequipamentos.h"
#include "frmconsultaentradasequipamento.h"
#include "frmconsultaequipamentocliente.h"
#include "frmconsultaordem.h"
#include "frmcontasrecebidas.h"
#include "baixa.h"
#include "frmbaixacontasreceber.h"
#include "frmentradaequipamento.h"
#include "frmentrega.h"
#include "frmfechamentovendaprazo.h"
#include "frmlocalizaorcamento.h"
#include "frmoficina.h"
#include "frmorcamento.h"
#include "frmordem.h"
#include "frmpagamentodavenda.h"
#include "frmprincipal.h"
#include "grade.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "migracoes.h"
#include "sessao.h"
#include "passos.h"
#include "relogio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <csignal>

#ifndef CONTROLE_OS_ESQUEMA_V1
#error "CONTROLE_OS_ESQUEMA_V1 must name the first release's schema"
#endif

using namespace apoio;

namespace {

const QString FALHA = QStringLiteral("Falha simulada");

// One multi-statement operation as the user reaches it.
struct Caso {
    const char* nome;
    Operacao operacao;
    // From the example shop: brings the program to the moment before the
    // action; gives the window the action happens in (none at start-up).
    std::function<QWidget*()> prepara;
    // The user's action (a click, a key, starting the program).
    std::function<void()> age;
    // After a failure: the window stays and the action, done again,
    // stores it (Repete); the window stays but has moved on (FicaAberta);
    // the window closes all the same, never trapping the user (Fecha).
    enum Depois { Repete, FicaAberta, Fecha } depois = Repete;
    // Whether the failure reaches the user as a message (housekeeping at
    // start-up fails quietly and the program starts anyway).
    bool avisa = true;
    // Only the embedded database runs it (start-up housekeeping).
    bool soEmbarcado = false;
    // The changes of money the database records when the unit is stored,
    // in order; a unit that fails records none.
    QList<TipoAlteracao> alteracoes = {};
};

// The kinds the database recorded after the change numbered `ultima`.
QList<TipoAlteracao> alteracoes_depois(int ultima)
{
    QList<TipoAlteracao> r;
    for (const QString& tipo : linhas(QStringLiteral("select ntipo from alteracao_financeira where ncodigo > %1 order by ncodigo").arg(ultima)))
        r << TipoAlteracao(tipo.toInt());
    return r;
}

// A search screen listing everything, on the row of `codigo`.
template <class T>
T& pesquisa_na_linha(const QString& codigo)
{
    T& f = mostra_form<T>();
    if (f.gradeLista->texto(0, 0).isEmpty()) // the movements list on "&Procurar"
        clica(f.botaoProcurar ? f.botaoProcurar : f.template findChild<QPushButton*>(QStringLiteral("botaoMostrar")));
    const int l = linha_do_codigo(f.gradeLista, codigo.toLongLong());
    if (l < 0)
        QTest::qFail(qPrintable(QStringLiteral("código %1 fora da lista").arg(codigo)), __FILE__, __LINE__);
    f.gradeLista->defineLinhaAtual(qMax(0, l));
    return f;
}

void tipo_com_propriedades()
{
    executa(QStringLiteral("insert into propriedade values(null,1,'Marca');"));
    executa(QStringLiteral("insert into propriedade values(null,1,'Modelo');"));
}

} // namespace

class TstTudoOuNada : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<FrmPrincipal> principal;
    QTemporaryDir pasta; // the program's folder for the start-up rows
    QList<Caso> casos;
    int injetadas = 0, operacoes = 0, mortes = 0; // for the closing line

    // A database at the version before the newest, built once.
    QString banco_anterior()
    {
        static QTemporaryDir dir;
        static QString caminho = qEnvironmentVariable("CONTROLE_OS_TESTE_ANTERIOR"); // the parent's, in a child
        if (caminho.isEmpty()) {
            QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
            caminho = dir.filePath(QStringLiteral("anterior.fdb"));
            cria_banco(caminho, QStringLiteral(CONTROLE_OS_ESQUEMA_V1));
            Conexao c;
            c.abre(fonte_de(caminho), USUARIO, SENHA);
            Migracoes::aplica(c, Migracoes::versao_atual() - 1);
            c.fecha();
        }
        return caminho;
    }
    // The program's path.txt names this database, as the owner or as a station.
    void path_txt_para(const QString& fonte, bool dono)
    {
        grava_arquivo(pasta.filePath(QStringLiteral("path.txt")),
                      dono ? (fonte + QLatin1Char('=') + USUARIO + QLatin1Char('=') + SENHA).toUtf8() : apoio::path_txt(fonte));
    }
    void inicia() { principal = inicia_sistema(pasta.path()); }

    // "&Excluir" on the row of `codigo` of a search screen, confirmed.
    template <class T>
    Caso exclusao(const char* nome, const QString& codigo, std::function<void()> dados)
    {
        return Caso{nome, Operacao::Exclusao,
                    [codigo, dados] {
                        dados();
                        return static_cast<QWidget*>(&pesquisa_na_linha<T>(codigo));
                    },
                    [this] {
                        amb->msgs.respostas({true});
                        clica(form<T>().botaoExcluir);
                    },
                    Caso::Repete};
    }

    void monta_tabela();

    // The example shop at the moment before a row's action.
    QWidget* prepara(const Caso& caso)
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
        Relogio::fixa(QDateTime(QDate(2026, 12, 16), QTime(10, 0, 0)));
        return caso.prepara();
    }

    // The child of the kill mode (CONTROLE_OS_MORTE = "row statement file"):
    // writes the data source of the unit into the file as the unit begins,
    // and dies at that statement (0: right after the commit).
    [[noreturn]] void morre(const QString& pedido)
    {
        const QStringList p = pedido.split(QLatin1Char(' '));
        const int comando = p.value(1).toInt();
        const QString arquivo = p.value(2);
        const Caso& caso = casos[p.value(0).toInt()];
        prepara(caso);
        conexao.observaUnidades([&](Operacao, bool inicio) {
            if (inicio)
                grava_arquivo(arquivo, conexao.fonte().toUtf8());
            else if (comando == 0)
                ::raise(SIGKILL);
        });
        conexao.falhaNoComando(-comando);
        caso.age();
        std::_Exit(3); // not killed: the parent says so
    }

private slots:
    void initTestCase()
    {
        QFile::setPermissions(pasta.path(), QFileDevice::Permissions(0x7777));
        monta_tabela();
        if (qEnvironmentVariableIsSet("CONTROLE_OS_MORTE"))
            morre(qEnvironmentVariable("CONTROLE_OS_MORTE"));
    }
    void cleanupTestCase()
    {
        qInfo("%d operações, %d falhas injetadas, todas desfeitas por inteiro; %d mortes no meio, nenhuma deixou metade",
              operacoes, injetadas, mortes);
    }
    void cleanup()
    {
        conexao.falhaNoComando(0);
        conexao.observaUnidades(nullptr);
        principal.reset();
        amb.reset();
        Relogio::solta();
    }

    // The list is complete: every operation the program names has its row.
    void cadaOperacaoTemSuaLinha()
    {
        for (int i = 0; i < QUANTIDADE_OPERACOES; ++i) {
            const auto op = Operacao(i);
            const bool tem = std::any_of(casos.begin(), casos.end(), [op](const Caso& c) { return c.operacao == op; });
            QVERIFY2(tem, qPrintable(QStringLiteral("a operação %1 não tem linha nesta tabela").arg(QString::fromLatin1(nome_operacao(op)))));
        }
    }

    void falhaEmCadaComando_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < casos.size(); ++i)
            QTest::newRow(casos[i].nome) << i;
    }

    void falhaEmCadaComando()
    {
        QFETCH(int, indice);
        const Caso& caso = casos[indice];
        if (caso.soEmbarcado && !servidor().isEmpty())
            QSKIP("só o banco embarcado roda esta limpeza na partida");
        int comandos = 0;
        for (int n = 0; n == 0 || n <= comandos; ++n) {
            const QString passo = QStringLiteral("%1, falha no comando %2").arg(QString::fromUtf8(caso.nome)).arg(n);
            principal.reset();
            amb.reset();
            QWidget* janela = prepara(caso);
            // the database exactly as the unit finds it and leaves it
            QStringList antes, depois;
            QList<Operacao> unidades;
            conexao.observaUnidades([&](Operacao op, bool inicio) {
                if (inicio)
                    unidades << op;
                (inicio ? antes : depois) = retrato_banco(conexao.banco(), false);
            });
            amb->msgs.limpa();
            if (caso.operacao == Operacao::Migracao && n > 0)
                amb->msgs.respostas({true}); // "... visualizar a mensagem original do erro?"
            // a schema script runs on another database, one that has no changes yet
            const bool registra = caso.operacao != Operacao::Migracao;
            const int ultima = registra ? conta(QStringLiteral("select coalesce(max(ncodigo), 0) from alteracao_financeira")) : 0;
            conexao.falhaNoComando(n);
            caso.age();
            const int rodados = conexao.comandosEmTransacao();
            conexao.falhaNoComando(0);
            conexao.observaUnidades(nullptr);
            if (!conexao.aberta()) // the start-up closed it on failing
                conexao.abre(conexao.fonte(), USUARIO, SENHA);
            if (registra)
                QCOMPARE(alteracoes_depois(ultima), n == 0 ? caso.alteracoes : QList<TipoAlteracao>{});
            QCOMPARE(unidades, QList<Operacao>{caso.operacao});
            const QString vistas = amb->msgs.textos().join(QLatin1Char('\n'));
            if (n == 0) {
                comandos = rodados;
                ++operacoes;
                QVERIFY2(comandos >= 2, qPrintable(passo + QStringLiteral(": %1 comando(s)").arg(comandos)));
                QVERIFY2(depois != antes, qPrintable(passo + QStringLiteral(": nada foi gravado")));
                QVERIFY2(!vistas.contains(FALHA), qPrintable(passo + QLatin1Char('\n') + vistas));
                continue;
            }
            QVERIFY2(depois == antes, qPrintable(passo + QStringLiteral(": ficou gravado pela metade")));
            ++injetadas;
            QCOMPARE(vistas.count(FALHA), caso.avisa ? 1 : 0);
            if (janela) {
                QCOMPARE(janela->isVisible(), caso.depois != Caso::Fecha);
            }
            if (caso.depois == Caso::Repete) {
                // still usable: the same action, the fault gone, stores it
                amb->msgs.limpa();
                caso.age();
                QVERIFY2(retrato_banco(conexao.banco(), false) != antes, qPrintable(passo + QStringLiteral(": a repetição não gravou")));
                QVERIFY2(!amb->msgs.textos().join(QLatin1Char('\n')).contains(FALHA), qPrintable(passo));
            }
            if (!caso.avisa)
                QVERIFY2(principal != nullptr, qPrintable(passo + QStringLiteral(": o programa não abriu")));
        }
    }

    void morteEmCadaComando_data() { falhaEmCadaComando_data(); }

    void morteEmCadaComando()
    {
        QFETCH(int, indice);
        if (!servidor().isEmpty())
            QSKIP("o programa morto no meio da gravação é conferido no banco embarcado, cujo arquivo ele deixa");
        if (qEnvironmentVariableIsSet("CONTROLE_OS_SEM_MORTES"))
            QSKIP("as mortes rodam no teste tst_tudo_ou_nada_morte");
        const Caso& caso = casos[indice];
        // the unit whole, here: the database as it finds and leaves it, and its statements
        prepara(caso);
        QStringList antes, depois;
        conexao.observaUnidades([&](Operacao, bool inicio) { (inicio ? antes : depois) = retrato_banco(conexao.banco(), false); });
        conexao.falhaNoComando(0);
        caso.age();
        const int comandos = conexao.comandosEmTransacao();
        QVERIFY(comandos >= 2 && !antes.isEmpty() && depois != antes);
        cleanup();

        for (const int comando : {1, comandos, 0}) {
            const QString passo = QStringLiteral("%1, morto %2").arg(QString::fromUtf8(caso.nome),
                comando ? QStringLiteral("no comando %1 de %2").arg(comando).arg(comandos) : QStringLiteral("depois da confirmação"));
            QTemporaryDir dir; // all the child makes, its database too
            const QString arquivo = dir.filePath(QStringLiteral("fonte.txt"));
            QProcess filho;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QStringLiteral("TMPDIR"), dir.path());
            ambiente.insert(QStringLiteral("CONTROLE_OS_TESTE_MODELO"), banco_modelo());
            if (caso.operacao == Operacao::Migracao)
                ambiente.insert(QStringLiteral("CONTROLE_OS_TESTE_ANTERIOR"), banco_anterior());
            ambiente.insert(QStringLiteral("CONTROLE_OS_MORTE"), QStringLiteral("%1 %2 %3").arg(indice).arg(comando).arg(arquivo));
            filho.setProcessEnvironment(ambiente);
            filho.setProcessChannelMode(QProcess::MergedChannels);
            filho.start(QCoreApplication::applicationFilePath(), {QStringLiteral("cadaOperacaoTemSuaLinha")});
            QVERIFY2(filho.waitForFinished(120000), qPrintable(passo));
            QVERIFY2(filho.exitStatus() == QProcess::CrashExit, qPrintable(passo + QLatin1Char('\n') + QString::fromUtf8(filho.readAll())));
            const QString fonte = QString::fromUtf8(le_arquivo(arquivo));
            QVERIFY2(!fonte.isEmpty(), qPrintable(passo));

            // the file as the crash left it: whole to gfix, then read
            // before any start-up could clean it up
            QProcess gfix;
            QProcessEnvironment credenciais = QProcessEnvironment::systemEnvironment();
            credenciais.insert(QStringLiteral("ISC_USER"), USUARIO);
            credenciais.insert(QStringLiteral("ISC_PASSWORD"), SENHA);
            gfix.setProcessEnvironment(credenciais);
            gfix.setProcessChannelMode(QProcess::MergedChannels);
            gfix.start(QStringLiteral("gfix"), {QStringLiteral("-v"), QStringLiteral("-full"), fonte});
            QVERIFY(gfix.waitForFinished(60000));
            // a crash may leave the fill marks of pointer pages behind (a
            // warning the engine mends by itself); any error fails
            const QString validacao = QString::fromUtf8(gfix.readAll()).trimmed();
            static const QRegularExpression erro(QStringLiteral("Number of .* errors|error|corrupt"), QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(gfix.exitCode() == 0 && !QString(validacao).remove(QStringLiteral("Summary of validation errors")).contains(erro),
                     qPrintable(passo + QStringLiteral(": gfix -v -full\n") + validacao));
            abre_como_dono(fonte);
            const QStringList ficou = retrato_banco(conexao.banco(), false);
            conexao.fecha();
            QVERIFY2(ficou == (comando ? antes : depois), qPrintable(passo + (comando ? QStringLiteral(": ficou gravado pela metade")
                                                                                     : QStringLiteral(": a unidade confirmada não ficou inteira"))));
            ++mortes;
        }
    }
};

void TstTudoOuNada::monta_tabela()
{
    casos << Caso{"saída de um cliente novo com máquina", Operacao::SaidaCliente,
                  [] {
                      auto& f = abre_inclusao<FrmCadCliente>();
                      tipo_com_propriedades();
                      executa(QStringLiteral("insert into equipamento_cliente values(null,%1,1,'HP')").arg(f.caixaCodigo->text()));
                      executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,(select max(ncodigo) from equipamento_cliente),'X')"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmCadCliente>().botaoSair); }, Caso::Fecha};

    casos << Caso{"saída de um tipo novo com propriedade", Operacao::SaidaEquipamento,
                  [] {
                      auto& f = abre_inclusao<FrmCadEquipamentos>();
                      executa(QStringLiteral("insert into propriedade values(null,%1,'Marca');").arg(f.caixaCodigo->text()));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmCadEquipamentos>().botaoSair); }, Caso::Fecha};

    casos << Caso{"máquina nova com valores", Operacao::GravacaoMaquina,
                  [] {
                      tipo_com_propriedades();
                      auto& f = form<FrmCadEquipamentoCliente>();
                      abre_inclusao<FrmCadEquipamentoCliente>(3);
                      f.caixaIdentificacao->setText(QStringLiteral("Epson L3150"));
                      edita_valor(f, 0, QStringLiteral("Epson"));
                      edita_valor(f, 1, QStringLiteral("L3150"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmCadEquipamentoCliente>().botaoGravar); }, Caso::Repete};

    casos << Caso{"máquina alterada com valores", Operacao::GravacaoMaquina,
                  [] {
                      tipo_com_propriedades();
                      executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,1,'HP')"));
                      auto& f = form<FrmCadEquipamentoCliente>();
                      abre_edicao<FrmCadEquipamentoCliente>(1);
                      f.caixaIdentificacao->setText(QStringLiteral("HP LaserJet 1102w"));
                      edita_valor(f, 0, QStringLiteral("HP Inc"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmCadEquipamentoCliente>().botaoGravar); }, Caso::Repete};

    casos << exclusao<FrmConsultaEquipamentoCliente>("exclusão de máquina com valores", QStringLiteral("4"), [] {
        tipo_com_propriedades();
        executa(QStringLiteral("insert into equipamento_cliente values(4,3,1,'Epson L3150')"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,4,'Epson')"));
        form<FrmConsultaEquipamentoCliente>().defineCliente(3);
    });
    casos << exclusao<FrmConsultaEntradasEquipamento>("exclusão da entrada com itens", QStringLiteral("57"), [] {});
    casos << exclusao<FrmLocalizaOrcamento>("exclusão do orçamento com itens", QStringLiteral("1"), [] {
        executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','10:00:00',250,'',1,1);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Troca do fusor',180);"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,2,'Limpeza',70);"));
    });
    casos << exclusao<FrmConsultaOrdem>("exclusão da ordem com itens", QStringLiteral("2"), [] {});

    casos << Caso{"abandono da entrada", Operacao::AbandonoMovimento,
                  [] {
                      auto& f = abre_inclusao<FrmEntradaEquipamento>();
                      item_entrada(f, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { form<FrmEntradaEquipamento>().close(); }, Caso::Fecha};

    casos << Caso{"abandono do orçamento", Operacao::AbandonoMovimento,
                  [] {
                      auto& f = abre_inclusao<FrmOrcamento>();
                      cliente(f, QStringLiteral("2"));
                      item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("80"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { form<FrmOrcamento>().close(); }, Caso::Fecha};

    casos << Caso{"abandono da ordem", Operacao::AbandonoMovimento,
                  [] {
                      auto& f = abre_inclusao<FrmOrdem>();
                      cliente(f, QStringLiteral("2"));
                      item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("80"), 1);
                      return static_cast<QWidget*>(&f);
                  },
                  [] { form<FrmOrdem>().close(); }, Caso::Fecha};

    // an approved budget, saved before; the order made from it is the unit
    casos << Caso{"ordem gerada do orçamento", Operacao::OrdemDoOrcamento,
                  [] {
                      executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','10:00:00',80,'',1,1);"));
                      executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Limpeza',80);"));
                      auto& f = abre_edicao<FrmOrcamento>(1);
                      return static_cast<QWidget*>(&f);
                  },
                  [] {
                      escolhe_na_consulta(1); // the technician
                      form<FrmOrcamento>().gera_ordem();
                  },
                  Caso::FicaAberta};

    // the budget's header and the entry it answers
    casos << Caso{"orçamento gravado com a entrada", Operacao::GravacaoOrcamento,
                  [] {
                      auto& f = abre_inclusao<FrmOrcamento>();
                      cliente(f, QStringLiteral("2"));
                      item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("80"));
                      digita(f.caixaEntrada, QStringLiteral("57"));
                      return static_cast<QWidget*>(&f);
                  },
                  [this] {
                      amb->msgs.respostas({false}); // no printed budget
                      clica(form<FrmOrcamento>().botaoGravar);
                  },
                  Caso::Repete};

    // the entry's header and the day promised; the form keeps what was typed
    casos << Caso{"entrada gravada com o dia prometido", Operacao::GravacaoEntrada,
                  [] {
                      auto& f = abre_inclusao<FrmEntradaEquipamento>();
                      cliente(f, QStringLiteral("2"));
                      item_entrada(f, QStringLiteral("Impressora"), QStringLiteral("Não liga"));
                      f.marcaPrometido->setChecked(true);
                      f.dataPrometida->setDate(QDate(2026, 12, 20));
                      return static_cast<QWidget*>(&f);
                  },
                  [this] {
                      amb->msgs.respostas({true, false}); // saved; no receipt
                      clica(form<FrmEntradaEquipamento>().botaoGravar);
                  },
                  Caso::FicaAberta};

    // an item of an entry with what the machine came with
    casos << Caso{"item da entrada com série, acessórios e estado", Operacao::GravacaoItemEntrada,
                  [] {
                      auto& f = abre_inclusao<FrmEntradaEquipamento>();
                      f.caixaEquipamento->setPlainText(QStringLiteral("Impressora"));
                      f.caixaProblema->setPlainText(QStringLiteral("Não liga"));
                      f.caixaNumeroSerie->setText(QStringLiteral("BRBSM1234"));
                      f.caixaAcessorios->setText(QStringLiteral("Cabo USB"));
                      f.caixaEstado->setText(QStringLiteral("Tampa riscada"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmEntradaEquipamento>().botaoConfirmarItem); }, Caso::Repete};

    casos << Caso{"gravação da ordem com contas", Operacao::GravacaoOrdem,
                  [] {
                      executa(QStringLiteral("insert into conta_receber values(null,2,'1/1','10.00',0,'2027-01-10',0)"));
                      auto& f = form<FrmOrdem>();
                      abre_edicao<FrmOrdem>(2);
                      f.caixaObservacao->setPlainText(QStringLiteral("Alterada"));
                      f.marcaConcluida->setChecked(false);
                      // reopened waiting for parts: the mark is written in the same unit
                      f.marcaAguardandoPecas->setChecked(true);
                      f.caixaPecasAguardadas->setText(QStringLiteral("Fonte encomendada"));
                      return static_cast<QWidget*>(&f);
                  },
                  [this] {
                      amb->msgs.respostas({true}); // reopened, its receivables excluded
                      clica(form<FrmOrdem>().botaoGravar);
                  },
                  Caso::Repete};
    casos.last().alteracoes = {TipoAlteracao::ParcelaExcluida, TipoAlteracao::OrdemReaberta};

    // a picked item of a budget with a new price: the item and the total
    casos << Caso{"item do orçamento com o total", Operacao::GravacaoItem,
                  [] {
                      auto& f = abre_inclusao<FrmOrcamento>();
                      cliente(f, QStringLiteral("2"));
                      item_servico(f, 1, QStringLiteral("Limpeza"), QStringLiteral("80"));
                      duplo_clique(f.gradeItens, 0, 1);
                      f.caixaPreco->setText(QStringLiteral("90"));
                      return static_cast<QWidget*>(&f);
                  },
                  [] { clica(form<FrmOrcamento>().botaoConfirmarItem); }, Caso::Repete};

    // the closings run modally: after a failure the form stays open (the
    // body leaves it to be closed), and the closing opened again stores it
    casos << Caso{"fechamento a prazo", Operacao::FechamentoPrazo, [] { return static_cast<QWidget*>(nullptr); },
                  [this] {
                      no_dialogo<FrmFechamentoVendaPrazo>([this](FrmFechamentoVendaPrazo& f) {
                          amb->msgs.respostas({true});
                          clica(f.botaoGravar);
                      });
                      form<FrmFechamentoVendaPrazo>().fecha({2, 3, {}, Dinheiro::deCentavos(10000), 2, QStringLiteral("30 \\ 60"), {}});
                  },
                  Caso::Repete};

    casos << Caso{"pagamento à vista", Operacao::PagamentoVista, [] { return static_cast<QWidget*>(nullptr); },
                  [this] {
                      no_dialogo<FrmPagamentoDaVenda>([this](FrmPagamentoDaVenda& f) {
                          amb->msgs.respostas({false}); // the receipt, offered once stored
                          clica(f.botaoGravar);
                      });
                      form<FrmPagamentoDaVenda>().fecha({2, 3, {}, Dinheiro::deCentavos(15000), 1, {}, {}});
                  },
                  Caso::Repete};
    casos.last().alteracoes = {TipoAlteracao::PagamentoGravado};

    // the example shop's order 1, concluded, handed to the customer from
    // "Oficina"; the terms offered once it is stored
    casos << Caso{"entrega da ordem", Operacao::Entrega,
                  [] {
                      auto& f = mostra_form<FrmOficina>();
                      f.gradeLista->defineLinhaAtual(qMax(0, linha_do_codigo(f.gradeLista, 30000000001LL)));
                      return static_cast<QWidget*>(&f);
                  },
                  [this] {
                      no_dialogo<FrmEntrega>([this](FrmEntrega& d) {
                          digita(d.caixaRetiradoPor, QStringLiteral("Ana Souza"));
                          clica(d.botaoGravar);
                          if (!d.isVisible())
                              amb->msgs.respostas({false});
                      });
                      clica(form<FrmOficina>().botaoEntregar);
                  },
                  Caso::Repete};

    // the open instalment of 150,25, an integral write-off of `valor`
    auto baixaIntegral = [](const char* valor) {
        return [valor] {
            auto& f = form<FrmBaixaContasReceber>();
            f.prepara(2, Dinheiro::deCentavos(15025));
            ativa(f);
            f.escolhaTipo->setCurrentIndex(int(TipoBaixa::Integral));
            f.caixaValor->setText(QString::fromLatin1(valor));
            return static_cast<QWidget*>(&f);
        };
    };
    casos << Caso{"baixa integral", Operacao::Baixa, baixaIntegral("150,25"),
                  [] { clica(form<FrmBaixaContasReceber>().botaoGravar); }, Caso::Repete};
    casos.last().alteracoes = {TipoAlteracao::PagamentoGravado};

    casos << Caso{"baixa integral com desconto", Operacao::Baixa, baixaIntegral("140"),
                  [this] {
                      amb->msgs.respostas({true}); // the discount agreed
                      clica(form<FrmBaixaContasReceber>().botaoGravar);
                  },
                  Caso::Repete};
    casos.last().alteracoes = {TipoAlteracao::PagamentoGravado};

    casos << Caso{"reabertura de parcela paga", Operacao::Reabertura,
                  [] {
                      auto& f = abre_recebidas();
                      f.gradeLista->defineLinhaAtual(qMax(0, linha_do_codigo(f.gradeLista, 1)));
                      return static_cast<QWidget*>(&f);
                  },
                  [this] {
                      amb->msgs.respostas({true});
                      clica(form<FrmContasRecebidas>().botaoAbrirConta);
                  },
                  Caso::Repete};
    casos.last().alteracoes = {TipoAlteracao::PagamentoExcluido, TipoAlteracao::ContaReaberta};

    // a customer reservation left by a crash, with a machine and its value
    casos << Caso{"limpeza das reservas na partida", Operacao::LimpezaReservas,
                  [this] {
                      tipo_com_propriedades();
                      executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
                      executa(QStringLiteral("insert into equipamento_cliente values(null,(select max(ncodigo) from cliente),1,'')"));
                      executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,(select max(ncodigo) from equipamento_cliente),'X')"));
                      path_txt_para(amb->banco.fonte(), false);
                      return static_cast<QWidget*>(nullptr);
                  },
                  [this] {
                      principal.reset();
                      inicia();
                  },
                  Caso::Repete, false, true};

    // an order being filled when the program died: still under customer 1, its item written
    casos << Caso{"limpeza dos movimentos na partida", Operacao::LimpezaMovimentos,
                  [this] {
                      executa(QStringLiteral("insert into ordem values(null,1,'2026-12-09','10:00:00',0,'',1,0,0)"));
                      executa(QStringLiteral("insert into item_ordem values(null,(select max(ncodigo) from ordem),1,'Em preenchimento',55,1)"));
                      path_txt_para(amb->banco.fonte(), false);
                      return static_cast<QWidget*>(nullptr);
                  },
                  [this] {
                      principal.reset();
                      inicia();
                  },
                  Caso::Repete, false, true};

    // the newest schema script, at the start of a program that finds the
    // database one version behind
    casos << Caso{"migração na partida", Operacao::Migracao,
                  [this] {
                      const QString copia = amb->banco.pasta() + QStringLiteral("/anterior.fdb");
                      QFile::remove(copia);
                      QFile::copy(banco_anterior(), copia);
                      QFile::setPermissions(copia, QFileDevice::Permissions(0x6666));
                      path_txt_para(fonte_de(copia), true);
                      return static_cast<QWidget*>(nullptr);
                  },
                  [this] {
                      principal.reset();
                      inicia();
                  },
                  Caso::Repete};
}

QTEST_MAIN(TstTudoOuNada)
#include "tst_tudo_ou_nada.moc"
