#include "passos.h"
#include "apoio.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmcadequipamentocliente.h"
#include "frmcontasreceber.h"
#include "frmcontasrecebidas.h"
#include "frmconsulta.h"
#include "grade.h"
#include "frmentradaequipamento.h"
#include "frmordem.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace apoio {

void volta(QWidget* w) { ativa(*w->window()); }

void escolhe_na_consulta(int linha)
{
    ao_abrir_modal([linha](QDialog& d) {
        auto& c = static_cast<FrmConsulta&>(d);
        if (linha == 0) clica(c.CmdSair);
        else duplo_clique(c.Grid1, linha, 1);
    });
}

void cliente(FrmMovimento& f, const QString& codigo)
{
    f.Text4->setFocus();
    f.Text4->selectAll();
    digita(f.Text4, codigo);
    tecla(f.Text4, Qt::Key_Return);
}

void item_entrada(FrmEntradaEquipamento& f, const QString& maquina, const QString& problema)
{
    f.Text5->setFocus();
    digita(f.Text5, maquina);
    tecla(f.Text5, Qt::Key_Return); // moves on
    digita(f.Text6, problema);
    tecla(f.Text6, Qt::Key_Return); // confirms
}

void item_servico(FrmMovimentoServico& f, int maquina, const QString& servico, const QString& preco, int tecnico)
{
    escolhe_na_consulta(maquina);
    clica(f.Command4);
    volta(&f);
    if (auto* o = qobject_cast<FrmOrdem*>(&f); o && tecnico) {
        QCOMPARE(QApplication::focusWidget(), o->Command1);
        escolhe_na_consulta(tecnico);
        tecla(o->Command1, Qt::Key_Return);
        volta(&f);
    }
    QCOMPARE(QApplication::focusWidget(), f.Text6);
    digita(f.Text6, servico);
    tecla(f.Text6, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.Text7);
    QCoreApplication::processEvents(); // the price is selected on entering
    digita(f.Text7, preco);
    tecla(f.Text7, Qt::Key_Return);
}

void edita_valor(FrmCadEquipamentoCliente& f, int linha, const QString& valor)
{
    f.gradeValores->setFocus();
    f.gradeValores->defineLinhaAtual(linha);
    f.gradeValores->defineColunaAtual(FrmCadEquipamentoCliente::COLUNA_VALOR);
    tecla(f.gradeValores, Qt::Key_Return);
    QVERIFY(f.editorValor->isVisible());
    QCOMPARE(f.editorValor->selectedText(), f.editorValor->text()); // typing replaces the value
    digita(f.editorValor, valor);
    tecla(f.editorValor, Qt::Key_Return);
    QVERIFY(!f.editorValor->isVisible());
}

void filtra(FrmListaContas& f, int indice)
{
    f.Combo1->setFocus();
    while (f.Combo1->currentIndex() < indice)
        tecla(f.Combo1, Qt::Key_Down);
    while (f.Combo1->currentIndex() > indice)
        tecla(f.Combo1, Qt::Key_Up);
}

namespace {
template <class T>
T& abre_lista(int filtro)
{
    auto& f = mostra_form<T>();
    filtra(f, filtro);
    clica(f.Command1);
    return f;
}
} // namespace

FrmContasReceber& abre_receber(int filtro) { return abre_lista<FrmContasReceber>(filtro); }
FrmContasRecebidas& abre_recebidas(int filtro) { return abre_lista<FrmContasRecebidas>(filtro); }

bool baixa(FrmContasReceber& f, int conta, std::function<void(FrmBaixaContasReceber&)> acao, bool exige)
{
    f.Grid1->setRow(linha_do_codigo(f.Grid1, conta));
    ao_abrir_modal([acao](QDialog& d) {
        ativa(d);
        acao(static_cast<FrmBaixaContasReceber&>(d));
        if (d.isVisible())
            d.reject();
    });
    clica(f.Command2);
    const bool abriu = acoes_modais_pendentes() == 0;
    limpa_acoes_modais();
    if (exige && !abriu)
        QTest::qFail("a baixa não abriu", __FILE__, __LINE__);
    return abriu;
}

void parcial(FrmBaixaContasReceber& b, const QString& valor, const std::function<void()>& antes)
{
    b.Combo1->setFocus();
    while (b.Combo1->currentIndex() < 1)
        tecla(b.Combo1, Qt::Key_Down);
    b.Text1->setFocus();
    b.Text1->selectAll();
    digita(b.Text1, valor);
    if (antes)
        antes();
    clica(b.CmdOk);
}

QList<QStringList> exporta_e_le(QWidget* botao, const QString& caminho)
{
    no_modal([caminho](QDialog& d) {
        auto* nome = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nome);
        nome->setFocus();
        nome->selectAll();
        digita(nome, caminho);
        tecla(nome, Qt::Key_Return);
        if (d.isVisible()) // the first Enter closed the name completer's list
            tecla(nome, Qt::Key_Return);
        QVERIFY(!d.isVisible());
    });
    clica(botao);
    return le_csv(le_arquivo(caminho));
}

QList<QStringList> le_csv(const QByteArray& bruto)
{
    if (!bruto.startsWith("\xEF\xBB\xBF") || !bruto.endsWith("\r\n")) {
        QTest::qFail("planilha sem BOM ou sem CRLF no fim", __FILE__, __LINE__);
        return {};
    }
    const QString texto = QString::fromUtf8(bruto.mid(3));
    QList<QStringList> linhas;
    QStringList campos;
    QString campo;
    bool aspas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (aspas) {
            if (c == QLatin1Char('"') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('"'))
                campo += texto[++i];
            else if (c == QLatin1Char('"'))
                aspas = false;
            else
                campo += c;
        } else if (c == QLatin1Char('"')) {
            aspas = true;
        } else if (c == QLatin1Char(';')) {
            campos << campo;
            campo.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('\n')) {
            campos << campo;
            linhas << campos;
            campos.clear();
            campo.clear();
            ++i;
        } else {
            campo += c;
        }
    }
    return linhas;
}

} // namespace apoio
