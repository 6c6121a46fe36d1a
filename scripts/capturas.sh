#!/usr/bin/env bash
# Makes the pictures and documents of docs/ again from the program as it is:
# a helper drives the forms on a sample shop (embedded database, headless),
# grabs each window and saves each document as its preview does.
set -euo pipefail
source "$(dirname "$0")/comum.sh"

instala_pacotes "${PACOTES_PROGRAMA[@]}"
compila --target capturas
cd "$BUILD/tests"
CONTROLE_OS_DOCS="$RAIZ/docs" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./capturas -silent
