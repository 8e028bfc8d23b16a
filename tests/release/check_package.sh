#!/usr/bin/env bash
# Makes the operator's package from this build's Stats.dll with
# scripts/package, lists it, and checks it as an operator would receive it:
# exactly the DLL, the guide and the checksum file, in a folder named after
# the version; checksums that verify; the guide in CR LF text naming the
# Plugins folder and every settings key an operator may edit.
# Usage: check_package.sh SOURCE_DIR BUILT_DLL WORK_DIR
set -u
src=$1
dll=$2
work=$3
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
version=$(head -n 1 "$src/VERSION")
name=AADX-Stats-$version
zip=$work/dist/$name.zip
if ! bash "$src/scripts/package" --dll "$dll" --out "$work/dist"; then
  echo "FAIL: scripts/package failed"
  exit 1
fi
echo "--- package contents"
unzip -l "$zip" || fail "unzip cannot list $zip"

listed=$(unzip -Z1 "$zip" | tr '\n' ' ')
expected="$name/ $name/Stats.dll $name/README.txt $name/SHA256SUMS.txt "
[ "$listed" = "$expected" ] || fail "entries are '$listed', expected '$expected'"
(cd "$work/dist" && sha256sum -c --quiet "$name.zip.sha256") ||
  fail "the zip's own checksum file does not verify"

mkdir -p "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked" || fail "cannot unpack"
folder=$work/unpacked/$name
(cd "$folder" && sha256sum -c SHA256SUMS.txt) || fail "SHA256SUMS.txt does not verify"
cmp -s "$dll" "$folder/Stats.dll" || fail "the packaged Stats.dll is not the built one"

guide=$folder/README.txt
lines=$(wc -l <"$guide")
crlf=$(grep -c $'\r$' "$guide")
[ "$lines" -gt 0 ] && [ "$lines" -eq "$crlf" ] ||
  fail "README.txt: $crlf of $lines lines end in CR LF"
grep -q "plug-in $version " "$guide" || fail "README.txt does not name version $version"
grep -q '"Plugins"' "$guide" || fail "README.txt does not name the Plugins folder"
for key in Mode Master Start dxcc_x dxcc_y Operators Name Email Club Address \
  Address-City Address-State Address-PostalCode Address-Country SoapBox; do
  grep -Eq "(^|[ ,])$key([ ,]|$)" <(tr -d '\r' <"$guide") ||
    fail "README.txt does not explain the settings key $key"
done

# The same DLL and tree make the same zip again.
first=$(sha256sum <"$zip")
bash "$src/scripts/package" --dll "$dll" --out "$work/dist" >/dev/null
[ "$(sha256sum <"$zip")" = "$first" ] || fail "a second packaging gave another zip"

if [ "$failures" -eq 0 ]; then
  echo "package checks: all passed"
  rm -rf "$work/unpacked"
  exit 0
fi
echo "package checks: $failures failed"
exit 1
