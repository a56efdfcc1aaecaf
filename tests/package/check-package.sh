#!/usr/bin/env bash
# Builds the Debian package from this build tree, unpacks it into a scratch
# root and checks what a user gets: the program starts from there, finds its
# Italian and English catalogues in the installed data folder and runs its
# command-line mode, the launcher validates and its icon exists, so does the
# AppStream metadata of the same name, the manual page is in place, the SCTL dissector lies where tshark loads Lua plugins for
# every user, lintian reports no error. Runs inside scripts/in-netns.
# Exits 77 (skipped) only when a packaging tool is not installed.
set -euo pipefail
build=$1 cpack=$2
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian gzip; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && timeout 120 "$cpack" -G DEB -B "$scratch/out" >"$scratch/cpack.log") ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$scratch"/out/scoutel_*.deb)
deb=${debs[0]}
root=$scratch/root
dpkg-deb -x "$deb" "$root"

# --version opens no socket: it names the catalogues it finds and where.
[ ! -e "$root/usr/bin/languages" ] || fail "catalogues installed under usr/bin"
mapfile -t version < <("$root/usr/bin/scoutel" --version)
[[ ${version[0]} == "Scoutel "* ]] || fail "--version printed: ${version[*]}"
found="Languages in $root/usr/share/scoutel/languages: "
codes=" ${version[1]#"$found"} "
[[ ${version[1]} == "$found"* && $codes == *" it "* && $codes == *" en "* ]] ||
    fail "no Italian or English catalogue in the installed folder: ${version[1]}"

# The command-line mode searches by multicast: never outside a private network.
others=$(ip -o link show up | grep -v ': lo:' || true)
[ "${SCOUTEL_PRIVATE_NETNS:-}" = 1 ] && [ -z "$others" ] || fail "not in a private network"
code=0
report=$(timeout 30 "$root/usr/bin/scoutel" -X -t=300 2>&1) || code=$?
[ "$code" = 112 ] && [ "$(head -n1 <<<"$report")" = -400 ] ||
    fail "command-line run from the package ended $code: $report"

metainfos=("$root"/usr/share/metainfo/*.metainfo.xml)
metainfo=${metainfos[0]}
id=$(basename "$metainfo" .metainfo.xml)
# On its own, then with the launcher it names, which must be installed.
appstreamcli validate --no-net "$metainfo" && appstreamcli validate-tree --no-net "$root" ||
    fail "metainfo"
newest=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" || true)
[ "$newest" = "<release version=\"$(dpkg-deb -f "$deb" Version)\"" ] ||
    fail "newest release of the metainfo: ${newest:-none}"
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "launcher"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no icon $icon"
gzip -t "$root/usr/share/man/man1/scoutel.1.gz" || fail "manual page"
[ -f "$root/usr/share/doc/scoutel/example-plan.csv" ] || fail "no example plan"
command -v tshark >/dev/null || fail "tshark is not installed"
plugins=$(tshark -G folders 2>/dev/null | sed -n 's/^Global Lua Plugins:[[:space:]]*//p')
[ -n "$plugins" ] && [ -f "$root$plugins/sctl.lua" ] || fail "no sctl.lua in ${plugins:-?}"

lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"
