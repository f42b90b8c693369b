#!/usr/bin/env bash
# Installs the Debian packages the build, the content pipeline and the tests need, when missing.
# Works as root and through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  libsdl2-dev libsdl2-mixer-dev zlib1g-dev libpng-dev
  libfreetype-dev libcairo2-dev libvorbis-dev
  libcurl4-openssl-dev libcpp-httplib-dev libsqlite3-dev libsodium-dev
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  xvfb xauth
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
