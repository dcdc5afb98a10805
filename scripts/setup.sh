#!/usr/bin/env bash
# Sets up a Debian 12 machine for ZANTOR, builds it, then runs it or its tests.
#   scripts/setup.sh run    install what is missing, build, start zantor on the simulated mouse
#   scripts/setup.sh test   install what is missing, build, run the whole test suite
# Run as root or as a user who may use sudo.
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ZANTOR_BUILD_DIR:-$here/build}

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libudev-dev nlohmann-json3-dev
    fonts-liberation2 fonts-noto-cjk
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    umockdev libumockdev-dev
    xvfb xdotool trayer x11-utils
)
[ "$mode" = test ] && packages+=("${test_packages[@]}")

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

tests=OFF
[ "$mode" = test ] && tests=ON
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZANTOR_BUILD_TESTS=$tests -DZANTOR_BUILD_BENCH=$tests
cmake --build "$build"

case "$mode" in
test)
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
run)
    if [ -x "$build/zantor" ]; then
        exec "$build/zantor" --simulate
    fi
    exec "$build/zantorctl" show
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac
