#!/bin/bash
# The Debian package of morlando-split, made by cpack -G DEB from the release build: its files,
# an optimised program (as its --version tells), lintian, its manual page and completion against
# the program's own --help, and, as root, an installation with dpkg -i, the program and its page
# found from PATH and MANPATH, dpkg -r.
#
#   tests/packaging/deb.sh <release-build-dir>
#
# Works in <build>/packaging/deb; prints one line per check and ends with "N passed, N failed";
# the exit status is 1 when any check failed.
set -u

build=$(cd "${1:?usage: $0 <release-build-dir>}" && pwd) || exit 2
[ -f "$build/CPackConfig.cmake" ] || { echo "missing $build/CPackConfig.cmake (configure the release preset)" >&2; exit 2; }
out=$build/packaging/deb
rm -rf "$out"
mkdir -p "$out"

source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "cpack -G DEB failed"
    exit 1
fi
deb=$out/morlando-split_1.0_amd64.deb
check "cpack makes morlando-split_1.0_amd64.deb" [ -f "$deb" ]

dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' >"$out/contents"
cat >"$out/expected" <<'LIST'
drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/morlando-split
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/bash-completion/
drwxr-xr-x root/root ./usr/share/bash-completion/completions/
-rw-r--r-- root/root ./usr/share/bash-completion/completions/morlando-split
drwxr-xr-x root/root ./usr/share/doc/
drwxr-xr-x root/root ./usr/share/doc/morlando-split/
-rw-r--r-- root/root ./usr/share/doc/morlando-split/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/morlando-split/copyright
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/morlando-split.1.gz
LIST
check "the package holds the program, its page, completion, copyright and changelog, nothing else" \
    diff "$out/expected" "$out/contents"

dpkg-deb -x "$deb" "$out/root"
check "the program is stripped" eval '[ -z "$(nm "$out/root/usr/bin/morlando-split" 2>/dev/null)" ]'
# Users get the fast program: a Debug build of the same sources takes three times as long.
"$out/root/usr/bin/morlando-split" --version >"$out/version"
check "the program comes from an optimised build without assertions ($(sed -n 2p "$out/version"))" \
    eval '[ "$(head -1 "$out/version")" = "morlando-split 1.0" ] &&
          sed -n 2p "$out/version" | grep -qxE "build: [A-Za-z]+, optimised, assertions off"'
check "the package's control names it, its version and its libraries" eval \
    '[ "$(dpkg-deb -f "$deb" Package Version)" = "Package: morlando-split
Version: 1.0" ] && dpkg-deb -f "$deb" Depends | grep -q "libc6"'

lintian --no-cfg --fail-on error "$deb" >"$out/lintian.log" 2>&1
status=$?
check "lintian finds no error" eval '[ $status -eq 0 ] && ! grep -q "^E:" "$out/lintian.log"'
grep -E '^[EW]:' "$out/lintian.log"

# The page and the completion are written by hand: each must know every option --help lists.
"$out/root/usr/bin/morlando-split" --help | grep -oE '^  (-[a-z], )?--[a-z-]+' | grep -oE -- '-[a-z-]+' >"$out/options"
MANWIDTH=200 man -l "$out/root/usr/share/man/man1/morlando-split.1.gz" 2>/dev/null >"$out/page"
check "--help lists the options" [ "$(wc -l <"$out/options")" -ge 12 ]
page_knows() { grep -qE -- "^ +(-[a-z], )?$1( |,|\$)" "$out/page"; }
completes() {  # the completion offers the option whole for its own text
    bash -c 'source "$1"; COMP_WORDS=(morlando-split "$2"); COMP_CWORD=1; _morlando_split
             printf "%s\n" "${COMPREPLY[@]}"' _ "$out/root/usr/share/bash-completion/completions/morlando-split" "$1" |
        grep -qx -- "$1"
}
while read -r option; do
    check "the manual page and bash know $option" eval 'page_knows "$option" && completes "$option"'
done <"$out/options"

# Installing needs root and a package database free of another copy of morlando-split.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP dpkg -i and dpkg -r (not root)"
elif dpkg-query -W morlando-split >/dev/null 2>&1; then
    echo "SKIP dpkg -i and dpkg -r (morlando-split is installed already)"
else
    # One installation at a time, should two checkouts run this at once.
    exec 9>/tmp/morlando-dpkg.lock
    flock 9
    dpkg -i "$deb" >"$out/dpkg.log" 2>&1
    check "dpkg -i installs it" [ $? -eq 0 ]
    check "morlando-split --version from PATH" eval \
        '[ "$(command -v morlando-split)" = /usr/bin/morlando-split ] && [ "$(morlando-split --version | head -1)" = "morlando-split 1.0" ]'
    check "man -w finds its page" [ "$(man -w morlando-split 2>/dev/null)" = /usr/share/man/man1/morlando-split.1.gz ]
    dpkg -r morlando-split >>"$out/dpkg.log" 2>&1
    status=$?
    check "dpkg -r removes it" eval \
        '[ $status -eq 0 ] && [ ! -e /usr/bin/morlando-split ] && [ ! -e /usr/share/man/man1/morlando-split.1.gz ] &&
         [ ! -e /usr/share/bash-completion/completions/morlando-split ] && [ ! -e /usr/share/doc/morlando-split ]'
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
