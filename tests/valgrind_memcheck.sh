#!/bin/sh
# Runs a program under valgrind memcheck: any memory error, and any definitely lost block not
# suppressed in the given file, fails. Without valgrind the test is skipped (exit 77).
#   valgrind_memcheck.sh PROGRAM SUPPRESSIONS
command -v valgrind >/dev/null 2>&1 || { echo "valgrind not installed: skipped"; exit 77; }
exec valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
    --show-leak-kinds=definite --error-exitcode=1 --num-callers=30 \
    --suppressions="$2" "$1"
