#!/usr/bin/env bash
# Installs what is missing, builds, and starts Golvarno 2000.
set -euo pipefail
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$radice/scripts/prepara.sh"
installa_mancanti
compila "$radice"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Nessuno schermo grafico disponibile (DISPLAY non impostato)."
    echo "Per avviare il programma su uno schermo virtuale: xvfb-run -a \"$radice/build/bin/golvarno\""
    exit 1
fi
exec "$radice/build/bin/golvarno" "$@"
