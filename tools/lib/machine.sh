# What this machine can run, for the set-up scripts: sourced, defines functions only.

# True when the kernel runs 32-bit x86 programs. Some machines of our kind run 64-bit user code
# only ("IA-32 emulation off"), so we ask the kernel by running the smallest i386 program there
# is: an ELF whose one instruction sequence is exit(42). Any other outcome means it cannot.
can_run_i386() {
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/ornil-i386-probe.XXXXXX")
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
    '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
    '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

# The Wine loader for a Windows program, from the machine field of its PE header: /usr/bin/wine
# always starts the 32-bit loader first, so 64-bit programs go straight to wine64.
wine_loader_for() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tu2 -j$((pe + 4)) -N2 "$1" | tr -d ' ')
  case "$machine" in
    332) echo wine ;;                    # 0x014C, i386
    34404) echo /usr/lib/wine/wine64 ;;  # 0x8664, x86-64
    *) echo "unknown PE machine '$machine' in $1" >&2; return 1 ;;
  esac
}
