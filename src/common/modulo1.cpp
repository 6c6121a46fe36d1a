#include "modulo1.h"
#include "mensagens.h"
#include "relogio.h"
#include "valoresnegativos.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTextEdit>
#include <QTranslator>
#include <stdexcept>

Conexao conexao;
Recordset rsDados(conexao);
Recordset rsAux(conexao);
QString cSQL;
QString cNomeEmpresa;
QString cRodape;
qint32 nCodigoConsulta = 0;

void filtra_apostrofo(int& keyAscii)
{
    if (keyAscii == 39)
        keyAscii = 0;
}

void registro_nao_localizado(QLineEdit* caixa)
{
    informa(QStringLiteral("Registro não localizado!"));
    if (!caixa) return;
    caixa->setFocus(Qt::OtherFocusReason);
    caixa->home(false);
    caixa->end(true);
}

void formata_campo(QLineEdit* caixa, int tipo)
{
    const QString t = caixa->text();
    switch (tipo) {
    case CampoData:
        if (!t.isEmpty()) {
            const QDate d = le_data(t);
            caixa->setText(d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString());
        }
        break;
    case CampoDinheiro:
        // text that is not an amount, or an amount below zero (pasted: the
        // keys never type a minus), stays as typed for the user to correct;
        // it never turns into zero or a debt unnoticed
        if (const auto valor = Dinheiro::leTexto(t)) {
            if (confere_nao_negativo(caixa))
                caixa->setText(valor->moeda());
        } else if (!t.trimmed().isEmpty()) {
            informa(mensagem_valor_invalido(t));
        } else {
            caixa->setText(Dinheiro().moeda());
        }
        break;
    case CampoInteiro:
        if (!Dinheiro::leTexto(t))
            caixa->clear();
        break;
    default:
        break;
    }
}

void filtra_tecla(QLineEdit* caixa, int tipo, int& keyAscii)
{
    if (keyAscii == 8)
        return;
    const bool digito = keyAscii >= 48 && keyAscii <= 57;
    switch (tipo) {
    case CampoData:
        if (!digito) { keyAscii = 0; return; }
        if (caixa->text().size() == 2) { caixa->setText(caixa->text() + QLatin1Char('/')); caixa->end(false); }
        if (caixa->text().size() == 5) { caixa->setText(caixa->text() + QLatin1Char('/')); caixa->end(false); }
        break;
    case CampoDinheiro:
        // the point too: the numeric keypad's decimal key types it, and
        // dropping it would turn 12.50 into 1250
        if (!digito && keyAscii != 44 && keyAscii != 46) keyAscii = 0;
        break;
    case CampoInteiro:
        if (!digito) keyAscii = 0;
        break;
    case CampoDecimal:
        if (!digito && keyAscii != 44 && keyAscii != 45) keyAscii = 0;
        break;
    default:
        break;
    }
}

void limpa_campos(QWidget* form)
{
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        // the editors inside spin boxes, combo boxes and date pickers are not text boxes
        if (qobject_cast<QLineEdit*>(e) && e->parentWidget() && e->parentWidget()->inherits("QAbstractSpinBox"))
            continue;
        if (e->parentWidget() && e->parentWidget()->inherits("QComboBox"))
            continue;
        e->clear();
    }
    for (QPlainTextEdit* e : form->findChildren<QPlainTextEdit*>()) e->clear();
    for (QTextEdit* e : form->findChildren<QTextEdit*>()) e->clear();
}

bool confirma_exclusao(const QString& oque, const QString& nome)
{
    return mensagens().pergunta(QStringLiteral("Confirma a exclusão ") + oque + QLatin1Char(' ') + nome + QLatin1Char('?'));
}

namespace {
QString codigo_do_erro(const QString& descricao)
{
    const int igual = descricao.indexOf(QLatin1Char('='));
    if (igual < 0) return QString();
    const int proximo = descricao.indexOf(QLatin1Char('='), igual + 1);
    QString trecho = proximo < 0 ? descricao.mid(igual + 1) : descricao.mid(igual + 1, proximo - igual - 1);
    const int dois = trecho.indexOf(QLatin1Char(':'));
    if (dois >= 0) trecho = trecho.left(dois);
    return trecho.trimmed();
}
} // namespace

void trata_erro_banco(const QString& descricao)
{
    const QString codigo = codigo_do_erro(descricao);
    if (codigo == QLatin1String("-836")) {
        const QString marca = QStringLiteral("{ini}");
        const int ini = descricao.indexOf(marca);
        if (ini >= 0) {
            const int fim = descricao.indexOf(marca, ini + marca.size());
            const QString texto = fim < 0 ? descricao.mid(ini + marca.size())
                                          : descricao.mid(ini + marca.size(), fim - ini - marca.size());
            mensagens().aviso(texto, Mensagens::Icone::Informacao, QString());
            return;
        }
    } else if (codigo == QLatin1String("-530")) {
        informa(QStringLiteral("Este registro já está sendo usado por outros registros e portanto não pode ser excluído!"));
        return;
    } else if (codigo == QLatin1String("-803")) {
        informa(QStringLiteral("Este registro já existe. Por favor verifique!"));
        return;
    } else if (codigo == QLatin1String("-297") && erro_valor_negativo(descricao)) {
        informa(VALOR_NEGATIVO_RECUSADO);
        return;
    } else if (codigo == QLatin1String("-902")) {
        // the server went away: the shop needs what to do, not the driver's text
        informa(CONEXAO_PERDIDA);
        return;
    }
    mensagens().aviso(descricao, Mensagens::Icone::Nenhum, QString());
}

void trata_erro_banco(const ErroBanco& erro)
{
    if (dynamic_cast<const Recusa*>(&erro))
        informa(erro.texto());
    else if (erro.conflito())
        informa(CONFLITO_ESTACOES);
    else
        trata_erro_banco(erro.descricao());
}

namespace {
// Runs a unit of work; its failure is shown and the record sets closed.
template <class Passos>
bool relata_unidade(Operacao op, const Passos& passos)
{
    try {
        conexao.unidade(op, passos);
        return true;
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        rsAux.fecha();
        trata_erro_banco(e);
        return false;
    }
}
} // namespace

bool em_transacao(Operacao op, const std::function<void()>& passos) { return relata_unidade(op, passos); }
bool em_transacao(Operacao op, const QStringList& comandos) { return relata_unidade(op, comandos); }

void marca_obrigatorio(QWidget* caixa, bool obrigatorio)
{
    caixa->setProperty("Tag", obrigatorio ? QStringLiteral("*") : QString());
}

bool verifica_obrigatorios(QWidget* form)
{
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        if (e->property("Tag").toString() == QLatin1String("*") && e->text().isEmpty()) {
            informa(QStringLiteral("Verifique se os campos obrigatórios foram preenchidos corretamente!"));
            return false;
        }
    }
    return true;
}

void centraliza_form(QWidget* form)
{
    const QScreen* tela = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const QSize tamanho = form->frameGeometry().size().isValid() ? form->frameGeometry().size() : form->sizeHint();
    form->move(area.left() + (area.width() - tamanho.width()) / 2, area.top() + (area.height() - tamanho.height()) / 2);
}

QDate le_data(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    static const QRegularExpression ymd(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    auto m = ymd.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    m = dmy.match(t);
    if (!m.hasMatch())
        return QDate();
    int ano = m.captured(3).toInt();
    if (m.captured(3).size() == 2) {
        // a sliding window around this year: up to 20 years ahead (due
        // dates, guarantees), otherwise the past
        const int atual = Relogio::hoje().year();
        ano += atual - atual % 100;
        if (ano > atual + 20)
            ano -= 100;
        else if (ano <= atual - 80)
            ano += 100;
    }
    return QDate(ano, m.captured(2).toInt(), m.captured(1).toInt());
}

QString data_sql(const QString& data)
{
    if (data.isEmpty()) return QString();
    const QDate d = le_data(data);
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString mensagem_valor_invalido(const QString& texto)
{
    return QStringLiteral("O valor \"%1\" não é válido. Informe-o como 1.234,50.").arg(texto.trimmed());
}

bool confere_nao_negativo(QLineEdit* caixa)
{
    const auto valor = Dinheiro::leTexto(caixa->text());
    if (!valor || *valor >= Dinheiro())
        return true;
    informa(mensagem_valor_negativo(caixa->text()));
    return false;
}

std::optional<Dinheiro> le_valor_campo(QLineEdit* caixa)
{
    formata_campo(caixa, CampoDinheiro);
    const auto valor = Dinheiro::leTexto(caixa->text());
    if (!valor || *valor < Dinheiro())
        return std::nullopt;
    return valor;
}

QString valor_sql(const QString& valor)
{
    const auto d = Dinheiro::leTexto(valor);
    if (!d)
        throw std::invalid_argument("valor_sql: texto não é um valor em dinheiro");
    return d->sql();
}

QString texto_sql(const QString& texto)
{
    QString t = texto;
    return t.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString nome_proprio(const QString& texto)
{
    QString r = texto.toLower();
    bool inicio = true;
    for (QChar& c : r) {
        if (c.isLetter() || c.isDigit()) {
            if (inicio) c = c.toUpper();
            inicio = false;
        } else {
            inicio = c.isSpace();
        }
    }
    return r;
}

void configura_locale()
{
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brasil);
    auto* app = QCoreApplication::instance();
    const QString nome = QStringLiteral("qtbase_pt_BR");
    if (!app || app->findChild<QTranslator*>(nome, Qt::FindDirectChildrenOnly))
        return;
    auto* traducao = new QTranslator(app); // lives as long as the application
    traducao->setObjectName(nome);
    if (traducao->load(brasil, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducao);
}
