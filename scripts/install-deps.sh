#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test orvan-sysmaintain.
# Idempotent; run as root on Debian 12.
set -euo pipefail

packages=(
  cmake g++ make ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-l10n-tools libgl-dev
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev libbenchmark-dev
  libfmt-dev libcli11-dev nlohmann-json3-dev
  libopencc-dev opencc
  fonts-wqy-microhei
  poppler-utils
  clang-format clang-tidy python3
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run this script as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
