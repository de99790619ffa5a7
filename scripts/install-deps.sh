#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Pixelwick need.
# Idempotent: packages already present are not touched and apt is not called at all
# when nothing is missing.
set -euo pipefail

packages=(
  build-essential
  cmake
  pkg-config
  qt6-base-dev
  libpng-dev
  zlib1g-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
