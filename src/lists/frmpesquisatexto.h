#pragma once
#include "frmpesquisa.h"

// A search with one text filter (cities, payment conditions).
class FrmPesquisaTexto : public FrmPesquisa {
    Q_OBJECT
public:
    QLineEdit* caixaFiltro;

protected:
    // consulta: the query with %1 where the filter's condition goes (the
    // typed text found in colunaFiltro, whatever its case and accents);
    // exclusao: what "&Excluir" runs, the row's code bound to its "?".
    FrmPesquisaTexto(const QString& nome, const QString& titulo, const QString& rotulo, QString consulta, QString colunaFiltro,
                     QList<ColunaGrade> colunas, QString exclusao, const QString& oque);
    ConsultaLista consulta_lista() override;
    QStringList exclusoes() const override;

private:
    QString m_consulta;
    QString m_colunaFiltro;
    QString m_exclusao;
};
