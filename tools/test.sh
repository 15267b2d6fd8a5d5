#!/usr/bin/env bash
# Builds every build and runs every test: native (plain and with ASan and
# UBSan), the load fuzzer, the Windows build's tests under Wine and the
# end-to-end scripts; then prints the benchmarks' figures. Ends with
# "N passed, N failed" and a non-zero status when anything failed.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
# Wine reads command lines and file names in the Unix locale's character
# set; the tests pass Japanese window titles, so it must be UTF-8.
export LANG=C.UTF-8
unset LC_ALL
. tools/deps.sh
# Without a package, what needs it fails; the run still goes on and ends with
# its summary, which CI reads.
MISSING_PACKAGES=
ensure_packages || MISSING_PACKAGES=$(missing_packages | tr '\n' ' ')

B="$ROOT/build"
LOGS="$B/logs"
mkdir -p "$LOGS"
PASSED=0
FAILED=0
XVFB_PID=

cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    for p in "$B"/win*/wine-run "$B"/win*/wine-template; do
        [ -d "$p" ] && WINEPREFIX="$p" wineserver -k 2>/dev/null
    done
    true
}
trap cleanup EXIT

count() { PASSED=$((PASSED + $1)); FAILED=$((FAILED + $2)); }
[ -n "$MISSING_PACKAGES" ] && count 0 1

configure_and_build() { # folder, cmake options...
    local dir=$1
    shift
    echo "== build $dir"
    cmake -S "$ROOT" -B "$B/$dir" -G Ninja "$@" >"$LOGS/$dir-configure.log" 2>&1 &&
        cmake --build "$B/$dir" -j2 >"$LOGS/$dir-build.log" 2>&1 && return 0
    tail -n 40 "$LOGS/$dir-configure.log" "$LOGS/$dir-build.log"
    return 1
}

# Runs a GoogleTest executable and adds its counts; a run that ends without
# its summary (a crash) counts as one failure.
run_gtest() { # label, command...
    local label=$1 log="$LOGS/$1.log"
    shift
    echo "== $label"
    "$@" >"$log" 2>&1
    tr -d '\r' <"$log" >"$log.txt"
    local ran passed failed
    ran=$(grep -Eo '^\[==========\] [0-9]+ tests?' "$log.txt" | grep -Eo '[0-9]+' | tail -1)
    passed=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$log.txt" | grep -Eo '[0-9]+' | tail -1)
    failed=$(grep -Eo '^\[  FAILED  \] [0-9]+ tests?,' "$log.txt" | grep -Eo '[0-9]+' | tail -1)
    if [ -z "$ran" ]; then
        tail -n 30 "$log.txt"
        echo "$label: no summary (crashed?)"
        count 0 1
        return
    fi
    grep -E '^\[  FAILED  \]|Failure$' "$log.txt" | head -n 40
    echo "$label: ${passed:-0} passed, ${failed:-0} failed"
    count "${passed:-0}" "${failed:-0}"
}

run_check() { # label, command... : one test
    local label=$1
    shift
    echo "== $label"
    if "$@" >"$LOGS/$label.log" 2>&1; then
        count 1 0
    else
        tail -n 30 "$LOGS/$label.log"
        echo "$label: failed"
        count 0 1
    fi
}

format_check() {
    git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror
}

# --- native
if configure_and_build native -DCMAKE_BUILD_TYPE=Debug; then
    run_gtest native "$B/native/tests/unit_tests"
else count 0 1; fi
if configure_and_build asan -DCMAKE_BUILD_TYPE=Debug -DLUMARO_SANITIZE=ON; then
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        run_gtest native-sanitized "$B/asan/tests/unit_tests"
else count 0 1; fi
if CC=clang CXX=clang++ configure_and_build fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_FUZZ=ON; then
    mkdir -p "$B/fuzz/corpus"
    run_check fuzz-registry-load "$B/fuzz/tests/fuzz_registry_load" -runs=30000 -max_len=4096 \
        -timeout=10 "$B/fuzz/corpus"
else count 0 1; fi
run_check clang-format format_check

# --- Windows, under Wine
# Runs the Windows unit tests of one build under Wine; LABEL tells the
# builds apart in the summary.
wine_unit_suites() { # build folder, label suffix
    local W=$1 x=$2
    export WINEPREFIX="$W/wine-run"
    rm -rf "$WINEPREFIX" && cp -a "$TEMPLATE" "$WINEPREFIX"
    run_gtest "wine-unit$x" env "${WINE_ENV[@]}" timeout 600 wine "$W/tests/unit_tests.exe"
    localedef -i ja_JP -f UTF-8 "$B/locale/ja_JP.UTF-8" >/dev/null 2>&1 || mkdir -p "$B/locale"
    LOCPATH="$B/locale" LANG=ja_JP.UTF-8 run_gtest "wine-unit-cp932$x" env "${WINE_ENV[@]}" \
        timeout 300 wine "$W/tests/unit_tests.exe" --gtest_filter='AnsiText*:*RegistryContract*'
    # The same suites with the active code page UTF-8, as Lumaro.exe's
    # manifest asks for (unit_tests_utf8.exe: the same tests, that manifest).
    run_gtest "wine-unit-utf8$x" env "${WINE_ENV[@]}" timeout 300 wine "$W/tests/unit_tests_utf8.exe" \
        --gtest_filter='AnsiText*:*RegistryContract*'
    # The layouts once more at 144 DPI (150 %). The server reads the DPI
    # when it starts: set it, then start it anew.
    for key in 'HKCU\Control Panel\Desktop' 'HKCU\Software\Wine\Fonts'; do
        env "${WINE_ENV[@]}" timeout 60 wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f \
            >/dev/null 2>&1
    done
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    run_gtest "wine-unit-144dpi$x" env "${WINE_ENV[@]}" timeout 300 wine "$W/tests/unit_tests.exe" \
        --gtest_filter='*LaidOut*:*LabelNoLonger*:*ScaledBounds*'
    wineserver -k 2>/dev/null
}

run_script() { # script, build folder, label
    local script=$1 build=$2 label=$3 line
    echo "== wine $label"
    bash "$script" "$build" "$build/work/$(basename "$script" .sh)" >"$LOGS/wine-$label.log" 2>&1
    grep -aE '^(PASS|FAIL) ' "$LOGS/wine-$label.log"
    line=$(grep -aE '^wine-script: [0-9]+ passed, [0-9]+ failed' "$LOGS/wine-$label.log" | tail -1)
    if [ -z "$line" ]; then
        tail -n 20 "$LOGS/wine-$label.log"
        count 0 1
    else
        set -- $line
        count "$2" "$4"
    fi
}

# What Wine started, and that it is what we ship: the exe in the zip.
started_line() { # tree
    local zip sum
    zip=$(ls "$B/$1"/Lumaro-*.zip 2>/dev/null | head -1)
    sum=$(unzip -p "$zip" '*/Lumaro.exe' 2>/dev/null | sha256sum | cut -c1-16)
    echo "Started under Wine: Lumaro.exe as unpacked from $(basename "$zip") (its SHA-256 $sum...)"
}

. tools/wine-build.sh
BUILT=1
for tree in "${RELEASE_TREES[@]}"; do
    configure_and_build "$tree" -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of_tree "$ROOT" "$tree")" \
        -DCMAKE_BUILD_TYPE=MinSizeRel || BUILT=
done
choose_run_builds "$B"
W="$B/${RUN_TREES[0]}"
if [ -n "$BUILT" ]; then
    for tree in "${RUN_TREES[@]}"; do
        x=
        [ "$tree" = win ] && x=-32bit
        BUILD="$B/$tree" WORK="$B/$tree/work"
        . tests/wine/lib.sh
        make_template
        start_display
        wine_unit_suites "$B/$tree" "$x"
        stop_display
        unset DISPLAY
        for script in tests/wine/*.sh; do
            name=$(basename "$script" .sh)
            case $name in
            lib) ;;
            # These start no Windows program: once, for the releases
            # themselves or the set-up.
            reproducible)
                [ -n "$x" ] || for t in "${RELEASE_TREES[@]}"; do run_script "$script" "$B/$t" "$name-$t"; done ;;
            deps_mirror_sync | pe_check) [ -n "$x" ] || run_script "$script" "$B/$tree" "$name" ;;
            # The other build Wine starts here, if any: what it saves, this one loads.
            release) OTHER_BUILD=$([ "${#RUN_TREES[@]}" -gt 1 ] && echo "$B/${RUN_TREES[$([ -n "$x" ] && echo 0 || echo 1)]}") \
                run_script "$script" "$B/$tree" "$name$x" ;;
            *) run_script "$script" "$B/$tree" "$name$x" ;;
            esac
        done
    done

    echo "== benchmarks (figures, not tests)"
    BUILD="$W" WORK="$W/work"
    . tests/wine/lib.sh
    start_display
    for bench in "$W"/tests/bench_registry.exe "$W"/tests/bench_execute.exe \
        "$W"/tests/bench_define.exe; do
        new_prefix "bench"
        env "${WINE_ENV[@]}" timeout 300 wine "$bench" 2>&1 | tr -d '\r'
        stop_wine
    done
    stop_display
    unset DISPLAY
    for tree in "${RELEASE_TREES[@]}"; do
        zip=$(ls "$B/$tree"/Lumaro-*.zip 2>/dev/null | head -1)
        echo "release: $(basename "$zip") $(stat -c %s "$zip" 2>/dev/null || echo '?') bytes," \
            "Lumaro.exe $(stat -c %s "$B/$tree/bin/Lumaro.exe" 2>/dev/null || echo '?') bytes" \
            "(sha256 $(cut -c1-16 "$zip.sha256" 2>/dev/null)...)"
    done
    for bench in tests/bench/*.sh; do
        timeout 600 bash "$bench" "$W" "$W/work/bench-$(basename "$bench" .sh)" 2>&1 |
            grep -v '^wine: '
    done
else
    count 0 1
fi

echo
[ -n "$MISSING_PACKAGES" ] && echo "Packages missing (one failure; why is at the top): $MISSING_PACKAGES"
for tree in "${RUN_TREES[@]}"; do started_line "$tree"; done
[ -z "$WHY_NOT_32" ] || echo "Not started: Lumaro.exe from the 32-bit zip ($WHY_NOT_32); it was built and rebuilt bit for bit."
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
