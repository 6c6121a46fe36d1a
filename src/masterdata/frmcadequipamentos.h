#pragma once
#include "dadosequipamentos.h"
#include "frmcadastro.h"

#include <functional>
#include <optional>

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

    QLineEdit* caixaCodigo;
    QLineEdit* caixaDescricao;
    Grade* gradePropriedades; // the names, each row with its code; no header
    QToolBar* barraPropriedades;
    QAction* acaoInserir;
    QAction* acaoExcluir;

    static constexpr int TAMANHO_MAXIMO = 100;

    void carrega_propriedades();
    void insere_propriedade();
    void renomeia_propriedade();
    void remove_propriedade();

protected:
    void mostra_dados() override;
    void reserva_codigo() override;
    void prepara() override;
    qint32 grava() override;
    void abandona() override;
    QWidget* primeiro_campo() override;

private:
    qint32 codigo_tipo() const;
    // The property on the list's current row: none on an empty row.
    std::optional<Propriedade> propriedade_atual() const;
    // Runs a change of the property list and reloads it; errors are shown.
    void muda_propriedades(const std::function<void()>& mudanca);
};
