# Source it; defines
#   i686_runs_here   true when this machine starts i686 programs itself (wine64
#                    in its WoW64 mode), false when they need the test guest.
# Two steps, the cheap one first: the kernel must answer a 32-bit system call
# (int $0x80), and then wine64 must really run a small i686 program.
i686_runs_here() {
  if [ -n "${ZANDREL_I686_DIRECT:-}" ]; then [ "$ZANDREL_I686_DIRECT" = 1 ]; return; fi
  local dir
  dir=$(mktemp -d)
  printf '%s\n' 'int main(void) { long r = 20; __asm__ volatile("int $0x80" : "+a"(r)); return r > 0 ? 0 : 1; }' \
    >"$dir/syscall32.c"
  local answer=0
  if ! gcc -o "$dir/syscall32" "$dir/syscall32.c" 2>/dev/null || ! "$dir/syscall32" 2>/dev/null; then
    answer=1
  else
    printf '%s\n' '#include <stdio.h>' 'int main(void) { puts(sizeof(void *) == 4 ? "i686" : "?"); return 0; }' \
      >"$dir/probe.c"
    answer=1
    if i686-w64-mingw32-gcc-win32 -o "$dir/probe.exe" "$dir/probe.c" 2>/dev/null \
      && [ "$(WINEPREFIX="$dir/prefix" WINEDEBUG=-all timeout 120 /usr/lib/wine/wine64 "$dir/probe.exe" 2>/dev/null </dev/null | tr -d '\r')" = i686 ]; then
      answer=0
    fi
    WINEPREFIX="$dir/prefix" /usr/lib/wine/wineserver64 -k >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
  export ZANDREL_I686_DIRECT=$((1 - answer))
  return $answer
}
