#!/usr/bin/env bash
# Static checks of the release Stats.dll, which cannot run on this machine:
# a 32-bit PE DLL named Stats, exporting the ten functions under their plain
# and their decorated names, importing only Windows system DLLs.
set -u
dll=$1
src=$2
objdump=i686-w64-mingw32-objdump
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

headers=$($objdump -p "$dll")
if file -b "$dll" | grep -q 'PE32 executable (DLL).*Intel 80386'; then
  pass "PE32 i386 DLL"
else
  fail "not a PE32 i386 DLL: $(file -b "$dll")"
fi

module=$(printf '%s\n' "$headers" | sed -n 's/^Name[[:space:]]*[0-9a-f]* //p' | head -1)
if [ "$module" = "Stats.dll" ] || [ "$module" = "Stats" ]; then
  pass "export directory names the module $module"
else
  fail "export directory module name is '$module'"
fi

exports=$(printf '%s\n' "$headers" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p')

# Plain name, then the signature its decorated alias must spell.
expected=(
  "AddData0|int __cdecl AddData0(char const *, char const *, class COleDateTime *, class COleDateTime *, class COleDateTime *, class COleDateTime *, unsigned int, unsigned int, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, int, int, int, double, double, char const *, char const *, char const *, char const *, char const *)"
  "RemoveData0|int __cdecl RemoveData0(char const *, char const *, class COleDateTime *, class COleDateTime *, class COleDateTime *, class COleDateTime *, unsigned int, unsigned int, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, int, int, int, double, double, char const *, char const *, char const *, char const *, char const *)"
  "CheckCall0|int __cdecl CheckCallFunc0(char const *, unsigned int, unsigned int, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, int, int, int, double, double, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char *, char *)"
  "ResetStats0|int __cdecl ResetStats0(char const *, int, char const *, class COleDateTime *, class COleDateTime *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, char const *, int, int, int, double, double, char const *, char const *, char const *)"
  "GetResult0|char const * __cdecl GetResult0(int *)"
  "GetSetName|char const * __cdecl GetSetName(int)"
  "GetNumberOfSets|int __cdecl GetNumberOfSets(void)"
  "SetupSet0|void __cdecl SetupSet0(void)"
  "GetExchgCount0|int __cdecl StatsGetExchgCount0(char const *, char const *, char const *)"
  "IsValidExchg0|int __cdecl StatsIsValidExchg0(char const *, char const *, char const *, char const *, int, int, int)"
)

count=$(printf '%s\n' "$exports" | grep -c .)
[ "$count" -eq 20 ] && pass "20 export names" || fail "$count export names, expected 20"

# Every name must reach the same code as its plain twin: compare RVAs.
rvas=$(printf '%s\n' "$headers" |
  sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA.*/\1 \2/p')
names=$(printf '%s\n' "$headers" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)/\1 \2/p')
rva_of() {
  local index
  index=$(printf '%s\n' "$names" | awk -v n="$1" '{i = $1; $1 = ""; sub(/^ /, ""); if ($0 == n) print i}')
  [ -n "$index" ] && printf '%s\n' "$rvas" | awk -v i="$index" '$1 == i {print $2}'
}

# Each decorated name and the signature it spells, tab-separated.
demangled=$(printf '%s\n' "$exports" | grep '^?' | while read -r name; do
  printf '%s\t%s\n' "$name" "$(llvm-undname "$name" | sed -n 2p)"
done)

for entry in "${expected[@]}"; do
  plain=${entry%%|*}
  signature=${entry#*|}
  if printf '%s\n' "$exports" | grep -qx "$plain"; then
    pass "plain export $plain"
  else
    fail "plain export $plain missing"
  fi
  decorated=$(printf '%s\n' "$demangled" | awk -F'\t' -v s="$signature" '$2 == s {print $1}')
  if [ -z "$decorated" ]; then
    fail "no decorated export spells: $signature"
    continue
  fi
  pass "decorated export of $signature"
  plain_rva=$(rva_of "$plain")
  alias_rva=$(rva_of "$decorated")
  if [ -n "$plain_rva" ] && [ "$plain_rva" = "$alias_rva" ]; then
    pass "$decorated reaches $plain"
  else
    fail "$decorated ($alias_rva) and $plain ($plain_rva) differ"
  fi
done

imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll version.dll comctl32.dll msvcrt.dll shell32.dll "
echo "imports: $(echo $imports)"
for imp in $imports; do
  case "$system_dlls" in
    *" $imp "*) ;;
    *) fail "imports a non-system DLL: $imp" ;;
  esac
done

if [ "$failures" -eq 0 ]; then
  echo "release checks: all passed"
  exit 0
fi
echo "release checks: $failures failed"
exit 1
