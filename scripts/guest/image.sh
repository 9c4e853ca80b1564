#!/usr/bin/env bash
# The test guest: Debian 12 (amd64 with i386) whose own kernel runs 32-bit
# code, with Wine, its 32-bit loader, Xvfb, ctest and a Wine prefix made once.
# Built from Debian's packages alone, then kept under
#   ${ZANDREL_GUEST_CACHE:-~/.cache/zandrel-guest}/<hash>/
# where <hash> covers everything that defines the image (this script, the
# guest's PID 1 and the prefix step), so a change builds a new one and every
# clone on this machine shares the old one. An image is used only once it is
# whole: it is built in a folder of its own and moved into place at the end.
# Prints the image's folder (disk.img, vmlinuz, initrd.img) on standard output;
# progress goes to standard error.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

packages=(
  linux-image-amd64 initramfs-tools kmod mount
  wine wine64 libwine wine32:i386 libwine:i386
  # The X and TLS libraries that the 32-bit Wine loads (its Recommends).
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386 libgnutls30:i386 libfreetype6:i386
  xvfb xauth locales cmake
)
suites=(
  "deb http://deb.debian.org/debian bookworm main"
  "deb http://deb.debian.org/debian bookworm-updates main"
  "deb http://deb.debian.org/debian-security bookworm-security main"
)

cache=${ZANDREL_GUEST_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zandrel-guest}
hash=$( { cat "$here/image.sh" "$here/init" "$here/make-prefix.sh"; } | sha256sum | cut -c1-16)
image="$cache/$hash"
if [ -f "$image/ready" ]; then
  echo "$image"
  exit 0
fi

say() { echo "guest image: $*" >&2; }
started=$(date +%s)
elapsed() { echo "$(( $(date +%s) - started )) s"; }

mkdir -p "$cache"
work=$(mktemp -d "$cache/building-$hash.XXXXXX")
trap 'rm -rf "$work"' EXIT
rootfs="$work/rootfs"

say "building $image (first run on this machine: several minutes)"
say "[1/4] Debian 12 with Wine into a root file system ($(elapsed))"
mmdebstrap --variant=apt --architectures=amd64,i386 --include="$(IFS=,; echo "${packages[*]}")" \
  --aptopt='Acquire::Retries "3"' \
  --customize-hook='sed -i -E "s/^# *((ja_JP|en_US)\.UTF-8 UTF-8)/\1/" "$1/etc/locale.gen" && chroot "$1" locale-gen' \
  --customize-hook='printf "virtio_pci\nvirtio_blk\next4\n9pnet_virtio\n9p\n" >>"$1/etc/initramfs-tools/modules" && chroot "$1" update-initramfs -u -k all' \
  --customize-hook="install -m 0755 '$here/init' \"\$1/sbin/zandrel-init\"" \
  --customize-hook='rm -rf "$1/var/cache/apt/archives"/*.deb "$1/var/lib/apt/lists"/*' \
  bookworm "$rootfs" "${suites[@]}" </dev/null 2>&1 \
  | grep --line-buffered -E '^I: (downloading|installing|running|creating|cleaning|success)' \
  | sed -u -E 's/ in shell: .*//; s/^/  /' >&2
kernel=$(ls "$rootfs"/boot/vmlinuz-* | sort -V | tail -n 1)
initrd=$(ls "$rootfs"/boot/initrd.img-* | sort -V | tail -n 1)
[ -f "$kernel" ] && [ -f "$initrd" ] || { say "no kernel or initramfs in the root file system"; exit 1; }
cp "$kernel" "$work/vmlinuz"
cp "$initrd" "$work/initrd.img"

say "[2/4] the disk image ($(elapsed))"
mke2fs -q -t ext4 -L zandrel-guest -d "$rootfs" "$work/disk.img" 6G >&2 # it names the file on stdout
rm -rf "$rootfs"

say "[3/4] the Wine prefix, made inside the guest ($(elapsed))"
ZANDREL_GUEST_IMAGE="$work" ZANDREL_GUEST_PERSIST=1 "$here/run.sh" --timeout 1500 bash "$here/make-prefix.sh" >&2 \
  || { say "making the Wine prefix failed"; exit 1; }

say "[4/4] done ($(elapsed))"
touch "$work/ready"
mv "$work" "$image" 2>/dev/null || { [ -f "$image/ready" ] || exit 1; } # another run may have won
trap - EXIT
rm -rf "$work"
# Images of other definitions are not used again here: 2-3 GB each. Builds
# that died long ago go too; one under way in another clone stays.
for old in "$cache"/*; do
  if [ "$old" != "$image" ] && { [ -f "$old/ready" ] || [ -n "$(find "$old" -maxdepth 0 -mmin +1440)" ]; }; then
    rm -rf "$old"
  fi
done
echo "$image"
