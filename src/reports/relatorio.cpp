#include "relatorio.h"
#include "camposformula.h"
#include "controlerelatorio.h"
#include "errorelatorio.h"
#include "paginacao.h"
#include "pintorrelatorio.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <limits>

std::shared_ptr<Relatorio> Relatorio::abre(const QString& arquivo, const std::array<QString, 10>& formulas, const QString& selecao,
                                           QSqlDatabase banco)
{
    std::shared_ptr<Relatorio> r(new Relatorio);
    r->m_def = Definicao::carrega(arquivo);
    // only the fields the definition declares; any other name is ignored
    const QHash<QString, QString> dados = le_campos_formula(formulas);
    for (const QString& nome : r->m_def.formulas)
        r->m_formulas.insert(nome, dados.value(nome));
    r->m_dados.abre(banco, r->m_def, selecao);
    r->m_pintor = std::make_unique<PintorRelatorio>(r->m_def);
    r->m_paginacao = std::make_unique<Paginacao>(r->m_def, r->m_dados, r->m_formulas, *r->m_pintor);
    return r;
}

std::shared_ptr<Relatorio> Relatorio::abre(const ControleRelatorio& c, QSqlDatabase banco)
{
    return abre(c.ReportFileName, c.Formulas, c.SelectionFormula, banco);
}

std::shared_ptr<const Relatorio> Relatorio::monta(const QString& arquivo, const std::array<QString, 10>& formulas,
                                                  const QString& selecao, QSqlDatabase banco)
{
    auto r = abre(arquivo, formulas, selecao, banco);
    r->completa();
    return r;
}

std::shared_ptr<const Relatorio> Relatorio::monta(const ControleRelatorio& c, QSqlDatabase banco)
{
    return monta(c.ReportFileName, c.Formulas, c.SelectionFormula, banco);
}

bool Relatorio::avanca(int linhas)
{
    m_dados.le(linhas);
    m_paginacao->avanca(m_dados.completos());
    return completo();
}

void Relatorio::avancaEnquanto(const std::function<bool()>& continua)
{
    while (!completo() && continua())
        avanca(LINHAS_POR_ETAPA);
}

void Relatorio::completa()
{
    avanca(std::numeric_limits<int>::max());
}

bool Relatorio::completo() const { return m_paginacao->completa(); }

Relatorio::~Relatorio() = default;

int Relatorio::paginas() const { return m_paginacao->paginas(); }

QSizeF Relatorio::tamanhoPagina() const { return m_pintor->pagina(); }

QPageLayout Relatorio::layoutPagina() const
{
    return QPageLayout(QPageSize(m_def.papel), m_def.orientacao, QMarginsF(0, 0, 0, 0));
}

void Relatorio::pintaPagina(QPainter& p, int n) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    m_paginacao->pinta(p, n);
    p.restore();
}

void Relatorio::salvaPdf(const QString& caminho) const
{
    QPdfWriter pdf(caminho);
    pdf.setResolution(int(PintorRelatorio::UNIDADES_POR_POLEGADA));
    pdf.setPageLayout(layoutPagina());
    pdf.setTitle(m_def.titulo);
    pdf.setCreator(QStringLiteral("Controle OS"));
    QPainter p;
    if (!p.begin(&pdf))
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo PDF %1").arg(caminho));
    for (int i = 0; i < paginas(); ++i) {
        if (i > 0)
            pdf.newPage();
        pintaPagina(p, i);
    }
    if (!p.end())
        throw ErroRelatorio(QStringLiteral("Não foi possível concluir o arquivo PDF %1").arg(caminho));
}

void Relatorio::imprime(QPrinter& impressora) const
{
    impressora.setFullPage(true);
    int de = 1, ate = paginas();
    if (impressora.printRange() == QPrinter::PageRange && impressora.fromPage() > 0) {
        de = qMax(1, impressora.fromPage());
        ate = qMin(paginas(), impressora.toPage() > 0 ? impressora.toPage() : paginas());
    }
    QPainter p;
    if (!p.begin(&impressora))
        throw ErroRelatorio(QStringLiteral("Não foi possível iniciar a impressão em %1").arg(impressora.printerName()));
    // a printer may refuse a page or the job at its end: say so, never
    // let the user take a refused job for a printed one
    const auto recusa = [&impressora] {
        return ErroRelatorio(QStringLiteral("A impressora %1 recusou a impressão.").arg(impressora.printerName()).simplified());
    };
    const double escala = impressora.resolution() / PintorRelatorio::UNIDADES_POR_POLEGADA;
    for (int i = de; i <= ate; ++i) {
        if (i > de && !impressora.newPage()) {
            impressora.abort();
            p.end();
            throw recusa();
        }
        p.save();
        p.scale(escala, escala);
        pintaPagina(p, i - 1);
        p.restore();
    }
    const bool terminou = p.end();
    if (!terminou || impressora.printerState() == QPrinter::Error || impressora.printerState() == QPrinter::Aborted)
        throw recusa();
}
