#!/usr/bin/env bash
# The web page's tests: the browser driver installed from package-lock.json when missing, then the
# page in headless Chromium against worked examples and the native nusselt (node's test runner).
#   tests/web/run.sh [path of the native nusselt]     (the page built by scripts/web --build-only)
#   tests/web/run.sh --install-only                  only the driver
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
# The native program's path made absolute before the cd below (it is given relative to the top).
[ "${1:-}" = --install-only ] || export NUSSELT=$(realpath -m "${1:-${NUSSELT:-$top/build/default/cli/nusselt}}")
export SITE=${SITE:-$top/build/web}
cd "$here"
if [ ! -d node_modules/puppeteer-core ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
[ "${1:-}" = --install-only ] && exit 0
exec node --test --test-reporter=tap page.test.mjs
