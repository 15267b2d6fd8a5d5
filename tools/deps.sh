# Sourced by run.sh and test.sh: installs what is missing on a Debian 12
# machine (as root). Quiet when everything is there already. A mirror in the
# middle of a sync fails "apt-get update" for a while, so the update is tried
# again a few times and the install then tried anyway (the lists from an
# earlier update may do); what is still missing after that is named, with
# apt's reasons, on one screen. apt's whole output goes to APT_LOG.
PACKAGES=(cmake ninja-build g++ libgtest-dev googletest clang libclang-rt-14-dev clang-format
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick
    fonts-ipafont-gothic locales procps python3-xlib fonts-wine unzip tidy chromium x11vnc novnc
    websockify python3 iproute2 xauth)

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
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
    local missing try
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing) (apt-get's output goes to $APT_LOG)" >&2
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages and not root: run as root or install them: $missing" >&2
        return 1
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
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
    if ! apt_step install install -y -q "${PACKAGES[@]}"; then
        for try in $(missing_packages); do apt_step "install $try" install -y -q "$try"; done
    fi
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
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
