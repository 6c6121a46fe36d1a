#include "passos.h"
#include "apoio.h"
#include "formularios.h"
#include "baixa.h"
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
        if (linha == 0) clica(c.botaoSair);
        else duplo_clique(c.gradeLista, linha - 1, 1);
    });
}

void cliente(FrmMovimento& f, const QString& codigo)
{
    f.caixaCliente->setFocus();
    f.caixaCliente->selectAll();
    digita(f.caixaCliente, codigo);
    tecla(f.caixaCliente, Qt::Key_Return);
}

void item_entrada(FrmEntradaEquipamento& f, const QString& maquina, const QString& problema)
{
    f.caixaEquipamento->setFocus();
    digita(f.caixaEquipamento, maquina);
    tecla(f.caixaEquipamento, Qt::Key_Return); // moves on
    digita(f.caixaProblema, problema);
    tecla(f.caixaProblema, Qt::Key_Return); // confirms
}

void item_servico(FrmMovimentoServico& f, int maquina, const QString& servico, const QString& preco, int tecnico)
{
    escolhe_na_consulta(maquina);
    clica(f.botaoMaquina);
    volta(&f);
    if (auto* o = qobject_cast<FrmOrdem*>(&f); o && tecnico) {
        QCOMPARE(QApplication::focusWidget(), o->botaoTecnico);
        escolhe_na_consulta(tecnico);
        tecla(o->botaoTecnico, Qt::Key_Return);
        volta(&f);
    }
    QCOMPARE(QApplication::focusWidget(), f.caixaServico);
    digita(f.caixaServico, servico);
    tecla(f.caixaServico, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.caixaPreco);
    QCoreApplication::processEvents(); // the price is selected on entering
    digita(f.caixaPreco, preco);
    tecla(f.caixaPreco, Qt::Key_Return);
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

void filtra(FrmListaContas& f, FiltroContas filtro)
{
    const int indice = int(filtro);
    f.escolhaFiltro->setFocus();
    while (f.escolhaFiltro->currentIndex() < indice)
        tecla(f.escolhaFiltro, Qt::Key_Down);
    while (f.escolhaFiltro->currentIndex() > indice)
        tecla(f.escolhaFiltro, Qt::Key_Up);
}

namespace {
template <class T>
T& abre_lista(FiltroContas filtro)
{
    auto& f = mostra_form<T>();
    filtra(f, filtro);
    clica(f.botaoMostrar);
    return f;
}
} // namespace

FrmContasReceber& abre_receber(FiltroContas filtro) { return abre_lista<FrmContasReceber>(filtro); }
FrmContasRecebidas& abre_recebidas(FiltroContas filtro) { return abre_lista<FrmContasRecebidas>(filtro); }

bool baixa(FrmContasReceber& f, int conta, std::function<void(FrmBaixaContasReceber&)> acao, bool exige)
{
    f.gradeLista->defineLinhaAtual(linha_do_codigo(f.gradeLista, conta));
    ao_abrir_modal([acao](QDialog& d) {
        ativa(d);
        acao(static_cast<FrmBaixaContasReceber&>(d));
        if (d.isVisible())
            d.reject();
    });
    clica(f.botaoBaixar);
    const bool abriu = acoes_modais_pendentes() == 0;
    limpa_acoes_modais();
    if (exige && !abriu)
        QTest::qFail("a baixa não abriu", __FILE__, __LINE__);
    return abriu;
}

void parcial(FrmBaixaContasReceber& b, const QString& valor, const std::function<void()>& antes)
{
    b.escolhaTipo->setFocus();
    while (b.escolhaTipo->currentIndex() < int(TipoBaixa::Parcial))
        tecla(b.escolhaTipo, Qt::Key_Down);
    b.caixaValor->setFocus();
    b.caixaValor->selectAll();
    digita(b.caixaValor, valor);
    if (antes)
        antes();
    clica(b.botaoGravar);
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
