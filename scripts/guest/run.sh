#!/usr/bin/env bash
# Boots the test guest once, runs one command in it and returns the command's
# output and exit code:
#   scripts/guest/run.sh [--timeout SECONDS] COMMAND [ARGS...]
# The work tree (the top of this clone) is mounted at its own path inside the
# guest, and the command starts there. The guest has no network, and every boot
# starts from the unchanged image (QEMU's -snapshot): no run sees another's
# registry or files. The image is built on the first run (scripts/guest/image.sh).
# ZANDREL_GUEST_IMAGE names an image folder to boot instead;
# ZANDREL_GUEST_PERSIST=1 keeps what the command changes in that image.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

timeout=3600
if [ "${1:-}" = "--timeout" ]; then timeout=$2; shift 2; fi
[ $# -gt 0 ] || { echo "usage: scripts/guest/run.sh [--timeout SECONDS] COMMAND [ARGS...]" >&2; exit 2; }

image=${ZANDREL_GUEST_IMAGE:-}
[ -n "$image" ] || image=$("$here/image.sh")

xchg=$(mktemp -d "${TMPDIR:-/tmp}/zandrel-guest.XXXXXX")
qemu_pid=""
cleanup() {
  if [ -n "$qemu_pid" ] && kill -0 "$qemu_pid" 2>/dev/null; then
    kill "$qemu_pid" 2>/dev/null || true
    wait "$qemu_pid" 2>/dev/null || true
  fi
  rm -rf "$xchg"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "$root" >"$xchg/workdir"
{
  printf 'set -e\ncd %q\nexport ZANDREL_GUEST=1\n' "$root"
  printf 'exec'; printf ' %q' "$@"; printf '\n'
} >"$xchg/command"
: >"$xchg/output"

snapshot=(-snapshot)
[ "${ZANDREL_GUEST_PERSIST:-0}" = 1 ] && snapshot=()
# The software CPU: no KVM here. QEMU's default CPU model; -cpu max upsets Wine.
qemu-system-x86_64 -accel tcg,thread=multi -machine q35 -smp 2 -m 4096 \
  -display none -monitor none -serial "file:$xchg/console.log" -no-reboot -nic none \
  -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
  -append "root=/dev/vda rw console=ttyS0 quiet panic=1 init=/sbin/zandrel-init" \
  -drive "file=$image/disk.img,format=raw,if=virtio" "${snapshot[@]}" \
  -virtfs "local,path=$xchg,mount_tag=xchg,security_model=none,id=xchg" \
  -virtfs "local,path=$root,mount_tag=work,security_model=none,id=work" \
  </dev/null >"$xchg/qemu.log" 2>&1 &
qemu_pid=$!

# Show the command's output as it comes, until the guest powers off.
tail -n +1 -f --pid="$qemu_pid" "$xchg/output" &
tail_pid=$!
deadline=$(( $(date +%s) + timeout ))
while kill -0 "$qemu_pid" 2>/dev/null; do
  if [ "$(date +%s)" -ge "$deadline" ]; then
    echo "guest: no end after $timeout s; stopping it" >&2
    kill "$qemu_pid" 2>/dev/null || true
    break
  fi
  sleep 1
done
wait "$qemu_pid" 2>/dev/null || true
qemu_pid=""
wait "$tail_pid" 2>/dev/null || true

if [ ! -f "$xchg/status" ]; then
  echo "guest: the command did not finish; the guest's console and QEMU said:" >&2
  tail -n 30 "$xchg/console.log" "$xchg/qemu.log" >&2 || true
  exit 125
fi
exit "$(cat "$xchg/status")"
