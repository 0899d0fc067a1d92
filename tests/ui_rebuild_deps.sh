#!/usr/bin/env bash
# One build after an edit of dialog/externalflow.ui must rebuild every object that sees the
# generated form header, in every target (tests included). Ninja does that when
#   1. the header that the compilers read is an output of a build rule whose input is the .ui, and
#   2. every object whose source includes externalflow.h lists that very header path among its
#      discovered dependencies (`ninja -t deps`), so Ninja regenerates it before judging the object.
# This asks Ninja about the current build tree; it builds nothing and changes nothing.
#   tests/ui_rebuild_deps.sh GENERATOR NINJA BUILD_DIR SOURCE_DIR
# Exit 77 (skipped) when the generator is not Ninja.
set -u
generator=$1
ninja=$2
build=$3
source=$4

if [ "$generator" != "Ninja" ]; then
    echo "SKIP: generator is \"$generator\", not Ninja"
    exit 77
fi

ui="$source/dialog/externalflow.ui"
dialog_header="$source/dialog/externalflow.h"
deps=$(mktemp)
trap 'rm -f "$deps"' EXIT
"$ninja" -C "$build" -t deps >"$deps" || { echo "FAIL: ninja -t deps"; exit 1; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Records of `ninja -t deps`: "object: #deps N, ..." then the dependencies indented, the source
# first. Print "object<TAB>source<TAB>sees-dialog-header<TAB>form-header-path".
records=$(awk -v dh="$dialog_header" '
    function flush() { if (obj != "") print obj "\t" src "\t" sees "\t" form; }
    /^[^ ]/ { flush(); obj = $0; sub(/: #deps .*/, "", obj); src = ""; sees = 0; form = ""; next }
    /^    / { p = substr($0, 5); if (src == "") src = p; if (p == dh) sees = 1;
              if (p ~ /(^|\/)ui_externalflow\.h$/) form = p; next }
    END { flush() }' "$deps")

# Condition 1 for every spelling of the generated header that any object reads.
declare -A generated_ok=()
while IFS= read -r header; do
    [ -n "$header" ] || continue
    query=$("$ninja" -C "$build" -t query "$header" 2>&1)
    inputs=$(printf '%s\n' "$query" | awk '/^  input:/ { on = 1; next } /^  outputs:/ { on = 0 } on { sub(/^ +/, ""); print }')
    found=0
    while IFS= read -r input; do
        case "$input" in
            /*) path=$input ;;
            *) path="$build/$input" ;;
        esac
        [ "$(realpath -m "$path")" = "$(realpath -m "$ui")" ] && found=1
    done <<<"$inputs"
    if [ "$found" -eq 1 ]; then
        generated_ok[$header]=1
    else
        fail "$header is read by compilers but is not an output of a rule built from $ui"
        printf '%s\n' "$query" | sed 's/^/    /'
    fi
done < <(printf '%s\n' "$records" | cut -f4 | sort -u)

# Condition 2 for every object that sees externalflow.h.
checked=0
declare -A built_sources=()
while IFS=$'\t' read -r obj src sees form; do
    [ -n "$obj" ] || continue
    built_sources[$(realpath -m "$src")]=$obj
    [ "$sees" = 1 ] || continue
    checked=$((checked + 1))
    if [ -z "$form" ]; then
        fail "$obj includes externalflow.h but does not depend on ui_externalflow.h"
    elif [ -z "${generated_ok[$form]:-}" ]; then
        fail "$obj depends on $form, which no rule generates from the .ui"
    fi
done <<<"$records"

# The objects above must include every built source that includes externalflow.h, directly or
# through a header of the project: otherwise the dependency log is incomplete (build first).
includers=("externalflow.h")
while :; do
    pattern=$(printf '%s\n' "${includers[@]}" | sed 's/[.]/\\./g' | paste -sd'|')
    mapfile -t more < <(grep -rlE --include='*.h' "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*/)?($pattern)\"" \
        "$source" --exclude-dir=build --exclude-dir=.git 2>/dev/null | xargs -r -n1 basename | sort -u)
    grown=0
    for h in "${more[@]}"; do
        printf '%s\n' "${includers[@]}" | grep -qxF "$h" || { includers+=("$h"); grown=1; }
    done
    [ "$grown" -eq 1 ] || break
done
pattern=$(printf '%s\n' "${includers[@]}" | sed 's/[.]/\\./g' | paste -sd'|')
compiled=$("$ninja" -C "$build" -t compdb | sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' | sort -u)
expected=0
while IFS= read -r file; do
    case "$file" in *.cpp | *.cc | *.cxx) ;; *) continue ;; esac
    case "$file" in /*) ;; *) file="$build/$file" ;; esac
    file=$(realpath -m "$file")
    grep -qE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*/)?($pattern)\"" "$file" 2>/dev/null || continue
    expected=$((expected + 1))
    obj=${built_sources[$file]:-}
    if [ -z "$obj" ]; then
        fail "$file includes externalflow.h but has no entry in the dependency log (build first)"
    elif ! awk -v o="$obj" -F'\t' '$1 == o && $3 == 1 { ok = 1 } END { exit !ok }' <<<"$records"; then
        fail "$obj (from $file) does not list $dialog_header among its dependencies"
    fi
done <<<"$compiled"

if [ "$expected" -lt 3 ]; then
    fail "found only $expected sources that include externalflow.h; expected the dialog, the entry and the tests"
fi
if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "PASS: ${#generated_ok[@]} generated form header(s) built from the .ui; $checked objects that see externalflow.h depend on it ($expected sources include it)"
