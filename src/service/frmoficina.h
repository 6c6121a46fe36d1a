#pragma once
#include "janelalista.h"
#include "oficina.h"

class FiltroTeclas;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// "Oficina": every job of the shop at its stage (the stage read from its
// documents), the days it has stood there, its customer and phone,
// machine, technician and value; filtered by stage, technician and
// customer; how many jobs each stage holds; a job past its stage's limit
// marked in red ("atrasado", "abandonado") for the eye and for a screen
// reader. A double click or Enter opens the document the job stands on; a
// ready order is delivered from here and a delivery undone.
class FrmOficina : public JanelaLista {
    Q_OBJECT
public:
    FrmOficina();

    QComboBox* caixaEtapa;
    QComboBox* caixaTecnico;
    QLineEdit* caixaCliente;
    QCheckBox* marcaEntregues;
    QPushButton* botaoMostrar;
    QLabel* rotuloContagem;
    QPushButton* botaoAbrir;
    QPushButton* botaoEntregar;
    QPushButton* botaoDesfazerEntrega;
    QPushButton* botaoPrazos;
    QPushButton* botaoExportar;
    QPushButton* botaoSair;

    // Fills the list and the counts from the filters; the current job stays
    // current when it is still listed.
    void mostra();
    // The job of the current row as stored now (nullopt on a filler row or
    // when it is gone).
    std::optional<TrabalhoOficina> trabalho_atual();
    // Opens the document the current job stands on, then shows the list again.
    void abre_documento();
    // The current ready order delivered (the delivery dialog), or its
    // delivery undone (asked, with the reason).
    void entrega();
    void desfaz_entrega();
    // The shop's limits ("Prazos da oficina"); the marks follow new ones.
    void edita_prazos();
    // Opens the window listing one stage's jobs.
    void abre_na_etapa(Etapa etapa);

protected:
    void ao_abrir() override;
    QVariantList celulas_da_linha(const Recordset& rs) const override;
    QString aviso_da_linha(const Recordset& rs) const override;
    void duplo_clique() override { abre_documento(); }
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    FiltroOficina filtro() const;
    // The current job when it stands at that stage; otherwise the refusal
    // shown and nullopt.
    std::optional<TrabalhoOficina> trabalho_na_etapa(Etapa etapa, const QString& recusa);
    void le_tecnicos();

    FiltroTeclas* m_teclas;
    AjustesOficina m_ajustes;
    std::optional<Etapa> m_etapaAoAbrir; // the stage abre_na_etapa asked for, once
    QDate m_hoje;
};
