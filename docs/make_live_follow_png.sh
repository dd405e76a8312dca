#!/usr/bin/env bash
# The lens caught in the middle of a move of the pointer, without and with live following, from
# the win64 build under Wine on a private Xvfb: docs/live-follow-off.png (LiveFollow=0) and
# docs/live-follow-on.png (the default). The same move in both: the pointer goes along a line
# of the showcase's text in small steps and the screen is taken halfway, where the move holds
# for the shot, well within the update interval of 4 s: without live following the lens still
# shows the place where the move began. The lens keeps 80 pixels off the pointer, out of its own grab: on
# Xvfb nothing composes, so a lens over its grab would show itself.
#   bash docs/make_live_follow_png.sh [build folder, default build/win64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/showcase.sh"
showcase_init "${1:-$root/build/win64}"
screen_start "$sc_screen"
prefix_ready 96
desktop_picture "$work/desktop.bmp" "${sc_screen%x*}" "${sc_screen#*x}"
for live in 0 1; do
    lenzor_start "live$live" "[Common]
FirstStart=0
HotKeyShowGlass=49223
[MouseControl]
Lenzor.PositionMode=1
Lenzor.CornerTrackOffSet=80
Lenzor.Width=300
Lenzor.Height=180
Lenzor.UpdateInterval=4000
Lenzor.LiveFollow=$live" "$work/desktop.bmp"
    # The lens comes on (Ctrl+Alt+G) where the move begins: Wine learns where the pointer is
    # only from moves it sees. The move starts just after the lens's second redraw: the first
    # may catch the screen before it is painted again where the lens stood.
    xdotool mousemove 190 84 sleep 0.3 mousemove 200 84 sleep 0.5 key ctrl+alt+g
    sleep 4.3
    for x in $(seq 200 5 310); do
        xdotool mousemove "$x" 84
        sleep 0.02
    done
    sleep 0.5
    name=$([ "$live" = 1 ] && echo on || echo off)
    import -window root -crop 520x320+250+30 +repage "$root/docs/live-follow-$name.png"
    for x in $(seq 315 5 420); do
        xdotool mousemove "$x" 84
        sleep 0.02
    done
    lenzor_stop
done
echo "docs: live-follow-off.png and live-follow-on.png written"
