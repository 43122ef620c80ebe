#!/usr/bin/env bash
# Builds and starts the analysis program; "test" builds and runs every test, then again under the
# sanitizers with a short fuzzing run; "bench" runs the benchmarks; "fuzz [seconds]" fuzzes long.
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(qt6-base-dev qt6-serialport-dev qt6-base-dev-tools libgl-dev libxlsxwriter-dev libgtest-dev
          libbenchmark-dev cmake ninja-build g++ clang libclang-rt-dev poppler-utils unzip fonts-liberation
          locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get)
    elif command -v sudo >/dev/null 2>&1; then
        apt_get=(sudo env DEBIAN_FRONTEND=noninteractive apt-get)
    else
        echo "$0: these packages are missing: ${missing[*]}" >&2
        echo "$0: installing them needs root or sudo; ask an administrator to run:" >&2
        echo "    apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    "${apt_get[@]}" update -qq
    "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

fuzz_targets=(saved_file answers download_rows config_answers config_parameter_file)

# Undefined behaviour stops the program with a stack; the sanitizer build runs with these.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

sanitize_build() {
    cmake -S . -B build-sanitize -G Ninja -DPANELS_SANITIZE=ON
    cmake --build build-sanitize --parallel "$@"
}

# Each fuzz target from its committed seeds, with the libFuzzer flags given after "quiet" or "loud";
# new inputs go to a working corpus in the build folder and failing ones to build-sanitize/fuzz/artifacts.
# Quiet keeps each target's output in build-sanitize/fuzz/<target>.log and shows its end.
fuzz_all() {
    local mode=$1 status=0
    shift
    mkdir -p build-sanitize/fuzz/artifacts
    for t in "${fuzz_targets[@]}"; do
        mkdir -p "build-sanitize/fuzz/work-$t"
        local command=("build-sanitize/fuzz/fuzz_$t" "$@" -artifact_prefix="build-sanitize/fuzz/artifacts/$t-"
                       "build-sanitize/fuzz/work-$t" "fuzz/corpus/$t")
        echo "== fuzz_$t $*"
        if [ "$mode" = loud ]; then
            "${command[@]}" || status=1
        elif "${command[@]}" > "build-sanitize/fuzz/$t.log" 2>&1; then
            grep -E "DONE|^Done" "build-sanitize/fuzz/$t.log"
        else
            status=1
            tail -n 60 "build-sanitize/fuzz/$t.log"
        fi
    done
    return $status
}

case "${1:-run}" in
test)
    cmake -S . -B build -G Ninja -DPANELS_BUILD_TESTS=ON
    cmake --build build --parallel
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel 4
    sanitize_build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure --parallel 4
    fuzz_all quiet -max_total_time=5
    ;;
bench)
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPANELS_BUILD_BENCH=ON -DPANELS_BUILD_TESTS=OFF
    cmake --build build-bench --parallel --target benchmarks
    for b in build-bench/bench/bench_*; do
        if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
fuzz)
    sanitize_build --target "${fuzz_targets[@]/#/fuzz_}"
    if [ -n "${2:-}" ]; then fuzz_all loud -max_total_time="$2"; else fuzz_all loud -runs=1000000; fi
    ;;
run)
    cmake -S . -B build -G Ninja
    cmake --build build --parallel --target Velquin_Analyser_Pelmar_v2-4
    exec build/analysis/app/Velquin_Analyser_Pelmar_v2-4
    ;;
*)
    echo "usage: $0 [run|test|bench|fuzz [seconds]]" >&2
    exit 2
    ;;
esac
