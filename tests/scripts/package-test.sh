#!/usr/bin/env bash
# The Debian package as a user meets it: made by the build's `package` target, holding the programs,
# their data, the menu entry (validated), the icons, the manual pages (naming every option of
# tallyrin-calc --help) and the copyright, with its Depends computed from the libraries. Unpacked
# into a temporary root, its tallyrin-calc tells its version and its tallyrin, started offscreen
# with a temporary home, sets up the working folder with the table files.
#
# usage: package-test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
deb="$build/tallyrin2009_${version}_amd64.deb"
fail() { echo "FAILED: $*"; exit 1; }

cmake --build "$build" --target package > "$build/package-test.log" 2>&1 || { cat "$build/package-test.log"; fail "make package"; }
[ -f "$deb" ] || fail "no $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/tallyrin ./usr/bin/tallyrin-calc \
    ./usr/share/tallyrin2009/Federal09.dtt ./usr/share/tallyrin2009/Federal09_jan.dtt ./usr/share/tallyrin2009/Tly2k.chm \
    ./usr/share/applications/tallyrin2009.desktop \
    ./usr/share/icons/hicolor/48x48/apps/tallyrin2009.png ./usr/share/icons/hicolor/scalable/apps/tallyrin2009.svg \
    ./usr/share/man/man1/tallyrin.1.gz ./usr/share/man/man1/tallyrin-calc.1.gz \
    ./usr/share/doc/tallyrin2009/copyright; do
    grep -qx -- "$path" <<< "$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q "libqt6widgets6" <<< "$depends" || fail "Depends lacks the Qt libraries: $depends"
# The prints are laid out for Liberation Sans: the font comes with the package, not by luck.
grep -q "fonts-liberation" <<< "$depends" || fail "Depends lacks fonts-liberation: $depends"

# Debian's own checks: no error and no warning (overrides only for the system's own texts).
if command -v lintian > /dev/null; then
    lintian -I -E --pedantic --fail-on error,warning "$deb" > "$build/lintian.log" 2>&1 || { cat "$build/lintian.log"; fail "lintian"; }
fi

root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
dpkg-deb -x "$deb" "$root"

desktop-file-validate "$root/usr/share/applications/tallyrin2009.desktop" || fail "the menu entry does not validate"
grep -q "^Categories=.*Office;.*Finance;" "$root/usr/share/applications/tallyrin2009.desktop" || fail "menu categories"

manual=$(zcat "$root/usr/share/man/man1/tallyrin-calc.1.gz" | sed 's/\\-/-/g')
for option in $("$root/usr/bin/tallyrin-calc" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
    grep -q -- "$option" <<< "$manual" || fail "the manual page does not name $option"
done
for word in "EXIT STATUS" "HOURS SHEET" regular2 ot15 vacation ot2x; do
    grep -q -- "$word" <<< "$manual" || fail "the manual page lacks $word"
done

"$root/usr/bin/tallyrin-calc" --version | grep -q "$version" || fail "tallyrin-calc --version"

# The program started as a new user would, with no display: it sets up ~/Tallyrin2009 from the
# package's own data folder.
HOME="$home" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home" "$root/usr/bin/tallyrin" > "$home/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
    [ -f "$home/Tallyrin2009/Tly2k.chm" ] && break
    sleep 0.1
done
kill "$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
for file in Federal09.dtt Federal09_jan.dtt Tly2k.chm; do
    cmp -s "$root/usr/share/tallyrin2009/$file" "$home/Tallyrin2009/$file" || { cat "$home/run.log"; fail "the working folder lacks $file"; }
done
# A paycheck printed by the unpacked program: with the font, its date and amount are whole and the
# PDF names Liberation Sans; on a machine without the font, the program names the package to install.
here=$(cd "$(dirname "$0")" && pwd)
work="$home/work"
mkdir -p "$work"
cp "$here/../golden/cli/normal-period/files/work/"* "$work/"
cp "$root/usr/share/tallyrin2009/Federal09.dtt" "$root/usr/share/tallyrin2009/Federal09_jan.dtt" "$work/"
chmod 700 "$work"
XDG_RUNTIME_DIR="$home" "$root/usr/bin/tallyrin-calc" --folder "$work" --user Smith --entries 40,,2,,,,, \
    --check "$home/check.pdf" > /dev/null 2> "$home/check.log" || { cat "$home/check.log"; fail "printing a check"; }
if command -v pdftotext > /dev/null; then
    amount=$(pdftotext -layout "$home/check.pdf" - | grep -o '\*\*\*[0-9,]*\.[0-9][0-9]' | head -1)
    [ -n "$amount" ] || fail "the check's amount is not printed whole"
    pdffonts "$home/check.pdf" | grep -q "LiberationSans" || fail "the check is not printed in Liberation Sans"
fi
! grep -q "fonts-liberation" "$home/check.log" || fail "a warning about the font where the font is installed"
# A font configuration without Liberation: the warning names the package.
cat > "$home/fonts.conf" <<FONTS
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$home/fontcache</cachedir></fontconfig>
FONTS
FONTCONFIG_FILE="$home/fonts.conf" XDG_RUNTIME_DIR="$home" "$root/usr/bin/tallyrin-calc" --folder "$work" --user Smith \
    --entries 40,,2,,,,, --check "$home/check2.pdf" > /dev/null 2> "$home/check2.log" || true
grep -q "fonts-liberation" "$home/check2.log" || { cat "$home/check2.log"; fail "no word of the missing font"; }

echo "package $deb: contents, menu entry, manual pages, lintian, fonts and first start as expected"
