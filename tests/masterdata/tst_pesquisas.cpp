// The master-data search screens: filters, row buttons, edit and delete
// from the list, and their use as lookups.
#include "apoio.h"
#include "busca.h"
#include "formularios.h"
#include "frmcadcliente.h"
#include "frmcadcidades.h"
#include "frmcadcondicaopagto.h"
#include "frmcadequipamentocliente.h"
#include "frmcadequipamentos.h"
#include "frmcadestabelecimento.h"
#include "frmcadtecnico.h"
#include "frmconsulta.h"
#include "frmconsequipamentocliente.h"
#include "frmconsultacidades.h"
#include "frmconsultaclientes.h"
#include "frmconsultacondicaopagto.h"
#include "frmconsultaequipamentocliente.h"
#include "frmconsultaequipamentos.h"
#include "frmconsultatecnico.h"
#include "grade.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace apoio;

namespace {

// Customers 2..4 in two cities; customer 2 has a machine.
void clientes()
{
    executa(QStringLiteral("insert into cidade values(null,'Curitiba','PR');"));
    executa(QStringLiteral("update cliente set cfantasia = 'Reservado' where ncodigo = 1"));
    const char* dados[][3] = {{"Ana Souza", "Rua Xv", "2"}, {"Bruno Lima", "Av Brasil", "1"}, {"Carla Souza", "Rua Xv", "1"}};
    for (auto& d : dados) {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = '%1', cendereco = '%2', ncidade = %3 where ncodigo = (select max(ncodigo) from cliente)")
                    .arg(QString::fromUtf8(d[0]), QString::fromUtf8(d[1]), QString::fromUtf8(d[2])));
    }
    executa(QStringLiteral("Insert into equipamento values (null,'Monitor');"));
    executa(QStringLiteral("insert into propriedade values(null,1,'Tamanho');"));
    executa(QStringLiteral("insert into equipamento_cliente values(null,2,1,'LG');"));
    executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,1,'20')"));
}

} // namespace

class TstPesquisas : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
private slots:
    void init() { amb = std::make_unique<Ambiente>(); }
    void cleanup() { amb.reset(); }

    void clientesFiltrosECodigo()
    {
        clientes();
        auto& f = form<FrmConsultaClientes>();
        f.abertaPeloCadastro = true;
        mostra_form<FrmConsultaClientes>();
        QCOMPARE(f.windowTitle(), QStringLiteral("Localização de clientes"));
        QVERIFY(!f.botaoAceitar->isVisible());
        QCOMPARE(f.gradeLista->linhas(), 16);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        QCOMPARE(coluna(f.gradeLista, 3), (QStringList{QStringLiteral("Curitiba"), QStringLiteral("Cidade Não Informada"), QStringLiteral("Cidade Não Informada")}));
        // lower-case filters find proper-cased names
        digita(f.caixaNome, QStringLiteral("souza"));
        digita(f.caixaEndereco, QStringLiteral("rua xv"));
        digita(f.caixaCidade, QStringLiteral("cidade"));
        tecla(f.caixaCidade, Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), f.botaoProcurar);
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Carla Souza")});
        // a code clears the text filters and finds one row, never customer 1
        f.caixaCodigo->setFocus();
        digita(f.caixaCodigo, QStringLiteral("1"));
        QVERIFY(f.caixaNome->text().isEmpty() && f.caixaEndereco->text().isEmpty() && f.caixaCidade->text().isEmpty());
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoExcluir->isEnabled());
        f.caixaCodigo->clear();
        digita(f.caixaCodigo, QStringLiteral("3"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Bruno Lima")});
        QVERIFY(f.botaoDetalhes->isEnabled());
        // filler rows disable the row buttons
        f.gradeLista->defineLinhaAtual(4);
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoExcluir->isEnabled());
        clica(f.botaoSair);
        QCOMPARE(f.escolhido(), std::nullopt);
    }

    void clientesDetalhesEExclusao()
    {
        clientes();
        auto& f = form<FrmConsultaClientes>();
        f.abertaPeloCadastro = true;
        mostra_form<FrmConsultaClientes>();
        // double click in registration use opens the customer for editing
        int aberto = 0;
        ao_abrir_modal([&](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QVERIFY(!c.inclusao());
            QCOMPARE(c.caixaNome->text(), QStringLiteral("Bruno Lima"));
            c.caixaNome->setText(QStringLiteral("Bruno Lima Filho"));
            c.grava_click();
            ++aberto;
        });
        duplo_clique(f.gradeLista, 1, 1);
        QCOMPARE(aberto, 1);
        QCOMPARE(f.gradeLista->texto(1, 1), QStringLiteral("Bruno Lima Filho")); // searched again
        // the new name is found by its letters, the old one no longer
        digita(f.caixaNome, QStringLiteral("LIMA FILHO"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.caixaNome->setText(QStringLiteral("lima fil"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.caixaNome->setText(QStringLiteral("bruno lima"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.caixaNome->setText(QStringLiteral("brunolima"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.gradeLista, 1).isEmpty());
        f.caixaNome->clear();
        clica(f.botaoProcurar);
        // a customer with a machine cannot be deleted; the list stays
        f.gradeLista->defineLinhaAtual(0);
        amb->msgs.respostas({true});
        clica(f.botaoExcluir);
        QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Confirma a exclusão do cliente Ana Souza?"));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QCOMPARE(coluna(f.gradeLista, 0).size(), 3);
        // answering No deletes nothing; Yes on a free customer deletes it
        f.gradeLista->defineLinhaAtual(2);
        amb->msgs.respostas({false, true});
        clica(f.botaoExcluir);
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente")).toInt(), 4);
        clica(f.botaoExcluir);
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente where ncodigo = 4")).toInt(), 0);
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
        // a name that repeats a triple, with two spaces in a row, and back
        executa(QStringLiteral("update cliente set cfantasia = 'Ana Ana  Souza' where ncodigo = 2"));
        f.caixaNome->setText(QStringLiteral("ana  sou"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 0), QStringList{QStringLiteral("2")});
        executa(QStringLiteral("update cliente set cfantasia = 'Ana Souza' where ncodigo = 2"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        executa(QStringLiteral("update cliente set cfantasia = 'Ana Ana  Souza' where ncodigo = 2"));
        // the index of letter triples holds exactly the names' triples after
        // every insert, edit and delete
        QCOMPARE(linhas(QStringLiteral("select ctrigrama || '|' || ncliente from cliente_trigrama order by 1")),
                 linhas(QStringLiteral("select distinct t.trigrama || '|' || c.ncodigo from cliente c cross join trigramas(c.cfantasia_busca) t order by 1")));
        QCOMPARE(conta(QStringLiteral("select count(*) from cliente_trigrama where ncliente = 4")), 0);
    }

    void clientesComoConsulta()
    {
        clientes();
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            QVERIFY(c.botaoAceitar->isVisible());
            duplo_clique(c.gradeLista, 2, 1);
        });
        QCOMPARE(escolhe_cliente(), 4);
        ao_abrir_modal([](QDialog& d) { d.close(); });
        QCOMPARE(escolhe_cliente(), 0);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            c.gradeLista->defineLinhaAtual(1);
            clica(c.botaoAceitar);
        });
        QCOMPARE(escolhe_cliente(), 3);
    }

    void cidadesTecnicosECondicoes()
    {
        clientes();
        executa(QStringLiteral("insert into tecnico values(null,'Beto Lima','','',2,'','','','','','','','',0)"));
        auto& c = mostra_form<FrmConsultaCidades>();
        QCOMPARE(c.gradeLista->linhas(), 11);
        QCOMPARE(coluna(c.gradeLista, 1), (QStringList{QStringLiteral("Cidade Não Informada"), QStringLiteral("Curitiba")}));
        digita(c.caixaFiltro, QStringLiteral("curi"));
        clica(c.botaoProcurar);
        QCOMPARE(coluna(c.gradeLista, 2), QStringList{QStringLiteral("PR")});
        amb->msgs.respostas({true});
        clica(c.botaoExcluir);
        QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Confirma a exclusão da cidade Curitiba?"));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QCOMPARE(coluna(c.gradeLista, 1), QStringList{QStringLiteral("Curitiba")});
        ao_abrir_modal([](QDialog& d) {
            auto& f = static_cast<FrmCadCidades&>(d);
            QCOMPARE(f.caixaCodigo->text(), QStringLiteral("2"));
            f.sai_click();
        });
        clica(c.botaoDetalhes);
        QCOMPARE(acoes_modais_pendentes(), 0);
        clica(c.botaoSair);

        auto& t = mostra_form<FrmConsultaTecnico>();
        QCOMPARE(t.windowTitle(), QStringLiteral("Técnicos"));
        QCOMPARE(coluna(t.gradeLista, 1), QStringList{QStringLiteral("Beto Lima")});
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        clica(t.botaoExcluir);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Confirma a exclusão do tecnico Beto Lima?")});
        QCOMPARE(valor(QStringLiteral("select count(*) from tecnico")).toInt(), 0);
        clica(t.botaoSair);

        auto& p = mostra_form<FrmConsultaCondicaoPagto>();
        QCOMPARE(coluna(p.gradeLista, 1), QStringList{QStringLiteral("A vista")});
        executa(QStringLiteral("insert into ordem values(null,2,'2026-12-07','10:00:00',0,'',1,0,0);"));
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        clica(p.botaoExcluir);
        QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Confirma a exclusão da condição A vista?"));
        QCOMPARE(valor(QStringLiteral("select count(*) from condicao_pagto")).toInt(), 1);
    }

    void equipamentosDoCliente()
    {
        clientes();
        // the customer form's "&Equipamentos" opens the customer's machines
        auto& cad = form<FrmCadCliente>();
        cad.define_edicao(2);
        cad.show();
        ao_abrir_modal([this](QDialog& d) {
            auto& l = static_cast<FrmConsultaEquipamentoCliente&>(d);
            QCOMPARE(l.windowTitle(), QStringLiteral("Equipamentos do cliente"));
            QCOMPARE(l.codigoCliente(), 2);
            QCOMPARE(coluna(l.gradeLista, 2), QStringList{QStringLiteral("LG")});
            // "&Inclur" registers a new machine for this customer
            ao_abrir_modal([](QDialog& m) {
                auto& f = static_cast<FrmCadEquipamentoCliente&>(m);
                f.caixaIdentificacao->setText(QStringLiteral("Samsung"));
                f.grava_click();
            });
            clica(l.botaoIncluir);
            QCOMPARE(coluna(l.gradeLista, 2), (QStringList{QStringLiteral("LG"), QStringLiteral("Samsung")}));
            // "&Detalhes" opens the machine with its type
            ao_abrir_modal([](QDialog& m) {
                auto& f = static_cast<FrmCadEquipamentoCliente&>(m);
                QCOMPARE(f.caixaIdentificacao->text(), QStringLiteral("LG"));
                QCOMPARE(f.caixaTipo->currentText(), QStringLiteral("Monitor"));
                QCOMPARE(f.gradeValores->texto(0, 1), QStringLiteral("20"));
                f.sai_click();
            });
            l.gradeLista->defineLinhaAtual(0);
            clica(l.botaoDetalhes);
            // a machine goes with its values; one used in a budget is refused
            executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-07','10:20:00',0,'',0,1);"));
            executa(QStringLiteral("insert into item_orcamento values(null,1,2,'Troca',10);"));
            amb->msgs.respostas({true, true});
            l.gradeLista->defineLinhaAtual(0);
            clica(l.botaoExcluir);
            QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Deseja excluir esse equipamento?"));
            QCOMPARE(coluna(l.gradeLista, 2), QStringList{QStringLiteral("Samsung")});
            clica(l.botaoExcluir);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
            QCOMPARE(coluna(l.gradeLista, 2), QStringList{QStringLiteral("Samsung")});
            clica(l.botaoSair);
        });
        clica(cad.botaoEquipamentos);
        QCOMPARE(acoes_modais_pendentes(), 0);
        QCOMPARE(valor(QStringLiteral("select count(*) from Propriedade_equipamento_cliente")).toInt(), 1); // Samsung's
    }

    void tiposDeEquipamento()
    {
        clientes();
        executa(QStringLiteral("Insert into equipamento values (null,'Impressora');"));
        auto& f = mostra_form<FrmConsultaEquipamentos>();
        QCOMPARE(coluna(f.gradeLista, 1), (QStringList{QStringLiteral("Impressora"), QStringLiteral("Monitor")}));
        amb->msgs.respostas({true, true});
        f.gradeLista->defineLinhaAtual(1);
        clica(f.botaoExcluir);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        f.gradeLista->defineLinhaAtual(0);
        clica(f.botaoExcluir);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Monitor")});
    }

    void todoCampoTemNomeParaLeitorDeTela()
    {
        // every box, list and choice is found by the text the user reads
        QList<QWidget*> forms{&form<FrmCadCliente>(), &form<FrmCadCidades>(), &form<FrmCadEquipamentoCliente>(),
                              &form<FrmCadTecnico>(), &form<FrmCadEquipamentos>(), &form<FrmCadCondicaoPagto>(),
                              &form<FrmCadEstabelecimento>(), &form<FrmConsulta>(),
                              &form<FrmConsultaClientes>(), &form<FrmConsultaCidades>(), &form<FrmConsultaCondicaoPagto>(),
                              &form<FrmConsultaEquipamentos>(), &form<FrmConsultaEquipamentoCliente>(),
                              &form<FrmConsultaTecnico>(), &form<FrmConsEquipamentoCliente>()};
        for (QWidget* f : forms) {
            for (QWidget* w : f->findChildren<QWidget*>()) {
                const bool campo = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<Grade*>(w);
                if (!campo || w->parentWidget()->inherits("QComboBox") || w->objectName().isEmpty())
                    continue;
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(f->objectName() + QLatin1Char('.') + w->objectName()));
            }
            for (QPushButton* b : f->findChildren<QPushButton*>())
                QVERIFY2(!b->text().isEmpty() || !b->accessibleName().isEmpty(), qPrintable(f->objectName() + QLatin1Char('.') + b->objectName()));
        }
    }

    // Counter staff type fast, in any case and without accents; "%" and "_"
    // are plain characters to them.
    void buscasIgnoramCaixaEAcentos()
    {
        executa(QStringLiteral("insert into cidade values(null,'São José dos Pinhais','PR');"));
        executa(QStringLiteral("insert into condicao_pagto values(null,'Entrada \\ 30',2);"));
        executa(QStringLiteral("insert into tecnico values(null,'Zé Luís','','',2,'','','','','Rua Ômega','','','',0)"));
        const char* dados[][2] = {{"João Conceição", "Rua São José, 10"}, {"Loja 100% Útil", "Av. Brasil"},
                                  {"Loja 1000", "Av. Brasil"}, {"Ana_Lima", "Rua A"}, {"Ana Lima", "Rua A"}, {"D'Ávila Peças", "Rua B"}};
        for (auto& d : dados) {
            executa(QStringLiteral("insert into cliente (ncidade) values(2);"));
            executa(QStringLiteral("update cliente set cfantasia = ?, cendereco = ? where ncodigo = (select max(ncodigo) from cliente)"),
                    {QString::fromUtf8(d[0]), QString::fromUtf8(d[1])});
        }
        // the lookup dialog, each kind
        auto& c = form<FrmConsulta>();
        auto consulta = [&](const char* tipo, const QString& texto) {
            c.defineTipo(QString::fromUtf8(tipo));
            mostra_form<FrmConsulta>();
            c.caixaBusca->clear();
            digita(c.caixaBusca, texto);
            clica(c.botaoProcurar);
            const QStringList r = coluna(c.gradeLista, 1);
            clica(c.botaoSair);
            return r;
        };
        QCOMPARE(consulta("Cidades", QStringLiteral("sao jose")), QStringList{QStringLiteral("São José dos Pinhais")});
        QCOMPARE(consulta("Condições", QStringLiteral("vista")), QStringList{QStringLiteral("A vista")});
        QCOMPARE(consulta("Condições", QStringLiteral("ENTRADA")), QStringList{QStringLiteral("Entrada \\ 30")});
        QCOMPARE(consulta("Tecnicos", QStringLiteral("ze luis")), QStringList{QStringLiteral("Zé Luís")});
        QCOMPARE(consulta("Clientes", QStringLiteral("JOAO CONCEICAO")), QStringList{QStringLiteral("João Conceição")});
        QCOMPARE(consulta("Clientes", QStringLiteral("100%")), QStringList{QStringLiteral("Loja 100% Útil")});
        QCOMPARE(consulta("Clientes", QStringLiteral("a_l")), QStringList{QStringLiteral("Ana_Lima")});
        QCOMPARE(consulta("Clientes", QStringLiteral("útil")), QStringList{QStringLiteral("Loja 100% Útil")});
        // a pasted apostrophe is text, not SQL
        c.defineTipo(QStringLiteral("Clientes"));
        mostra_form<FrmConsulta>();
        c.caixaBusca->setText(QStringLiteral("d'avila"));
        clica(c.botaoProcurar);
        QCOMPARE(coluna(c.gradeLista, 1), QStringList{QStringLiteral("D'Ávila Peças")});
        clica(c.botaoSair);

        // the customer search: name, address and city filters together
        auto& f = form<FrmConsultaClientes>();
        f.abertaPeloCadastro = true;
        mostra_form<FrmConsultaClientes>();
        digita(f.caixaNome, QStringLiteral("joao"));
        digita(f.caixaEndereco, QStringLiteral("SAO JOSE"));
        digita(f.caixaCidade, QStringLiteral("são josé"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("João Conceição")});
        f.caixaNome->clear();
        f.caixaEndereco->clear();
        digita(f.caixaNome, QStringLiteral("_"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.gradeLista, 1), QStringList{QStringLiteral("Ana_Lima")});
        clica(f.botaoSair);
        // a customer saved through its form is found the same way
        auto& cad = abre_inclusao<FrmCadCliente>();
        digita(cad.caixaNome, QStringLiteral("márcia ônix"));
        cad.abas->setCurrentIndex(1);
        cad.caixaCidade->setFocus();
        digita(cad.caixaCidade, QStringLiteral("2"));
        cad.caixaEndereco->setFocus(); // leaving the code looks the city up
        clica(cad.botaoGravar);
        clica(cad.botaoSair);
        QCOMPARE(consulta("Clientes", QStringLiteral("MARCIA ONIX")), QStringList{QStringLiteral("Márcia Ônix")});

        auto& t = mostra_form<FrmConsultaTecnico>();
        digita(t.caixaNome, QStringLiteral("LUIS"));
        digita(t.caixaEndereco, QStringLiteral("omega"));
        clica(t.botaoProcurar);
        QCOMPARE(coluna(t.gradeLista, 1), QStringList{QStringLiteral("Zé Luís")});
        clica(t.botaoSair);
        auto& cid = mostra_form<FrmConsultaCidades>();
        digita(cid.caixaFiltro, QStringLiteral("JOSE"));
        clica(cid.botaoProcurar);
        QCOMPARE(coluna(cid.gradeLista, 1), QStringList{QStringLiteral("São José dos Pinhais")});
        clica(cid.botaoSair);
        auto& p = mostra_form<FrmConsultaCondicaoPagto>();
        digita(p.caixaFiltro, QStringLiteral("vista"));
        clica(p.botaoProcurar);
        QCOMPARE(coluna(p.gradeLista, 1), QStringList{QStringLiteral("A vista")});
    }

    // The key the database keeps for a customer and the key of what the user
    // types must be the same text, letter by letter.
    void chaveDeBuscaIgualNoBancoENoPrograma()
    {
        QString todas;
        for (char16_t u = 0x20; u <= 0xFF; ++u)
            if (QChar(u).isPrint())
                todas += QChar(u);
        for (const QString& t : {todas, QStringLiteral("Conceição São João D'Ávila ÀÉÎÕÜ Ñandú")}) {
            QCOMPARE(valor(QStringLiteral("select chave_busca(cast(? as varchar(100))) from rdb$database"), {t.left(100)}).toString(),
                     chave_busca(t.left(100)));
            QCOMPARE(valor(QStringLiteral("select chave_busca(cast(? as varchar(100))) from rdb$database"), {t.mid(100)}).toString(),
                     chave_busca(t.mid(100)));
        }
        QCOMPARE(chave_busca(QStringLiteral("Conceição")), QStringLiteral("conceicao"));
    }

    // A new customer or type still being registered (or left behind by a
    // crash) is in no list and no lookup.
    void reservasNaoAparecem()
    {
        clientes();
        executa(QStringLiteral("insert into cliente (ncidade) values(1);")); // 5: reserved, no name yet
        executa(QStringLiteral("Insert into equipamento values (null,'');"));  // 2: reserved type
        auto& f = form<FrmConsultaClientes>();
        f.abertaPeloCadastro = true;
        mostra_form<FrmConsultaClientes>();
        QCOMPARE(coluna(f.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        f.caixaCodigo->setFocus();
        digita(f.caixaCodigo, QStringLiteral("5"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        clica(f.botaoSair);
        auto& c = form<FrmConsulta>();
        c.defineTipo(QStringLiteral("Clientes"));
        mostra_form<FrmConsulta>();
        QCOMPARE(coluna(c.gradeLista, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        clica(c.botaoSair);
        auto& e = mostra_form<FrmConsultaEquipamentos>();
        QCOMPARE(coluna(e.gradeLista, 1), QStringList{QStringLiteral("Monitor")});
        clica(e.botaoSair);
        auto& m = mostra_form<FrmConsEquipamentoCliente>();
        m.caixaCliente->setFocus();
        digita(m.caixaCliente, QStringLiteral("5"));
        m.botaoMostrar->setFocus();
        QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
        QVERIFY(m.caixaNomeCliente->text().isEmpty());
    }

    void escolheMaquinaDoCliente()
    {
        clientes();
        auto& f = mostra_form<FrmConsEquipamentoCliente>();
        QCOMPARE(f.gradeLista->linhas(), 11);
        f.caixaCliente->setFocus();
        digita(f.caixaCliente, QStringLiteral("9"));
        f.botaoMostrar->setFocus();
        QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
        QCOMPARE(QApplication::focusWidget(), f.caixaCliente);
        QCOMPARE(f.caixaCliente->selectedText(), QStringLiteral("9"));
        clica(f.botaoMostrar);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o cliente!"));
        f.caixaCliente->setText(QString());
        digita(f.caixaCliente, QStringLiteral("2"));
        f.valida_cliente();
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 2), QStringList{QStringLiteral("LG")});
        QCOMPARE(QApplication::focusWidget(), f.gradeLista);
        digita(f.caixaCliente, QStringLiteral("0")); // typing empties the list
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        f.caixaCliente->setText(QStringLiteral("2"));
        f.valida_cliente();
        clica(f.botaoMostrar);
        QCOMPARE(coluna(f.gradeLista, 2), QStringList{QStringLiteral("LG")});
        // another customer chosen in the search empties it too
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            c.gradeLista->defineLinhaAtual(1);
            clica(c.botaoAceitar);
        });
        clica(f.botaoConsultaClientes);
        QCOMPARE(f.caixaCliente->text(), QStringLiteral("3"));
        QCOMPARE(f.caixaNomeCliente->text(), QStringLiteral("Bruno Lima"));
        QVERIFY(coluna(f.gradeLista, 0).isEmpty());
        f.caixaCliente->setText(QStringLiteral("2"));
        clica(f.botaoMostrar);
        duplo_clique(f.gradeLista, 0, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.escolhido(), 1);
    }

    void consultaPorTipo()
    {
        executa(QStringLiteral("update cliente set cfantasia = 'Reservado' where ncodigo = 1"));
        for (const char* nome : {"Ana Souza", "Bruno Souza", "Carla Lima"}) {
            executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
            executa(QStringLiteral("update cliente set cfantasia = '%1' where ncodigo = (select max(ncodigo) from cliente)").arg(QString::fromUtf8(nome)));
        }
        auto& c = form<FrmConsulta>();
        c.defineTipo(QStringLiteral("Clientes"));
        c.show();
        c.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        QCOMPARE(c.windowTitle(), QStringLiteral("Consulta de clientes"));
        QCOMPARE(c.rotuloTitulo->text(), QStringLiteral("Consulta de clientes"));
        QCOMPARE(c.gradeLista->linhas(), 17);
        QCOMPARE(c.gradeLista->titulo(FrmConsulta::ColunaCodigo), QStringLiteral("Código"));
        QCOMPARE(c.gradeLista->valor(0, FrmConsulta::ColunaCodigo), QVariant(2)); // customer 1 never listed
        QCOMPARE(c.gradeLista->texto(2, FrmConsulta::ColunaNome), QStringLiteral("Carla Lima"));
        QVERIFY(!c.gradeLista->codigo(3).isValid());
        // Tab walks search box, "Procurar", list, "&Aceitar", "&Sair"
        c.caixaBusca->setFocus();
        for (QWidget* proximo : std::initializer_list<QWidget*>{c.botaoProcurar, c.gradeLista, c.botaoAceitar, c.botaoSair}) {
            tecla(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), proximo);
        }
        c.caixaBusca->setFocus();
        digita(c.caixaBusca, QStringLiteral("souza"));
        clica(c.botaoProcurar);
        QCOMPARE(c.gradeLista->texto(0, FrmConsulta::ColunaNome), QStringLiteral("Ana Souza"));
        QCOMPARE(c.gradeLista->texto(1, FrmConsulta::ColunaNome), QStringLiteral("Bruno Souza"));
        QVERIFY(!c.gradeLista->codigo(2).isValid());
        // a filler row does nothing
        c.gradeLista->defineLinhaAtual(4);
        duplo_clique(c.gradeLista, 4, 1);
        QVERIFY(c.isVisible());
        QCOMPARE(c.escolhido(), std::nullopt);
        // Enter on a focused "&Aceitar" accepts the current row
        c.gradeLista->defineLinhaAtual(0);
        c.botaoAceitar->setFocus();
        tecla(c.botaoAceitar, Qt::Key_Return);
        QVERIFY(!c.isVisible());
        QCOMPARE(c.escolhido(), 2);
        ativa(c);
        // Enter in the list accepts
        c.gradeLista->defineLinhaAtual(1);
        c.gradeLista->setFocus();
        tecla(c.gradeLista, Qt::Key_Return);
        QVERIFY(!c.isVisible());
        QCOMPARE(c.escolhido(), 3);
        // cancelling afterwards chooses nothing
        c.show();
        clica(c.botaoSair);
        QCOMPARE(c.escolhido(), std::nullopt);
    }

    void consultaDeCidadesECondicoesETecnicos()
    {
        executa(QStringLiteral("insert into cidade values(null,'Curitiba','PR');"));
        executa(QStringLiteral("insert into tecnico values(null,'Beto','','',1,'','','','','','','','',0)"));
        auto& c = form<FrmConsulta>();
        const QList<std::tuple<QString, QString, QString>> casos = {
            {QStringLiteral("Cidades"), QStringLiteral("Consulta de cidades cadastradas"), QStringLiteral("Cidade Não Informada")},
            {QStringLiteral("Condições"), QStringLiteral("Consulta de condições de pagto"), QStringLiteral("A vista")},
            {QStringLiteral("Tecnicos"), QStringLiteral("Consulta de técnicos"), QStringLiteral("Beto")},
        };
        for (const auto& [tipo, titulo, primeiro] : casos) {
            c.defineTipo(tipo);
            c.show();
            QCOMPARE(c.windowTitle(), titulo);
            QCOMPARE(c.gradeLista->texto(0, FrmConsulta::ColunaCodigo), QStringLiteral("1")); // city 1 and condition 1 are listed
            QCOMPARE(c.gradeLista->texto(0, FrmConsulta::ColunaNome), primeiro);
            clica(c.botaoSair);
        }
        // the caller's own query, its values bound: three rows, fourteen filler rows
        ConsultaLista propria{QStringLiteral("select ncodigo, cnome from cidade where ncodigo <= ? union all select 7, 'x' from rdb$database order by 1")};
        propria.valores = {2};
        c.defineConsulta(propria);
        c.show();
        QCOMPARE(c.windowTitle(), QStringLiteral("Controle de ordens de serviço"));
        QCOMPARE(c.gradeLista->linhas(), 17);
        QCOMPARE(c.gradeLista->codigo(2), QVariant(7));
        QVERIFY(!c.gradeLista->codigo(3).isValid());
        c.gradeLista->defineLinhaAtual(2);
        clica(c.botaoAceitar);
        QCOMPARE(c.escolhido(), 7);
    }
};

QTEST_MAIN(TstPesquisas)
#include "tst_pesquisas.moc"
