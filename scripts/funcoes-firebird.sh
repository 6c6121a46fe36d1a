# Shared by controle-os-copia and controle-os-servidor (sourced, not run):
# Firebird's gbak and isql-fb with the credentials out of sight, their
# usual failures in the user's words, and the verified copy both commands
# rest on. The caller sets $usuario and $senha.
# shellcheck shell=bash

# gbak and isql-fb take the credentials from the environment: they never
# appear on a command line that other users could read.
gbak_() {
    local saida r
    saida=$(ISC_USER=$usuario ISC_PASSWORD=$senha gbak "$@" </dev/null 2>&1)
    r=$?
    # without a terminal, gbak's prompt for the next volume only confuses
    grep -v -e 'Press return to reopen' -e 'followed by return' <<<"$saida"
    return $r
}

isql_() {
    ISC_USER=$usuario ISC_PASSWORD=$senha isql-fb -q -b "$1" 2>&1
}

# Explains the usual gbak and isql failures in the user's words.
motivo() {
    case "$1" in
        *"already opened"*|*"lock time-out"*|*"Lock time-out"*)
            echo "o banco de dados está em uso; feche o Controle OS e tente de novo" ;;
        *"Your user name and password are not defined"*)
            echo "o usuário ou a senha foram recusados pelo banco de dados" ;;
        *"Unable to complete network request"*|*"Connection refused"*|*"Failed to establish"*)
            echo "o servidor do banco de dados não respondeu" ;;
        *"No such file or directory"*)
            echo "o banco de dados não foi encontrado" ;;
        *) echo "erro do Firebird" ;;
    esac
}

# "TABLE rows" for every table of a database, one a line, sorted.
contagens() {
    local fonte=$1 tabelas saida t
    tabelas=$(isql_ "$fonte" <<'SQL'
set heading off;
select trim(rdb$relation_name) from rdb$relations
 where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null order by 1;
SQL
    ) || { echo "$tabelas"; return 1; }
    saida=$({
        echo "set heading off;"
        while read -r t; do
            [ -n "$t" ] || continue
            printf "select '%s', count(*) from \"%s\";\n" "${t//\'/\'\'}" "${t//\"/\"\"}"
        done <<<"$tabelas"
    } | isql_ "$fonte") || { echo "$saida"; return 1; }
    awk 'NF { $1 = $1; print }' <<<"$saida" | sort
}

# The same from gbak's verbose log of a backup: the rows it wrote of every
# table, read in its own snapshot of the database.
contagens_da_copia() {
    awk '/writing data for table / { t = $NF; next }
         t != "" && / records written/ { sub(/^gbak: */, ""); print t, $1; t = "" }' <<<"$1" | sort
}

# Text as an SQL literal: apostrophes doubled, at most n characters.
literal() {
    local t=${1:0:$2}
    printf "'%s'" "${t//\'/\'\'}"
}

# A verified copy: backs ORIGEM up into the file FBK, restores FBK into the
# new database RESTAURADO (a file, or a server's "host:/path") and compares
# the row count of every table with what the backup read in its own
# snapshot. On success CONTAGENS holds those counts ("TABLE rows" lines).
# On failure the function returns 1, FALHA says what went wrong (a clause,
# no final stop, for the caller to go on) and DETALHE gives the tools' own
# lines. The caller removes FBK and RESTAURADO either way.
CONTAGENS=""
FALHA=""
DETALHE=""
copia_conferida() {
    local origem=$1 fbk=$2 restaurado=$3 saida depois
    CONTAGENS=""
    FALHA=""
    DETALHE=""
    echo "Copiando $origem ..."
    if ! saida=$(gbak_ -b -v "$origem" "$fbk"); then
        FALHA="a cópia de $origem falhou: $(motivo "$saida")"
        DETALHE=$(grep -v '^gbak: *[a-z0-9]' <<<"$saida")
        return 1
    fi
    CONTAGENS=$(contagens_da_copia "$saida")
    if [ -z "$CONTAGENS" ]; then
        FALHA="a cópia de $origem não informou as linhas que gravou"
        return 1
    fi
    echo "Conferindo a cópia ..."
    if ! saida=$(gbak_ -c "$fbk" "$restaurado"); then
        FALHA="a cópia feita não pôde ser restaurada para conferência: $(motivo "$saida")"
        DETALHE=$saida
        return 1
    fi
    if ! depois=$(contagens "$restaurado"); then
        FALHA="não foi possível conferir a cópia restaurada"
        DETALHE=$depois
        return 1
    fi
    if [ "$CONTAGENS" != "$depois" ]; then
        FALHA="a cópia não confere com o que foi lido do banco (linhas por tabela: lidas < , restauradas >)"
        DETALHE=$(diff <(echo "$CONTAGENS") <(echo "$depois") | grep '^[<>]')
        return 1
    fi
    return 0
}
