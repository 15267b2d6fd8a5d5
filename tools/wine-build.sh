# Sourced by run.sh and test.sh: which Windows build Wine runs here.
# Wine runs a 32-bit program in a 32-bit Linux process, which a kernel without
# 32-bit user space (ia32 emulation off: "Exec format error") cannot start.
# There the programs Wine runs are a 64-bit build of the same sources under
# 64-bit Wine, and the release is still the 32-bit build.

runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Sets RUN_TREE (the folder under the build root whose programs Wine runs) and
# RUN_TOOLCHAIN; where 32-bit programs cannot run, puts first on PATH a `wine`
# that starts Wine's 64-bit loader (Debian's own prefers the 32-bit one).
choose_run_build() { # build root, source root
    RUN_TREE=win RUN_TOOLCHAIN="$2/cmake/mingw-i686.cmake"
    runs_32bit && return 0
    RUN_TREE=win64 RUN_TOOLCHAIN="$2/cmake/mingw-x86_64.cmake"
    mkdir -p "$1/wine64-bin"
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec "$WINELOADER" "$@"\n' \
        >"$1/wine64-bin/wine"
    chmod +x "$1/wine64-bin/wine"
    export PATH="$1/wine64-bin:$PATH"
    echo "This machine runs no 32-bit program (its kernel has no 32-bit user space):" \
        "Wine runs the 64-bit build of the same sources (build/win64)." >&2
}
