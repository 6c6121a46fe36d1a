#pragma once
#include "frmcadastro.h"

class Grade;
class QLineEdit;
class QToolBar;
class QAction;

// Kinds of machine and the names of their properties. The property list is
// written at once as it is edited, attached to the type's code (reserved
// when a new type is opened).
class FrmCadEquipamentos : public FrmCadastro {
    Q_OBJECT
public:
    FrmCadEquipamentos();
    qint32 nCodigoEquipamento = 0;

    QLineEdit* Text11; // code
    QLineEdit* Text1;  // description
    Grade* grid1;      // properties: hidden code, name; no header row
    QToolBar* Toolbar1;
    QAction* Inserir;
    QAction* Excluir;

    static constexpr int TAMANHO_MAXIMO = 100;

    void carrega_propriedades();
    void inclui_propriedade();
    void altera_propriedade();
    void exclui_propriedade();

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void prepara() override;
    void grava() override;
    Saida saida() override;
    QWidget* primeiro_campo() override;

private:
    // Runs a statement on the property list and reloads it; errors are shown.
    void executa_propriedade(const QString& sql);
};
