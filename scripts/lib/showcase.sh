# Shared by scripts/run.sh, docs/make_docs_png.sh and scripts/make-english-ini.sh (sourced, not
# run): a private Xvfb, a Wine prefix that draws its own captions, and Lenzor.exe started from a
# fresh copy of the win64 build's program folder by the whole-program tests' host, which covers
# the screen with a picture and keeps the focus.
#   showcase_init BUILD    BUILD: the win64 build folder; makes $work, cleans up on exit
#   screen_start WxH       a private Xvfb; exports DISPLAY
#   prefix_ready DPI       exports WINEPREFIX: a prefix at that DPI, made once under BUILD
#   desktop_picture F W H  a BMP of W x H: small text, a photo-like landscape, a blue bar
#   lenzor_start NAME INI PICTURE [ARGS...]   a copy in $work/NAME with that Lenzor.ini
#                          (without Language\ when sc_without_languages=1)
#   lenzor_stop            ends Lenzor and the host
#   dialog_window          the X window of the visible settings dialog
#   shoot_lenses OUT       OUT/lens-<mode>.png: the lens in each contrast mode over the picture
#   shoot_dialog OUT LANGUAGE PAGES   OUT/dialog-<LANGUAGE>-<n>.png: the first PAGES pages
#   shoot_advanced OUT LANGUAGE       OUT/advanced-<LANGUAGE>-<modes>.png: the option panels
#                          the first pages do not show
# Needs the win64 build's app/Lenzor.exe and tests/e2e/e2e_host.exe.

showcase_init() {
    sc_build=$(readlink -f "$1")
    [ -f "$sc_build/app/Lenzor.exe" ] && [ -f "$sc_build/tests/e2e/e2e_host.exe" ] ||
        { echo "build the win64 preset first (no Lenzor.exe or e2e_host.exe in $sc_build)"; exit 1; }
    work=$(mktemp -d)
    sc_xvfb=""
    sc_host=""
    trap showcase_cleanup EXIT
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
}

showcase_cleanup() {
    set +e
    lenzor_stop
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "$sc_xvfb" ] && kill "$sc_xvfb" 2>/dev/null
    rm -rf "$work"
}

screen_start() {
    local fdfile="$work/display"
    Xvfb -displayfd 7 -screen 0 "$1x24" -nolisten tcp 7>"$fdfile" 2>/dev/null &
    sc_xvfb=$!
    for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
    export DISPLAY=":$(tr -d '\n' < "$fdfile")"
}

# Decorated=N: without a window manager Wine then draws the caption bars itself.
prefix_ready() {
    sc_dpi=$1
    export WINEPREFIX="$sc_build/wine-showcase/dpi$1"
    [ -f "$WINEPREFIX/.ready" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.ready"
}

desktop_picture() {
    local out=$1 width=$2 height=$3
    local text="Lenzor is a screen magnifier for Windows: an icon in the notification area, a
global hot key, and a small always-on-top lens that shows the screen around the
pointer enlarged, optionally through a contrast filter. While shown, the lens
copies a rectangle of the screen around the mouse pointer, pointer included,
enlarges it by a zoom factor and paints it, ten times a second. Between redraws
it only follows the pointer. It can sit centred under the pointer and let clicks
through, track the pointer from a corner, stay at fixed coordinates, or stay
there and jump aside when the pointer enters it. Small print becomes readable:
0123456789 - the quick brown fox jumps over the lazy dog."
    # The landscape: sky, sun, fractal hills and a lake, from fixed seeds.
    convert -size 320x200 gradient:'#4f8fd6-#dcecfa' \
        -fill '#fff3b0' -draw 'circle 250,48 250,70' \
        \( -size 320x200 -seed 11 plasma:fractal -blur 0x1.2 -colorspace gray \
           +level-colors '#2c5a26,#a8cf70' \) \
        \( -size 320x200 xc:black -fill white \
           -draw 'polygon 0,120 40,96 90,110 150,78 210,104 260,90 320,108 320,200 0,200' \) \
        -composite \
        \( -size 320x46 -seed 5 plasma:fractal -blur 0x2 -colorspace gray \
           +level-colors '#1f4c86,#9cc8ee' \) -geometry +0+154 -composite \
        "$work/photo.png"
    convert -size "${width}x$height" xc:'#f7f7f2' \
        -font DejaVu-Sans -pointsize 11 -fill '#202020' -annotate +24+40 "$text" \
        -font DejaVu-Sans-Bold -pointsize 15 -fill '#1d3f7a' -annotate +24+210 'A view from the hill' \
        "$work/photo.png" -geometry +24+222 -composite \
        -font DejaVu-Sans -pointsize 10 -fill '#404040' \
        -annotate +360+240 "Photo: a morning over the lake, taken\nfrom the eastern path. The colours\nare as they came out of the camera." \
        -fill '#3060c0' -draw "rectangle 24,$((height - 40)) $((width - 24)),$((height - 16))" \
        -type TrueColor BMP3:"$out"
}

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

lenzor_start() {
    local name=$1 ini=$2 picture=$3
    shift 3
    local dir="$work/$name"
    rm -rf "$dir"
    mkdir -p "$dir/Lenzor"
    cp "$sc_build/app/Lenzor.exe" "$sc_build"/app/*.txt "$dir/Lenzor/"
    [ "${sc_without_languages:-0}" = 1 ] || cp -r "$sc_build/app/Language" "$dir/Lenzor/"
    printf '%s' "$ini" | sed 's/$/\r/' > "$dir/Lenzor/Lenzor.ini"
    sc_stopfile="$dir/stop"
    setsid wine "$sc_build/tests/e2e/e2e_host.exe" "$(winpath "$dir/Lenzor/Lenzor.exe")" \
        "$(winpath "$dir/ready")" "$(winpath "$dir/stop")" \
        "$([ "$picture" = - ] && echo - || winpath "$picture")" "$@" \
        >/dev/null 2>&1 &
    sc_host=$!
    for _ in $(seq 900); do [ -f "$dir/ready" ] && break; sleep 0.1; done
    [ -f "$dir/ready" ] || { echo "Lenzor did not start"; exit 1; }
    # Wine shows the notification area as a window of its own at the top left; it goes to the
    # bottom right, where a taskbar would have it.
    local tray geometry
    tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -n 1) || true
    if [ -n "$tray" ]; then
        geometry=$(xdotool getwindowgeometry --shell "$tray")
        local WIDTH HEIGHT screen
        eval "$(grep -E '^(WIDTH|HEIGHT)=' <<<"$geometry")"
        screen=$(xdpyinfo | sed -nE 's/.*dimensions: +([0-9]+)x([0-9]+) .*/\1 \2/p')
        xdotool windowmove "$tray" $((${screen% *} - WIDTH)) $((${screen#* } - HEIGHT))
    fi
}

lenzor_stop() {
    [ -n "$sc_host" ] || return 0
    touch "$sc_stopfile"
    for _ in $(seq 100); do kill -0 "$sc_host" 2>/dev/null || break; sleep 0.1; done
    kill -TERM -- "-$sc_host" 2>/dev/null || true
    wait "$sc_host" 2>/dev/null || true
    sc_host=""
}

dialog_window() {
    local wid=""
    for _ in $(seq 200); do
        wid=$(xdotool search --onlyvisible --name '^Lenzor$' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "the dialog did not appear"; exit 1; }
    echo "$wid"
}

# The lens stays at fixed coordinates beside what it enlarges: without a compositor a lens over
# its own grab rectangle would show itself.
sc_screen=960x480
sc_pointer=(250 160)
sc_modes=(none negative gamma brokentv)

shoot_lenses() {
    local out=$1 mode
    desktop_picture "$work/desktop.bmp" "${sc_screen%x*}" "${sc_screen#*x}"
    for mode in 0 1 2 3; do
        lenzor_start "lens$mode" "[Common]
FirstStart=0
ShowAfterStart=1
[MouseControl]
Lenzor.PositionMode=3
Lenzor.LeftFixed=560
Lenzor.TopFixed=30
Lenzor.Width=380
Lenzor.Height=300
Lenzor.ContrastMode=$mode
Lenzor.FixedContrast.Brightness=-207
Lenzor.FixedContrast.Contrast=703
Lenzor.FixedContrast.Saturation=876
Lenzor.BreakageTVLevel=0" "$work/desktop.bmp"
        xdotool mousemove "${sc_pointer[@]}"
        sleep 2.5
        import -window root "$out/lens-${sc_modes[$mode]}.png"
        lenzor_stop
    done
}

# Starts Lenzor with the dialog open in that language (and these lines of [MouseControl]),
# its first page active and focused; sets $sc_dialog.
dialog_start() {
    local language=$1 name=$2 settings=${3:-}
    lenzor_start "$name" "[Common]
FirstStart=0
Language=$language
[MouseControl]
$settings" - -S
    sc_dialog=$(dialog_window)
    sleep 1.5
    # A click on the first tab gives the dialog the focus the host took; arrows turn the pages.
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$sc_dialog" | grep -E '^(X|Y)=')"
    xdotool mousemove $((X + 140 * sc_dpi / 96)) $((Y + 31 * sc_dpi / 96)) click 1 \
        mousemove $((X + 300 * sc_dpi / 96)) $((Y + 395 * sc_dpi / 96))
    sleep 0.8
}

shoot_dialog() {
    local out=$1 language=$2 pages=$3 page
    dialog_start "$language" "dialog-$language"
    for page in $(seq "$pages"); do
        import -window "$sc_dialog" "$out/dialog-$language-$page.png"
        xdotool key Right
        sleep 0.8
    done
    lenzor_stop
}

# The "Advanced options" page with the panels of two other mode pairs: fixed gamma with the
# fixed position, broken TV with the corner tracker.
shoot_advanced() {
    local out=$1 language=$2 variant settings
    for variant in gamma-fixed brokentv-corner; do
        case $variant in
        gamma-fixed) settings="Lenzor.ContrastMode=2
Lenzor.PositionMode=3" ;;
        brokentv-corner) settings="Lenzor.ContrastMode=3
Lenzor.PositionMode=1" ;;
        esac
        dialog_start "$language" "advanced-$language" "$settings"
        xdotool key Right sleep 0.5 key Right
        sleep 0.8
        import -window "$sc_dialog" "$out/advanced-$language-$variant.png"
        lenzor_stop
    done
}
