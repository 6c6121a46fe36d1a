#!/usr/bin/env bash
# The Debian package as a shop gets it: built with CPack, installed (dpkg -i
# on a CI machine, where it runs as root; else unpacked into a clean root),
# started by a normal user on a fresh home under Xvfb, and backed up with the
# installed command. lintian has nothing to say about it (no error, no
# warning, no hardening tag), and the backup timer's units pass systemd-analyze verify.
#
#   tst_pacote.sh BUILD SOURCE VERSION
set -euo pipefail

BUILD=$1
FONTES=$2
VERSAO=$3
USUARIO_TESTE=controle-os-teste

falha() {
    echo "FALHA: $*" >&2
    exit 1
}
passo() { echo ">> $*"; }

for programa in dpkg-deb xvfb-run xwininfo readelf desktop-file-validate lintian systemd-analyze; do
    command -v "$programa" >/dev/null 2>&1 || falha "falta o programa $programa (scripts/comum.sh instala os pacotes dos testes)"
done

T=$(mktemp -d)
instalado_aqui=0
limpa() {
    if [ "$instalado_aqui" -eq 1 ]; then dpkg --purge controle-os >/dev/null 2>&1 || true; fi
    rm -rf -- "$T"
}
trap limpa EXIT
chmod 755 "$T"

# ------------------------------------------------------------- the package
passo "gerando o pacote"
rm -f -- "$BUILD"/controle-os_*.deb
cmake --build "$BUILD" --target package >"$T/cpack.log" 2>&1 || { cat "$T/cpack.log"; falha "cmake --build --target package falhou"; }
DEB="$BUILD/controle-os_${VERSAO}_amd64.deb"
[ -f "$DEB" ] || falha "o pacote $DEB não foi gerado"

passo "lintian"
lintian -I --fail-on error,warning "$DEB" >"$T/lintian.log" 2>&1 || { cat "$T/lintian.log"; falha "lintian encontrou erros ou avisos no pacote"; }
if grep -E '^[EW]: ' "$T/lintian.log"; then falha "lintian encontrou erros ou avisos no pacote"; fi
# the program is built with the distribution's hardening: not even an
# informational tag about it (fortify, relro, bindnow, pie)
if grep -E '^[EWI]: .*hardening' "$T/lintian.log"; then falha "o programa não foi compilado com o endurecimento da distribuição"; fi
# the one tag the package overrides (a fortifiable call proven safe when
# compiled) stays that one: any other unprotected call of the list lintian
# checks is a call left unfortified
lintian -I --show-overrides "$DEB" >"$T/lintian-o.log" 2>/dev/null || true
if grep -E '^O: .*hardening' "$T/lintian-o.log" | grep -v 'hardening-no-fortify-functions \[usr/lib/controle-os/controle-os\]$'; then
    falha "o pacote esconde outra etiqueta de endurecimento"
fi
mapfile -t SEM_PROTECAO < <(readelf --wide --dyn-syms "$BUILD/controle-os" | awk '$7 == "UND" && $8 != "" { sub(/@.*/, "", $8); print $8 }' |
    grep -xFf <(grep -v -e '^#' -e '^$' /usr/share/lintian/data/binaries/hardened-functions) | grep -vx read || true)
[ ${#SEM_PROTECAO[@]} -eq 0 ] || falha "funções da libc chamadas sem proteção: ${SEM_PROTECAO[*]}"

campo() { dpkg-deb -f "$DEB" "$1"; }
[ "$(campo Package)" = controle-os ] || falha "nome do pacote: $(campo Package)"
[ "$(campo Maintainer)" = "Controle OS <controle-os@example.org>" ] || falha "mantenedor: $(campo Maintainer)"
[ "$(campo Version)" = "$VERSAO" ] || falha "versão do pacote: $(campo Version)"
[ "$(campo Architecture)" = amd64 ] || falha "arquitetura: $(campo Architecture)"

# Depends: the run-time packages by name, nothing of the build
mapfile -t DEPENDE < <(campo Depends | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | grep .)
depende() { printf '%s\n' "${DEPENDE[@]}" | grep -qx -- "$1"; }
for p in "${DEPENDE[@]}"; do
    case "$p" in
        *-dev|cmake|g++*|gcc*|make|xvfb|*-server) falha "o pacote depende de $p, que é da compilação ou dos testes" ;;
    esac
done
# the libraries from dpkg-shlibdeps, the rest by hand
for p in libc6 libqt6core6 libqt6widgets6 libqt6sql6-ibase libfbclient2 firebird3.0-server-core firebird3.0-utils qt6-translations-l10n; do
    depende "$p" || falha "falta $p em Depends: $(campo Depends)"
done

# ----------------------------------------------------------- its contents
dpkg-deb -c "$DEB" | awk '{ print $6 $7 $8 }' | sed 's|^\./|/|' >"$T/conteudo"
tem() { grep -qx -- "$1" "$T/conteudo" || falha "o pacote não tem $1"; }
tem "/usr/bin/controle-os->../lib/controle-os/controle-os"
tem "/usr/bin/controle-os-copia->../lib/controle-os/controle-os-copia"
tem "/usr/lib/controle-os/controle-os"
tem "/usr/lib/controle-os/controle-os-copia"
tem "/usr/bin/controle-os-servidor->../lib/controle-os/controle-os-servidor"
tem "/usr/lib/controle-os/controle-os-servidor"
tem "/usr/lib/controle-os/funcoes-firebird.sh"
tem "/usr/share/applications/controle-os.desktop"
tem "/usr/share/icons/hicolor/scalable/apps/controle-os.svg"
tem "/usr/share/icons/hicolor/48x48/apps/controle-os.png"
tem "/usr/share/doc/controle-os/copyright"
tem "/usr/share/doc/controle-os/changelog.gz"
tem "/usr/share/doc/controle-os/guia/README.md"
tem "/usr/share/man/man1/controle-os.1.gz"
tem "/usr/share/man/man1/controle-os-copia.1.gz"
tem "/usr/share/man/man1/controle-os-servidor.1.gz"
tem "/usr/share/metainfo/br.com.zerlin.controle_os.metainfo.xml"
tem "/lib/systemd/system/controle-os-copia.service"
tem "/lib/systemd/system/controle-os-copia.timer"
tem "/etc/default/controle-os-copia"
for f in "$FONTES"/schema/*.sql; do tem "/usr/lib/controle-os/schema/$(basename "$f")"; done
for f in "$FONTES"/relatorio/*.rpt; do tem "/usr/lib/controle-os/relatorio/$(basename "$f")"; done

dpkg-deb -x "$DEB" "$T/deb"
dpkg-deb -e "$DEB" "$T/controle"
grep -qx /etc/default/controle-os-copia "$T/controle/conffiles" || falha "/etc/default/controle-os-copia não é um conffile"
# the timer is switched on by the administrator, never by the package
if grep -v '^[[:space:]]*#' "$T/controle"/post* "$T/controle/prerm" | grep -qw systemctl; then
    falha "um script do pacote chama systemctl (use deb-systemd-helper / deb-systemd-invoke)"
fi

# the units as written: the service run from the unpacked command
passo "systemd-analyze verify"
mkdir "$T/unidades"
sed "s|/usr/bin/controle-os-copia|$T/deb/usr/bin/controle-os-copia|" "$T/deb/lib/systemd/system/controle-os-copia.service" >"$T/unidades/controle-os-copia.service"
cp "$T/deb/lib/systemd/system/controle-os-copia.timer" "$T/unidades/"
systemd-analyze verify --man=no "$T/unidades/controle-os-copia.service" "$T/unidades/controle-os-copia.timer" \
    || falha "systemd-analyze verify recusou as unidades do temporizador de cópias"
grep -qx 'OnCalendar=\*-\*-\* 23:30' "$T/unidades/controle-os-copia.timer" || falha "o temporizador não roda às 23:30"
entrada="$T/deb/usr/share/applications/controle-os.desktop"
for linha in "Type=Application" "Name=Controle OS" "Exec=controle-os" "Icon=controle-os" "Categories=Office;Finance;" "Terminal=false"; do
    grep -qx -- "$linha" "$entrada" || falha "a entrada do menu não tem \"$linha\""
done
grep -q '^Comment=.*ç' "$entrada" || falha "a entrada do menu não tem um comentário em português"
desktop-file-validate "$entrada" || falha "a entrada do menu não é válida"

# every library the program links comes from a package it depends on (the
# C and C++ run-times come with those)
for biblioteca in $(readelf -d "$T/deb/usr/lib/controle-os/controle-os" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    dono=$(dpkg -S "*/$biblioteca" 2>/dev/null | grep -v i386 | head -1 | cut -d: -f1) || true
    case "$dono" in
        libc6|libstdc++6|libgcc-s1) ;;
        '') falha "nenhum pacote instalado tem $biblioteca" ;;
        *) depende "$dono" || falha "o programa usa $biblioteca, de $dono, que não está em Depends" ;;
    esac
done

# ---------------------------------------------------------- installation
if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = true ]; then
    passo "instalando com dpkg -i"
    dpkg-query -W -f='${Status}' controle-os 2>/dev/null | grep -q 'install ok installed' || instalado_aqui=1
    dpkg -i "$DEB" >"$T/dpkg.log" 2>&1 || { cat "$T/dpkg.log"; falha "dpkg -i falhou (Depends que esta máquina não tem?)"; }
    RAIZ=""
    # installed disabled, and the installed units verify in place
    [ ! -e /etc/systemd/system/timers.target.wants/controle-os-copia.timer ] || falha "o temporizador de cópias foi instalado ligado"
    systemd-analyze verify --man=no /lib/systemd/system/controle-os-copia.service /lib/systemd/system/controle-os-copia.timer \
        || falha "systemd-analyze verify recusou as unidades instaladas"
else
    passo "instalando numa raiz limpa (dpkg -x)"
    RAIZ="$T/raiz"
    dpkg -x "$DEB" "$RAIZ"
fi
INSTALACAO="$RAIZ/usr/lib/controle-os"
PROGRAMA="$RAIZ/usr/bin/controle-os"
COPIA="$RAIZ/usr/bin/controle-os-copia"
retrato_instalacao() { find "$INSTALACAO" -printf '%P %s %m %u\n' | sort; }
retrato_instalacao >"$T/instalacao.antes"

# ------------------------------------------------------ as a normal user
CASA="$T/casa"
mkdir -p "$CASA"
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$USUARIO_TESTE" >/dev/null 2>&1; then
        useradd --no-create-home --shell /usr/sbin/nologin --comment "teste do pacote do Controle OS" "$USUARIO_TESTE" \
            || falha "não foi possível criar o usuário $USUARIO_TESTE"
    fi
    chown "$USUARIO_TESTE:" "$CASA"
    como_usuario() { runuser -u "$USUARIO_TESTE" -- env -i PATH="$PATH" HOME="$CASA" LANG=C.UTF-8 "$@"; }
else
    como_usuario() { env -i PATH="$PATH" HOME="$CASA" LANG=C.UTF-8 "$@"; }
fi
DONO=$(stat -c %U "$CASA")

passo "primeiro início do programa instalado, como $DONO, numa pasta pessoal nova"
# started as from the menu; the main window must come up with the title
# read from the new database, and no start-up error box
cat >"$T/janela.sh" <<'FIM'
programa=$1
"$programa" >"$HOME/saida.txt" 2>&1 &
pid=$!
achou=""
for _ in $(seq 1 120); do
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || break
    arvore=$(xwininfo -root -tree)
    if grep -q '"Zerlin Software - Controle Geral"' <<<"$arvore"; then achou=erro; break; fi
    id=$(grep -E '"Controle de ordens de servi.* versão [0-9.]+ - Minha Assist' <<<"$arvore" | awk '{ print $1 }' | head -1)
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then achou=janela; break; fi
done
echo "$achou" >"$HOME/janela.txt"
kill -TERM "$pid" 2>/dev/null
wait "$pid"
echo "$?" >"$HOME/saiu.txt"
FIM
chmod 644 "$T/janela.sh"
como_usuario xvfb-run -a -s '-screen 0 1280x800x24' bash "$T/janela.sh" "$PROGRAMA" || true
janela=$(cat "$CASA/janela.txt" 2>/dev/null || true)
saida=$(cat "$CASA/saida.txt" 2>/dev/null || true)
case "$janela" in
    janela) ;;
    erro) falha "o programa mostrou a mensagem de erro de início:
$saida" ;;
    *) falha "a janela principal não apareceu:
$saida" ;;
esac
# an orderly shutdown on SIGTERM reports the signal: 128 + 15
[ "$(cat "$CASA/saiu.txt")" = 143 ] || falha "o programa não terminou bem com SIGTERM (código $(cat "$CASA/saiu.txt"))"

BANCO="$CASA/.local/share/controle-os/controle_os.fdb"
PATH_TXT="$CASA/.config/controle-os/path.txt"
[ -f "$BANCO" ] || falha "o banco do usuário não foi criado em $BANCO"
[ "$(stat -c %U "$BANCO")" = "$DONO" ] || falha "o banco não é do usuário"
[ -f "$PATH_TXT" ] || falha "o path.txt do usuário não foi criado em $PATH_TXT"
[ "$(stat -c '%a %U' "$PATH_TXT")" = "600 $DONO" ] || falha "path.txt deve ser 600 e do usuário: $(stat -c '%a %U' "$PATH_TXT")"
[ "$(cat "$PATH_TXT")" = "$BANCO=SYSDBA=masterkey" ] || falha "conteúdo do path.txt: $(cat "$PATH_TXT")"
retrato_instalacao >"$T/instalacao.depois"
diff "$T/instalacao.antes" "$T/instalacao.depois" || falha "o programa escreveu na pasta em que está instalado"
if [ -z "$RAIZ" ]; then
    [ -z "$(dpkg -V controle-os)" ] || falha "os arquivos instalados mudaram: $(dpkg -V controle-os)"
fi

passo "cópia de segurança com o comando instalado, lendo o path.txt do usuário"
como_usuario "$COPIA" >"$T/copia.log" 2>&1 || { cat "$T/copia.log"; falha "controle-os-copia falhou"; }
mapfile -t copias < <(find "$CASA/.local/share/controle-os/copias" -name 'controle_os-*.fbk')
[ ${#copias[@]} -eq 1 ] || falha "esperava uma cópia em copias/ ao lado do banco: ${copias[*]}"
[ "$(stat -c '%a %U' "${copias[0]}")" = "600 $DONO" ] || falha "a cópia deve ser 600 e do usuário"
grep -q "Cópia verificada" "$T/copia.log" || falha "a cópia não foi conferida: $(cat "$T/copia.log")"
como_usuario "$COPIA" --restaurar "${copias[0]}" "$CASA/restaurado.fdb" >"$T/restaura.log" 2>&1 \
    || { cat "$T/restaura.log"; falha "a restauração falhou"; }
[ -f "$CASA/restaurado.fdb" ] || falha "a restauração não criou o banco"

passo "pacote ok: $DEB"
exit 0
