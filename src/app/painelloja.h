#pragma once
// The shop at a glance, on the main window: the jobs per stage (each opens
// "Oficina" on that stage), the instalments due today and overdue (each
// opens "Contas a receber" on that view), the money received this month
// against the last, a chart of the last twelve months received and billed,
// and each technician's services and commission this month. It reads its
// figures again when asked (a form closed) and every few minutes.
#include "resumoloja.h"

#include <QWidget>
#include <functional>

class QChartView;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

class PainelLoja : public QWidget {
    Q_OBJECT
public:
    struct Acoes {
        std::function<ResumoLoja()> le;              // reads the figures
        std::function<void(Etapa)> abreOficina;       // "Oficina" on one stage
        std::function<void(bool vencidas)> abreContas; // "Contas a receber": overdue, or due today
    };
    explicit PainelLoja(Acoes acoes, QWidget* pai = nullptr);

    // Reads the figures and shows them; a database error is shown in the
    // panel itself (it refreshes by itself, so no message box).
    void atualiza();
    const ResumoLoja& resumo() const { return m_resumo; }

    QPushButton* botaoEtapa(Etapa etapa) const { return m_botoesEtapa.value(etapa); }
    QPushButton* botaoVencemHoje;
    QPushButton* botaoVencidas;
    QLabel* rotuloRecebidoMes;
    QLabel* rotuloRecebidoMesAnterior;
    QChartView* graficoMeses;
    QTableWidget* tabelaTecnicos;
    QLabel* rotuloErro;

    static constexpr int MINUTOS_ENTRE_LEITURAS = 5;

private:
    void mostra(const ResumoLoja& r);
    void mostraGrafico(const ResumoLoja& r);

    Acoes m_acoes;
    ResumoLoja m_resumo;
    QMap<Etapa, QPushButton*> m_botoesEtapa;
    QTimer* m_relogio;
};
