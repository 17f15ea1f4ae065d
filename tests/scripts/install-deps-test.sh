#!/usr/bin/env bash
# The install step as a fresh machine meets it: run as root, every package missing, no sudo on the
# PATH. dpkg and apt-get are stubs that record their arguments; `id` answers root. The step must
# succeed, update the package lists and ask apt-get to install every package it lists.
set -u
script="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin"
printf '#!/bin/sh\nexit 1\n' > "$tmp/bin/dpkg"
printf '#!/bin/sh\nexit 1\n' > "$tmp/bin/dpkg-query"
printf '#!/bin/sh\necho 0\n' > "$tmp/bin/id"
printf '#!/bin/sh\necho "$DEBIAN_FRONTEND $*" >> "%s/apt.log"\n' "$tmp" > "$tmp/bin/apt-get"
chmod +x "$tmp/bin/"*
# Every other command the step may use, without sudo.
mkdir -p "$tmp/sys"
for d in /usr/local/bin /usr/bin /bin; do
    for f in "$d"/*; do
        b=$(basename "$f")
        [ "$b" = sudo ] || [ -e "$tmp/bin/$b" ] || [ -e "$tmp/sys/$b" ] || ln -s "$f" "$tmp/sys/$b"
    done
done
if ! env -i PATH="$tmp/bin:$tmp/sys" HOME="$tmp" bash "$script" > "$tmp/out.txt" 2>&1 < /dev/null; then
    echo "the install step failed as root with every package missing:"
    cat "$tmp/out.txt"
    exit 1
fi
grep -q '^noninteractive update' "$tmp/apt.log" || { echo "no apt-get update:"; cat "$tmp/apt.log"; exit 1; }
install_line=$(grep '^noninteractive install' "$tmp/apt.log") || { echo "no apt-get install:"; cat "$tmp/apt.log"; exit 1; }
# Every package of the list was asked for.
packages=$(sed -n '/^packages=(/,/^)/p' "$script" | sed '1d;$d' | tr -s ' \n' '\n' | sed '/^$/d')
for p in $packages; do
    case " $install_line " in
    *" $p "*) ;;
    *) echo "package $p was not installed: $install_line"; exit 1 ;;
    esac
done
echo "install step as root: $(echo "$packages" | wc -l) packages asked for"
