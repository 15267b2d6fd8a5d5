# Sourced by run.sh and test.sh (after deps.sh): which Windows builds there
# are and which of them Wine can start here.
# Both are released: build/win64 (x64, for 64-bit Windows, the one most users
# take) and build/win (x86, for 32-bit Windows). Wine runs a 32-bit program
# in a 32-bit Linux process, which needs wine32 and a kernel with 32-bit user
# space; some kernels have none ("Exec format error").

RELEASE_TREES=(win64 win)
toolchain_of_tree() { # source root, tree
    case $2 in
    win64) echo "$1/cmake/mingw-x86_64.cmake" ;;
    *) echo "$1/cmake/mingw-i686.cmake" ;;
    esac
}

runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Sets RUN_TREES, the builds whose programs Wine starts here (the 64-bit one
# first), and WHY_NOT_32 when the 32-bit one is not among them. Where Wine
# cannot start 32-bit programs, puts first on PATH a `wine` that starts its
# 64-bit loader (Debian's own tries the 32-bit one first).
choose_run_builds() { # build root
    RUN_TREES=(win64) WHY_NOT_32=
    if runs_32bit; then
        RUN_TREES+=(win)
        return 0
    fi
    if kernel_runs_32bit; then
        WHY_NOT_32="wine32 is not installed"
    else
        WHY_NOT_32="this machine's kernel runs no 32-bit program"
    fi
    mkdir -p "$1/wine64-bin"
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec "$WINELOADER" "$@"\n' \
        >"$1/wine64-bin/wine"
    chmod +x "$1/wine64-bin/wine"
    export PATH="$1/wine64-bin:$PATH"
    echo "Wine starts the 64-bit build only: $WHY_NOT_32." >&2
}
