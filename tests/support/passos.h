#pragma once
// The steps the counter takes on the movement forms, key by key and click
// by click, shared by the tests that drive them.
#include "frmlistacontas.h"

#include <QString>
#include <QStringList>
#include <functional>

class FrmBaixaContasReceber;
class FrmCadEquipamentoCliente;
class FrmContasReceber;
class FrmContasRecebidas;
class FrmEntradaEquipamento;
class FrmMovimento;
class FrmMovimentoServico;
class QWidget;

namespace apoio {

// Back on the form once a lookup over it has closed (the window manager
// gives the focus back to the form's own focused control).
void volta(QWidget* w);
// The next lookup opened chooses the `linha`-th row of its list (1 the
// first) with a double click (0: the user leaves it with "&Sair").
void escolhe_na_consulta(int linha);
// Types the customer code and leaves the box with Enter.
void cliente(FrmMovimento& f, const QString& codigo);
// An entry item: the machine, Enter, the problem, Enter (which confirms it).
void item_entrada(FrmEntradaEquipamento& f, const QString& maquina, const QString& problema);
// A budget or order item: the machine from the lookup's row `maquina`, on
// an order the technician from the lookup's row `tecnico`, the service,
// then the price confirmed with Enter.
void item_servico(FrmMovimentoServico& f, int maquina, const QString& servico, const QString& preco, int tecnico = 0);
// A property value of the machine form (its data row, from 0): the cell,
// Enter, the text, Enter.
void edita_valor(FrmCadEquipamentoCliente& f, int linha, const QString& valor);

// The receivables lists: a filter chosen with the arrow keys, as a user
// does; a list opened with a filter and "Mostrar" clicked.
void filtra(FrmListaContas& f, FiltroContas filtro);
FrmContasReceber& abre_receber(FiltroContas filtro = FiltroContas::Todas);
FrmContasRecebidas& abre_recebidas(FiltroContas filtro = FiltroContas::Todas);
// "Realizar Baixa" on an instalment; `acao` drives the write-off form (a
// form it leaves open is closed, so a failed check never hangs the test).
// Whether the form opened; when `exige`, a form that did not fails the test.
bool baixa(FrmContasReceber& f, int conta, std::function<void(FrmBaixaContasReceber&)> acao, bool exige = true);
// In the write-off form: "Parcial", the amount typed over the open value,
// then (after `antes`) "&Gravar".
void parcial(FrmBaixaContasReceber& b, const QString& valor, const std::function<void()>& antes = {});

// A list window's "E&xportar" clicked and the file dialog answered by
// typing `caminho` and Enter; then the file read back as a spreadsheet
// reads it: the BOM and CRLF checked, ";" between fields, quoted fields
// unquoted. One list per line, the header first.
QList<QStringList> exporta_e_le(QWidget* botao, const QString& caminho);
// The same reading of a file's content (empty, and the test failed, when
// the BOM or the final CRLF is missing).
QList<QStringList> le_csv(const QByteArray& bruto);

} // namespace apoio
