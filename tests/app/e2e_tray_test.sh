#!/usr/bin/env bash
# End to end: the real zantor on the simulated mouse, under Xvfb with trayer as the tray host,
# driven with xdotool. Changes a DPI step, applies it, closes to the tray, is brought back by a
# second start, quits from the tray menu, then checks the reports the simulated mouse received
# (--trace) and the saved config.ini.
#   e2e_tray_test.sh ZANTOR_BINARY RESOURCES_DIR
# Exits 77 (skipped) when Xvfb, xdotool or trayer is missing.
set -euo pipefail

zantor=$1
resources=$2

for tool in Xvfb xdotool trayer; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian: apt-get install xvfb xdotool trayer x11-utils)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zantor-e2e-XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "--- zantor's stderr:" >&2
    cat "$work/stderr" >&2 2>/dev/null || true
    echo "--- last reports:" >&2
    tail -n 5 "$work/trace" >&2 2>/dev/null || true
    echo "--- trayer:" >&2
    cat "$work/trayer.log" >&2 2>/dev/null || true
    exit 1
}

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for ((i = 0; i < tries; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# A fresh home with the shipped data, and a private runtime folder: the single-instance
# guard and the locks of this run meet no other zantor of the user.
home=$work/home
mkdir -p "$home" "$work/runtime" "$work/tmp" "$work/config"
chmod 700 "$work/runtime"
cp -r "$resources/skins" "$home/"
cp "$resources"/*.dat "$home/"
export XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/tmp XDG_CONFIG_HOME=$work/config
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")

# An icon that asks to dock while the tray host is still starting is not taken. On a busy
# machine the tray host's first start can be slow, and once it was seen to die at start: give it
# time, and a second chance.
start_trayer() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
        >>"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 20 xdotool search --name '^panel$' >/dev/null
}
start_trayer || start_trayer || fail "trayer did not start"
sleep 0.5

"$zantor" --simulate --trace --home "$home" >"$work/trace" 2>"$work/stderr" &
zantor_pid=$!
pids+=($zantor_pid)

# The program's windows (found by class: a docked icon is not found by its title).
windows() {
    xdotool search --classname '^zantor$' 2>/dev/null
}
# The program's window of a given size ("800x600").
window_of_size() {
    local id
    for id in $(windows); do
        if xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# The tray icon: the program's small window, once docked.
tray_icon() {
    local id
    for id in $(windows); do
        local size
        size=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
        if [ -n "$size" ] && [ "$size" -gt 1 ] && [ "$size" -lt 64 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# The centre of main-layout entry N, from the English layout file of the home.
centre_of() {
    local x y w h
    IFS=, read -r _ x y w h _ < <(grep "^$1=" "$home/skins/INI_EN/skin_main_en.ini" | cut -d= -f2)
    echo "$((x + w / 2)) $((y + h / 2))"
}

wait_for 10 window_of_size 800x600 >/dev/null || fail "the window did not appear"
main=$(window_of_size 800x600)

# Level 2, step 3 (entry 66 + 12 * 2 + 3), then apply (entry 3).
read -r cx cy < <(centre_of 93)
xdotool mousemove --window "$main" "$cx" "$cy" click 1
sleep 0.2
read -r cx cy < <(centre_of 3)
xdotool mousemove --window "$main" "$cx" "$cy" click 1
sleep 0.3

# Close to the tray (entry 13); a second start brings the window back and ends at once.
visible_main() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^zantor$' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 800x600$' && return 0
    done
    return 1
}
read -r cx cy < <(centre_of 13)
xdotool mousemove --window "$main" "$cx" "$cy" click 1
wait_for 5 bash -c "$(declare -f visible_main); ! visible_main" || fail "the window did not hide"
second=0
timeout 10 "$zantor" --simulate --home "$home" >/dev/null 2>&1 || second=$?
[ "$second" -eq 0 ] || fail "a second start ended with status $second"
wait_for 5 visible_main || fail "a second start did not bring the window back"

# Quit from the tray menu: its second row, "Exit Driver" (88 x 40 pixels in English).
wait_for 10 tray_icon >/dev/null || fail "no tray icon docked in the tray"
xdotool mousemove --window "$(tray_icon)" 8 8 click 3
wait_for 5 window_of_size 88x40 >/dev/null || fail "the tray menu did not open"
xdotool mousemove --window "$(window_of_size 88x40)" 30 30 click 1

wait_for 10 bash -c "! kill -0 $zantor_pid 2>/dev/null" || fail "zantor did not end"
status=0
wait "$zantor_pid" || status=$?
[ "$status" -eq 0 ] || fail "zantor ended with status $status"

# The simulated mouse got level 2 at step code 4 (the fourth step) once, on apply, and the
# exit report last.
dpi_reports=$(grep -Ec '> 07 09 [0-9A-F]{2} 4A ' "$work/trace" || true)
[ "$dpi_reports" -eq 1 ] || fail "expected one DPI report of level 2 at step code 4, got $dpi_reports"
last=$(grep ' > ' "$work/trace" | tail -n 1)
[[ $last == *"> 07 20 "* ]] || fail "the last report is not the exit report: $last"

saved=$(awk -F= '/^\[/{section=$0} section=="[Config1]" && $1=="DPI_SET2"{print $2}' \
    "$home/skins/config/config.ini")
[ "$saved" = 3 ] || fail "config.ini holds DPI_SET2=$saved in Config1, expected 3"

echo "PASSED: step applied, reports and config.ini as expected"
