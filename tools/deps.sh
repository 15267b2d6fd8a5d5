# Sourced by run.sh and test.sh: installs what is missing on a Debian 12
# machine (as root). Quiet when everything is there already.
PACKAGES=(cmake ninja-build g++ libgtest-dev googletest clang libclang-rt-14-dev clang-format
    g++-mingw-w64-i686 wine wine32:i386 xvfb xdotool x11-utils imagemagick
    fonts-ipafont-gothic locales procps python3-xlib fonts-wine unzip tidy chromium x11vnc novnc
    websockify python3 iproute2 xauth)

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || printf '%s\n' "$p"
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing)" >&2
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages and not root: run as root or install them: $missing" >&2
        return 1
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >&2 && apt-get install -y -q "${PACKAGES[@]}" >&2
}
