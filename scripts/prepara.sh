# Shared by run.sh and test.sh: installs the missing Debian packages, then configures and builds into build/.
# Sourced, not run.

PACCHETTI=(clang-format libsqlite3-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libxkbcommon-dev qt6-translations-l10n
           cmake ninja-build g++ fonts-dejavu-core xvfb xauth libbenchmark-dev)

installa_mancanti() {
    local mancanti=()
    for p in "${PACCHETTI[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            mancanti+=("$p")
        fi
    done
    [ ${#mancanti[@]} -eq 0 ] && return 0
    echo "Pacchetti mancanti: ${mancanti[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Servono i privilegi di root per installarli (né root né sudo disponibili)." >&2
            echo "Installare a mano: apt-get install -y --no-install-recommends ${mancanti[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update || return 1
    "${sudo[@]}" apt-get install -y --no-install-recommends "${mancanti[@]}" || {
        echo "Installazione non riuscita dei pacchetti: ${mancanti[*]}" >&2
        return 1
    }
}

compila() {
    local radice="$1"
    cmake -S "$radice" -B "$radice/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOLVARNO_WERROR=ON || return 1
    cmake --build "$radice/build" --parallel || return 1
}

# The tests' own tree (build-test/): every test runs under AddressSanitizer and UndefinedBehaviorSanitizer, built
# with few optimizations so that it builds quickly; a sanitizer's report fails the test. No benchmark is built here.
compila_test() {
    local radice="$1"
    cmake -S "$radice" -B "$radice/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" \
        -DGOLVARNO_WERROR=ON -DGOLVARNO_SANITIZE=ON || return 1
    cmake --build "$radice/build-test" --parallel || return 1
}

# Every tracked source file of src/, tools/, bench/ and tests/ must match the formatter configuration
# (.clang-format at the root); the files that do not are listed and the check fails.
controlla_formato() {
    local radice="$1"
    local diversi=()
    while IFS= read -r -d '' f; do
        clang-format --dry-run --Werror "$radice/$f" >/dev/null 2>&1 || diversi+=("$f")
    done < <(git -C "$radice" ls-files -z -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h' \
                 'tests/*.cpp' 'tests/*.h')
    [ ${#diversi[@]} -eq 0 ] && return 0
    echo "File non formattati secondo .clang-format (clang-format -i per sistemarli):" >&2
    printf '  %s\n' "${diversi[@]}" >&2
    return 1
}
