#!/usr/bin/env bash
# The manual page and the bash completion offer exactly the options that
# scoutel --help lists, and the manual page the same exit statuses.
# --help opens no socket, so this runs outside a private network.
set -euo pipefail
scoutel=$1 packaging=$2
help=$("$scoutel" --help)

section() { sed -n "/^\.SH $1/,/^\.SH/p" "$packaging/scoutel.1"; }

help_options=$({
    sed -nE 's/^  (-[A-Za-z0-9]+)[= ].*/\1/p' <<<"$help"
    grep -oE -- '--[a-z]+' <<<"$help"
} | sort -u)
man_options=$(section OPTIONS | sed -nE '/^\.TP/{n;s/^\.BI? ((\\-)+[A-Za-z0-9]+).*/\1/p}' |
    sed 's/\\-/-/g' | sort -u)
completion_options=$(sed -nE "s/^ *local options='(.*)'/\1/p" "$packaging/scoutel.bash-completion" |
    tr ' ' '\n' | sed 's/=$//' | sort -u)
help_statuses=$(sed -nE 's/^  ([0-9][0-9 to]*[0-9]|[0-9])( .*)?$/\1/p' <<<"$help" | sort)
man_statuses=$(section 'EXIT STATUS' | sed -nE '/^\.TP/{n;s/^\.B //p}' | sort)

status=0
compare() {
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1 differ from scoutel --help:"
        diff <(echo "$2") <(echo "$3") || true
        status=1
    fi
}
[ -n "$help_options" ] && [ -n "$help_statuses" ] || { echo "FAIL: nothing read from --help"; exit 1; }
compare "options of the manual page" "$help_options" "$man_options"
compare "options of the bash completion" "$help_options" "$completion_options"
compare "exit statuses of the manual page" "$help_statuses" "$man_statuses"
exit $status
