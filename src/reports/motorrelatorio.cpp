#include "motorrelatorio.h"
#include "controlerelatorio.h"
#include "errorelatorio.h"
#include "formularios.h"
#include "frmrelatorio.h"
#include "mensagens.h"
#include "sessao.h"
#include "relatorio.h"

#include <QCoreApplication>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

namespace {

int g_etapaInicialMs = ETAPA_INICIAL_MS;

} // namespace

void instala_motor_relatorio()
{
    ControleRelatorio::defineExecutor([](ControleRelatorio& c) { executa_relatorio(c); });
}

FrmRelatorio* executa_relatorio(ControleRelatorio& c)
{
    std::shared_ptr<Relatorio> r;
    const bool montado = passo_relatorio([&] {
        QElapsedTimer t;
        t.start();
        r = Relatorio::abre(c, conexao.banco());
        r->avancaEnquanto([&] { return r->paginas() == 0 || t.elapsed() < g_etapaInicialMs; });
    });
    if (!montado)
        return nullptr;
    // Beside the control's window; but a report asked for from a modal form
    // (the service order prints while its form stays open) belongs to that
    // form, or the modal form would block the preview until it closed.
    QWidget* dono = QApplication::activeModalWidget();
    if (!dono)
        dono = qobject_cast<QWidget*>(c.parent());
    auto* janela = new FrmRelatorio(std::move(r), c.WindowTitle, dono);
    if (c.previaModal) {
        QPointer<FrmRelatorio> previa(janela);
        espera_janela(*janela);
        return previa; // closed by now, gone once the event loop turns
    }
    janela->show();
    janela->raise();
    janela->activateWindow();
    return janela;
}

bool gera_pdf(const ControleRelatorio& c, const QString& caminho)
{
    std::shared_ptr<const Relatorio> r;
    if (!passo_relatorio([&] { r = Relatorio::monta(c, conexao.banco()); }))
        return false;
    try {
        r->salvaPdf(caminho);
        return true;
    } catch (const ErroRelatorio& e) {
        mensagens().aviso(e.texto(), Mensagens::Icone::Erro);
    }
    return false;
}

void define_etapa_inicial_relatorio(int ms) { g_etapaInicialMs = ms; }

QString arquivo_relatorio(const QString& nome)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/relatorio/") + nome;
}

ControleRelatorio& novo_relatorio(const QString& arquivo)
{
    limpa_relatorio();
    ControleRelatorio& c = cr();
    c.ReportFileName = arquivo_relatorio(arquivo);
    return c;
}

ControleRelatorio& novo_documento(const QString& arquivo)
{
    ControleRelatorio& c = novo_relatorio(arquivo);
    c.previaModal = true;
    return c;
}

QString formula(const QString& nome, const QString& valor) { return nome + QStringLiteral("='") + valor + QLatin1Char('\''); }
