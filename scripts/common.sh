# Shared by the scripts: install what is missing from Debian's packages.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
    done
}

ensure_packages() {
    command -v dpkg-query >/dev/null || { echo "Not a Debian system: install $* by hand." >&2; return 0; }
    local missing
    missing=$(missing_packages "$@" | xargs)
    [ -z "$missing" ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            echo "Missing Debian packages: $missing" >&2
            echo "Install them with: sudo apt-get install $missing" >&2
            exit 1
        fi
    fi
    echo "Installing: $missing"
    "${sudo[@]}" apt-get update -qq
    # sudo drops the environment, so the setting goes through env.
    # shellcheck disable=SC2086
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-dejavu-core)
