#!/usr/bin/env bash
# Set-up on a fresh Debian machine.
#   bash setup.sh run    installs what is missing, builds the program alone and starts it
#   bash setup.sh test   installs what is missing, builds and runs every test
#                        (also a second, sanitized build of the Qt-free core)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES="cmake g++ ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libgif-dev qt6-translations-l10n poppler-utils"
JOBS=$(nproc 2>/dev/null || echo 2)

install_missing() {
    local missing=()
    for p in $PACKAGES; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    else
        sudo apt-get update
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

# Builds the given targets (all of them when none is given).
build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$JOBS" ${1:+--target "$@"}
}

case "${1:-}" in
run)
    install_missing
    # The program alone, with the libraries and pictures it reads beside it:
    # no tests, no benchmarks.
    build marlovine
    exec ./build/marlovine
    ;;
test)
    install_missing
    build
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
    cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DMARLOVINE_CORE_ONLY=ON -DMARLOVINE_SANITIZE=ON
    cmake --build build-san -j "$JOBS"
    (cd build-san && ctest --output-on-failure -j "$JOBS")
    ;;
*)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
