#pragma once
#include "frmmovimento.h"

class QPlainTextEdit;

// Checking machines in at the counter: the customer, who brought the
// machines, an observation, and one item per machine with the problem the
// customer reports. Saving offers the entry receipt.
class FrmEntradaEquipamento : public FrmMovimento {
    Q_OBJECT
public:
    FrmEntradaEquipamento();

    QLineEdit* caixaObservacao;
    QLineEdit* caixaSolicitante;
    QLineEdit* caixaData; // date and time of the entry
    QPlainTextEdit* caixaEquipamento;
    QPlainTextEdit* caixaProblema;

protected:
    TipoMovimento tipo() const override { return TipoMovimento::Entrada; }
    void depois_de_reservar() override;
    void carrega() override;
    QList<QVariantList> le_linhas() override;
    void limpa_item() override;
    QWidget* campo_item() const override;
    bool grava_item(qint32 codigo) override;
    bool exclui_item(qint32 codigo) override;
    void mostra_item(int linha) override;
    bool pode_gravar() override;
    void grava() override;
    QString texto_gravado(qint64 codigo) const override;
    void depois_de_fechar() override;

private:
    qint32 m_codigoGravado = 0;
    QString m_dataGravada;
};
