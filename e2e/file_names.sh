#!/usr/bin/env bash
# End-to-end: file names under Wine. The program works with names in CP1251, so a name with a
# character outside it is refused with a message naming it, and never taken for the look-alike
# beside it: "café.gif" (é best-fits to e) next to a different "cafe.gif" from the command line
# and from the open dialog, "日本.gif" from the command line, and "naïve.gif" typed into the save
# dialog next to "naive.gif", which must stay as it was. A file whose caption is longer than 255
# characters still opens in one window only: a second copy asked for it ends at once.
# Usage: file_names.sh EXE OUTDIR GIF LOOKALIKE   (two different GIFs; screenshots go to OUTDIR)
set -u
. "$(dirname "$0")/lib.sh"

e2e_begin "EXE OUTDIR GIF LOOKALIKE" 4 "$@"
GIF=$3
LOOKALIKE=$4
e2e_install_cleanup

FILES=$OUTDIR/files
LONG=$(printf 'q%.0s' $(seq 1 246)).gif  # its caption is 261 characters long
rm -rf "$FILES"
mkdir -p "$FILES" || exit 1
cp "$GIF" "$FILES/café.gif" && cp "$LOOKALIKE" "$FILES/cafe.gif" && cp "$GIF" "$FILES/日本.gif" &&
    cp "$LOOKALIKE" "$FILES/naive.gif" && cp "$GIF" "$FILES/$LONG" || exit 1
chmod u+w "$FILES"/*
shown() { LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# shown_soon PATTERN COUNT: waits up to 10 seconds for COUNT visible windows titled PATTERN.
shown_soon() {
    for _ in $(seq 1 20); do
        [ "$(shown "$1")" -eq "$2" ] && return 0
        sleep 0.5
    done
    return 1
}
UNTITLED='^Безымянный\.gif - Quillmap$'

start_xvfb || exit 1
start_wine_prefix "$OUTDIR/wineprefix" || exit 1

# refused_on_command_line NAME LOOKALIKE_PATTERN CASE: the program started with the file NAME
# shows a message box titled with the application's title, and no window of the look-alike;
# once the box is answered the program goes on untitled and is closed again. The screenshot is
# OUTDIR/CASE.png, the program's output OUTDIR/CASE.log.
refused_on_command_line() {
    local name=$1 lookalike=$2 shot=$OUTDIR/$3.png pid window title main status=""
    "$E2E_WINE" "$EXE" "$(windows_path "$FILES/$name")" >"$OUTDIR/$3.log" 2>&1 &
    pid=$!
    PIDS+=("$pid")
    # Whatever comes first: the refusal, or a window with a document.
    if ! window=$(wait_for_window '^Quillmap$| - Quillmap$' 90 "$pid"); then
        check "\"$name\" on the command line: a message or a window" false
        return
    fi
    sleep 1
    screenshot "$shot"
    e2e_log "screenshot: $shot"
    title=$(LC_ALL=C.UTF-8 xdotool getwindowname "$window")
    check "\"$name\" on the command line is refused with a message (first window: '$title')" [ "$title" = Quillmap ]
    check "and no window shows the look-alike" [ "$(shown "$lookalike")" -eq 0 ]
    [ "$title" = Quillmap ] && xdotool key --clearmodifiers Return
    if main=$(wait_for_window "$UNTITLED" 20 "$pid"); then
        check "then the program shows an untitled document" true
        check "still no window shows the look-alike" [ "$(shown "$lookalike")" -eq 0 ]
        xdotool key --clearmodifiers alt+F4
        for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || { status=ended; break; }; sleep 0.5; done
    fi
    check "and ends when closed" [ "$status" = ended ]
    # Whatever it showed, it must not stay for the next case.
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

refused_on_command_line café.gif '^cafe\.gif - Quillmap$' cafe_command_line
refused_on_command_line 日本.gif '^\?\?\.gif - Quillmap$' nihon_command_line

# refused_in_dialog SHORTCUT DIALOG NAME LETTER CASE: the dialog opened by SHORTCUT, given the
# full path of NAME (whose one letter outside the keyboard's is LETTER), leads to the refusal: a
# message box over the untitled window, which has the same title (the application's). The
# screenshot is OUTDIR/CASE.png.
refused_in_dialog() {
    local keys=$1 dialog=$2 name=$3 letter=$4 shot=$OUTDIR/$5.png
    local before=${name%%"$letter"*} after=${name#*"$letter"}
    xdotool key --clearmodifiers "$keys"
    if ! wait_for_window "$dialog" 20 "$PROGRAM" >/dev/null; then
        check "$keys opens its dialog" false
        return
    fi
    # The dialog shows before its name field takes keys: typed at once, the first ones are lost.
    sleep 2
    # xdotool types a letter the keymap lacks by binding a spare key to it, and unbinds it half
    # its delay after the key went down: too soon, and Wine reads the key unbound and loses it.
    xdotool type --delay 30 "$(windows_path "$FILES/$before")"
    xdotool type --delay 1000 "$letter"
    xdotool type --delay 30 "$after"
    xdotool key Return
    if shown_soon "$UNTITLED" 2; then
        sleep 1
        screenshot "$shot"
        e2e_log "screenshot: $shot"
        check "\"$name\" in the dialog of $keys is refused with a message" true
        xdotool key --clearmodifiers Return
        check "and the message goes with Enter" shown_soon "$UNTITLED" 1
    else
        screenshot "$shot"
        check "\"$name\" in the dialog of $keys is refused with a message" false
    fi
}

"$E2E_WINE" "$EXE" >"$OUTDIR/dialogs.log" 2>&1 &
PROGRAM=$!
PIDS+=("$PROGRAM")
if wait_for_window "$UNTITLED" 60 "$PROGRAM" >/dev/null; then
    sleep 2
    refused_in_dialog ctrl+o '^Открыть файл$' café.gif é cafe_open_dialog
    check "the open dialog does not open the look-alike" [ "$(shown '^cafe\.gif - Quillmap$')" -eq 0 ]
    # A new document has no name yet: Ctrl+S asks for one.
    xdotool key --clearmodifiers ctrl+n
    sleep 1
    refused_in_dialog ctrl+s '^Сохранить как\.\.\.$' naïve.gif ï naive_save_dialog
    check "the save dialog leaves the look-alike as it was" cmp -s "$LOOKALIKE" "$FILES/naive.gif"
    check "and writes no file of its own" [ ! -e "$FILES/naïve.gif" ]
else
    check "the program starts without a file" false
fi

# A caption longer than 255 characters: a second copy asked for the same file brings the first
# forward and ends.
LONG_TITLE='^q+\.gif - Quillmap$'
"$E2E_WINE" "$EXE" "$(windows_path "$FILES/$LONG")" >"$OUTDIR/long_first.log" 2>&1 &
PIDS+=($!)
if wait_for_window "$LONG_TITLE" 60 "${PIDS[-1]}" >/dev/null; then
    sleep 2
    "$E2E_WINE" "$EXE" "$(windows_path "$FILES/$LONG")" >"$OUTDIR/long_second.log" 2>&1 &
    SECOND=$!
    ENDED=""
    for _ in $(seq 1 60); do
        if ! kill -0 "$SECOND" 2>/dev/null; then ENDED=yes; break; fi
        sleep 0.5
    done
    [ -z "$ENDED" ] && PIDS+=("$SECOND")
    sleep 2
    screenshot "$OUTDIR/long_name.png"
    e2e_log "screenshot: $OUTDIR/long_name.png"
    COPIES=$(shown "$LONG_TITLE")
    check "a second copy asked for a file with a 261-character caption ends at once" [ -n "$ENDED" ]
    check "and leaves one window showing it ($COPIES)" [ "$COPIES" -eq 1 ]
else
    check "a file with a 261-character caption opens" false
fi

if [ "$failures" -ne 0 ]; then
    echo "[e2e] file_names: $failures check(s) failed; screenshots in $OUTDIR" >&2
    exit 1
fi
echo "[e2e] file_names: passed; screenshots in $OUTDIR"
