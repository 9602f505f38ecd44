# Shared by the scripts: install what is missing from Debian's packages.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
    done
}

# True where root's rights are at hand: as root, or by password-less sudo.
can_be_root() {
    [ "$(id -u)" -eq 0 ] || { command -v sudo >/dev/null && sudo -n true 2>/dev/null; }
}

# Runs a command as root; sudo drops the environment, so CI goes through env.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif can_be_root; then
        sudo env CI="${CI:-}" "$@"
    else
        echo "Needs root or password-less sudo: $*" >&2
        exit 1
    fi
}

ensure_packages() {
    command -v dpkg-query >/dev/null || { echo "Not a Debian system: install $* by hand." >&2; return 0; }
    local missing
    missing=$(missing_packages "$@" | xargs)
    [ -z "$missing" ] && return 0
    if ! can_be_root; then
        echo "Missing Debian packages: $missing" >&2
        echo "Install them with: sudo apt-get install $missing" >&2
        exit 1
    fi
    echo "Installing: $missing"
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-dejavu-core fonts-vlgothic)
