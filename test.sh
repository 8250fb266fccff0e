#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$radice/scripts/prepara.sh"
installa_mancanti
controlla_formato "$radice"
compila "$radice"
cd "$radice/build"
set +e
ctest --output-on-failure -j "$(nproc)"
stato=$?
exit $stato
