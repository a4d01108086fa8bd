#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    zlib1g-dev libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
    libgl1-mesa-dri libglx-mesa0 xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
