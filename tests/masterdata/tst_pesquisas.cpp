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
#include "legado.h"
#include "literaissql.h"

#include <QComboBox>
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
        f.bChamadaDoCadastro = true;
        mostra_form<FrmConsultaClientes>();
        QCOMPARE(f.windowTitle(), QStringLiteral("Localização de clientes"));
        QVERIFY(!f.botaoAceitar->isVisible());
        QCOMPARE(f.Grid1->linhas(), 16);
        QCOMPARE(coluna(f.Grid1, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        QCOMPARE(coluna(f.Grid1, 3), (QStringList{QStringLiteral("Curitiba"), QStringLiteral("Cidade Não Informada"), QStringLiteral("Cidade Não Informada")}));
        // lower-case filters find proper-cased names
        digita(f.Text3, QStringLiteral("souza"));
        digita(f.Text1, QStringLiteral("rua xv"));
        digita(f.Text2, QStringLiteral("cidade"));
        tecla(f.Text2, Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), f.botaoProcurar);
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Carla Souza")});
        // a code clears the text filters and finds one row, never customer 1
        f.Text4->setFocus();
        digita(f.Text4, QStringLiteral("1"));
        QVERIFY(f.Text3->text().isEmpty() && f.Text1->text().isEmpty() && f.Text2->text().isEmpty());
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.Grid1, 0).isEmpty());
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoExcluir->isEnabled());
        f.Text4->clear();
        digita(f.Text4, QStringLiteral("3"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Bruno Lima")});
        QVERIFY(f.botaoDetalhes->isEnabled());
        // filler rows disable the row buttons
        f.Grid1->defineLinhaAtual(4);
        QVERIFY(!f.botaoDetalhes->isEnabled() && !f.botaoExcluir->isEnabled());
        clica(f.botaoSair);
        QCOMPARE(nCodigoConsulta, 0);
    }

    void clientesDetalhesEExclusao()
    {
        clientes();
        auto& f = form<FrmConsultaClientes>();
        f.bChamadaDoCadastro = true;
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
        duplo_clique(f.Grid1, 2, 1);
        QCOMPARE(aberto, 1);
        QCOMPARE(f.Grid1->texto(1, 1), QStringLiteral("Bruno Lima Filho")); // searched again
        // the new name is found by its letters, the old one no longer
        digita(f.Text3, QStringLiteral("LIMA FILHO"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.Text3->setText(QStringLiteral("lima fil"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.Text3->setText(QStringLiteral("bruno lima"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Bruno Lima Filho")});
        f.Text3->setText(QStringLiteral("brunolima"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.Grid1, 1).isEmpty());
        f.Text3->clear();
        clica(f.botaoProcurar);
        // a customer with a machine cannot be deleted; the list stays
        f.Grid1->defineLinhaAtual(0);
        amb->msgs.respostas({true});
        clica(f.botaoExcluir);
        QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Confirma a exclusão do cliente Ana Souza?"));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QCOMPARE(coluna(f.Grid1, 0).size(), 3);
        // answering No deletes nothing; Yes on a free customer deletes it
        f.Grid1->defineLinhaAtual(2);
        amb->msgs.respostas({false, true});
        clica(f.botaoExcluir);
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente")).toInt(), 4);
        clica(f.botaoExcluir);
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente where ncodigo = 4")).toInt(), 0);
        QCOMPARE(coluna(f.Grid1, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
        // a name that repeats a triple, with two spaces in a row, and back
        executa(QStringLiteral("update cliente set cfantasia = 'Ana Ana  Souza' where ncodigo = 2"));
        f.Text3->setText(QStringLiteral("ana  sou"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 0), QStringList{QStringLiteral("2")});
        executa(QStringLiteral("update cliente set cfantasia = 'Ana Souza' where ncodigo = 2"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.Grid1, 0).isEmpty());
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
            duplo_clique(c.Grid1, 3, 1);
        });
        QCOMPARE(escolhe_cliente(), 4);
        ao_abrir_modal([](QDialog& d) { d.close(); });
        QCOMPARE(escolhe_cliente(), 0);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            c.Grid1->defineLinhaAtual(1);
            clica(c.botaoAceitar);
        });
        QCOMPARE(escolhe_cliente(), 3);
    }

    void cidadesTecnicosECondicoes()
    {
        clientes();
        executa(QStringLiteral("insert into tecnico values(null,'Beto Lima','','',2,'','','','','','','','',0)"));
        auto& c = mostra_form<FrmConsultaCidades>();
        QCOMPARE(c.Grid1->linhas(), 11);
        QCOMPARE(coluna(c.Grid1, 1), (QStringList{QStringLiteral("Cidade Não Informada"), QStringLiteral("Curitiba")}));
        digita(c.Text1, QStringLiteral("curi"));
        clica(c.botaoProcurar);
        QCOMPARE(coluna(c.Grid1, 2), QStringList{QStringLiteral("PR")});
        amb->msgs.respostas({true});
        clica(c.botaoExcluir);
        QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Confirma a exclusão da cidade Curitiba?"));
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        QCOMPARE(coluna(c.Grid1, 1), QStringList{QStringLiteral("Curitiba")});
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
        QCOMPARE(coluna(t.Grid1, 1), QStringList{QStringLiteral("Beto Lima")});
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        clica(t.botaoExcluir);
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Confirma a exclusão do tecnico Beto Lima?")});
        QCOMPARE(valor(QStringLiteral("select count(*) from tecnico")).toInt(), 0);
        clica(t.botaoSair);

        auto& p = mostra_form<FrmConsultaCondicaoPagto>();
        QCOMPARE(coluna(p.Grid1, 1), QStringList{QStringLiteral("A vista")});
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
            QCOMPARE(l.ncodigoCliente, 2);
            QCOMPARE(coluna(l.Grid1, 2), QStringList{QStringLiteral("LG")});
            // "&Inclur" registers a new machine for this customer
            ao_abrir_modal([](QDialog& m) {
                auto& f = static_cast<FrmCadEquipamentoCliente&>(m);
                f.caixaIdentificacao->setText(QStringLiteral("Samsung"));
                f.grava_click();
            });
            clica(l.Command3);
            QCOMPARE(coluna(l.Grid1, 2), (QStringList{QStringLiteral("LG"), QStringLiteral("Samsung")}));
            // "&Detalhes" opens the machine with its type
            ao_abrir_modal([](QDialog& m) {
                auto& f = static_cast<FrmCadEquipamentoCliente&>(m);
                QCOMPARE(f.caixaIdentificacao->text(), QStringLiteral("LG"));
                QCOMPARE(f.caixaTipo->currentText(), QStringLiteral("Monitor"));
                QCOMPARE(f.gradeValores->texto(0, 1), QStringLiteral("20"));
                f.sai_click();
            });
            l.Grid1->defineLinhaAtual(0);
            clica(l.botaoDetalhes);
            // a machine goes with its values; one used in a budget is refused
            executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-07','10:20:00',0,'',0,1);"));
            executa(QStringLiteral("insert into item_orcamento values(null,1,2,'Troca',10);"));
            amb->msgs.respostas({true, true});
            l.Grid1->defineLinhaAtual(0);
            clica(l.botaoExcluir);
            QCOMPARE(amb->msgs.textos().at(0), QStringLiteral("Deseja excluir esse equipamento?"));
            QCOMPARE(coluna(l.Grid1, 2), QStringList{QStringLiteral("Samsung")});
            clica(l.botaoExcluir);
            QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
            QCOMPARE(coluna(l.Grid1, 2), QStringList{QStringLiteral("Samsung")});
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
        QCOMPARE(coluna(f.Grid1, 1), (QStringList{QStringLiteral("Impressora"), QStringLiteral("Monitor")}));
        amb->msgs.respostas({true, true});
        f.Grid1->defineLinhaAtual(1);
        clica(f.botaoExcluir);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        f.Grid1->defineLinhaAtual(0);
        clica(f.botaoExcluir);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Monitor")});
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
            executa(QStringLiteral("update cliente set cfantasia = '%1', cendereco = '%2' where ncodigo = (select max(ncodigo) from cliente)")
                        .arg(texto_sql(QString::fromUtf8(d[0])), QString::fromUtf8(d[1])));
        }
        // the lookup dialog, each kind
        auto& c = form<FrmConsulta>();
        auto consulta = [&](const char* tipo, const QString& texto) {
            c.cTipoConsula = QString::fromUtf8(tipo);
            mostra_form<FrmConsulta>();
            c.Text1->clear();
            digita(c.Text1, texto);
            clica(c.Command1);
            const QStringList r = coluna(c.Grid1, 1);
            clica(c.CmdSair);
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
        c.cTipoConsula = QStringLiteral("Clientes");
        mostra_form<FrmConsulta>();
        c.Text1->setText(QStringLiteral("d'avila"));
        clica(c.Command1);
        QCOMPARE(coluna(c.Grid1, 1), QStringList{QStringLiteral("D'Ávila Peças")});
        clica(c.CmdSair);

        // the customer search: name, address and city filters together
        auto& f = form<FrmConsultaClientes>();
        f.bChamadaDoCadastro = true;
        mostra_form<FrmConsultaClientes>();
        digita(f.Text3, QStringLiteral("joao"));
        digita(f.Text1, QStringLiteral("SAO JOSE"));
        digita(f.Text2, QStringLiteral("são josé"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("João Conceição")});
        f.Text3->clear();
        f.Text1->clear();
        digita(f.Text3, QStringLiteral("_"));
        clica(f.botaoProcurar);
        QCOMPARE(coluna(f.Grid1, 1), QStringList{QStringLiteral("Ana_Lima")});
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
        digita(t.Text3, QStringLiteral("LUIS"));
        digita(t.Text1, QStringLiteral("omega"));
        clica(t.botaoProcurar);
        QCOMPARE(coluna(t.Grid1, 1), QStringList{QStringLiteral("Zé Luís")});
        clica(t.botaoSair);
        auto& cid = mostra_form<FrmConsultaCidades>();
        digita(cid.Text1, QStringLiteral("JOSE"));
        clica(cid.botaoProcurar);
        QCOMPARE(coluna(cid.Grid1, 1), QStringList{QStringLiteral("São José dos Pinhais")});
        clica(cid.botaoSair);
        auto& p = mostra_form<FrmConsultaCondicaoPagto>();
        digita(p.Text1, QStringLiteral("vista"));
        clica(p.botaoProcurar);
        QCOMPARE(coluna(p.Grid1, 1), QStringList{QStringLiteral("A vista")});
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
            QCOMPARE(valor(QStringLiteral("select chave_busca('%1') from rdb$database").arg(texto_sql(t.left(100)))).toString(),
                     chave_busca(t.left(100)));
            QCOMPARE(valor(QStringLiteral("select chave_busca('%1') from rdb$database").arg(texto_sql(t.mid(100)))).toString(),
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
        f.bChamadaDoCadastro = true;
        mostra_form<FrmConsultaClientes>();
        QCOMPARE(coluna(f.Grid1, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        f.Text4->setFocus();
        digita(f.Text4, QStringLiteral("5"));
        clica(f.botaoProcurar);
        QVERIFY(coluna(f.Grid1, 0).isEmpty());
        clica(f.botaoSair);
        auto& c = form<FrmConsulta>();
        c.cTipoConsula = QStringLiteral("Clientes");
        mostra_form<FrmConsulta>();
        QCOMPARE(coluna(c.Grid1, 0), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
        clica(c.CmdSair);
        auto& e = mostra_form<FrmConsultaEquipamentos>();
        QCOMPARE(coluna(e.Grid1, 1), QStringList{QStringLiteral("Monitor")});
        clica(e.botaoSair);
        auto& m = mostra_form<FrmConsEquipamentoCliente>();
        m.Text4->setFocus();
        digita(m.Text4, QStringLiteral("5"));
        m.Command3->setFocus();
        QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
        QVERIFY(m.Text8->text().isEmpty());
    }

    void escolheMaquinaDoCliente()
    {
        clientes();
        auto& f = mostra_form<FrmConsEquipamentoCliente>();
        QCOMPARE(f.Grid1->linhas(), 11);
        f.Text4->setFocus();
        digita(f.Text4, QStringLiteral("9"));
        f.Command3->setFocus();
        QTRY_COMPARE(amb->msgs.textos(), QStringList{QStringLiteral("Registro não localizado!")});
        QCOMPARE(QApplication::focusWidget(), f.Text4);
        QCOMPARE(f.Text4->selectedText(), QStringLiteral("9"));
        clica(f.Command3);
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Informe o cliente!"));
        f.Text4->setText(QString());
        digita(f.Text4, QStringLiteral("2"));
        f.valida_cliente();
        QCOMPARE(f.Text8->text(), QStringLiteral("Ana Souza"));
        clica(f.Command3);
        QCOMPARE(coluna(f.Grid1, 2), QStringList{QStringLiteral("LG")});
        QCOMPARE(QApplication::focusWidget(), f.Grid1);
        digita(f.Text4, QStringLiteral("0")); // typing empties the list
        QVERIFY(coluna(f.Grid1, 0).isEmpty());
        f.Text4->setText(QStringLiteral("2"));
        f.valida_cliente();
        clica(f.Command3);
        QCOMPARE(coluna(f.Grid1, 2), QStringList{QStringLiteral("LG")});
        // another customer chosen in the search empties it too
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmConsultaClientes&>(d);
            c.Grid1->defineLinhaAtual(1);
            clica(c.botaoAceitar);
        });
        clica(f.Command1);
        QCOMPARE(f.Text4->text(), QStringLiteral("3"));
        QCOMPARE(f.Text8->text(), QStringLiteral("Bruno Lima"));
        QVERIFY(coluna(f.Grid1, 0).isEmpty());
        f.Text4->setText(QStringLiteral("2"));
        clica(f.Command3);
        duplo_clique(f.Grid1, 1, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(nCodigoConsulta, 1);
    }
};

QTEST_MAIN(TstPesquisas)
#include "tst_pesquisas.moc"
