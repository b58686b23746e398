#!/usr/bin/env bash
# Start-up benchmark: time from launch to the first shown main window, and peak resident
# memory, for Tavlix and for a minimal Qt Widgets program built from minimal.cpp next to
# this script. Both are measured the same way, from outside, on a private Xvfb server
# without a window manager. Per-run figures go to stderr, the summary table to stdout.
#
#   bash bench/startup/run.sh [runs] [tavlix-binary]
#   bash bench/startup/run.sh --noise-floor [runs]     (the minimal program on both sides)
#
# Environment: BENCH_RUNS (10), TAVLIX_BIN (build/src/app/tavlix), TAVLIX_TITLE (Tavlix),
# BENCH_TIMEOUT seconds per window (10), BENCH_SETTLE_MS after the window showed before the
# memory is read (500), MINIMAL_BUILD_DIR (a folder under $TMPDIR or /tmp).
#
# How a run is measured:
# - Window shown: an xev client on the root window reports every MapNotify of a top-level
#   window the moment the server maps it (no window manager, so top-level windows are
#   children of the root). The end time is taken when that line arrives and the window's
#   name is then checked against the title. Being woken by the event avoids the polling
#   step of `xdotool search --sync` (half a second) and the CPU a tight xwininfo loop would
#   take from the program being measured on a small machine.
# - Peak memory: VmHWM from /proc/PID/status, read BENCH_SETTLE_MS after the window showed
#   (so the first paint and any work queued right after showing are included), just before
#   the program is ended with SIGTERM. The program is our direct child, so no wrapper.
set -euo pipefail

usage() {
    sed -n '2,12s/^# \{0,1\}//p' "$0"
}

die() {
    echo "run.sh: $*" >&2
    exit 1
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

runs=${BENCH_RUNS:-10}
tavlix_bin=${TAVLIX_BIN:-$root/build/src/app/tavlix}
tavlix_title=${TAVLIX_TITLE:-Tavlix}
tavlix_label=Tavlix
timeout_s=${BENCH_TIMEOUT:-10}
settle_ms=${BENCH_SETTLE_MS:-500}
# One build folder per source tree: a folder configured from another checkout
# makes cmake refuse this one.
build_dir=${MINIMAL_BUILD_DIR:-${TMPDIR:-/tmp}/tavlix-bench-startup-build-$(id -u)-$(printf '%s' "$here" | cksum | cut -d' ' -f1)}
noise_floor=0

positional=()
for arg in "$@"; do
    case $arg in
    -h | --help)
        usage
        exit 0
        ;;
    --noise-floor) noise_floor=1 ;;
    -*) die "unknown option '$arg' (see --help)" ;;
    *) positional+=("$arg") ;;
    esac
done
((${#positional[@]} <= 2)) || die "too many arguments (see --help)"
if ((${#positional[@]} >= 1)); then runs=${positional[0]}; fi
if ((${#positional[@]} >= 2)); then tavlix_bin=${positional[1]}; fi

[[ $runs =~ ^[1-9][0-9]*$ ]] || die "the number of runs must be a positive whole number, not '$runs'"
[[ $timeout_s =~ ^[1-9][0-9]*$ ]] || die "BENCH_TIMEOUT must be a positive whole number of seconds"
[[ $settle_ms =~ ^[0-9]+$ ]] || die "BENCH_SETTLE_MS must be a whole number of milliseconds"

for tool in Xvfb xev xprop xdotool stdbuf cmake; do
    command -v "$tool" >/dev/null || die "'$tool' is missing (packages: xvfb, x11-utils, xdotool, cmake)"
done

# Clock in microseconds; EPOCHREALTIME's separator follows the locale, so keep digits only.
now_us() {
    local t=${EPOCHREALTIME//[!0-9]/}
    echo $((10#$t))
}

# --- Build the minimal program outside the main build ---------------------------------------
generator=()
if [[ ! -f $build_dir/CMakeCache.txt ]] && command -v ninja >/dev/null; then
    generator=(-G Ninja)
fi
mkdir -p "$build_dir"
if ! cmake -S "$here" -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    >"$build_dir/configure.log" 2>&1; then
    cat "$build_dir/configure.log" >&2
    die "configuring the minimal program failed (build folder $build_dir)"
fi
if ! cmake --build "$build_dir" --parallel 2 >"$build_dir/build.log" 2>&1; then
    cat "$build_dir/build.log" >&2
    die "building the minimal program failed (build folder $build_dir)"
fi
minimal_bin=$build_dir/minimal
minimal_title=Minimal

if ((noise_floor)); then
    tavlix_bin=$minimal_bin
    tavlix_title=$minimal_title
    tavlix_label="Minimal (B)"
fi
if [[ $tavlix_bin != /* ]]; then tavlix_bin=$PWD/$tavlix_bin; fi
[[ -f $tavlix_bin && -x $tavlix_bin ]] ||
    die "no program at $tavlix_bin; build it first with 'bash scripts/build', or give its path as the second argument or in TAVLIX_BIN"

# --- A private home, runtime folder and X server ---------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/tavlix-bench-startup.XXXXXX")
xvfb_pid=
xev_pid=
current_pid=

stop_pid() {
    local pid=$1 i
    kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 50; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local pid
    for pid in "$current_pid" "$xev_pid" "$xvfb_pid"; do
        if [[ -n $pid ]]; then stop_pid "$pid"; fi
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The programs get a fresh home so that ~/Tavlixmappe and the user's settings stay untouched.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR SESSION_MANAGER

# Xvfb picks a free display number itself and writes it to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do
    [[ -s $work/display && $(wc -l <"$work/display") -ge 1 ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -s $work/display ]] || {
    cat "$work/xvfb.log" >&2
    die "Xvfb did not start"
}
DISPLAY=:$(<"$work/display")
export DISPLAY
# The caller's X authority file belongs to the caller's display, not to ours.
unset XAUTHORITY WAYLAND_DISPLAY

# The event listener. Its output comes in through a coprocess; line buffering makes each
# line arrive as soon as xev writes it.
coproc XEV { exec stdbuf -oL xev -root -event substructure -event property 2>"$work/xev.log"; }
# shellcheck disable=SC2153 # XEV_PID is set by coproc
xev_pid=$XEV_PID
exec {events}<&"${XEV[0]}"

# Wait until the listener has selected its events: set a property on the root window until
# the listener reports the change.
ready=0
for ((i = 0; i < 50 && !ready; i++)); do
    xprop -root -f _TAVLIX_BENCH 8s -set _TAVLIX_BENCH "$i"
    while read -r -t 0.1 -u "$events" line; do
        if [[ $line == *"(_TAVLIX_BENCH)"* ]]; then
            ready=1
            break
        fi
    done
done
((ready)) || {
    cat "$work/xev.log" >&2
    die "the X event listener (xev) did not start"
}

# --- One measured launch ---------------------------------------------------------------------
# measure LABEL BINARY TITLE LOGNAME: sets start_us and peak_kb, or ends the script with a
# message when no window with the title shows within the time-out.
measure() {
    local label=$1 bin=$2 title=$3 log=$work/$4.log
    local line buf='' t0 t1='' t_map deadline rc win name k v

    # Drop what is left from the previous program (its unmap and destroy events).
    while read -r -t 0.05 -u "$events" line; do :; done

    t0=$(now_us)
    "$bin" </dev/null >"$log" 2>&1 {events}<&- &
    current_pid=$!
    deadline=$((t0 + timeout_s * 1000000))

    while [[ -z $t1 ]]; do
        if read -r -t 0.1 -u "$events" line; then
            line=$buf$line
            buf=
            if [[ $line == MapNotify* ]]; then
                t_map=$(now_us)
                read -r -t 1 -u "$events" line || line=
                # "    event 0x..., window 0x..., override NO": the mapped window is the second.
                win=${line#*window }
                win=${win%%,*}
                name=$(xdotool getwindowname "$win" 2>/dev/null) || name=
                if [[ $name == "$title" ]]; then t1=$t_map; fi
            fi
        else
            rc=$?
            ((rc > 128)) || die "the X event listener stopped"
            buf+=$line # a timed-out read keeps what it had of a line
            if ! kill -0 "$current_pid" 2>/dev/null; then
                rc=0
                wait "$current_pid" || rc=$?
                current_pid=
                tail -n 20 "$log" >&2
                die "$label ($bin) ended with status $rc before a window titled '$title' showed"
            fi
            if (($(now_us) > deadline)); then
                tail -n 20 "$log" >&2
                die "$label ($bin): no window titled '$title' showed within $timeout_s s"
            fi
        fi
    done
    start_us=$((t1 - t0))

    # Let it paint and finish what it does right after showing, then read its peak.
    if ((settle_ms > 0)); then
        sleep "$((settle_ms / 1000)).$(printf '%03d' $((settle_ms % 1000)))"
    fi
    peak_kb=
    if [[ -r /proc/$current_pid/status ]]; then
        while read -r k v _; do
            if [[ $k == VmHWM: ]]; then peak_kb=$v; fi
        done <"/proc/$current_pid/status" 2>/dev/null || true
    fi
    [[ -n $peak_kb ]] || die "$label ($bin) ended before its memory could be read"

    stop_pid "$current_pid"
    current_pid=
}

# --- Figures ---------------------------------------------------------------------------------
ms() { printf '%d.%d' $((($1 + 50) / 1000)) $(((($1 + 50) / 100) % 10)); }
mib() {
    local tenths=$((($1 * 10 + 512) / 1024))
    printf '%d.%d' $((tenths / 10)) $((tenths % 10))
}
ratio() {
    local hundredths=$((($1 * 200 + $2) / ($2 * 2)))
    printf '%d.%02d' $((hundredths / 100)) $((hundredths % 100))
}
median() {
    local sorted n
    mapfile -t sorted < <(printf '%s\n' "$@" | sort -n)
    n=${#sorted[@]}
    if ((n % 2)); then
        echo "${sorted[n / 2]}"
    else
        echo $(((sorted[n / 2 - 1] + sorted[n / 2]) / 2))
    fi
}
minimum() { printf '%s\n' "$@" | sort -n | head -n 1; }
maximum() { printf '%s\n' "$@" | sort -n | tail -n 1; }

echo "display $DISPLAY, home $HOME, $runs runs each" >&2
echo "$tavlix_label: $tavlix_bin" >&2
echo "Minimal: $minimal_bin" >&2

# Warm-up: loads both programs and their libraries into the file cache; not counted.
measure Minimal "$minimal_bin" "$minimal_title" warmup-minimal
echo "warm-up   Minimal        $(ms "$start_us") ms  $(mib "$peak_kb") MiB" >&2
measure "$tavlix_label" "$tavlix_bin" "$tavlix_title" warmup-tavlix
printf 'warm-up   %-13s  %s ms  %s MiB\n' "$tavlix_label" "$(ms "$start_us")" "$(mib "$peak_kb")" >&2

t_start=() t_peak=() m_start=() m_peak=()
run_tavlix() {
    measure "$tavlix_label" "$tavlix_bin" "$tavlix_title" "tavlix-$1"
    t_start+=("$start_us")
    t_peak+=("$peak_kb")
    printf 'run %3d   %-13s  %s ms  %s MiB\n' "$1" "$tavlix_label" "$(ms "$start_us")" "$(mib "$peak_kb")" >&2
}
run_minimal() {
    measure Minimal "$minimal_bin" "$minimal_title" "minimal-$1"
    m_start+=("$start_us")
    m_peak+=("$peak_kb")
    printf 'run %3d   %-13s  %s ms  %s MiB\n' "$1" Minimal "$(ms "$start_us")" "$(mib "$peak_kb")" >&2
}
# Alternate which program goes first, so drift on the machine falls on both alike.
for ((r = 1; r <= runs; r++)); do
    if ((r % 2)); then
        run_tavlix "$r"
        run_minimal "$r"
    else
        run_minimal "$r"
        run_tavlix "$r"
    fi
done

ts=$(median "${t_start[@]}") tp=$(median "${t_peak[@]}")
mstart=$(median "${m_start[@]}") mp=$(median "${m_peak[@]}")
met() { if (($1 * 100 <= $2 * $3)); then echo yes; else echo no; fi; }

# One line of the table, without trailing blanks.
row() {
    local s
    s=$(printf '%-16s %12s %14s %14s %14s' "$@")
    echo "${s%"${s##*[! ]}"}"
}
span_ms() { echo "$(ms "$(minimum "$@")")-$(ms "$(maximum "$@")")"; }
span_mib() { echo "$(mib "$(minimum "$@")")-$(mib "$(maximum "$@")")"; }

printf '\nStart-up to first shown window, %d runs each (Xvfb 1280x1024x24, no window manager)\n' "$runs"
row "" "start-up ms" "(min-max)" "peak RSS MiB" "(min-max)"
row "$tavlix_label" "$(ms "$ts")" "$(span_ms "${t_start[@]}")" "$(mib "$tp")" "$(span_mib "${t_peak[@]}")"
row Minimal "$(ms "$mstart")" "$(span_ms "${m_start[@]}")" "$(mib "$mp")" "$(span_mib "${m_peak[@]}")"
row "Ratio (medians)" "$(ratio "$ts" "$mstart")" "" "$(ratio "$tp" "$mp")"
row "Target" "<= 1.20" "" "<= 1.30"
row "Met" "$(met "$ts" "$mstart" 120)" "" "$(met "$tp" "$mp" 130)"
