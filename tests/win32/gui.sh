#!/usr/bin/env bash
# Tests of the real Kestrova.exe under Wine, on a virtual X display of their own.
#   gui.sh CASE KESTROVA_EXE WINTEST_EXE PREFIX
# (the case package also takes the zip named by $KESTROVA_PACKAGE)
# Every case copies the program into a fresh folder, starts it from there, drives it with
# xdotool and checks screenshots with kestrova_wintest (a Windows helper in the same prefix).
# Coordinates below are the window's client pixels at 96 DPI, scaled to the case's DPI where
# they are used (scaled_* cases); checks print what they find.
set -euo pipefail
case=$1 exe=$2 wintest=$3 prefix=$4
root=$(cd "$(dirname "$0")/../.." && pwd)

# scaled_DPI[_small_fonts]: the window at Windows' scale DPI, optionally with both shell dialog
# fonts replaced by "Small Fonts"; on a screen large enough for the window at 200 %.
dpi=96 dialog_font= screen=1024x768x24
if [[ $case =~ ^scaled_([0-9]+)(_small_fonts)?$ ]]; then
    dpi=${BASH_REMATCH[1]}
    [ -z "${BASH_REMATCH[2]}" ] || dialog_font="Small Fonts"
    case=scaled screen=1600x1200x24
fi

work=$(mktemp -d /tmp/kestrova-gui.XXXXXX)
home=$work   # the folder the program is started from
xvfb=
kestrova=
throttler=
display_changed=
cleanup() {
    local status=$?
    [ -z "$throttler" ] || kill "$throttler" 2>/dev/null || true
    [ -z "$kestrova" ] || kill -CONT "$kestrova" 2>/dev/null || true
    [ -z "$kestrova" ] || kill "$kestrova" 2>/dev/null || true
    # The prefix is shared by every case: the next one finds Wine's own defaults again.
    [ -z "$display_changed" ] || display_settings "" Tahoma || true
    WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    if [ $status -eq 0 ]; then rm -rf "$work"; else echo "screenshots kept in $work"; fi
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

# --- display, Wine, helper ------------------------------------------------------------------

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

wine() { "$root/cmake/wine-run.sh" --x11 "$prefix" "$@"; }
# The helper looks at the windows of the program named $program.
program=Kestrova.exe
helper() { KESTROVA_PROGRAM=$program wine "$wintest" "$@" | tr -d '\r'; }

# Starts Kestrova.exe from folder $1 (program path $2, default Kestrova.exe there).
start() {
    (cd "$1" && exec "$root/cmake/wine-run.sh" --x11 "$prefix" "${2:-Kestrova.exe}" </dev/null >/dev/null 2>&1) &
    kestrova=$!
}
# Waits up to $1 seconds for the program to end; sets $status.
ended() {
    for _ in $(seq $(($1 * 10))); do
        if ! kill -0 "$kestrova" 2>/dev/null; then
            status=0; wait "$kestrova" || status=$?; kestrova=; return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits for a visible window of the program: main (client at least 500 x 550) or TITLE.
# Sets hwnd and texts (its visible child windows' texts); for the main window also cx, cy,
# its client origin on the screen, to which all the client coordinates below refer, and cw, ch,
# its client area's size.
find_window() {
    local want=$1 line end=$((SECONDS + 20))
    while [ $SECONDS -lt $end ]; do
        helper windows >"$work/windows" || true
        if [ "$want" = main ]; then
            line=$(awk -F'[ |]' '$1 == "window" && $5 >= 500 && $6 >= 550' "$work/windows" | head -n 1)
        else
            line=$(awk -v t="$want" '$1 == "window" && substr($0, index($0, "|") + 1) == t' "$work/windows" | head -n 1)
        fi
        if [ -n "$line" ]; then
            read -r _ hwnd x y w h <<<"${line%%|*}"
            [ "$want" != main ] || { cx=$x; cy=$y; cw=$w; ch=$h; }
            texts=$(awk -v h="$hwnd" '$1 == "window" { on = ($2 == h) } on && $1 == "text"' "$work/windows")
            return 0
        fi
        kill -0 "$kestrova" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/windows"
    fail "no window '$want'"
}

# Screenshot of the whole screen into $work/$1.ppm (the helper sees it as Z:$work/$1.ppm).
snap() { import -window root -depth 8 "$work/$1.ppm"; }
# count NAME X0 Y0 X1 Y1 RRGGBB: pixels of that colour in a client rectangle of screenshot NAME.
count() { helper count "Z:$work/$1.ppm" $((cx + $2)) $((cy + $3)) $((cx + $4)) $((cy + $5)) "$6"; }
cells() { helper cells "Z:$work/$1.ppm" "$cx" "$cy" "$2"; }
differ() { helper diff "Z:$work/$1.ppm" "Z:$work/$2.ppm" "$cx" "$cy" $((cx + 501)) $((cy + 554)); }
# text NAME X Y HEIGHT RRGGBB TEXT: the text is drawn exactly so at that client position.
text() { helper text "Z:$work/$1.ppm" $((cx + $2)) $((cy + $3)) "$4" "$5" "$6"; }

click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click "${3:-1}"; sleep 0.3; }

# A length or a position of the layout at the case's DPI: to the nearest pixel, halves up, as the
# window scales them.
scaled() { echo $((($1 * dpi + 48) / 96)); }
# The first column (or row) and the width of a line drawn at $1 with a pen $2 pixels wide at
# 96 DPI: a pen of width w covers w pixels from x - w/2.
line_pixels() { local w; w=$(scaled "$2"); echo $(($(scaled "$1") - w / 2)) "$w"; }
key() { xdotool key "$@"; sleep 0.3; }

BOX=b46464 CELL=6464fa SELECT=dc6464 GIVEN=e15f5f ENTERED=5fcd5f CANDIDATE=969696 STATUS=141414 WARNING=ff1414

# settle NAME SECONDS CHECK...: takes screenshot NAME until CHECK passes on it, for up to
# SECONDS (the window repaints on its own time); the last try reports the failure.
settle() {
    local name=$1 seconds=$2 out end=$((SECONDS + $2)); shift 2
    while [ $SECONDS -lt $end ]; do
        snap "$name"
        if out=$( ("$@") 2>&1); then [ -z "$out" ] || echo "$out"; return 0; fi
        sleep 0.2
    done
    snap "$name"
    "$@" || fail "$*"
}

# Copies the program into its folder and starts it there.
start_here() {
    cp "$exe" "$home/Kestrova.exe"
    start "$home"
    find_window main
}

# --- checks ---------------------------------------------------------------------------------

# Screenshot $1: box lines (pen 2: at 96 DPI x-1 and x) and cell lines (pen 1) at their places,
# measured along the first row and column of cells (20 to 60).
check_grid() {
    local s=$1 n x w from to
    from=$(scaled 20) to=$(scaled 60)
    for x in 10 170 330 490; do
        read -r x w <<<"$(line_pixels $x 2)"
        n=$(count "$s" "$x" "$from" $((x + w)) "$to" $BOX); [ "$n" = $((w * (to - from))) ] || fail "vertical box line x=$x: $n pixels"
        n=$(count "$s" $((x + w)) "$from" $((x + w + 1)) "$to" $BOX); [ "$n" = 0 ] || fail "box colour right of x=$x"
        n=$(count "$s" "$from" "$x" "$to" $((x + w)) $BOX); [ "$n" = $((w * (to - from))) ] || fail "horizontal box line y=$x: $n pixels"
    done
    for x in 63 116 223 276 383 436; do
        read -r x w <<<"$(line_pixels $x 1)"
        n=$(count "$s" "$x" "$from" $((x + w)) "$to" $CELL); [ "$n" = $((w * (to - from))) ] || fail "vertical cell line x=$x: $n pixels"
        n=$(count "$s" $((x - 1)) "$from" "$x" "$to" $CELL); [ "$n" = 0 ] || fail "cell colour left of x=$x"
        n=$(count "$s" "$from" "$x" "$to" $((x + w)) $CELL); [ "$n" = $((w * (to - from))) ] || fail "horizontal cell line y=$x: $n pixels"
    done
    ok "box and cell lines"
}

check_labels() {  # screenshot $1, CLUES label $2
    local height; height=$(scaled 16)
    text "$1" "$(scaled 10)" "$(scaled 530)" "$height" $STATUS "$2" || fail "label '$2'"
    for t in "200 500 Clear" "270 500 Load" "340 500 Save" "200 530 SOLVE" "340 530 PROVE"; do
        read -r x y label <<<"$t"
        text "$1" "$(scaled "$x")" "$(scaled "$y")" "$height" $STATUS "$label" || fail "label '$label'"
    done
    ok "labels"
}

ones() { tr -cd 1 | wc -c; }

check_library_puzzle() {  # screenshot $1: a library puzzle as the program starts with it
    local givens entered
    givens=$(cells "$1" $GIVEN | ones)
    entered=$(cells "$1" $ENTERED | ones)
    [ "$givens" = 17 ] || fail "$givens cells show a given (225,95,95), not 17"
    [ "$entered" = 0 ] || fail "$entered cells show an entered digit at start"
    ok "17 givens in their colour"
}

case_shows_puzzle() {
    start_here
    settle start 10 check_grid start
    check_library_puzzle start
    [ "$(count start 10 500 190 516 $STATUS)" -gt 100 ] || fail "no status line at (10,500)"
    [ "$(count start 410 500 490 516 $STATUS)" -gt 50 ] || fail "no puzzle label at (410,500)"
    ok "status line and puzzle label"
    check_labels start "CLUES OFF"
    key Escape
    ended 10 || fail "Escape did not end the program"
    ok "Escape ends it (exit status $status)"
}

case_system_menu() {
    start_here
    helper sysmenu "$hwnd" >"$work/menu"
    cat "$work/menu"
    [ "$(tail -n 2 "$work/menu" | head -n 1)" = "0 sep|" ] || fail "the second last item is not a separator"
    [ "$(tail -n 1 "$work/menu")" = "16 str|&About corvanta..." ] || fail "the last item is not '&About corvanta...' (16)"
    ! grep -q '^61488 ' "$work/menu" || fail "Maximize is still in the system menu"
    ok "system menu ends with a separator and '&About corvanta...'; no Maximize"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

case_close_request() {
    start_here
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
    [ "$status" = 0 ] || fail "exit status $status after Alt+F4"
    ok "Alt+F4 ends it with exit status 0"
}

# Starts the program as $2 from folder $1 and expects the message box with text $3, captioned
# $4 (default Kestrova).
expect_refusal() {
    start "$1" "$2"
    find_window "${4:-Kestrova}"
    echo "$texts"
    grep -qxF "text Static|$3" <<<"$texts" || fail "message box without the text '$3'"
    ! helper windows | awk -F'[ |]' '$1 == "window" && $5 >= 500 && $6 >= 550' | grep -q . || fail "the main window is shown"
    key Return
    ended 10 || fail "the program did not end after the message"
    [ "$status" = 0 ] || fail "exit status $status after the message"
    ok "'$3', then exit status 0"
}

case_other_folder() {
    mkdir "$work/bin"
    cp "$exe" "$work/bin/Kestrova.exe"
    expect_refusal "$work" bin/Kestrova.exe "Please download Kestrova.exe again. Unknown Error."
}

case_damaged_library() {
    cp "$exe" "$work/Kestrova.exe"
    local size offset byte
    size=$(stat -c %s "$work/Kestrova.exe")
    offset=$((size - 1000))   # a digit of the library's last lines
    byte=$(od -An -tu1 -j "$offset" -N1 "$work/Kestrova.exe" | tr -d ' ')
    printf "\\$(printf %03o $(((byte - 48 + 1) % 10 + 48)))" |
        dd of="$work/Kestrova.exe" bs=1 seek="$offset" conv=notrunc status=none
    cmp -s "$exe" "$work/Kestrova.exe" && fail "the copy was not changed"
    expect_refusal "$work" Kestrova.exe "Please download Kestrova.exe again. CRC32 Error."
}

# Every message box is captioned with the program's name, also one outside the ANSI code page.
case_program_name() {
    mkdir "$work/日本"
    cp "$exe" "$work/日本/日本.exe"
    program=日本.exe
    expect_refusal "$work/日本" 日本.exe "Please download Kestrova.exe again. Unknown Error." 日本
}

# --- a game through the window ----------------------------------------------------------------

# Left (x0) and top (y0) line of cell (c, r); the click point in its middle.
cell_x() { echo $((10 + 53 * $1 + $1 / 3)); }
cell_y() { cell_x "$1"; }

empty_cells() { cells "$1" $GIVEN | tr '01' '10'; }   # at start every digit is a given
same() { [ "$(differ "$1" "$2")" = 0 ] || fail "screenshots $1 and $2 differ"; }
framed() {  # the left edge of the selection frame (pen 2) of the cell at (x0, y0)
    local x w from to
    read -r x w <<<"$(line_pixels "$2" 2)"
    from=$(scaled $(($3 + 5))) to=$(scaled $(($3 + 50)))
    [ "$(count "$1" "$x" "$from" $((x + w)) "$to" $SELECT)" = $((w * (to - from))) ] || fail "no selection frame"
}

case_play() {
    start_here
    settle start 10 check_grid start
    local empty c r d=
    empty=$(empty_cells start | tr -d '\n')
    r=$(($(expr index "$empty" 1) - 1)); c=$((r % 9)); r=$((r / 9))
    echo "playing in the empty cell (column $c, row $r)"

    click 35 537   # CLUES
    settle clues 5 text clues 10 530 16 $STATUS "CLUES ON"
    [ "$(cells clues $CANDIDATE)" = "$(empty_cells start)" ] || fail "candidate marks are not exactly in the empty cells"
    for k in 1 2 3 4 5 6 7 8 9; do
        if text clues $((17 + 53 * c + 16 * ((k - 1) % 3))) $((14 + 53 * r + 16 * ((k - 1) / 3))) 16 $CANDIDATE "$k"; then
            d=$k; break
        fi
    done
    [ -n "$d" ] || fail "no candidate mark drawn in the empty cell"
    ok "CLUES ON shows the candidates; $d is one"
    click 35 537
    settle clues_off 5 text clues_off 10 530 16 $STATUS "CLUES OFF"
    [ "$(differ start clues_off)" = 0 ] || fail "CLUES twice does not restore the display"
    ok "CLUES OFF restores the display"

    local x0 y0
    x0=$(cell_x "$c"); y0=$(cell_y "$r")
    click $((x0 + 26)) $((y0 + 26))
    settle selected 5 framed selected "$x0" "$y0"
    ok "the clicked cell is selected"
    key "$d"
    settle entered 5 text entered $((30 + 53 * c)) $((14 + 53 * r)) 46 $ENTERED "$d"
    ok "the typed $d is painted in the entered colour"
    click $((x0 + 26)) $((y0 + 26)) 3
    settle removed 5 same removed start
    ok "a right click takes it out again"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

# Answers the save dialog with Return; sets $saved to the file's name (in the folder Kestrova).
save_offered() {
    find_window "Save As"
    ! grep -q 'read-only' <<<"$texts" || fail "the save dialog shows a read-only box"
    key Return
    for _ in $(seq 50); do
        saved=$(ls "$home/Kestrova")
        [ -z "$saved" ] || break
        sleep 0.2
    done
    [ -n "$saved" ] || fail "nothing saved into the folder Kestrova"
    [ "$(stat -c %s "$home/Kestrova/$saved")" = 81 ] || fail "'$saved' does not have 81 bytes"
    ok "saved '$saved' (81 bytes)"
}

# Saves again with the name proposed, and waits until the save dialog has gone.
save_again() {
    click 355 507   # Save
    find_window "Save As"
    key Return
    for _ in $(seq 50); do
        helper windows | grep -q '|Save As$' || return 0
        sleep 0.2
    done
    fail "the save dialog stays open"
}

# The hash pair of the solution from the saved name "START-PAIR - SOLUTION-PAIR.sud".
solution_pair() {
    [[ $saved =~ ^[\ 0-9A-F]{8}-[\ 0-9A-F]{8}\ -\ ([\ 0-9A-F]{8}-[\ 0-9A-F]{8})\.sud$ ]] ||
        fail "'$saved' is not a start and a solution name"
    echo "${BASH_REMATCH[1]}"
}

# The board is solved: the givens of the start in their colour, every other cell entered.
check_solved() {
    [ "$(cells "$1" $GIVEN)" = "$(cells start $GIVEN)" ] || fail "the givens changed"
    [ "$(cells "$1" $ENTERED)" = "$(empty_cells start)" ] || fail "not every empty cell got a digit"
    text "$1" 10 500 16 $STATUS "$2: 1" >/dev/null || fail "status line is not '$2: 1'"
    [ "$(count "$1" 10 515 490 531 $WARNING)" = 0 ] || fail "warning line shown"
}

case_solve() {
    mkdir "$work/Kestrova"
    start_here
    settle start 10 check_grid start
    click 230 537   # SOLVE
    save_offered
    local pair; pair=$(solution_pair)
    [ "$(od -An -tu1 -v "$work/Kestrova/$saved" | tr -s ' ' '\n' | grep -c '^[1-9]$')" = 81 ] ||
        fail "the saved solution is not full"
    settle solved 60 check_solved solved "$pair"
    ok "SOLVE shows the solved board and '$pair: 1'"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

case_prove() {
    mkdir "$work/Kestrova"
    start_here
    settle start 10 check_grid start
    click 370 537   # PROVE
    find_window Kestrova
    grep -qxF "text Static|Caution non-valid puzzles may take a while to process, please be patient." <<<"$texts" ||
        fail "no caution box first"
    ! helper windows | grep -q '|Save As$' || fail "the save dialog came before the caution box"
    ok "PROVE shows the caution box first"
    key Return
    save_offered
    local pair; pair=$(solution_pair)
    settle proved 120 check_solved proved "$pair"
    ok "PROVE ends on the solved board with '$pair: 1'"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

no_digits() { [ "$(cells "$1" $GIVEN | ones)$(cells "$1" $ENTERED | ones)" = 00 ] || fail "digits on the board"; }

# Run from a folder whose name is outside the ANSI code page.
case_save_load() {
    home="$work/日本"
    mkdir -p "$home/Kestrova"
    start_here
    settle start 10 check_grid start
    click 355 507   # Save
    save_offered
    [[ $saved =~ ^([\ 0-9A-F]{8}-[\ 0-9A-F]{8})\.sud$ ]] || fail "'$saved' is not a board name"
    [ "$(helper cursor)" = shown ] || fail "the pointer is hidden after the save"
    ok "the pointer stays visible after the save"
    text start 10 500 16 $STATUS "${BASH_REMATCH[1]}: 0" || fail "the name is not the board's status"
    click 215 507   # Clear
    settle cleared 5 no_digits cleared
    ok "Clear empties the board"
    local folder="$home/Kestrova"
    cp "$folder/$saved" "$folder/copy.sud"   # a name that types without blanks
    click 285 507   # Load
    find_window Open
    key ctrl+a
    xdotool type --delay 30 copy.sud
    key Return
    settle loaded 10 same loaded start
    ok "Load of the saved file shows the same board"
    # The same board proposes the same name again.
    head -c 81 /dev/zero >"$folder/$saved"
    chmod 444 "$folder/$saved"
    save_again
    cmp -s "$folder/$saved" <(head -c 81 /dev/zero) || fail "the read-only file was replaced"
    ok "a read-only file of that name stays as it was"
    chmod 644 "$folder/$saved"
    mv "$folder/$saved" "$folder/linked.sud"
    ln -s linked.sud "$folder/$saved"
    save_again
    [ "$(readlink "$folder/$saved")" = linked.sud ] || fail "the link was replaced"
    cmp -s "$folder/linked.sud" "$folder/copy.sud" || fail "the linked file does not hold the board"
    ok "a link of that name stays a link, and its file holds the board"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

# The centre of window $1 on the screen: X Y.
centre() { helper window "$1" | awk '{ print int(($3 + $5) / 2), int(($4 + $6) / 2) }'; }

# The puzzle-number box is modal over the main window, and so is its own message box.
case_number_box() {
    start_here
    settle start 10 check_grid start
    local main=$hwnd box owner enabled bx by mx my
    click 450 505   # the puzzle number in the label row
    find_window "Kestrova puzzle number"
    box=$hwnd
    read -r enabled _ <<<"$(helper window "$main")"
    [ "$enabled" = 0 ] || fail "the main window takes input while the box is open"
    read -r _ owner _ <<<"$(helper window "$box")"
    [ "$owner" = "$main" ] || fail "the box is owned by '$owner', not by the main window"
    read -r bx by <<<"$(centre "$box")"
    read -r mx my <<<"$(centre "$main")"
    [ $(((bx - mx) ** 2 + (by - my) ** 2)) -le 2 ] || fail "the box is centred at $bx,$by, the main window at $mx,$my"
    ok "the box is owned by the main window, which is disabled, and centred over it"

    click 215 507   # Clear
    click 450 505   # the puzzle number again
    [ "$(helper windows | grep -c '|Kestrova puzzle number$')" = 1 ] || fail "a second box opened"

    key Tab   # to the number, all of it selected
    xdotool type --delay 30 x
    key Return
    find_window Kestrova
    grep -qxF "text Static|Please enter an integer." <<<"$texts" || fail "no 'Please enter an integer.'"
    read -r _ owner _ <<<"$(helper window "$hwnd")"
    [ "$owner" = "$box" ] || fail "the message is owned by '$owner', not by the box"
    ok "'Please enter an integer.' is owned by the box"
    key Return
    key Escape
    settle after 10 same after start
    ok "the clicks on the main window changed nothing"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

# --- a long search -----------------------------------------------------------------------------

# Writes a puzzle given as 81 characters row by row as a puzzle file: a byte a cell, column by
# column.
sud_file() {
    local c r
    for c in 0 1 2 3 4 5 6 7 8; do
        for r in 0 1 2 3 4 5 6 7 8; do printf "\\x0${1:$((9 * r + c)):1}"; done
    done >"$2"
}

# Lets the program run for a few milliseconds in every half second, so that a search of a
# fraction of a second of processor time lasts long enough to be watched from outside: at least
# twenty seconds, while the checks below take a few. Ends with the program.
throttle() {
    while kill -STOP "$kestrova" 2>/dev/null; do
        sleep 0.5
        kill -CONT "$kestrova" 2>/dev/null || break
        sleep 0.005
    done
}

# The close box of the caption that Wine draws, above the client area's right end.
click_close_box() { click 489 -10; }

no_frame() {  # no selection frame around the cell at (x0, y0)
    [ "$(count "$1" $(($2 - 1)) $(($3 - 1)) $(($2 + 55)) $(($3 + 55)) $SELECT)" = 0 ] || fail "a selection frame"
}

# PROVE of a puzzle without a solution, loaded from a file, enters 823,608 cells. While it runs,
# the window repaints on a key and shows the search's position, a click changes nothing, and the
# close box ends the program at once.
case_long_search() {
    mkdir "$work/Kestrova"
    # The puzzle without the 5 of its last cell, which is typed in: the search then takes the
    # typed digit into its start, and a repaint during it shows the 5 as a given.
    sud_file 053000080700000503000000000000000001001000000670034000000000000000100604000000030 \
        "$work/Kestrova/long.sud"
    start_here
    settle start 10 check_grid start
    click 285 507   # Load
    find_window Open
    key ctrl+a
    xdotool type --delay 30 long.sud
    key Return
    local x8 x1
    x8=$(cell_x 8) x1=$(cell_x 1)
    settle loaded 10 text loaded $((30 + 53 * 7)) $((14 + 53 * 8)) 46 $GIVEN 3
    click $((x8 + 26)) $((x8 + 26))
    key 5
    settle entered 5 text entered $((30 + 53 * 8)) $((14 + 53 * 8)) 46 $ENTERED 5
    ok "the puzzle is loaded from long.sud and its last 5 typed in"

    click 370 537   # PROVE
    find_window Kestrova
    throttle &
    throttler=$!
    key Return      # the search starts
    click $((x1 + 26)) $((x1 + 26))   # an empty cell, selected when no search runs
    key 0
    settle searching 30 text searching $((30 + 53 * 8)) $((14 + 53 * 8)) 46 $GIVEN 5
    no_frame searching "$x1" "$x1"
    ok "during the search a key repaints the search's position (the typed 5 is now a given) and a click selects nothing"
    kill -0 "$kestrova" 2>/dev/null || fail "the program ended during the search"
    click_close_box
    ended 10 || fail "the close box did not end the program during the search"
    [ "$status" = 0 ] || fail "exit status $status after the close box"
    ok "the close box ends it during the search with exit status 0"
}

# --- the window at any DPI and dialog font ------------------------------------------------------

# Sets Windows' scale to $1 DPI (none: the platform's default) and both shell dialog fonts to $2.
# Wine reads the scale from HKCU\Control Panel\Desktop, LogPixels, when a process starts.
display_settings() {
    local reg=$work/display.reg logpixels=-
    [ -z "$1" ] || logpixels=$(printf 'dword:%08x' "$1")
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=%s\r\n' "$logpixels"
        printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        printf '"MS Shell Dlg"="%s"\r\n"MS Shell Dlg 2"="%s"\r\n' "$2" "$2"
    } >"$reg"
    wine regedit /S "Z:$reg" >/dev/null 2>&1 </dev/null
}

# Clicks the middle of a text button's area (ui/layout.h: left top right bottom at 96 DPI).
press() { click $((($(scaled "$1") + $(scaled "$3")) / 2)) $((($(scaled "$2") + $(scaled "$4")) / 2)); }
no_digits_drawn() {
    [ "$(count "$1" 0 0 "$cw" "$ch" $GIVEN)$(count "$1" 0 0 "$cw" "$ch" $ENTERED)" = 00 ] || fail "digits on the board"
}

# The window sizes its client area from its layout at the screen's DPI, whatever its dialog
# template gives with the dialog font; it draws the grid and every label at the scale, and the
# cells and the text buttons answer where they are drawn.
case_scaled() {
    display_changed=1
    display_settings "$dpi" "${dialog_font:-Tahoma}"
    start_here
    [ "$cw x $ch" = "$(scaled 501) x $(scaled 554)" ] || fail "client area $cw x $ch at $dpi DPI"
    ok "client area $cw x $ch at $dpi DPI${dialog_font:+ with $dialog_font}"
    settle start 10 check_grid start
    check_labels start "CLUES OFF"
    press 10 530 60 545   # CLUES
    settle clues 5 text clues "$(scaled 10)" "$(scaled 530)" "$(scaled 16)" $STATUS "CLUES ON"
    ok "CLUES answers at its scaled place"
    press 200 500 230 515   # Clear
    settle cleared 5 no_digits_drawn cleared
    ok "Clear answers at its scaled place"
    local c r x0 y0
    for cell in "0 0" "4 4" "8 8" "2 6" "7 1"; do
        read -r c r <<<"$cell"
        x0=$(cell_x "$c") y0=$(cell_y "$r")
        click "$(scaled $((x0 + 26)))" "$(scaled $((y0 + 26)))"
        settle "cell_${c}_$r" 5 framed "cell_${c}_$r" "$x0" "$y0"
    done
    ok "a click in the middle of a cell selects it"
    key alt+F4
    ended 10 || fail "Alt+F4 did not end the program"
}

# --- the download ----------------------------------------------------------------------------

# The zip named by $KESTROVA_PACKAGE as a user gets it: the sums beside it check; it holds the
# four files of the release, the program among them as built; unpacked into an empty folder the
# program starts from there and shows a board; and the file properties of both programs (each
# with its own description), kestrova-cli and README.txt name one version. Text files a Windows
# user opens have CR LF line ends.
case_package() {
    local zip=$KESTROVA_PACKAGE version
    [ "$(cd "$(dirname "$zip")" && sha256sum --check --strict SHA256SUMS)" = "$(basename "$zip"): OK" ] ||
        fail "SHA256SUMS does not check exactly $(basename "$zip")"
    ok "SHA256SUMS checks the zip"
    home=$work/unpacked
    mkdir "$home"
    unzip -q "$zip" -d "$home"
    [ "$(ls -A "$home" | LC_ALL=C sort | tr '\n' ' ')" = "Kestrova.exe LICENSE.txt README.txt kestrova-cli.exe " ] ||
        fail "the zip holds $(ls -A "$home")"
    cmp -s "$exe" "$home/Kestrova.exe" || fail "the zip's Kestrova.exe is not the one built"
    for f in README.txt LICENSE.txt; do
        [ "$(grep -c $'\r$' "$home/$f")" = "$(wc -l <"$home/$f")" ] || fail "$f has lines without CR LF"
    done
    ok "the zip holds Kestrova.exe as built, kestrova-cli.exe, README.txt and LICENSE.txt (CR LF)"

    version=$(cd "$home" && wine kestrova-cli.exe --version | tr -d '\r')
    echo "$version"
    [[ $version =~ ^kestrova-cli\ ([0-9]+\.[0-9]+\.[0-9]+)( \(commit [0-9a-f]+(-dirty)?\))?$ ]] ||
        fail "kestrova-cli --version printed '$version'"
    version=${BASH_REMATCH[1]}
    local shipped file
    for shipped in "Kestrova.exe|Kestrova Sudoku player and solver" \
        "kestrova-cli.exe|Kestrova command-line solver"; do
        file=${shipped%%|*}
        helper version "Z:$home/$file" >"$work/version"
        cat "$work/version"
        grep -qxF "fixed $version.0 $version.0" "$work/version" || fail "$file: the fixed file and product versions are not $version.0"
        grep -qxF "string FileVersion|$version" "$work/version" || fail "$file: FileVersion is not $version"
        grep -qxF "string ProductVersion|$version" "$work/version" || fail "$file: ProductVersion is not $version"
        grep -qxF "string FileDescription|${shipped#*|}" "$work/version" || fail "$file: FileDescription is not ${shipped#*|}"
        ! grep -q '|$' "$work/version" || fail "$file: a property is empty"
    done
    [ "$(basename "$zip")" = "Kestrova-$version-win64.zip" ] || fail "the zip's name does not carry $version"
    [ "$(head -n 1 "$home/README.txt" | tr -d '\r')" = "Kestrova $version" ] || fail "README.txt does not begin with 'Kestrova $version'"
    ok "the properties of both programs, kestrova-cli, README.txt and the zip's name say $version"

    start "$home"
    find_window main
    settle start 10 check_grid start
    check_library_puzzle start
    key Escape
    ended 10 || fail "Escape did not end the program"
}

case="case_$case"
declare -F "$case" >/dev/null || fail "no case $1"
"$case"
