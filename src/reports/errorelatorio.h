#pragma once
#include <QString>
#include <stdexcept>

// A failure of the report engine (missing file, bad definition, malformed
// selection formula). Its text is what the user reads.
class ErroRelatorio : public std::runtime_error {
public:
    explicit ErroRelatorio(const QString& texto) : std::runtime_error(texto.toStdString()), m_texto(texto) {}
    const QString& texto() const { return m_texto; }

private:
    QString m_texto;
};
