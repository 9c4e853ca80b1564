#!/usr/bin/env bash
# Installs everything the build, the tests and the demo need on Debian 12.
# Idempotent: when every package and the Japanese locale are present it only checks.
# Where the kernel runs 32-bit x86 code, Debian's 32-bit Wine (wine32:i386) goes
# beside wine64, which then runs the i686 programs itself; elsewhere nothing of
# i386 is added, and they run in the QEMU test guest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake g++ make ninja-build python3 python3-pefile
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32
  wine wine64 xvfb xauth x11-apps imagemagick locales
  # The test guest that runs the i686 programs where this kernel cannot.
  qemu-system-x86 mmdebstrap e2fsprogs
)

# Installs those of the packages named that are missing; the message says why.
install_missing() { # message package...
  local message=$1 p
  shift
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ "${#missing[@]}" -gt 0 ] || return 0
  echo "setup-deps: ${message}installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}
install_missing "" "${packages[@]}"

# 32-bit Wine and the X and TLS libraries it loads (its Recommends, which
# --no-install-recommends leaves out; the guest's image names the same).
wine32_packages=(
  wine32:i386 libwine:i386
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386 libgnutls30:i386 libfreetype6:i386
)
# shellcheck source=lib/i686-probe.sh
source "$root/scripts/lib/i686-probe.sh"
if kernel_runs_32bit_code; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  install_missing "this kernel runs 32-bit code; " "${wine32_packages[@]}"
fi

# Wine takes its ANSI code page from the locale; code page 932 needs ja_JP.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup-deps: ready"
