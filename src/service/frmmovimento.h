#pragma once
#include "dadosmovimento.h"
#include "grade.h" // ColunaGrade

#include <QDateTime>
#include "formmodal.h"
#include <QList>
#include <functional>

class CaixaCodigo;
class FiltroTeclas;
class Grade;
class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;

// What the equipment entry, the budget and the service order share: a
// header with the movement's code and its customer, items confirmed one by
// one into a grid (hidden code in column 0, filler rows below), the
// three-button item toolbar, and the movement's life:
//  - a new movement's row is reserved when the form opens (its code comes
//    back from the insert itself), with the placeholder customer 1;
//  - items are written as they are confirmed, deleted at once;
//  - "&Gravar" checks, writes the header and leaves the form ready for the
//    next movement (new) or closes it (edit);
//  - "&Cancelar" or the close box abandons: a new movement's items and its
//    row are deleted in one transaction. An error there is shown, and the
//    form closes all the same: it never keeps the user in.
// Database errors are shown through trata_erro_banco and the form keeps the
// user's input.
class FrmMovimento : public FormModal {
    Q_OBJECT
public:
    // Opens the form modally for a new movement, or on the movement of this
    // code, and waits until it closes.
    void inclui();
    void edita(qint32 codigo);
    // What the next opening shows, set without opening the form (a test
    // that shows it on its own): a new movement, or the one of this code.
    void define_inclusao() { m_inclusao = true; }
    void define_edicao(qint32 codigo);
    // Whether the form is (or opens next) for a new movement; the movement
    // it opens on when it is not.
    bool inclusao() const { return m_inclusao; }
    qint32 codigoEditado() const { return m_codigoEditado; }

    QLabel* rotuloTitulo;
    QLineEdit* caixaCodigo;
    QLineEdit* caixaCliente;
    QPushButton* botaoConsultaCliente;
    QLineEdit* caixaNomeCliente;
    QToolBar* barraItens;
    QWidget* botaoConfirmarItem;
    QWidget* botaoExcluirItem;
    QWidget* botaoCancelarItem;
    Grade* gradeItens;
    QPushButton* botaoGravar;
    QPushButton* botaoCancelar;
    // The number of the movement saved last, kept in view.
    QLabel* rotuloGravado;

    void gravar_clicado();   // checks and saves
    void cancelar_clicado(); // abandons and closes
    // The item toolbar: the item on screen written, the current row's item
    // deleted, the item fields cleared back to a new item.
    void confirma_item();
    void apaga_item();
    void cancela_item();
    // Picks the current row's item for editing.
    void escolhe_linha();

    CaixaCodigo* cliente() const { return m_cliente; }

protected:
    // colunas: the item grid's, the item's code first; linhasMinimas: the
    // rows the grid shows at least, empty ones below the items.
    FrmMovimento(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas);

    // ----- what each form says
    virtual TipoMovimento tipo() const = 0;
    // After the fields are cleared at opening: defaults of the form.
    virtual void prepara() {}
    // After the reservation: what a new movement shows besides its code.
    virtual void depois_de_reservar() {}
    // Edit mode: fills the header fields of the movement. May throw ErroBanco.
    virtual void carrega() = 0;
    // Edit mode, after carrega(): the lookups of the header codes.
    virtual void valida_cabecalho();
    // The stored items as the grid's rows: a cell value per column, the
    // item's code first. May throw ErroBanco.
    virtual QList<QVariantList> le_linhas() = 0;
    // Empties the item fields.
    virtual void limpa_item() = 0;
    // Where the focus goes after an item button.
    virtual QWidget* campo_item() const = 0;
    // Checks the item fields (showing the form's message) and writes the
    // item: a new one when `codigo` is 0, else item `codigo`. False when
    // it was refused or failed (the user was told) and nothing was written.
    virtual bool grava_item(qint32 codigo) = 0;
    // Deletes item `codigo`; false as above.
    virtual bool exclui_item(qint32 codigo) = 0;
    // Copies the grid row's item into the item fields.
    virtual void mostra_item(int linha) = 0;
    // The save: checks and questions first (false stops with nothing
    // written), the writing (may throw ErroBanco), what follows on the saved
    // record, and what follows once the form moved on.
    virtual bool pode_gravar() = 0;
    virtual void grava() = 0;
    virtual void depois_de_gravar() {}
    // What stays in view once movement `codigo` is saved ("Entrada N.º 57 gravada.").
    virtual QString texto_gravado(qint64 codigo) const = 0;
    virtual void depois_de_fechar() {}

    // ----- shared pieces
    // The header grid: row 0 "Código", row 1 "Cliente"; columns 0 label,
    // 1 code, 2 "...", 3 name, 4 and 5 free. Rows from 2 are the form's.
    QGridLayout* cabecalho() const { return m_cabecalho; }
    // The item frame's grid, above the toolbar.
    QGridLayout* quadroItens() const { return m_itens; }
    FiltroTeclas* teclas() const { return m_teclas; }

    // The tab order: these fields in turn, then the item buttons, the grid,
    // "&Gravar" and "&Cancelar".
    void ordem_de_tab(const QList<QWidget*>& campos);
    // A "..." button that opens a lookup; comFoco: reachable with Tab (the
    // code boxes' buttons are not: F12 opens their lookup).
    static QPushButton* botao_consulta(QWidget* pai, const QString& nome, const QString& acessivel, bool comFoco);
    // Puts "label  [...] box" on a row of an item grid: the button and the
    // box it fills side by side across the field columns.
    static void linha_botao(QGridLayout* g, int linha, const QString& rotulo, QPushButton* botao, QLineEdit* caixa);
    // A header row of a code box: "label  [code] [...] [description]" on row
    // `linha` of the header grid, the description across columns 3 to 5;
    // the description required along with the code when marked.
    struct LinhaCodigo {
        QLineEdit* codigo;
        QPushButton* botao;
        QLineEdit* descricao;
    };
    static LinhaCodigo linha_codigo(QGridLayout* g, int linha, const QString& rotulo, const QString& nome, const QString& nomeBotao,
                                    const QString& acessivelBotao, const QString& nomeDescricao, const QString& acessivelDescricao,
                                    bool obrigatorio);
    // A required box that holds a chosen code and is never shown.
    static QLineEdit* caixa_oculta(QWidget* pai, const QString& nome, const QString& acessivel);
    // A box the form fills and the user only reads; required when marked.
    static QLineEdit* caixa_exibicao(QWidget* pai, const QString& nome, bool obrigatoria);

    // A text field whose column holds at most `maximo` characters: a longer
    // text (pasted, say) is refused with a message naming the field.
    void limita(QWidget* campo, const QString& rotulo, int maximo, bool doItem);
    // Checks the limited fields of the header (false) or of the item (true).
    bool confere_tamanhos(bool doItem);
    // The text of a line box or text area.
    static QString texto(const QWidget* campo);

    // The moment of the reservation.
    QDateTime momento() const { return m_momento; }
    // The movement's code on screen (0 before the reservation).
    qint32 codigoMovimento() const;
    // Runs a database step; false, with its error shown, when it failed.
    static bool tenta(const std::function<void()>& passo);

    // Fills the grid from le_linhas().
    void carrega_itens();
    // The opening step: clear, reserve or load. Also runs after saving a new movement.
    void abre();
    // The item code of the current row (0 on a filler row).
    qint32 codigo_da_linha() const;

    bool inclusaoItem = true; // the item fields hold a new item
    qint32 m_itemEscolhido = 0; // the code of the item picked for editing (the row may have moved on since)
    void ao_abrir_janela() override;
    bool eventFilter(QObject* alvo, QEvent* e) override;
    void passo_de_saida() override;

private:
    bool m_inclusao = true;
    qint32 m_codigoEditado = 0;
    void grava_item_da_tela();
    void exclui_item_da_linha();
    void vai_ao_item(); // the focus to the first item field
    void abandona(); // the abandon step; errors shown, never blocking
    void mostra_gravado(const QString& texto);

    QGridLayout* m_cabecalho;
    QGridLayout* m_itens;
    FiltroTeclas* m_teclas;
    CaixaCodigo* m_cliente;
    QList<ColunaGrade> m_colunas;
    int m_linhasMinimas;
    struct Limite { QWidget* campo; QString rotulo; int maximo; bool doItem; };
    QList<Limite> m_limites;
    QDateTime m_momento;
};
