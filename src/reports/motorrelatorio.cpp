#include "motorrelatorio.h"
#include "controlerelatorio.h"
#include "errorelatorio.h"
#include "frmrelatorio.h"
#include "mensagens.h"
#include "modulo1.h"
#include "relatorio.h"

#include <QCoreApplication>
#include <QApplication>

namespace {

// Builds the report, or shows why it could not be built.
std::shared_ptr<const Relatorio> monta(const ControleRelatorio& c)
{
    QString falha;
    try {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        auto r = Relatorio::monta(c, conexao.banco());
        QGuiApplication::restoreOverrideCursor();
        return r;
    } catch (const ErroRelatorio& e) {
        falha = e.texto();
    } catch (const ErroBanco& e) {
        falha = QStringLiteral("Erro no banco de dados ao gerar o relatório:\n%1").arg(e.descricao());
    } catch (const std::exception& e) {
        falha = QStringLiteral("Erro ao gerar o relatório: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    QGuiApplication::restoreOverrideCursor();
    mensagens().aviso(falha, Mensagens::Icone::Erro);
    return nullptr;
}

} // namespace

void instala_motor_relatorio()
{
    ControleRelatorio::defineExecutor([](ControleRelatorio& c) { executa_relatorio(c); });
}

FrmRelatorio* executa_relatorio(ControleRelatorio& c)
{
    auto r = monta(c);
    if (!r)
        return nullptr;
    // Beside the control's window; but a report asked for from a modal form
    // (the service order prints while its form stays open) belongs to that
    // form, or the modal form would block the preview until it closed.
    QWidget* dono = QApplication::activeModalWidget();
    if (!dono)
        dono = qobject_cast<QWidget*>(c.parent());
    auto* janela = new FrmRelatorio(std::move(r), c.WindowTitle, dono);
    janela->show();
    janela->raise();
    janela->activateWindow();
    return janela;
}

bool gera_pdf(const ControleRelatorio& c, const QString& caminho)
{
    auto r = monta(c);
    if (!r)
        return false;
    try {
        r->salvaPdf(caminho);
        return true;
    } catch (const ErroRelatorio& e) {
        mensagens().aviso(e.texto(), Mensagens::Icone::Erro);
    }
    return false;
}

QString arquivo_relatorio(const QString& nome)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/relatorio/") + nome;
}
