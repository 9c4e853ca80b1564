# shellcheck shell=bash
# Source it; defines
#   kernel_runs_32bit_code  true when this machine's kernel runs 32-bit x86 code
#                           (kernel-32bit-probe.c, built static and run; needs gcc).
#   kernel_probe_build OUT  builds that probe as the static program OUT, which
#                           also runs where there is no compiler (the test guest).
#   i686_runs_here          true when this machine starts i686 programs itself
#                           (wine64 in its WoW64 mode), false when they need the
#                           test guest. ZANDREL_I686_DIRECT=1 or 0 decides instead.
# scripts/setup-deps.sh asks the kernel alone, to know whether Debian's 32-bit
# Wine belongs beside wine64; i686_runs_here asks it first, then whether wine64
# really runs a small i686 program.
i686_probe_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

kernel_probe_build() {
  gcc -static -O1 -o "$1" "$i686_probe_dir/kernel-32bit-probe.c"
}

kernel_runs_32bit_code() {
  local dir answer=1
  dir=$(mktemp -d)
  if kernel_probe_build "$dir/kernel-32bit-probe" 2>/dev/null; then
    "$dir/kernel-32bit-probe" >/dev/null 2>&1 && answer=0
  fi
  rm -rf "$dir"
  return $answer
}

i686_runs_here() {
  if [ -n "${ZANDREL_I686_DIRECT:-}" ]; then [ "$ZANDREL_I686_DIRECT" = 1 ]; return; fi
  local dir answer=1
  if kernel_runs_32bit_code; then
    dir=$(mktemp -d)
    printf '%s\n' '#include <stdio.h>' 'int main(void) { puts(sizeof(void *) == 4 ? "i686" : "?"); return 0; }' \
      >"$dir/probe.c"
    if i686-w64-mingw32-gcc-win32 -o "$dir/probe.exe" "$dir/probe.c" 2>/dev/null \
      && [ "$(WINEPREFIX="$dir/prefix" WINEDEBUG=-all timeout 120 /usr/lib/wine/wine64 "$dir/probe.exe" 2>/dev/null </dev/null | tr -d '\r')" = i686 ]; then
      answer=0
    fi
    WINEPREFIX="$dir/prefix" /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
    rm -rf "$dir"
  fi
  export ZANDREL_I686_DIRECT=$((1 - answer))
  return $answer
}
