#pragma once
// The steps the counter takes on the movement forms, key by key and click
// by click, shared by the tests that drive them.
#include <QString>

class FrmCadEquipamentoCliente;
class FrmEntradaEquipamento;
class FrmMovimento;
class FrmMovimentoServico;
class QWidget;

namespace apoio {

// Back on the form once a lookup over it has closed (the window manager
// gives the focus back to the form's own focused control).
void volta(QWidget* w);
// The next lookup opened chooses its list's row `linha` with a double click
// (0: the user leaves it with "&Sair").
void escolhe_na_consulta(int linha);
// Types the customer code and leaves the box with Enter.
void cliente(FrmMovimento& f, const QString& codigo);
// An entry item: the machine, Enter, the problem, Enter (which confirms it).
void item_entrada(FrmEntradaEquipamento& f, const QString& maquina, const QString& problema);
// A budget or order item: the machine from the lookup's row `maquina`, on
// an order the technician from the lookup's row `tecnico`, the service,
// then the price confirmed with Enter.
void item_servico(FrmMovimentoServico& f, int maquina, const QString& servico, const QString& preco, int tecnico = 0);
// A property value of the machine form: the cell, Enter, the text, Enter.
void edita_valor(FrmCadEquipamentoCliente& f, int linha, const QString& valor);

} // namespace apoio
