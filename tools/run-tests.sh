#!/usr/bin/env bash
# The project's whole test run: Linux debug and sanitizer suites, fuzzers, benchmarks, both
# Windows builds and the DLL's export table. Every step runs; the last line sums them up. It
# first installs the packages it lacks when run as root (tools/packages.sh).
# Usage: tools/run-tests.sh   (from anywhere; builds under build/<preset>)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
# shellcheck source=tools/packages.sh
source tools/packages.sh
mdvr_install_missing  # as root on a fresh Debian 12; otherwise one line on what is missing
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
JOBS=${MDVR_JOBS:-2}
FUZZ_SECONDS=${MDVR_FUZZ_SECONDS:-30}      # per fuzzer at most
FUZZ_BUDGET=${MDVR_FUZZ_BUDGET:-300}       # all fuzzers together, so more targets keep CI short
EXPORTS=(IsEnableDll GetPluginParam GetDisplayWidth GetDisplayHeight SetConfigFunction
         SetConfigFunctionEx SetConfigFuncMutli SetLangPath SetDevType SetDevID DisplayConfig
         DisplayUpdate DllPreTranslateMessage ActivePage SaveLocalCfgFile IsLoadConfigFile)
# DLLs every Windows installation has; anything else (libgcc, libstdc++, libwinpthread) is not.
SYSTEM_DLLS='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|shlwapi|ole32|oleaut32|uxtheme|msvcrt|ws2_32|version|imm32|winmm|msimg32)\.dll$'

passed=0
failed=0
failures=()

step() {  # step <name> <command...>: runs one step, records its outcome, never stops the run
    local name=$1
    shift
    echo "=== $name"
    local start=$SECONDS
    if "$@"; then
        passed=$((passed + 1))
        echo "=== $name: passed ($((SECONDS - start)) s)"
    else
        failed=$((failed + 1))
        failures+=("$name")
        echo "=== $name: FAILED ($((SECONDS - start)) s)"
    fi
}

build_preset() {  # build_preset <preset> [target...]
    local preset=$1
    shift
    local targets=()
    (($# == 0)) || targets=(--target "$@")
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$JOBS" "${targets[@]}"
}

test_preset() {
    build_preset "$1" && ctest --preset "$1" -j "$JOBS" --output-on-failure
}

run_fuzzers() {
    local fuzzers=() fuzzer
    for fuzzer in build/asan/fuzz/*_fuzz; do
        [[ -x $fuzzer ]] && fuzzers+=("$fuzzer")
    done
    if ((${#fuzzers[@]} == 0)); then
        echo "no fuzzers built"
        return 1
    fi
    local seconds=$((FUZZ_BUDGET / ${#fuzzers[@]}))
    ((seconds <= FUZZ_SECONDS)) || seconds=$FUZZ_SECONDS
    ((seconds >= 5)) || seconds=5
    for fuzzer in "${fuzzers[@]}"; do
        local corpus=build/asan/fuzz-corpus/$(basename "$fuzzer")
        mkdir -p "$corpus" build/asan/fuzz-artifacts
        echo "--- $fuzzer (${seconds} s)"
        "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix=build/asan/fuzz-artifacts/ "$corpus" 2>&1 | tail -n 12 \
            || return 1
    done
}

run_bench() {
    build_preset release mdvr_bench && build/release/bench/mdvr_bench --benchmark_min_time=0.05
}

# The i686 DLL is what hosts load: exactly the sixteen plain names, and no runtime DLLs.
check_dll_exports() {
    local dll=build/mingw-i686/plugin/mdvr808.dll dump names expected
    dump=$(i686-w64-mingw32-objdump -p "$dll") || return 1
    names=$(awk '/\[Ordinal\/Name Pointer\] Table/ {on=1; next} on && /^[ \t]*\[/ {print $NF; next}
                 on {on=0}' <<<"$dump" | sort)
    expected=$(printf 'MDVR_%s\n' "${EXPORTS[@]}" | sort)
    if [[ $names != "$expected" ]]; then
        echo "export table differs:"; diff <(echo "$expected") <(echo "$names") || true
        return 1
    fi
    local imports bad
    imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump")
    bad=$(grep -Ev "$SYSTEM_DLLS" <<<"$imports" || true)
    echo "imports: $(tr '\n' ' ' <<<"$imports")"
    [[ -z $bad ]] || { echo "non-system imports: $bad"; return 1; }
}

step "debug: build and ctest" test_preset debug
step "asan: build and ctest" test_preset asan
step "asan: fuzzers" run_fuzzers
step "release: benchmarks" run_bench
step "mingw-i686: build" build_preset mingw-i686
step "mingw-i686: DLL exports and imports" check_dll_exports
step "mingw-x64: build" build_preset mingw-x64
for arch in i686 x86_64; do
    preset=mingw-${arch/x86_64/x64}
    step "$preset: DLL stripped, symbols beside it" tools/dll-sections.sh \
        "$arch-w64-mingw32-objdump" "build/$preset/plugin/mdvr808.dll"
done

# Windows tests run under wine in a fresh prefix with Chinese fonts; judged by their result lines.
step "mingw-x64: Windows tests under wine" tools/wine-env.sh build/mingw-x64 ctest --preset mingw-x64

# The window timing's figures, from the test log of the run above.
print_window_timing() {
    local log=build/mingw-x64/Testing/Temporary/LastTest.log
    [[ -f $log ]] || return 1
    awk '/^window timing/ {on=1} on && /^(target|window|open|reopen|page| )/ {print} /passed, .* failed/ {on=0}' "$log"
}
step "mingw-x64: window timing figures" print_window_timing

if ((failed)); then
    printf 'failed step: %s\n' "${failures[@]}"
fi
echo "$passed passed, $failed failed"
((failed == 0))
