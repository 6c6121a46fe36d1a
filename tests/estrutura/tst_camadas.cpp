// The folders of src/ are layers. The linker takes circular static links
// without a word, so this reads the includes of every source file and fails
// on a circle between files, on a circle between folders, and on a folder
// that includes from one its library does not link (directly or through the
// libraries it links).
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

namespace {

const QString RAIZ = QStringLiteral(CONTROLE_OS_SRC);

QString le(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The first circle found in a graph, as the path that closes it; empty if none.
QStringList circulo(const QHash<QString, QSet<QString>>& grafo)
{
    QHash<QString, int> estado; // 1 on the path, 2 done
    QStringList caminho;
    QStringList achado;
    std::function<bool(const QString&)> visita = [&](const QString& no) {
        estado[no] = 1;
        caminho << no;
        QStringList vizinhos(grafo.value(no).cbegin(), grafo.value(no).cend());
        vizinhos.sort();
        for (const QString& v : vizinhos) {
            if (estado.value(v) == 1) {
                achado = caminho.mid(caminho.indexOf(v)) << v;
                return true;
            }
            if (estado.value(v) == 0 && visita(v))
                return true;
        }
        caminho.removeLast();
        estado[no] = 2;
        return false;
    };
    QStringList nos = grafo.keys();
    nos.sort();
    for (const QString& no : nos)
        if (estado.value(no) == 0 && visita(no))
            return achado;
    return {};
}

} // namespace

class TstCamadas : public QObject {
    Q_OBJECT

    QHash<QString, QString> m_pasta;                // file name -> folder
    QHash<QString, QSet<QString>> m_arquivos;       // file -> files it includes
    QHash<QString, QSet<QString>> m_pastas;         // folder -> folders it includes from
    QHash<QString, QStringList> m_exemplo;          // "a -> b" -> the includes behind it
    QHash<QString, QSet<QString>> m_liga;           // folder -> folders its library links

private slots:
    void initTestCase()
    {
        QDirIterator it(RAIZ, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        QStringList fontes;
        while (it.hasNext())
            fontes << it.next();
        QVERIFY2(fontes.size() > 50, qPrintable(RAIZ));
        for (const QString& f : fontes) {
            const QString nome = QFileInfo(f).fileName();
            QVERIFY2(!m_pasta.contains(nome), qPrintable(QStringLiteral("two files named ") + nome));
            m_pasta[nome] = QDir(RAIZ).relativeFilePath(QFileInfo(f).path()).section(u'/', 0, 0);
        }
        static const QRegularExpression inclui(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                               QRegularExpression::MultilineOption);
        for (const QString& f : fontes) {
            const QString nome = QFileInfo(f).fileName();
            const QString pasta = m_pasta[nome];
            auto achados = inclui.globalMatch(le(f));
            while (achados.hasNext()) {
                const QString alvo = QFileInfo(achados.next().captured(1)).fileName();
                if (!m_pasta.contains(alvo))
                    continue; // a generated or outside header
                // a.cpp including its own a.h is the same piece, not an arrow
                if (QFileInfo(alvo).completeBaseName() != QFileInfo(nome).completeBaseName())
                    m_arquivos[QFileInfo(nome).completeBaseName()].insert(QFileInfo(alvo).completeBaseName());
                if (m_pasta[alvo] != pasta) {
                    m_pastas[pasta].insert(m_pasta[alvo]);
                    m_exemplo[pasta + " -> " + m_pasta[alvo]] << nome + " includes " + alvo;
                }
            }
        }
        // What each folder's library links, from its own build file.
        static const QRegularExpression liga(QStringLiteral("target_link_libraries\\s*\\(\\s*controle_(\\w+)([^)]*)\\)"));
        static const QRegularExpression alvo(QStringLiteral("\\bcontrole_(\\w+)"));
        const QStringList pastas = QDir(RAIZ).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& p : pastas) {
            const auto m = liga.match(le(RAIZ + "/" + p + "/CMakeLists.txt"));
            QVERIFY2(m.hasMatch(), qPrintable(p + QStringLiteral(": no target_link_libraries")));
            auto alvos = alvo.globalMatch(m.captured(2));
            while (alvos.hasNext())
                m_liga[p].insert(alvos.next().captured(1));
        }
    }

    void semCirculoEntreArquivos()
    {
        const QStringList c = circulo(m_arquivos);
        QVERIFY2(c.isEmpty(), qPrintable(QStringLiteral("include circle: ") + c.join(QStringLiteral(" -> "))));
    }

    void semCirculoEntrePastas()
    {
        const QStringList c = circulo(m_pastas);
        QStringList porque;
        for (int i = 0; i + 1 < c.size(); ++i)
            porque << m_exemplo.value(c[i] + " -> " + c[i + 1]).value(0);
        QVERIFY2(c.isEmpty(), qPrintable(QStringLiteral("folder circle: ") + c.join(QStringLiteral(" -> "))
                                         + " (" + porque.join(QStringLiteral("; ")) + ")"));
    }

    // A folder includes only from the folders its library reaches by its links.
    void cadaPastaUsaSoOQueLiga()
    {
        for (auto it = m_pastas.cbegin(); it != m_pastas.cend(); ++it) {
            QSet<QString> alcance;
            QStringList fila(m_liga.value(it.key()).cbegin(), m_liga.value(it.key()).cend());
            while (!fila.isEmpty()) {
                const QString p = fila.takeFirst();
                if (alcance.contains(p))
                    continue;
                alcance.insert(p);
                for (const QString& q : m_liga.value(p))
                    fila << q;
            }
            for (const QString& usada : it.value())
                QVERIFY2(alcance.contains(usada),
                         qPrintable(it.key() + " uses " + usada + " without linking it: "
                                    + m_exemplo.value(it.key() + " -> " + usada).join(QStringLiteral(", "))));
        }
    }
};

QTEST_GUILESS_MAIN(TstCamadas)
#include "tst_camadas.moc"
