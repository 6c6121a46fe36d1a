#pragma once
#include "frmpesquisa.h"

class CaixaCodigo;
class QLabel;

// The services done on one customer machine: the machine by its code (or
// the machine lookup), its owner and description, "&Mostrar" lists the
// services from the orders that included it, "&Ver ordem" opens the order
// of the current row, "&Imprimir" prints the history (report 005).
class FrmConsultaServicoMaquina : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsultaServicoMaquina();

    QLabel* faixaTitulo;
    QLineEdit* caixaMaquina; // the machine's code
    QPushButton* botaoConsultarMaquinas;
    QLineEdit* caixaDescricaoMaquina; // description - identification
    QLineEdit* caixaProprietario;     // code - trade name of the owner
    QPushButton* botaoMostrar;
    QPushButton* botaoVerOrdem;
    QPushButton* botaoImprimir;

    void consulta_maquinas();
    void mostra();
    void ver_ordem();
    void imprime();
    // Looks the typed machine up and fills the owner and machine texts.
    void valida_maquina();

protected:
    ConsultaLista consulta_lista() override;
    void ao_abrir() override;
    void abre_detalhes(const QString& codigo) override;
    bool recarrega_apos_detalhes() const override { return false; }

private:
    CaixaCodigo* m_maquina;
    bool m_mostrar = false;
};
