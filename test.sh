#!/usr/bin/env bash
# Installs what is missing, builds the tests' tree under the sanitizers (build-test/), and runs every test.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$radice/scripts/prepara.sh"
installa_mancanti
controlla_formato "$radice"
compila_test "$radice"
cd "$radice/build-test"
set +e
ctest --output-on-failure -j "$(nproc)"
stato=$?
exit $stato
