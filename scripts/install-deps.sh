#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkg-config
    qt6-base-dev libqt6opengl6-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libxlsxwriter-dev libchm-dev fp-utils
    fonts-liberation poppler-utils python3-openpyxl
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils lintian
    libarchive-dev libcli11-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# As root apt-get runs directly; otherwise through sudo, keeping the environment so the
# non-interactive front end reaches apt-get.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo -E)
fi
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
