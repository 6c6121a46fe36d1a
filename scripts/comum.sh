# Shared by ./run and ./test: install what is missing, build.
# shellcheck shell=bash

RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${CONTROLE_OS_BUILD:-$RAIZ/build}"

# dpkg-dev: the package's library dependencies come from dpkg-shlibdeps;
# qt6-translations-l10n: Qt's own dialogs and buttons in Portuguese;
# qt6-charts-dev: the main window's chart of the months
PACOTES_PROGRAMA=(cmake g++ make qt6-base-dev libqt6sql6-ibase libfbclient2 firebird-dev
                  firebird3.0-server-core firebird3.0-utils fonts-dejavu-core dpkg-dev
                  qt6-translations-l10n qt6-charts-dev)
# x11-utils (xwininfo), binutils (readelf), desktop-file-utils, lintian and
# systemd (systemd-analyze): the package test looks for the installed
# program's window, checks its libraries against Depends, validates the menu
# entry, runs lintian and verifies the backup timer's units
PACOTES_TESTES=(xvfb xauth poppler-utils firebird3.0-server x11-utils binutils desktop-file-utils
                lintian systemd)

como_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are not installed yet (non-interactive).
instala_pacotes() {
    local faltam=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            faltam+=("$p")
        fi
    done
    [ ${#faltam[@]} -eq 0 ] && return 0
    echo ">> instalando: ${faltam[*]}"
    # the server package asks for the SYSDBA password; answer it beforehand
    echo "firebird3.0-server shared/firebird/sysdba_password/first_install password masterkey" | como_root debconf-set-selections
    como_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    como_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltam[@]}"
}

# Configures and builds the tree, or only the targets given ("--target x").
compila() {
    # ccache, where the machine has it, makes rebuilds of other trees cheap
    local lancador=()
    command -v ccache >/dev/null 2>&1 && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$RAIZ" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lancador[@]}" >/dev/null
    cmake --build "$BUILD" -j"$(nproc)" "$@"
}
