#!/usr/bin/env bash
# Installs what building, running and testing need, skipping what is present. Where the kernel
# cannot run 32-bit x86 programs itself, 32-bit Wine runs through qemu's user-mode emulation.
set -euo pipefail

packages=(
  cmake g++ make
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64 xvfb xauth x11-utils
  fonts-wqy-microhei fonts-wine imagemagick
  clang libclang-rt-14-dev locales
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_updated=false

apt_update() {
  $apt_updated || "${sudo[@]}" apt-get update -qq
  apt_updated=true
}

is_installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)" = installed ]
}

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    is_installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
    apt_updated=false
  fi
  if ! apt-get install -y -qq --no-install-recommends --simulate "${missing[@]}" >/dev/null 2>&1; then
    apt_update
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

runs_32bit() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

# qemu before 8.0 needs over a minute to start each Wine process; bookworm-backports has a newer one.
enable_32bit_emulation() {
  local qemu=/usr/bin/qemu-i386
  local version
  version=$("$qemu" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\).*/\1/p' || true)
  if [ -z "$version" ] || [ "$version" -lt 8 ]; then
    local list=/etc/apt/sources.list.d/bookworm-backports.sources
    if [ ! -e "$list" ]; then
      printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${sudo[@]}" tee "$list" >/dev/null
      apt_updated=false
    fi
    apt_update
    echo "Installing qemu-user-static from bookworm-backports"
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends -t bookworm-backports \
      qemu-user-static >/dev/null
  fi
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || "${sudo[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  [ -e "$binfmt/qemu-i386" ] && echo -1 | "${sudo[@]}" tee "$binfmt/qemu-i386" >/dev/null
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$qemu:F" | "${sudo[@]}" tee "$binfmt/register" >/dev/null
}

# Wine takes the ANSI code page from the locale; the Chinese one gives code page 936.
ensure_chinese_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return
  echo "Generating the zh_CN.UTF-8 locale"
  "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

install_missing
ensure_chinese_locale
if ! runs_32bit; then
  enable_32bit_emulation
  runs_32bit || { echo "setup: 32-bit programs still cannot run" >&2; exit 1; }
fi
