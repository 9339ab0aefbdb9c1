# shellcheck shell=bash
# Helpers for the end-to-end tests: a private X server, a private Wine prefix, and looking at
# what the program shows. Source it from bash; every helper reports failure through its status.

E2E_XVFB_PID=""
E2E_WINE="" E2E_WINESERVER=""
# Set by window_geometry.
WINDOW_X="" WINDOW_Y="" WINDOW_WIDTH="" WINDOW_HEIGHT=""

e2e_log() { printf '[e2e] %s\n' "$*" >&2; }

# check DESCRIPTION CONDITION...: runs the condition, counts and reports a failure in $failures.
failures=0
check() {
    local description=$1
    shift
    if "$@"; then
        e2e_log "ok: $description"
    else
        e2e_log "FAIL: $description"
        failures=$((failures + 1))
    fi
}

e2e_fail() {
    printf '[e2e] FAIL: %s\n' "$*" >&2
    return 1
}

# e2e_begin [--exe-must-exist] USAGE COUNTS ARGS...: the start of every script, given the
# script's arguments ARGS. Unless their number is one of COUNTS (e.g. "2 3", each at least 2),
# prints "usage: SCRIPT USAGE" and exits with status 2. The first two are the program and the
# output folder: EXE becomes the program's absolute path and OUTDIR the folder's, made if need
# be (status 2 if it cannot be). With --exe-must-exist, a program that is not there is reported
# before anything is made, with status 2.
# shellcheck disable=SC2034  # EXE, BUILT_EXE and OUTDIR are the script's
e2e_begin() {
    local exe_must_exist=""
    if [ "$1" = --exe-must-exist ]; then
        exe_must_exist=yes
        shift
    fi
    local usage=$1 counts=$2
    shift 2
    case " $counts " in
    *" $# "*) ;;
    *)
        echo "usage: $0 $usage" >&2
        exit 2
        ;;
    esac
    if [ -n "$exe_must_exist" ] && [ ! -f "$1" ]; then
        e2e_fail "no such program: $1"
        exit 2
    fi
    BUILT_EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    mkdir -p "$2" || exit 2
    OUTDIR=$(cd "$2" && pwd)
    # Each test runs its own copy of the program, in a folder of its own: the program keeps its
    # state file beside itself, and one test's must not set up the next one's window.
    EXE=$BUILT_EXE
    mkdir -p "$OUTDIR/program" && rm -f "$OUTDIR/program/data.dat" &&
        cp "$BUILT_EXE" "$OUTDIR/program/" 2>/dev/null && EXE="$OUTDIR/program/$(basename "$BUILT_EXE")"
}

# e2e_beside_program FOLDER...: the build's FOLDERs (plugins, skins, encodings), from beside the
# program built, copied beside the program's copy, where it looks for them; exits with status 2
# when one is missing.
e2e_beside_program() {
    local folder built=${BUILT_EXE%/*}
    for folder in "$@"; do
        if [ ! -d "$built/$folder" ]; then
            e2e_fail "no $folder folder beside $BUILT_EXE"
            exit 2
        fi
        rm -rf "${EXE%/*}/$folder" && cp -r "$built/$folder" "${EXE%/*}/" || exit 2
    done
}

# What the standard cleanup ends besides Wine and the X server: PROGRAM_PID, the program under
# test, is killed and waited for; each of PIDS, for scripts that start several copies, is killed.
PROGRAM_PID=""
PIDS=()
E2E_CLEANUP_HOOK=""

# e2e_install_cleanup [HOOK]: when the script exits, ends every program of the Wine prefix, then
# PROGRAM_PID and PIDS, then runs HOOK (a function ending what else the script started), then
# ends the X server.
# shellcheck disable=SC2120  # most scripts need no hook
e2e_install_cleanup() {
    E2E_CLEANUP_HOOK=${1:-}
    trap e2e_cleanup EXIT
}

e2e_cleanup() {
    local pid
    stop_wine
    if [ -n "$PROGRAM_PID" ]; then
        kill "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    if [ -n "$E2E_CLEANUP_HOOK" ]; then
        "$E2E_CLEANUP_HOOK"
    fi
    stop_xvfb
}

# windows_path PATH: the name under which a Wine program finds the absolute Unix PATH (drive Z:
# is the root).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# e2e_run_on_copy NAME: starts the X server, the Wine prefix and the program on a writable copy
# of $GIF named NAME in $OUTDIR/files (the corpus is read-only); sets COPY, PROGRAM_PID and
# WINDOW, the program's window, made the active one.
e2e_run_on_copy() {
    local name=$1
    mkdir -p "$OUTDIR/files" || return 1
    COPY="$OUTDIR/files/$name"
    cp "$GIF" "$COPY" && chmod u+w "$COPY" || return 1
    start_xvfb || return 1
    start_wine_prefix "$OUTDIR/wineprefix" || return 1
    : >"$OUTDIR/program.log"
    e2e_start_on "$COPY"
}

# e2e_start_on FILE: the program on FILE, once the X server and the Wine prefix are there, its
# output added to $OUTDIR/program.log; sets PROGRAM_PID and WINDOW, the window made the active
# one (Wine may not answer the activation: the window found is what counts).
e2e_start_on() {
    local name
    name=$(basename "$1")
    "$E2E_WINE" "$EXE" "$(windows_path "$1")" >>"$OUTDIR/program.log" 2>&1 &
    PROGRAM_PID=$!
    WINDOW=$(wait_for_window "^${name//./\\.} - Quillmap\$" 90 "$PROGRAM_PID") || return 1
    sleep 2
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null
    return 0
}

# e2e_end_program: Alt+F4 on the program's window and its end, waited for up to 30 seconds; PROGRAM_PID is
# empty once it ended.
e2e_end_program() {
    xdotool windowactivate --sync "$WINDOW" 2>/dev/null
    xdotool key --clearmodifiers alt+F4
    for _ in $(seq 1 30); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || { wait "$PROGRAM_PID"; PROGRAM_PID=""; return 0; }
        sleep 1
    done
    return 1
}

# open_closed_containers: clicks the green plus of each closed container, top first, up to five
# of them, photographing the screen into $OUTDIR/closed.png before each.
open_closed_containers() {
    local plus px py
    for _ in 1 2 3 4 5; do
        screenshot "$OUTDIR/closed.png"
        plus=$(convert "$OUTDIR/closed.png" -depth 8 txt:- | awk -F'[,: ]+' '/#008000/ { print $1, $2; exit }')
        [ -n "$plus" ] || break
        read -r px py <<<"$plus"
        xdotool mousemove "$px" "$((py + 1))" click 1
        sleep 1
    done
}

# visible_window TITLE: true while a shown window's title matches TITLE.
visible_window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# keys KEY...: types keys into the active window, as a user would, and lets the program follow.
keys() {
    xdotool key --clearmodifiers --delay 80 "$@"
    sleep 0.5
}

# e2e_close_program NAME: closes the program's window with Alt+F4 and checks that it ends
# within 30 seconds; then reports the script's result under NAME and exits with it.
e2e_close_program() {
    e2e_end_program
    check "the program ends" [ -z "$PROGRAM_PID" ]
    if [ "$failures" -ne 0 ]; then
        echo "[e2e] $1: $failures check(s) failed; screenshots in $OUTDIR" >&2
        exit 1
    fi
    echo "[e2e] $1: passed; screenshots in $OUTDIR"
    exit 0
}

# first_executable CANDIDATE...: prints the first candidate that names an executable file.
first_executable() {
    local candidate
    for candidate in "$@"; do
        if [ -n "$candidate" ] && [ -f "$candidate" ] && [ -x "$candidate" ]; then
            printf '%s\n' "$candidate"
            return 0
        fi
    done
    return 1
}

# e2e_find_wine: finds Wine's programs, once, for every script and test. E2E_WINE is the loader
# for 64-bit programs: $QUILLMAP_WINE, else wine64 on PATH, else Debian's private loader, else
# plain wine. E2E_WINESERVER is the server installed beside that loader, so that their versions
# match, else one on PATH. Debian's wine64 package keeps both in /usr/lib/wine and puts neither
# on PATH. WINESERVER makes the loader start that same server.
e2e_find_wine() {
    [ -n "$E2E_WINE" ] && [ -n "$E2E_WINESERVER" ] && return 0
    E2E_WINE=$(first_executable "${QUILLMAP_WINE:-}" "$(command -v wine64)" /usr/lib/wine/wine64 \
        "$(command -v wine)") ||
        { e2e_fail "no Wine found (tried wine64, /usr/lib/wine/wine64, wine)"; return 1; }
    E2E_WINESERVER=$(first_executable "$(dirname "$E2E_WINE")/wineserver" \
        "$(dirname "$(readlink -f "$E2E_WINE")")/wineserver" "$(command -v wineserver)" \
        /usr/lib/wine/wineserver) ||
        { e2e_fail "no wineserver beside $E2E_WINE or on PATH"; return 1; }
    export WINESERVER=$E2E_WINESERVER
}

# start_xvfb: starts Xvfb on the first free display from :91 up and exports DISPLAY.
# The root window is black (-br), so anything white on it was drawn by a window.
start_xvfb() {
    local number
    for number in $(seq 91 140); do
        if [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; then
            continue
        fi
        Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp -br >/dev/null 2>&1 &
        E2E_XVFB_PID=$!
        for _ in $(seq 1 50); do
            if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
                break  # lost the display to someone else: try the next one
            fi
            # Only the server holding the display's lock is ours: another one, started at the same
            # moment for the same number, answers too until ours gives up.
            if DISPLAY=":${number}" xdotool getdisplaygeometry >/dev/null 2>&1 &&
                [ "$(display_lock_owner "$number")" = "$E2E_XVFB_PID" ]; then
                export DISPLAY=":${number}"
                e2e_log "Xvfb on $DISPLAY (pid $E2E_XVFB_PID)"
                watch_greetings
                return 0
            fi
            sleep 0.2
        done
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
        E2E_XVFB_PID=""
    done
    e2e_fail "could not start Xvfb on any display from :91 to :140"
}

# display_lock_owner NUMBER: the id of the X server that holds display NUMBER's lock file.
display_lock_owner() {
    local owner=""
    read -r owner 2>/dev/null <"/tmp/.X$1-lock"
    printf '%s\n' "$owner"
}

stop_xvfb() {
    stop_watching_greetings
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
        E2E_XVFB_PID=""
    fi
}

# start_wine_prefix DIR: a private 64-bit prefix in DIR. Wine draws the window frames itself
# (there is no window manager on Xvfb), so captions show in screenshots. With
# QUILLMAP_E2E_PREFIX_TEMPLATE naming a prefix made so before (CTest makes one for all the
# tests), DIR becomes a fresh copy of it: seconds, where wineboot takes a quarter of a minute or
# more. Without it the prefix is made in DIR on first use.
start_wine_prefix() {
    local prefix=$1 template=${QUILLMAP_E2E_PREFIX_TEMPLATE:-}
    e2e_find_wine || return 1
    if [ -n "$template" ]; then
        copy_wine_prefix "$template" "$prefix" || return 1
        use_wine_prefix "$prefix" || return 1
        e2e_log "Wine prefix $WINEPREFIX copied from $template ($E2E_WINE)"
        return 0
    fi
    use_wine_prefix "$prefix" || return 1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        e2e_log "creating Wine prefix $WINEPREFIX (may take a minute)"
        if ! timeout 240 "$E2E_WINE" wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1; then
            e2e_fail "wineboot failed; see $WINEPREFIX/wineboot.log"
            return 1
        fi
    fi
    # A prefix just made is sometimes still settling and refuses the first change: three tries,
    # the server let finish in between.
    local tries=0
    until timeout 60 "$E2E_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
        >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -ge 3 ]; then
            e2e_fail "could not set Wine's X11 driver options"
            return 1
        fi
        timeout 60 "$E2E_WINESERVER" -w
        sleep 2
    done
    timeout 60 "$E2E_WINESERVER" -w
    e2e_log "Wine prefix $WINEPREFIX ready ($E2E_WINE)"
}

# use_wine_prefix DIR: makes DIR, if need be, the prefix of every Wine program started from now on.
use_wine_prefix() {
    mkdir -p "$1" || return 1
    export WINEPREFIX
    WINEPREFIX=$(cd "$1" && pwd)
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No offers to install Mono or Gecko: they would wait for an answer nobody gives.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# copy_wine_prefix TEMPLATE DIR: DIR becomes a copy of the whole prefix TEMPLATE, whatever a run
# before left in it gone. Each copy has a server of its own: Wine names the server's socket after
# the prefix folder's inode.
copy_wine_prefix() {
    if [ ! -f "$1/system.reg" ]; then
        e2e_fail "no Wine prefix in $1"
        return 1
    fi
    if ! { rm -rf "$2" && mkdir -p "$2" && cp -a "$1/." "$2/"; }; then
        e2e_fail "could not copy the Wine prefix $1 to $2"
        return 1
    fi
}

# prefix_processes: the ids of the processes running in this Wine prefix, the server included
# (each inherits WINEPREFIX from the loader that started it).
prefix_processes() {
    marked_processes WINEPREFIX "$WINEPREFIX"
}

# marked_processes NAME VALUE: the ids of the processes whose environment holds NAME=VALUE.
marked_processes() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" = $$ ] && continue
        # Processes come and go while the list is read, and some are not ours to read.
        if tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "$1=$2"; then
            printf '%s\n' "$pid"
        fi
    done
}

# fail_on_leftovers MARK: fails, naming them, when processes started with QUILLMAP_E2E_RUN=MARK
# still run; they are killed.
fail_on_leftovers() {
    local pids
    pids=$(marked_processes QUILLMAP_E2E_RUN "$1")
    [ -z "$pids" ] && return 0
    ps -o pid=,args= -p "$(echo $pids | tr ' ' ',')" | sed 's/^/[e2e] left running: /' >&2
    kill -9 $pids 2>/dev/null
    e2e_fail "the tests left processes running"
}

# stop_wine: ends every program of the prefix and its server, and waits until they are gone;
# whatever the server could not end is killed.
stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && [ -n "$E2E_WINESERVER" ] || return 0
    "$E2E_WINESERVER" -k 2>/dev/null
    timeout 30 "$E2E_WINESERVER" -w 2>/dev/null
    local pids
    pids=$(prefix_processes)
    if [ -n "$pids" ]; then
        e2e_log "killing what outlived the Wine server: $(echo $pids)"
        kill -9 $pids 2>/dev/null
    fi
    return 0
}

# The first start of the program, without data.dat, greets the user with a modal dialog before
# its main window shows; so does every copy started before the first one has ended and written
# data.dat. Every test starts so: unless a script sets E2E_KEEP_GREETING before start_xvfb to
# look at the greeting itself, a watcher answers each greeting with Esc ("Это мне не нужно") as
# soon as it shows, whichever way the script waits for the program.
E2E_GREETING='^Здравствуйте!$'
E2E_KEEP_GREETING=${E2E_KEEP_GREETING:-}
E2E_GREETER_PID=""

# greeting_shown [ID]: a greeting's id, the one given if that one still shows.
greeting_shown() {
    LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$E2E_GREETING" 2>/dev/null | grep -m 1 -x "${1:-.*}"
}

# dismiss_greeting: Esc in a greeting that is showing, if there is one.
dismiss_greeting() {
    local id
    id=$(greeting_shown) || return 0
    # Without a window manager the activation is refused, but the modal greeting takes the
    # keyboard itself once it has settled; if the key went nowhere, the next round looks again.
    sleep 1
    greeting_shown "$id" >/dev/null || return 0
    xdotool windowactivate "$id" 2>/dev/null
    xdotool key --clearmodifiers Escape 2>/dev/null || return 0
    e2e_log "the first start's greeting answered with Esc"
    # Wine takes a moment to unmap it: looked at again meanwhile, it would seem another greeting,
    # and a second Esc would reach the window that came after it.
    for _ in $(seq 1 20); do
        greeting_shown "$id" >/dev/null || return 0
        sleep 0.25
    done
}

# watch_greetings: the watcher, on the X server just started, until stop_watching_greetings.
watch_greetings() {
    [ -z "$E2E_KEEP_GREETING" ] || return 0
    # Its own shell goes on whatever a look finds: under set -e (scripts/run.sh) a refused
    # activation would end it.
    # Ended, it ends its pause too, which would otherwise outlive it.
    (
        set +e
        pause=""
        trap 'kill $pause 2>/dev/null; exit 0' TERM
        while :; do
            dismiss_greeting
            sleep 0.5 &
            pause=$!
            wait "$pause"
        done
    ) &
    E2E_GREETER_PID=$!
}

stop_watching_greetings() {
    if [ -n "$E2E_GREETER_PID" ]; then
        kill "$E2E_GREETER_PID" 2>/dev/null
        wait "$E2E_GREETER_PID" 2>/dev/null || true
        E2E_GREETER_PID=""
    fi
}

# wait_for_window REGEX SECONDS [PID]: prints the id of the first visible window whose title
# matches REGEX. Gives up early if PID (the program under test) has ended.
wait_for_window() {
    local pattern=$1 seconds=$2 pid=${3:-} deadline id
    deadline=$((SECONDS + seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        # Nothing found is not an error here, even for callers running under set -e -o pipefail.
        id=$(LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            printf '%s\n' "$id"
            return 0
        fi
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            e2e_fail "the program ended before a window matching '$pattern' appeared"
            return 1
        fi
        sleep 1
    done
    e2e_fail "no window matching '$pattern' within ${seconds}s"
}

# window_geometry ID: sets WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT (screen pixels).
window_geometry() {
    local key value
    WINDOW_X="" WINDOW_Y="" WINDOW_WIDTH="" WINDOW_HEIGHT=""
    while IFS='=' read -r key value; do
        case $key in
        X) WINDOW_X=$value ;;
        Y) WINDOW_Y=$value ;;
        WIDTH) WINDOW_WIDTH=$value ;;
        HEIGHT) WINDOW_HEIGHT=$value ;;
        esac
    done < <(xdotool getwindowgeometry --shell "$1" 2>/dev/null)
    [ -n "$WINDOW_X" ] && [ -n "$WINDOW_Y" ] && [ -n "$WINDOW_WIDTH" ] && [ -n "$WINDOW_HEIGHT" ]
}

# screenshot FILE: the whole screen as a PNG.
screenshot() {
    import -window root "$1"
}

# mean_brightness FILE WxH+X+Y: mean of all channels over the area, 0 (black) to 1 (white).
mean_brightness() {
    convert "$1" -crop "$2" +repage -format '%[fx:mean]' info:
}

# first_dark FILE WxH+X+Y: the offset of the first pixel that is not pure white along a one
# pixel row or column; empty when there is none.
first_dark() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | awk 'NR > 1 && !/#FFFFFF/ { print NR - 2; exit }'
}

# dark_after_band FILE WxH+X+Y MINRUN: along a one pixel column, the offset of the first pixel
# that is not white after a white band which follows a run of at least MINRUN pixels that are
# not white (a caption bar, then a white menu bar, then a control); empty when there is none.
dark_after_band() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -v min="$3" 'NR > 1 { white = ($0 ~ /#FFFFFF/)
                                  if (!white && band) { print NR - 2; exit }
                                  if (white && dark >= min) band = 1
                                  dark = white ? 0 : dark + 1 }'
}

# longest_white_span FILE WxH+X+Y: "START LENGTH" of the longest run of pure white pixels along a
# one pixel row or column.
longest_white_span() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- |
        awk 'NR > 1 { if ($0 ~ /#FFFFFF/) { if (!run) first = NR - 2; run++; if (run > best) { best = run; start = first } } else run = 0 }
             END { print start + 0, best + 0 }'
}
