#pragma once
#include "frmmovimento.h"

class QCheckBox;
class QDateEdit;
class QPlainTextEdit;

// Checking machines in at the counter: the customer, who brought the
// machines, an observation, the day promised (optional), and one item per
// machine with the problem the customer reports and what it came with (its
// serial number, accessories and condition). Saving offers the entry receipt.
class FrmEntradaEquipamento : public FrmMovimento {
    Q_OBJECT
public:
    FrmEntradaEquipamento();

    QLineEdit* caixaObservacao;
    QLineEdit* caixaSolicitante;
    QLineEdit* caixaData; // date and time of the entry
    QPlainTextEdit* caixaEquipamento;
    QPlainTextEdit* caixaProblema;
    QCheckBox* marcaPrometido;     // a day was promised to the customer
    QDateEdit* dataPrometida;      // ... that day
    QLineEdit* caixaNumeroSerie;
    QLineEdit* caixaAcessorios;
    QLineEdit* caixaEstado;

protected:
    TipoMovimento tipo() const override { return TipoMovimento::Entrada; }
    void prepara() override;
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
