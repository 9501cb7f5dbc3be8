#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test orvan-sysmaintain.
# Idempotent; run as root on Debian 12.
set -euo pipefail

packages=(
  cmake g++ make ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-l10n-tools qt6-translations-l10n libgl-dev
  libsqlite3-dev sqlite3
  libpq-dev libpq5 postgresql-15 util-linux
  libgtest-dev libgmock-dev libbenchmark-dev
  libfmt-dev libcli11-dev nlohmann-json3-dev
  libopencc-dev opencc
  fonts-wqy-microhei
  poppler-utils desktop-file-utils appstream dpkg-dev file
  clang-format clang-tidy python3
  clang libclang-rt-14-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null || missing+=("$p")
done

# A comma-decimal locale for the tests that read numbers under one.
add_test_locale() {
  locale -a 2>/dev/null | grep -i '^de_DE\.utf-\?8$' >/dev/null && return 0
  [ "$(id -u)" -eq 0 ] || return 0
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "install-deps: de_DE.UTF-8 not generated" >&2
}

if [ ${#missing[@]} -eq 0 ]; then
  add_test_locale
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
add_test_locale
