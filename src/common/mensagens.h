#pragma once
#include <QString>
#include <optional>

class QWidget;

// Every message box, question and input box of the program goes through
// this interface. The program installs the Qt dialogs; tests install a
// scripted one that records every text and answers from a queue.
class Mensagens {
public:
    static inline const QString TITULO = QStringLiteral("Zerlin Software - Controle Geral");

    enum class Icone { Nenhum, Informacao, Erro };

    virtual ~Mensagens() = default;
    // A notice with an OK button. An empty title shows the program's own name.
    virtual void aviso(const QString& texto, Icone icone = Icone::Informacao,
                       const QString& titulo = TITULO) = 0;
    // A Yes/No question; true for Yes.
    virtual bool pergunta(const QString& texto, const QString& titulo = TITULO,
                          Icone icone = Icone::Nenhum) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> entrada(const QString& prompt, const QString& titulo,
                                           const QString& padrao = QString()) = 0;
};

// The implementation in force (Qt dialogs unless another was installed).
Mensagens& mensagens();
// Installs another implementation (tests); nullptr restores the Qt dialogs.
void instala_mensagens(Mensagens* m);

// Shorthand for the common notice with the information icon.
inline void informa(const QString& texto) { mensagens().aviso(texto); }

// "Confirma a exclusão <oque> <nome>?"; true for Yes.
bool confirma_exclusao(const QString& oque, const QString& nome);
