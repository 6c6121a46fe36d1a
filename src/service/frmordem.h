#pragma once
#include "frmmovimentoservico.h"
#include "regrasordem.h"

class QCheckBox;
class QDateEdit;

// The service order: the budget's twin with the order date, a technician
// per item, the warranty flag (every price zero) and the conclusion. Saving
// a concluded order hands it to the closing (cash or credit) and then
// offers the printed order.
class FrmOrdem : public FrmMovimentoServico {
    Q_OBJECT
public:
    FrmOrdem();

    QDateEdit* dataOrdem;
    QCheckBox* marcaConcluida;
    QCheckBox* marcaGarantia;
    // An order in service waiting for parts, with its note; stored with the
    // order by "&Gravar". A concluded order waits for nothing: the mark is
    // cleared and closed while "Concluída" is ticked.
    QCheckBox* marcaAguardandoPecas;
    QLineEdit* caixaPecasAguardadas;
    QPushButton* botaoTecnico;
    QLineEdit* caixaTecnico;       // the item's technician's name
    QLineEdit* caixaCodigoTecnico; // filled by the lookup, never shown

    void consulta_tecnico();

protected:
    TipoMovimento tipo() const override { return TipoMovimento::Ordem; }
    void prepara() override;
    void carrega() override;
    QWidget* depois_da_maquina() const override;
    std::optional<QString> recusa_preco(Dinheiro preco) const override;
    QVariantList linha_do_item(const ItemServico& item) const override;
    ItemServico item_da_tela(qint32 codigo, Dinheiro preco) const override;
    bool pode_alterar_itens(bool& reabre) override;
    void limpa_item() override;
    void mostra_item(int linha) override;
    bool pode_gravar() override;
    void grava() override;
    QString texto_gravado(qint64 codigo) const override;
    void depois_de_gravar() override;
    void depois_de_fechar() override;

private:
    CaixaCodigo* m_tecnico;
    // The order as stored now into s; false, with the user told, when it
    // cannot be read.
    bool le_situacao(SituacaoOrdem& s);
    // The order on screen.
    Ordem ordem() const;
    // Shows a step's refusal or asks its question; whether to go on.
    static bool segue(const Passo& passo);
    // A paid order shows its customer and condition read-only.
    void trava_cabecalho(bool travado);
    void garantia_clicada(bool marcada);
    void concluida_mudou(bool marcada);
    // Hands the concluded order to the closing forms while this form still
    // shows it: payment condition 1 (caixaCondicao) is paid in cash, any other
    // condition is closed on credit through its instalment plan. They read
    // the order from this form's fields and, storing, write its header,
    // replace its receivables and mark it concluded in one transaction.
    // Whether the closing was stored.
    bool abre_fechamento();

    GravacaoOrdem m_gravacao;  // decided when "&Gravar" is pressed
    bool m_concluida = false;  // the save left the order concluded
    qint32 m_codigoGravado = 0;
};
