#!/usr/bin/env bash
# Checks the 32-bit sample plug-ins and skins, which no machine here can run, against the
# interface of sdk/quillmap_plugin.h: 32-bit DLLs; the entry points exported by their plain names
# (StartProc, not _StartProc@8) and nothing else; the stdcall names of their object files giving
# each entry point's argument bytes (_StartProc@8: two 32-bit cells); the signature string; and
# only system DLLs imported. Usage: scripts/check-abi.sh WIN32_BUILD_DIR
# Outputs are read whole before grep -q looks at them: a grep that stops early would fail its
# pipeline under pipefail.
set -uo pipefail
dir=${1:?usage: check-abi.sh WIN32_BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
objdump=i686-w64-mingw32-objdump
nm=i686-w64-mingw32-nm

# Argument bytes of every entry point: 4 for each cell, pointer and address.
declare -A arguments=([StartProc]=8 [StartDopProc]=12
    [crskin]=8 [chskin]=8 [deletskin]=0 [drskin]=12 [nastroj]=0)
declare -A required=([plugins]="StartProc" [skins]="crskin chskin deletskin drskin nastroj")
declare -A optional=([plugins]="StartDopProc" [skins]="")
declare -A signature=([plugins]=plugindll [skins]=skindll)
system_dlls=" kernel32.dll user32.dll gdi32.dll comdlg32.dll msimg32.dll msvcrt.dll advapi32.dll shell32.dll "

status=0
fail() {
    echo "check-abi: $dll: $*" >&2
    status=1
}

check_dll() {
    local folder=$1 name exports decorated entry n
    name=$(basename "$dll" .dll)
    if ! grep -q 'file format pei-i386' <<<"$("$objdump" -f "$dll" 2>/dev/null)"; then
        fail "not a 32-bit DLL"
        return
    fi

    exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p')
    local objects=$dir/samples/CMakeFiles/$name.dir
    if [ ! -d "$objects" ]; then
        fail "no object files in $objects"
        return
    fi
    decorated=$(find "$objects" -name '*.obj' -exec "$nm" -g --defined-only {} + |
        awk '$2 == "T" && $3 ~ /^_[A-Za-z]+@[0-9]+$/ { print substr($3, 2) }')

    for entry in $exports; do
        case " ${required[$folder]} ${optional[$folder]} " in
        *" $entry "*) ;;
        *) fail "exports \"$entry\", which is no entry point of $folder (decorated? link with -Wl,--kill-at)" ;;
        esac
    done
    for entry in ${required[$folder]}; do
        grep -qx "$entry" <<<"$exports" || fail "does not export $entry"
    done
    for entry in ${required[$folder]} ${optional[$folder]}; do
        n=$(sed -n "s/^$entry@//p" <<<"$decorated")
        if grep -qx "$entry" <<<"$exports"; then
            [ -n "$n" ] || fail "exports $entry, but no object defines the stdcall _$entry@N"
        elif [ -n "$n" ]; then
            fail "defines _$entry@$n but does not export $entry"
        fi
        [ -z "$n" ] || [ "$n" = "${arguments[$entry]}" ] ||
            fail "_$entry@$n: $entry takes ${arguments[$entry]} bytes of arguments"
    done

    local id1
    id1=$(python3 "$here/stringtable.py" "$dll" | awk -F'\t' '$1 == 1 { print $2 }')
    [ "$id1" = "${signature[$folder]}" ] || fail "string 1 is \"$id1\", not \"${signature[$folder]}\""
    grep -q $'^2\t.' <<<"$(python3 "$here/stringtable.py" "$dll")" || fail "no caption in string 2"

    for n in $("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        [[ "$system_dlls" == *" $n "* ]] || fail "imports $n, which Windows does not have"
    done
}

# The program's side: the service lookup a plug-in receives takes two cells.
service_symbols=$(find "$dir/src" -name 'pluginservice.cpp.obj' -exec "$nm" -g --defined-only {} +)
if ! grep -q ' T _PluginService@8$' <<<"$service_symbols"; then
    echo "check-abi: the 32-bit program defines no stdcall _PluginService@8" >&2
    status=1
fi

found=0
for folder in plugins skins; do
    for dll in "$dir/$folder"/*.dll; do
        [ -e "$dll" ] || continue
        found=$((found + 1))
        check_dll "$folder"
    done
done
if [ "$found" -eq 0 ]; then
    echo "check-abi: no DLLs in $dir/plugins or $dir/skins" >&2
    exit 1
fi
[ "$status" -eq 0 ] && echo "check-abi: $found DLLs in $dir match the 32-bit interface"
exit "$status"
