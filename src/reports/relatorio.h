#pragma once
#include "dadosrelatorio.h"
#include "definicaorelatorio.h"

#include <QHash>
#include <QPageLayout>
#include <QSizeF>
#include <QSqlDatabase>
#include <array>
#include <functional>
#include <memory>

class ControleRelatorio;
class Paginacao;
class PintorRelatorio;
class QPainter;
class QPrinter;

// One run of a report, laid out and ready to paint: its definition, the
// formula fields, the rows the selection chose and the page index. Built
// once, whole or in steps (the preview shows the first page while the rest
// is read and laid out); the preview, the printer and the PDF all paint
// from it.
class Relatorio {
public:
    // The rows a step reads and lays out (a few milliseconds' work).
    static constexpr int LINHAS_POR_ETAPA = 500;

    // Reads the definition file, the formula fields and the selection
    // formula, queries the database and lays the pages out.
    // Throws ErroRelatorio (file, definition, formula) or ErroBanco.
    static std::shared_ptr<const Relatorio> monta(const QString& arquivo, const std::array<QString, 10>& formulas,
                                                  const QString& selecao, QSqlDatabase banco);
    // The same from the settings of the report control.
    static std::shared_ptr<const Relatorio> monta(const ControleRelatorio& c, QSqlDatabase banco);
    // The same in steps: the definition read and the query started, no row
    // read yet; avanca() reads and lays out the rest. The query (and its
    // transaction) stays open until the last row is read or the report is
    // destroyed. Throws as monta().
    static std::shared_ptr<Relatorio> abre(const ControleRelatorio& c, QSqlDatabase banco);

    // Reads up to n more rows and lays them out; true once the report is
    // complete. Throws ErroBanco (the report is then unusable).
    bool avanca(int linhas);
    // Steps of avanca() while the report is incomplete and continua() says
    // go on (asked before each step).
    void avancaEnquanto(const std::function<bool()>& continua);
    // Reads and lays out everything that is left.
    void completa();
    bool completo() const;

    ~Relatorio();
    Relatorio(const Relatorio&) = delete;
    Relatorio& operator=(const Relatorio&) = delete;

    QString titulo() const { return m_def.titulo; }
    // The pages laid out so far (all of them once completo()).
    int paginas() const;
    const DadosRelatorio& dados() const { return m_dados; }
    const Paginacao& paginacao() const { return *m_paginacao; }
    const QHash<QString, QString>& formulas() const { return m_formulas; }

    // The page in layout units (1/1200 inch), and as a page layout (paper,
    // orientation, no margins: the report draws its own).
    QSizeF tamanhoPagina() const;
    QPageLayout layoutPagina() const;

    // Paints page n (0-based) with the painter in layout units.
    void pintaPagina(QPainter& p, int n) const;
    // Writes every page to a PDF file; the report is complete first. Throws ErroRelatorio.
    void salvaPdf(const QString& caminho) const;
    // Prints the pages the printer's range asks for (all when none), of a
    // complete report.
    // Throws ErroRelatorio when the printer cannot start, or refuses a page or the job.
    void imprime(QPrinter& impressora) const;

private:
    Relatorio() = default;
    static std::shared_ptr<Relatorio> abre(const QString& arquivo, const std::array<QString, 10>& formulas, const QString& selecao,
                                           QSqlDatabase banco);

    Definicao m_def;
    DadosRelatorio m_dados;
    QHash<QString, QString> m_formulas;
    std::unique_ptr<PintorRelatorio> m_pintor;
    std::unique_ptr<Paginacao> m_paginacao;
};
