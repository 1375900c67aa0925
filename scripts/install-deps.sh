#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Dravolt.
# Packages that are already installed are skipped, so a second run is quick.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-base-private-dev libjpeg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6
  qt6-charts-dev libqt6opengl6-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick faketime time libx11-dev
  evilwm x11-utils
  dbus-daemon at-spi2-core libatspi2.0-dev
  fonts-dejavu-core fonts-liberation2 fonts-noto-cjk locales
  clang libclang-rt-dev
  dpkg-dev file lintian appstream desktop-file-utils librsvg2-bin man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "Missing packages (${missing[*]}); run this script as root." >&2
    exit 1
  fi
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
