# Shell functions, sourced, that give Wine a private prefix inside a build folder and an X display.
# The prefix is 64-bit so that Wine's own services run natively; Quorvel runs in it as a 32-bit
# program, as on 64-bit Windows.

# wine_prefix_init PREFIX: exports the Wine variables and creates PREFIX once (safe in parallel).
wine_prefix_init() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -e "$WINEPREFIX/.ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -e "$WINEPREFIX/.ready" ] && exit 0
    rm -rf "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager Wine waits about 2 s for every hidden window; unmanaged windows don't.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    # Windows links a CJK fallback font to the dialog fonts in every locale; Wine only in CJK ones.
    local face
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
      /usr/lib/wine/wine64 reg add \
        'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
        /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1
    done
    # The title bar's glyphs and the dialog font come from these.
    cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf \
      "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.ready"
  ) 9>"$WINEPREFIX.lock"
}

# wine_display_start: starts a private 1920x1080 Xvfb when no display is set; wine_display_stop ends it.
wine_display_start() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # Wine gives every thread that uses the display a connection of its own; in a storm of presses
  # hundreds of workers are alive at once, more than the 256 clients Xvfb takes by default.
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -maxclients 2048 3>"$fifo" >/dev/null 2>&1 &
  QUORVEL_XVFB_PID=$!
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

wine_display_stop() {
  if [ -n "${QUORVEL_XVFB_PID:-}" ]; then
    kill "$QUORVEL_XVFB_PID" 2>/dev/null || true
    wait "$QUORVEL_XVFB_PID" 2>/dev/null || true
    unset QUORVEL_XVFB_PID DISPLAY
  fi
}

# wine_server_start: a persistent, warmed-up server, so that each program starts fast.
wine_server_start() {
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1 || true
}

wine_server_stop() { wineserver -k 2>/dev/null || true; }
