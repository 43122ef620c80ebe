#!/usr/bin/env bash
# Builds and starts the analysis program, or (with "test") builds and runs every test.
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(qt6-base-dev qt6-serialport-dev qt6-base-dev-tools libgl-dev libxlsxwriter-dev libgtest-dev
          libbenchmark-dev cmake ninja-build g++ poppler-utils unzip fonts-liberation)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

case "${1:-run}" in
test)
    cmake -S . -B build -G Ninja -DPANELS_BUILD_TESTS=ON
    cmake --build build --parallel
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel 4
    ;;
bench)
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPANELS_BUILD_BENCH=ON
    cmake --build build-bench --parallel
    for b in build-bench/bench/bench_*; do
        if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
run)
    cmake -S . -B build -G Ninja
    cmake --build build --parallel --target Velquin_Analyser_Pelmar_v2-4
    exec build/analysis/app/Velquin_Analyser_Pelmar_v2-4
    ;;
*)
    echo "usage: $0 [run|test|bench]" >&2
    exit 2
    ;;
esac
