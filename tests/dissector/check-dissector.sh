#!/usr/bin/env bash
# The Wireshark dissector under tshark, over the captures scoutel-capture
# writes: the committed copies are its current output, tshark prints every
# field as the program reads it, a configuration request decrypts under the
# right password only, each malformed datagram gets its own expert info, and
# no Lua error occurs. A missing tshark fails the test.
set -euo pipefail
capture=$1 dissector=$2 committed=$3
command -v tshark >/dev/null || { echo "FAIL: tshark is not installed (scripts/setup installs it)"; exit 1; }
status=0
fail() { echo "FAIL: $*"; status=1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch # no personal preferences or plugins
"$capture" "$scratch"
for file in "$scratch"/*.pcap "$scratch"/*.fields; do
    cmp -s "$file" "$committed/${file##*/}" ||
        fail "${file##*/} differs from scoutel-capture's output: rerun it on $committed"
done

shark() { tshark -n -X "lua_script:$dissector" "$@" 2>>"$scratch/stderr"; }
trim() { sed 's/^ *//; s/ *$//' <<<"$1"; }

for name in search configure; do
    mapfile -t columns < <(head -n1 "$scratch/$name.fields" | tr '\t' '\n')
    diff <(shark -r "$scratch/$name.pcap" -o sctl.password:secret -T fields -E aggregator=' ' \
        "${columns[@]/#/-e}") <(tail -n +2 "$scratch/$name.fields") || fail "fields of $name.pcap"
done

# The frames of malformed.pcap, one fault each, are listed in tools/capture/malformed.h.
while IFS='|' read -r name password filter frames; do
    name=$(trim "$name") password=$(trim "$password") filter=$(trim "$filter")
    options=()
    [ "$password" = - ] || options=(-o "sctl.password:$password")
    got=$(shark -r "$scratch/$name.pcap" "${options[@]}" -Y "$filter" -T fields -e frame.number |
        paste -sd,) || { fail "tshark on '$filter'"; continue; }
    [ "$got" = "$(trim "$frames")" ] ||
        fail "$name, password $password, '$filter' selects frames '$got', not '$(trim "$frames")'"
done <<'ROWS'
search    | -      | _ws.expert or _ws.lua.error                        |
configure | -      | sctl.encrypted and not sctl.name                   | 3
configure | secret | _ws.expert or _ws.lua.error                        |
configure | wrong  | sctl.expert.password and not sctl.challenge        | 3
configure | wrong  | _ws.expert or _ws.lua.error                        | 3
configure | -      | sctl.result == "OK"                                | 4
malformed | -      | sctl.expert.unknown_tag and sctl.name == "Safe 1"  | 1
malformed | -      | sctl.expert.field_length and sctl.name == "Safe 1" | 2
malformed | -      | sctl.expert.length and sctl.name == "Safe 1"       | 3
malformed | -      | sctl.expert.truncated and sctl.challenge           | 4
malformed | -      | sctl.expert.short                                  | 5
malformed | -      | sctl.expert.marker and sctl.name == "Safe 1"       | 6
malformed | -      | sctl.expert.fill and sctl.name == "Safe 1"         | 7
malformed | secret | sctl.expert.blocks                                 | 8
malformed | secret | count(_ws.expert) == 1 and not _ws.lua.error       | 1,2,3,4,5,6,7,8
ROWS

# tshark as root warns about it; anything else on standard error is a fault.
if grep -v 'Running as user "root"' "$scratch/stderr"; then fail "tshark wrote the above"; fi
exit $status
