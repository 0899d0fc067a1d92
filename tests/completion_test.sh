#!/usr/bin/env bash
# The bash completion of nusselt in a plain bash, without the bash-completion package's helpers
# (_init_completion, _filedir): subcommands, options, choice words and file names still complete.
#   tests/completion_test.sh PATH/TO/nusselt.bash-completion
set -u
script=$1
fails=0
check() {
    local want=$1
    shift
    local got
    got=$(env -i PATH="$PATH" bash --norc --noprofile -c '
        source "$0" || exit 3
        declare -F _init_completion >/dev/null && { echo "helpers present"; exit 3; }
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
        _nusselt 2>&1
        echo "${COMPREPLY[*]}"' "$script" "$@" 2>&1)
    if [ "$got" != "$want" ]; then
        echo "FAIL: nusselt ${*:2}: expected '$want', got '$got'"
        fails=$((fails + 1))
    fi
}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/rows.csv" "$dir/rows2.csv"

check "calculate" nusselt ca
check "batch" nusselt b
check "--geometry" nusselt calculate --geo
check "cylinder" nusselt calculate --geometry cy
check "laminar" nusselt calculate --geometry plate --flow l
check "--temperature" nusselt properties --te
check "--input" nusselt batch --inp
check "$dir/rows.csv $dir/rows2.csv" nusselt batch --input "$dir/ro"
check "" nusselt calculate --re 1
[ "$fails" -eq 0 ] && echo "completion: all passed"
exit $((fails > 0))
