# Sourced by run.sh and test.sh: installs what is missing on a Debian 12
# machine (as root). Quiet when everything is there already. A mirror in the
# middle of a sync fails "apt-get update" for a while, so the update is tried
# again a few times and the install then tried anyway (the lists from an
# earlier update may do); what is still missing after that is named, with
# apt's reasons, on one screen. apt's whole output goes to APT_LOG.
PACKAGES=(cmake ninja-build g++ libgtest-dev googletest clang libclang-rt-14-dev clang-format
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool x11-utils imagemagick
    fonts-ipafont-gothic locales procps python3-xlib python3-pefile fonts-wine unzip tidy chromium
    x11vnc novnc websockify python3 iproute2 xauth)
# Wanted only where the kernel starts 32-bit programs, and even there not
# needed: without it Wine runs the 64-bit build, which is the main release.
PACKAGES_32=(wine32:i386)

# Whether this kernel starts a 32-bit program at all (some run 64-bit user
# space only: "Exec format error"). Asked of a 96-byte i386 program that
# exits with status 42, so that nothing 32-bit need be installed to know.
kernel_runs_32bit() {
    local probe status
    probe=$(mktemp) || return 1
    printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0%b%b' \
        '\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08' \
        '\x60\0\0\0\x60\0\0\0\x05\0\0\0\0\x10\0\0\xb8\x01\0\0\0\xbb\x2a\0\0\0\xcd\x80' >"$probe"
    chmod 700 "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" = 42 ]
}

# The packages this machine can use: the 32-bit ones only where they run.
wanted_packages() {
    printf '%s\n' "${PACKAGES[@]}"
    [ "${#PACKAGES_32[@]}" -gt 0 ] && kernel_runs_32bit && printf '%s\n' "${PACKAGES_32[@]}"
    true
}

add_foreign_architectures() {
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
}

missing_packages() {
    local p
    for p in $(wanted_packages); do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || printf '%s\n' "$p"
    done
}

APT_TRIES=3
APT_PAUSE=20 # seconds between tries
APT_OPTIONS=()
APT_LOG=build/logs/apt.log

apt_step() { # label, apt-get arguments...
    local label=$1
    shift
    printf '== apt-get %s\n' "$label" >>"$APT_LOG"
    apt-get "${APT_OPTIONS[@]}" "$@" >>"$APT_LOG" 2>&1
}

ensure_packages() {
    local missing try wanted
    wanted=$(wanted_packages)
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing) (apt-get's output goes to $APT_LOG)" >&2
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages and not root: run as root or install them: $missing" >&2
        return 1
    fi
    # A machine that cannot start 32-bit programs has no use for their
    # package lists either, and a mirror's i386 index may be broken for days.
    if grep -q ':i386$' <<<"$wanted"; then
        add_foreign_architectures
    else
        APT_OPTIONS+=(-o "APT::Architectures::=$(dpkg --print-architecture)")
    fi
    export DEBIAN_FRONTEND=noninteractive
    mkdir -p "$(dirname "$APT_LOG")"
    : >"$APT_LOG"
    for try in $(seq "$APT_TRIES"); do
        apt_step "update (try $try of $APT_TRIES)" update -q && break
        [ "$try" -lt "$APT_TRIES" ] || break
        echo "apt-get update failed (try $try of $APT_TRIES); trying again in $APT_PAUSE s ..." >&2
        sleep "$APT_PAUSE"
    done
    # All at once, else each alone, so that one that cannot be had does not
    # keep the others out.
    if ! apt_step install install -y -q $wanted; then
        for try in $(missing_packages); do apt_step "install $try" install -y -q "$try"; done
    fi
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    if ! grep -qvxFf <(printf '%s\n' "${PACKAGES_32[@]}") <<<"$missing"; then
        echo "$(echo $missing) cannot be had here: Wine runs the 64-bit build only, as on a" \
            "machine without 32-bit programs (apt-get's reasons are in $APT_LOG)." >&2
        return 0
    fi
    explain_missing "$missing" >&2
    return 1
}

# What is missing and apt's own reasons, short enough for one screen.
explain_missing() { # missing packages
    echo
    echo "Could not install: $(echo $1)"
    echo "apt-get said (all of it is in $APT_LOG):"
    # Errors and warnings, the sizes and hashes that did not match, and the
    # dependencies that could not be met; each once.
    awk '/^(E|W):|^ [^ ].* : (Pre)?Depends:/ {keep = 1; print; next}
         keep && /^ / {if (/Hashes of|- Filesize/) print; next}
         {keep = 0}' "$APT_LOG" | awk '!seen[$0]++' | cut -c1-160 | head -n 14 | sed 's/^/    /'
    if grep -qE 'Mirror sync in progress|Hash Sum mismatch' "$APT_LOG"; then
        echo "A package mirror is in the middle of a sync: run the command again in a few minutes."
    fi
    echo
}
