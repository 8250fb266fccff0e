#!/usr/bin/env bash
# Window openings of this checkout beside those of another commit, measured by today's window benchmark in both.
#
#   scripts/confronta_finestre.sh [commit] [runs]      (defaults: 4365451, 5 runs)
#
# The other commit is checked out in build-confronto/<commit> (a git worktree, ignored by git) with this checkout's
# bench/golvarno_bench_finestre.cpp copied in; both are built in release (RelWithDebInfo) and the two benchmarks run
# alternately, `runs` times each, pinned to two cores when taskset is there (GOLVARNO_CORE="6,7" chooses them).
# Printed: each window's best median over the runs for both, their ratio, the median of the ratios, and the windows
# past one frame (16 ms). GOLVARNO_PARALLELO sets the build's jobs (default 4).
set -euo pipefail

radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
riferimento="${1:-4365451}"
giri="${2:-5}"
lavori="${GOLVARNO_PARALLELO:-4}"

if ! [[ "$giri" =~ ^[1-9][0-9]*$ ]]; then
    echo "Numero di giri non valido: $giri" >&2
    exit 2
fi
commit="$(git -C "$radice" rev-parse --verify --quiet "$riferimento^{commit}")" || {
    echo "Commit sconosciuto: $riferimento" >&2
    exit 2
}
altro="$radice/build-confronto/${commit:0:7}"

# The other commit's checkout, made once and reused; only the benchmark source is replaced in it.
if [ ! -e "$altro/.git" ]; then
    mkdir -p "$radice/build-confronto"
    git -C "$radice" worktree add --detach "$altro" "$commit" >/dev/null
fi
git -C "$altro" checkout --quiet --force --detach "$commit"
cp "$radice/bench/golvarno_bench_finestre.cpp" "$altro/bench/golvarno_bench_finestre.cpp"

compila() {
    cmake -S "$1" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOLVARNO_WERROR=ON >/dev/null
    cmake --build "$1/build" --parallel "$lavori" --target golvarno_bench_finestre >/dev/null
}
echo "Compilazione di $(git -C "$radice" rev-parse --short HEAD) (questa copia) e di ${commit:0:7} ..."
compila "$radice"
compila "$altro"

# Two cores, the last ones unless told otherwise, so that both benchmarks meet the same conditions.
fissa=()
if command -v taskset >/dev/null 2>&1; then
    core="${GOLVARNO_CORE:-}"
    if [ -z "$core" ] && [ "$(nproc)" -ge 2 ]; then core="$(($(nproc) - 2)),$(($(nproc) - 1))"; fi
    [ -n "$core" ] && fissa=(taskset -c "$core")
fi

risultati="$(mktemp -d)"
trap 'rm -rf "$risultati"' EXIT
esegui() {  # <label> <binary> <run>
    "${fissa[@]}" "$2" --benchmark_out="$risultati/$1-$3.json" --benchmark_out_format=json >/dev/null 2>&1 || {
        echo "Benchmark di $1 non riuscito al giro $3" >&2
        exit 1
    }
}
for ((i = 1; i <= giri; ++i)); do
    echo "Giro $i di $giri ${fissa[*]:+(${fissa[*]})}"
    # Alternate which one goes first, so that a slow spell of the machine falls on both alike.
    if ((i % 2)); then
        esegui oggi "$radice/build/bin/golvarno_bench_finestre" "$i"
        esegui altro "$altro/build/bin/golvarno_bench_finestre" "$i"
    else
        esegui altro "$altro/build/bin/golvarno_bench_finestre" "$i"
        esegui oggi "$radice/build/bin/golvarno_bench_finestre" "$i"
    fi
done

python3 - "$risultati" "$(git -C "$radice" rev-parse --short HEAD)" "${commit:0:7}" <<'PY'
import glob, json, os, re, statistics, sys

cartella, oggi, altro = sys.argv[1:4]
BUDGET = 16.0

def minimi(etichetta):
    """Each benchmark's smallest median (ms) over the runs."""
    m = {}
    for f in glob.glob(os.path.join(cartella, etichetta + "-*.json")):
        with open(f, encoding="utf-8") as h:
            for b in json.load(h)["benchmarks"]:
                if b.get("aggregate_name") != "median" or b.get("error_occurred"):
                    continue
                nome = re.sub(r"/iterations:.*$", "", b["run_name"])
                m[nome] = min(m.get(nome, float("inf")), b["real_time"])
    return m

a, b = minimi("oggi"), minimi("altro")
def chiave(n):
    x = re.search(r"(\d+)$", n)
    return (not n.startswith("Finestra Form"), int(x.group(1)) if x else 0, n)

print(f"\nMinimi delle mediane in ms su {len(glob.glob(os.path.join(cartella, 'oggi-*.json')))} giri")
print(f"{'Misura':<42} {oggi:>9} {altro:>9} {'rapporto':>9}")
rapporti, oltre, lenti = [], [], []
for n in sorted(set(a) | set(b), key=chiave):
    x, y = a.get(n), b.get(n)
    r = x / y if x is not None and y else None
    finestra = n.startswith("Finestra Form")
    if finestra and r is not None:
        rapporti.append(r)
        if r > 1.15:
            lenti.append(n)
    if finestra and x is not None and x > BUDGET:
        oltre.append(n)
    fx = f"{x:9.2f}" if x is not None else f"{'-':>9}"
    fy = f"{y:9.2f}" if y is not None else f"{'-':>9}"
    fr = f"{r:8.2f}x" if r is not None else f"{'-':>9}"
    print(f"{n[:42]:<42} {fx} {fy} {fr}")
if rapporti:
    print(f"\nRapporto mediano delle finestre ({oggi} / {altro}): {statistics.median(rapporti):.3f}")
print(f"Finestre oltre 1.15x: {', '.join(s.removeprefix('Finestra ') for s in lenti) or 'nessuna'}")
print(f"Finestre di {oggi} oltre un fotogramma ({BUDGET:.0f} ms): "
      f"{', '.join(s.removeprefix('Finestra ') for s in oltre) or 'nessuna'}")
PY
