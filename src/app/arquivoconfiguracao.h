#pragma once
#include <QString>

// The path.txt start-up reads: the one beside the executable, else the one
// in the user's configuration folder (~/.config/controle-os).
//
// An installed program (it carries schema/ beside the executable; the build
// tree does not) that finds neither sets the user up on first start: the
// embedded database ~/.local/share/controle-os/controle_os.fdb is made from
// the installed schema (an existing one is kept as it is) and path.txt,
// readable by its owner only, is written in the configuration folder. The
// installation folder is never written.
//
// Anywhere else, with neither file, returns the path beside the executable,
// whose absence start-up then reports. Throws std::runtime_error when the
// database or path.txt cannot be made.
QString arquivo_configuracao(const QString& pastaPrograma);

// The path.txt in the user's configuration folder (~/.config/controle-os).
QString path_txt_do_usuario();

// What a start that found no path.txt tells the user: the two places it
// looked and the line to write in one of them (a station's, as the
// server's set-up command prints it, or a single PC's).
QString orientacao_sem_configuracao(const QString& pastaPrograma);
