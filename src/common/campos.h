#pragma once
// Small builders for the controls of the forms: every box has its name, its
// length limit and a label that is its buddy (screen readers and keyboard
// users find a field by the text the user reads).
#include <QString>
#include <initializer_list>

class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

QLineEdit* nova_caixa(QWidget* pai, const QString& nome, int maximo = 0);
QLabel* novo_rotulo(const QString& texto, QWidget* buddy, QWidget* pai = nullptr);
QPushButton* novo_botao(const QString& caption, const QString& nome, QWidget* pai);
// The title banner of a screen: bold, a little larger than the text.
QLabel* novo_titulo(const QString& texto, const QString& nome, QWidget* pai);
// The red "*" beside a required field.
QLabel* asterisco(QWidget* pai);
// The row of a form's buttons, to the right.
QHBoxLayout* linha_de_botoes(std::initializer_list<QPushButton*> botoes);
// The title banner across the top of a form ("Contas a receber").
QLabel* faixa_titulo(const QString& texto, const QString& nome, QWidget* pai);
// A date picker: dd/mm/yyyy with a drop-down calendar.
QDateEdit* novo_seletor_data(QWidget* pai, const QString& nome);
// A multi-line box that holds at most `maximo` characters (typed or pasted).
QPlainTextEdit* nova_caixa_texto(QWidget* pai, const QString& nome, int maximo);
// Bold on a yellow background: the amount a form is about; wide enough to
// show the longest amount whole (a narrower box would hide its first digits).
void destaca_valor(QLineEdit* caixa);

// Puts "label  box [*]" on a row of a grid layout; the box spans `largura` columns.
QLineEdit* linha_campo(QGridLayout* g, int linha, int coluna, const QString& rotulo, const QString& nome,
                       int maximo, bool obrigatorio = false, int largura = 1);

// Whether a focus-out event means the user left the field for another
// control (not a switch to another program or a popup menu).
bool saiu_do_campo(const class QEvent* e);

// Selects the whole text whenever the box receives the focus.
void seleciona_ao_entrar(QLineEdit* caixa);

// The numeric value of a text the way a code box is read: blanks skipped,
// leading digits up to the first other character ("12abc" is 12, "" is 0).
qint64 valor_numerico(const QString& texto);
