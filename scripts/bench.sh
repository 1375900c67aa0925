#!/usr/bin/env bash
# Builds Dravolt with its benchmarks (RelWithDebInfo, in build/), runs both
# benchmark programs, times the real program's start-up and peak memory
# against a minimal Qt window on a private X server, and writes
# docs/performance.md. These are measurements: nothing fails on a slow result.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=$PWD/build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOLT_CORE_ONLY=OFF -DDRAVOLT_SANITIZE=OFF -DDRAVOLT_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_core bench_gui bench_minimal_window bench_first_frame dravolt

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
if awk -v l="${load_before%% *}" 'BEGIN { exit !(l > 0.5) }'; then
  echo "Load average $load_before: other work is running, the numbers may be noisy." >&2
fi

# --- Google Benchmark -------------------------------------------------------

run_benchmarks() { # program, csv file, more arguments...
  local program=$1 csv=$2
  shift 2
  "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_color=false \
    --benchmark_out="$csv" --benchmark_out_format=csv "$@"
}
run_benchmarks "$build/bench/bench_core" "$work/core.csv" --benchmark_filter=-BM_NoGuessDeal
QT_QPA_PLATFORM=offscreen run_benchmarks "$build/bench/bench_gui" "$work/gui.csv"
# The no-guess deals run once: each run deals 100 boards, one per seed, and
# its counters give the median and the worst deal and the share solved.
"$build/bench/bench_core" --benchmark_filter=BM_NoGuessDeal --benchmark_color=false \
  --benchmark_out="$work/noguess.csv" --benchmark_out_format=csv
# The drawing once more on a screen of device pixel ratio 2: a canvas with
# four times the pixels, in every theme. Its medians are named with a "2x:" in front.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 run_benchmarks "$build/bench/bench_gui" "$work/gui-2x.csv" \
  --benchmark_filter='zoom:100|BM_Theme'

# "name wall-ns cpu-ns" for every median.
medians() { # prefix, csv files...
  local prefix=$1
  shift
  grep -h '^"BM_.*_median"' "$@" | awk -F, -v p="$prefix" '
    { name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
      f = $5 == "ns" ? 1 : $5 == "us" ? 1e3 : $5 == "ms" ? 1e6 : 1e9
      printf "%s%s %.1f %.1f\n", p, name, $3 * f, $4 * f }'
}
{
  medians "" "$work/core.csv" "$work/gui.csv"
  medians "2x:" "$work/gui-2x.csv"
} >"$work/medians"

median_ns() { # benchmark name, column (2 wall, 3 cpu)
  awk -v n="$1" -v c="$2" '$1 == n { print $c; found = 1 } END { if (!found) print "" }' "$work/medians"
}
show_ns() {
  awk -v t="$1" 'BEGIN {
    if (t == "") print "—"
    else if (t < 1e3) printf "%.0f ns", t
    else if (t < 1e6) printf "%.1f µs", t / 1e3
    else printf "%.2f ms", t / 1e6 }'
}
within() { # time ns, limit ns
  awk -v t="$1" -v l="$2" 'BEGIN { print t == "" ? "—" : t < l ? "yes" : "**no**" }'
}

# name | what it measures | target | limit in ns
benchmark_rows=(
  "BM_BuildField/10|Dealing 100 × 60 with 10 bombs|dealing under 1 ms|1e6"
  "BM_BuildField/1000|Dealing 100 × 60 with 1,000 bombs|dealing under 1 ms|1e6"
  "BM_BuildField/5999|Dealing 100 × 60 with 5,999 bombs|dealing under 1 ms|1e6"
  "BM_FloodWholeField|First click on an empty 100 × 60 field: 6,000 cells opened, win test (no drawing)|action under 5 ms|5e6"
  "BM_ChordOpensField|Chord beside a flagged corner bomb: 5,998 cells opened, win (no drawing)|action under 5 ms|5e6"
  "BM_PaintCovered/zoom:100|Full repaint of 100 × 60 covered cells|repaint under 5 ms|5e6"
  "BM_PaintRevealed/zoom:100|Full repaint of 100 × 60 open cells (numbers and bombs)|repaint under 5 ms|5e6"
  "BM_RedrawCell/zoom:100|One cell redrawn into the canvas|under 5 µs|5e3"
  "BM_FloodWithRedraws/shown:0/zoom:100|The flood of 6,000 cells with every redraw and the win repaint|action under 5 ms|5e6"
  "BM_FloodWithRedraws/shown:1/zoom:100|The same with the panel shown (screen updates queued)|action under 5 ms|5e6"
  "2x:BM_PaintCovered/zoom:100|Full repaint of 100 × 60 covered cells on a 2× canvas (3,212 × 1,932)|scaled repaint under 8 ms|8e6"
  "2x:BM_PaintRevealed/zoom:100|Full repaint of 100 × 60 open cells on a 2× canvas|scaled repaint under 8 ms|8e6"
  "2x:BM_RedrawCell/zoom:100|One cell redrawn into a 2× canvas|under 5 µs|5e3"
  "2x:BM_FloodWithRedraws/shown:0/zoom:100|The flood of 6,000 cells with its redraws and the win repaint on a 2× canvas|scaled flood under 10 ms|1e7"
  "2x:BM_FloodWithRedraws/shown:1/zoom:100|The same with the panel shown|scaled flood under 10 ms|1e7"
  "BM_ThemePaintCovered/theme:1|Light theme: full repaint of 100 × 60 covered cells|repaint under 5 ms|5e6"
  "BM_ThemePaintRevealed/theme:1|Light theme: full repaint of 100 × 60 open cells|repaint under 5 ms|5e6"
  "BM_ThemeRedrawCell/theme:1|Light theme: one cell redrawn|under 5 µs|5e3"
  "BM_ThemeFloodWithRedraws/theme:1|Light theme: the flood of 6,000 cells with its redraws and the win repaint|action under 5 ms|5e6"
  "BM_ThemePaintCovered/theme:2|Dark theme: full repaint of 100 × 60 covered cells|repaint under 5 ms|5e6"
  "BM_ThemePaintRevealed/theme:2|Dark theme: full repaint of 100 × 60 open cells|repaint under 5 ms|5e6"
  "BM_ThemeRedrawCell/theme:2|Dark theme: one cell redrawn|under 5 µs|5e3"
  "BM_ThemeFloodWithRedraws/theme:2|Dark theme: the flood of 6,000 cells with its redraws and the win repaint|action under 5 ms|5e6"
  "2x:BM_ThemePaintCovered/theme:1|Light theme: full repaint of covered cells on a 2× canvas|scaled repaint under 8 ms|8e6"
  "2x:BM_ThemePaintRevealed/theme:1|Light theme: full repaint of open cells on a 2× canvas|scaled repaint under 8 ms|8e6"
  "2x:BM_ThemeRedrawCell/theme:1|Light theme: one cell redrawn into a 2× canvas|under 5 µs|5e3"
  "2x:BM_ThemePaintCovered/theme:2|Dark theme: full repaint of covered cells on a 2× canvas|scaled repaint under 8 ms|8e6"
  "2x:BM_ThemePaintRevealed/theme:2|Dark theme: full repaint of open cells on a 2× canvas|scaled repaint under 8 ms|8e6"
  "2x:BM_ThemeRedrawCell/theme:2|Dark theme: one cell redrawn into a 2× canvas|under 5 µs|5e3"
  "BM_PaintCovered/zoom:300|Full repaint of 100 × 60 covered cells at 300 % zoom (canvas 4,806 × 2,886)|scaled repaint under 8 ms|8e6"
  "BM_PaintRevealed/zoom:300|Full repaint of 100 × 60 open cells at 300 % zoom|scaled repaint under 8 ms|8e6"
  "BM_RedrawCell/zoom:300|One 48-pixel cell redrawn at 300 % zoom|under 5 µs|5e3"
  "BM_FloodWithRedraws/shown:0/zoom:300|The flood of 6,000 cells with its redraws and the win repaint at 300 % zoom|scaled flood under 10 ms|1e7"
  "BM_ChordWithRedraws/0|The chord of 5,998 cells with every redraw and the win repaint|action under 5 ms|5e6"
  "BM_ChordWithRedraws/1|The same with the panel shown|action under 5 ms|5e6"
  "BM_FloodTold|The flood of 6,000 cells read by a screen reader: the redraws, then what changed told as one table event|told flood under 50 ms|5e7"
  "BM_IniFromText/Dravolt_ini|Parsing a Dravolt.ini with 10,000 best times (1.2 MB)|file under 50 ms *|5e7"
  "BM_IniText/Dravolt_ini|Writing it back as text|file under 50 ms *|5e7"
  "BM_IniUpdateFile/Dravolt_ini|Saving it: text, new file flushed to disk, rename|file under 50 ms *|5e7"
  "BM_MergedSave/Dravolt_ini|A save merging one change into it: re-read under the lock, written, renamed|save under 20 ms|2e7"
  "BM_BestTimeJudgedInTheFile|A win judged against the file: re-read under the lock (unchanged), the last of 10,000 sizes|look-up under 5 ms|5e6"
  "BM_BestTimeJudgedInAFileSavedByAnotherRun|The same after another run saved the file, which is then parsed anew|look-up under 5 ms|5e6"
  "BM_LoadBestTimes|The best-times tree built from the 10,000 entries|view under 50 ms *|5e7"
  "BM_FindSizeIndexOfLast|Looking up the last of 10,000 sizes (every win does this)|action under 5 ms *|5e6"
  "BM_IniFromText/DravoltHistory_ini|Parsing a DravoltHistory.ini with 1,000 sessions of ~20 games|history under 50 ms|5e7"
  "BM_ReadSessionNames|Reading the 1,000 session names (start-up)|history under 50 ms|5e7"
  "BM_IniText/DravoltHistory_ini|Writing the history back as text|file under 50 ms *|5e7"
  "BM_IniUpdateFile/DravoltHistory_ini|Saving the history (at close, with a session)|file under 50 ms *|5e7"
  "BM_MergedSave/DravoltHistory_ini|A save merging one change into the history: re-read under the lock, written, renamed|save under 20 ms|2e7"
  "BM_OpenStatsView/0|Statistics view built: 1,000 names in the chooser, newest session read and shown|history under 50 ms|5e7"
  "BM_OpenStatsView/1|The same, shown and drawn once|history under 50 ms|5e7"
  "BM_RecordGame|One game recorded in DravoltGames.sqlite holding 100,000 games (one commit)|record under 5 ms|5e6"
  "BM_OpenHistoryWindow/0|Game history window built over 100,000 games: figures, list and chart of the largest size|window under 200 ms|2e8"
  "BM_OpenHistoryWindow/1|The same, shown and drawn once|window under 200 ms|2e8"
  "BM_ReplayStep|One replay step of an expert game: the move done and drawn|step under one 60 Hz frame|1.6e7"
  "BM_ReplaySeekToEnd|The replay's slider from the first move to the last: board dealt again, 381 moves done|step under one 60 Hz frame|1.6e7"
)

# arguments | rows | columns | bombs | goal | limit in ms | the best-known peer's time
noguess_rows=(
  "16/30/99|16|30|99|0.5 ms|0.5|≈ 1.7 ms"
  "60/100/1200|60|100|1,200|10 ms|10|≈ 55 ms"
  "60/100/1800|60|100|1,800|100 ms|100|≈ 2 s"
  "60/100/2100|60|100|2,100|1 s|1000|> 6 s"
)
# name | what it measures
solver_rows=(
  "BM_SolveKnownBoard/1200|The board with 1,200 bombs cleared by logic from its first cell, every step proven"
  "BM_SolveKnownBoard/1800|The same with 1,800 bombs"
  "BM_SolveKnownBoard/2100|The same with 2,100 bombs"
  "BM_DeduceHalfwayView|One complete answer from what a player sees: 2,100 bombs, half the safe cells open, the bombs proven so far known"
)

# --- Start-up on a private X server -----------------------------------------

# Large enough for the 100 x 60 window on a screen scaled twice.
Xvfb -displayfd 3 -screen 0 3840x2400x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
if [[ ! -s $work/display ]]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The game's bottom-left cell, covered: its face, its light left edge and its
# dark right edge in Qt's default palette, in the device pixels of a screen
# scaled $1 times. The minimal window's fill colour near two corners of its
# painted area.
game_pixels() { echo "--pixel $((17 * $1)),$((-21 * $1)),efefef --pixel $((11 * $1)),$((-21 * $1)),ffffff" \
  "--pixel $((26 * $1)),$((-21 * $1)),9f9f9f"; }
minimal_pixels=(--pixel 10,-10,3a6ea5 --pixel -10,-10,3a6ea5)

# Runs a command under the stopwatch and /usr/bin/time in a folder; appends
# the milliseconds to the first frame to $label.ms and the peak resident set
# size in KiB to $label.kib. The program is ended 300 ms after its frame.
measure() { # label, folder, stopwatch arguments...
  local label=$1 folder=$2 ms
  shift 2
  if ! ms=$(cd "$folder" && /usr/bin/time -v -o "$work/time.txt" \
    "$build/bench/bench_first_frame" --linger 300 "$@" 2>>"$work/programs.log"); then
    echo "The first frame of $label was not measured:" >&2
    tail -n 20 "$work/programs.log" >&2
    exit 1
  fi
  echo "$ms" >>"$work/$label.ms"
  awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt" >>"$work/$label.kib"
}

median_of() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Rows, columns and the screen's scale factor (QT_SCALE_FACTOR): both
# programs run at the same one.
sizes=("10 10 1" "60 100 1" "60 100 2")
for size in "${sizes[@]}"; do
  read -r rows cols scale <<<"$size"
  label="${rows}x${cols}x${scale}"
  folder=$work/game-$label
  mkdir -p "$folder"
  width=$((16 * cols + 22))  # the game's client area: the field and its frame
  height=$((16 * rows + 65)) # below the menu bar, with the counters above
  read -r -a pixels <<<"$(game_pixels "$scale")"
  for run in $(seq 0 21); do
    printf '[settings]\nslotsDown=%s\nslotsAcross=%s\n\n' "$rows" "$cols" >"$folder/Dravolt.ini"
    : >"$folder/DravoltHistory.ini"
    QT_SCALE_FACTOR=$scale measure "game-$label" "$folder" "${pixels[@]}" -- "$build/src/window/dravolt"
    QT_SCALE_FACTOR=$scale measure "minimal-$label" "$folder" "${minimal_pixels[@]}" -- \
      "$build/bench/bench_minimal_window" "$width" "$height"
    if ((run == 0)); then # a warm-up: the libraries come into the page cache
      rm -f "$work/game-$label".* "$work/minimal-$label".*
    fi
  done
done
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# --- The report -------------------------------------------------------------

cxx=$(awk -F= '/^CMAKE_CXX_COMPILER:/ { print $2 }' "$build/CMakeCache.txt")
qt_version=$(pkg-config --modversion Qt6Core 2>/dev/null || dpkg-query -W -f='${Version}' libqt6core6)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

mkdir -p docs
{
  echo "# Performance"
  echo
  echo "Measured on $(date -u '+%Y-%m-%d %H:%M UTC') by \`scripts/bench.sh\` (RelWithDebInfo build)."
  echo
  echo "| Machine | |"
  echo "| --- | --- |"
  echo "| CPU | $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo) |"
  echo "| Cores | $(nproc) |"
  echo "| Memory | $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) |"
  echo "| OS | $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r) |"
  echo "| Compiler | $("$cxx" --version | head -n1) |"
  echo "| Qt | $qt_version |"
  echo "| Load average (1, 5, 15 min) | $load_before before, $load_after after |"
  echo
  echo "## Benchmarks"
  echo
  echo "Google Benchmark, median of 5 repetitions; the drawing benchmarks run on Qt's"
  echo "offscreen platform. A target is met when the median wall time is below it."
  echo
  echo "| Benchmark | What it measures | Median wall | Median CPU | Target | Met |"
  echo "| --- | --- | ---: | ---: | --- | :---: |"
  for row in "${benchmark_rows[@]}"; do
    IFS='|' read -r name what target limit <<<"$row"
    wall=$(median_ns "$name" 2)
    cpu=$(median_ns "$name" 3)
    echo "| \`$name\` | $what | $(show_ns "$wall") | $(show_ns "$cpu") | $target | $(within "$wall" "$limit") |"
  done
  history_total=$(awk '$1 == "BM_IniFromText/DravoltHistory_ini" || $1 == "BM_ReadSessionNames" ||
    $1 == "BM_OpenStatsView/1" { s += $2; n++ } END { if (n == 3) printf "%.1f", s }' "$work/medians")
  echo "| (sum) | Opening the 1,000-session history in all: parsing, names, view drawn | $(show_ns "$history_total") | | history under 50 ms | $(within "$history_total" 5e7) |"
  echo
  echo "Targets: every player action, a flood over 6,000 cells included, and a full"
  echo "repaint take well inside one 60 Hz frame, under 5 ms from the input to the"
  echo "canvas; one cell redraw under 5 µs; opening a 1,000-session history under"
  echo "50 ms; dealing under 1 ms. Targets marked * carry these over: whole record"
  echo "files are read and saved within the history's 50 ms, and the best-time"
  echo "look-up of every win counts as part of the winning action. With the field"
  echo "drawn larger, on a screen scaled twice (the rows marked 2x:, run with"
  echo "QT_SCALE_FACTOR=2) or at 300 % zoom, a full repaint stays under 8 ms, a cell"
  echo "redraw under 5 µs and the flood with its redraws under 10 ms."
  echo
  cat <<'EOF'
## How the drawing and the history window meet their targets

The full repaint on the panel's background is copied row by row from one tile
per look of a cell (`render/CellTiles`): each look is painted once per cell
size by the same cell painter, over two backgrounds to prove that it covers
its cell, and a look that draws beyond its cell or over the win picture is
drawn cell by cell as before. A flood that wins leaves its cells to the win's
repaint instead of drawing them twice. On the shared machine (load 5 to 6)
this took the processor time at 300 % zoom from 12.7 to 4.0 ms for the open
repaint and from 15.2 to 3.9 ms for the flood with its redraws, with every
pixel unchanged in every theme.

The game-history window reads every game but its board from a covering index
(mines and moves stay on disk until one game is replayed or played again),
over a connection without SQLite's mutex (one thread uses it), into a vector
with room for all rows at once; the list works out each game's sort key once;
the chart, its series and axes are made once and refilled for each size and
mode, and show at most 500 points (beyond 500 wins a point is the average of
a run of wins in a row).
EOF
  echo
  echo "## No-guess dealing"
  echo
  echo "\`BM_NoGuessDeal\` deals one board for each seed from 1 to 100 on each field, from"
  echo "its middle cell (the default of \`dravolt-boards\`), with the game's limit of 2 s."
  echo "The dealer times each deal itself (wall clock); the processor time of each deal is"
  echo "taken as well, which other work on the machine does not stretch. A goal is met when"
  echo "the median (wall clock) is within it and every board is proven clearable by logic."
  echo
  echo "| Field (rows × columns) | Bombs | Median | Worst | Median CPU | Worst CPU | Solved | Repairs | Rollbacks | Goal | Met | Best-known peer |"
  echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | :---: | ---: |"
  for row in "${noguess_rows[@]}"; do
    IFS='|' read -r args rows cols bombs goal limit peer <<<"$row"
    awk -F, -v n="\"BM_NoGuessDeal/$args/iterations:100\"" -v rows="$rows" -v cols="$cols" -v bombs="$bombs" \
      -v goal="$goal" -v limit="$limit" -v peer="$peer" '
      $1 == "name" { for (i = 1; i <= NF; i++) { h = $i; gsub(/"/, "", h); col[h] = i } }
      $1 == n {
        median = $col["median_ms"]; solved = $col["solved_pct"]
        met = median <= limit && solved == 100 ? "yes" : "**no**"
        printf "| %s × %s | %s | %.2f ms | %.2f ms | %.2f ms | %.2f ms | %g %% | %.1f | %.1f | ≤ %s | %s | %s |\n",
          rows, cols, bombs, median, $col["worst_ms"], $col["median_cpu_ms"], $col["worst_cpu_ms"], solved,
          $col["repairs"], $col["rollbacks"], goal, met, peer
      }' "$work/noguess.csv"
  done
  cat <<EOF

How the boards look, as medians over the same 100 boards, beside random boards
of the same size and bomb total with the same free start area (the first cell
and its neighbours), drawn with the same seeds: *buried* bombs have 8 bomb
neighbours, the *largest block* counts the bombs joined through bombs beside
each other (not corner to corner), *bomb-free* cells are safe cells with no
bomb beside them. The goal, set for the densest fields: at most 2 buried bombs
more than random boards and a largest block within 1.25 × theirs. The bomb-free
cells are watched, not a goal: a board that logic clears may well need more.

| Field (rows × columns) | Bombs | Buried: dealt | random | Largest block: dealt | random | ratio | Bomb-free: dealt | random | Goal met |
| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | :---: |
EOF
  for row in "${noguess_rows[@]}"; do
    IFS='|' read -r args rows cols bombs _ <<<"$row"
    awk -F, -v n="\"BM_NoGuessDeal/$args/iterations:100\"" -v rows="$rows" -v cols="$cols" -v bombs="$bombs" '
      $1 == "name" { for (i = 1; i <= NF; i++) { h = $i; gsub(/"/, "", h); col[h] = i } }
      $1 == n {
        buried = $col["buried"]; randomBuried = $col["random_buried"]
        block = $col["block"]; randomBlock = $col["random_block"]
        met = buried <= randomBuried + 2 && block <= 1.25 * randomBlock ? "yes" : "**no**"
        printf "| %s × %s | %s | %g | %g | %g | %g | %.2f | %g | %g | %s |\n", rows, cols, bombs, buried,
          randomBuried, block, randomBlock, block / randomBlock, $col["bomb_free"], $col["random_bomb_free"], met
      }' "$work/noguess.csv"
  done
  cat <<EOF

How a deal goes: the bombs are placed at random, leaving the first cell and its
neighbours free, and the solver plays from the first cell, opening every cell it
proves safe. Where it gets stuck, one bomb moves between a stuck frontier cell and
a cell the solver has not reached, the move chosen so that a number beside it
becomes decisive. *Repairs* (mean per deal) are such moves that left every
deduction made so far standing: each deduction is kept with the numbers it used
and checked again against the shifted numbers, so play simply goes on. Where no
such move exists, mostly because proven bombs wall the open area in, a bomb moves
out of the wall or the frontier and play goes back to a state saved before the
cells and numbers the move touches were settled (*rollbacks*, mean per deal; a
state is saved every 1/32 of the field). A deal never starts over with a new
random board. A repair that keeps the deductions never grows a block of bombs
beyond the largest of the board as first placed, and where a repair draws a
cell, it takes, of four, the one with the fewest bomb neighbours for a bomb to
come to or the most for a bomb to leave: without that, the repairs heaped bombs
into walls along the frontiers where play got stuck. The peers' times are the
ones issue 12 gives, measured by its author on this machine; they were not
measured again here.

The solver alone, on the board that seed 1 deals on 60 × 100 (median of 5
repetitions, as in the first table):

| Benchmark | What it measures | Median wall | Median CPU |
| --- | --- | ---: | ---: |
EOF
  for row in "${solver_rows[@]}"; do
    IFS='|' read -r name what <<<"$row"
    echo "| \`$name\` | $what | $(show_ns "$(median_ns "$name" 2)") | $(show_ns "$(median_ns "$name" 3)") |"
  done
  echo
  echo "## Start-up and memory of the real program"
  echo
  echo "| Field | Screen | First frame: game | minimal Qt window | ratio | within 1.2 × | Peak memory: game | minimal Qt window | ratio | goal: minimal + canvas + 5 % | met |"
  echo "| --- | --- | ---: | ---: | ---: | :---: | ---: | ---: | ---: | ---: | :---: |"
  for size in "${sizes[@]}"; do
    read -r rows cols scale <<<"$size"
    label="${rows}x${cols}x${scale}"
    game_ms=$(median_of "$work/game-$label.ms")
    minimal_ms=$(median_of "$work/minimal-$label.ms")
    game_kib=$(median_of "$work/game-$label.kib")
    minimal_kib=$(median_of "$work/minimal-$label.kib")
    # RGB32 device pixels of the cells and the 3-pixel bevel.
    size_canvas_kib=$(((16 * cols + 6) * (16 * rows + 6) * 4 * scale * scale / 1024))
    goal_kib=$(awk -v m="$minimal_kib" -v c="$size_canvas_kib" 'BEGIN { printf "%d", (m + c) * 1.05 }')
    time_met=$(awk -v g="$game_ms" -v m="$minimal_ms" 'BEGIN { print g <= 1.2 * m ? "yes" : "**no**" }')
    memory_met=$( ((game_kib <= goal_kib)) && echo yes || echo "**no**")
    echo "| $cols × $rows | ${scale}× | $game_ms ms | $minimal_ms ms | $(ratio "$game_ms" "$minimal_ms") | $time_met |" \
      "$(mib "$game_kib") | $(mib "$minimal_kib") | $(ratio "$game_kib" "$minimal_kib") | $(mib "$goal_kib") | $memory_met |"
    if ((scale == 2)); then
      canvas_2x_kib=$size_canvas_kib
    elif ((rows != 10)); then
      canvas_kib=$size_canvas_kib
    fi
  done
  echo
  echo "Each figure is the median of 21 runs (after one warm-up run of each program),"
  echo "with the game and the minimal program taking turns, on a private Xvfb"
  echo "(3840 × 2400, 24 bits, no window manager) started by the script; on the"
  echo "screen marked 2× both programs run with QT_SCALE_FACTOR=2."
  echo
  echo "*First frame*: \`bench/FirstFrame.cpp\` starts the program with fork and exec"
  echo "and polls the X server about every millisecond (XGetImage of a small area)"
  echo "until a mapped top-level window of that process (\`_NET_WM_PID\`) shows the"
  echo "expected pixels; the time is taken from just before the fork to that poll."
  echo "For the game (\`build/src/window/dravolt\`, started in a temporary folder"
  echo "whose Dravolt.ini sets slotsDown and slotsAcross, beside an empty"
  echo "DravoltHistory.ini) these are the face and both edges of the bottom-left"
  echo "covered cell; for the minimal program (\`bench/MinimalQtWindow.cpp\`: a"
  echo "QMainWindow with one menu bar and one widget of the game's client-area size,"
  echo "filled with one colour) its fill colour near two corners."
  echo
  echo "*Peak memory*: the maximum resident set size that \`/usr/bin/time -v\` reports"
  echo "for the stopwatch, which is that of the program it waited for (the stopwatch"
  echo "itself stays far below); each program is ended with SIGTERM 300 ms after its"
  echo "first frame. A goal is met when the game's median first frame is within 1.2"
  echo "times the minimal window's and its median peak memory within the minimal"
  echo "window's and the canvas's together plus 5 %."
  cat <<EOF

## Where the game's start-up goes

Time stamps at each step, taken on 2026-12-08 at 23:50 UTC on this machine
(load average 1.5) in private builds of both programs, median of 7 runs with
a 100 × 60 field, in ms, before the last five changes listed below. The last
row is what the stopwatch sees beyond the steps: exec and linking before main,
and the way of the painted frame through the backing store and the X server.

| Step | game 1× | minimal 1× | game 2× | minimal 2× |
| --- | ---: | ---: | ---: | ---: |
| QApplication: platform plugin and X connection | 26.7 | 28.6 | 24.4 | 25.2 |
| building the main window | 20.2 | 16.2 | 16.3 | 14.3 |
| FormCreate: both INI files read, the field panel made, the cells allocated | 20.9 | — | 22.7 | — |
| show: for the game the first deal and the full paint into the canvas | 17.3 | 18.7 | 25.0 | 16.0 |
| event loop to the field painted into the backing store | 35.5 | 30.0 | 115.0 | 95.4 |
| exec before main, and the frame's way to the screen | 63.9 | 52.7 | 101.6 | 92.8 |

\`perf record --call-graph dwarf\` of both agrees. On this virtual machine the
first write to each fresh 4 KiB page of memory costs 10–20 µs, so the memory
a program touches first decides much of its start-up: the backing store (both
programs), and in the game the canvas and the cell records. What the game does
for its start-up:

- The canvas is mapped so that the kernel may back it with 2 MiB pages
  (\`render/CanvasImage\`): its first fill takes a fault per 2 MiB, not per
  4 KiB. With the steps below, the 2× first frame went from about 1.6 times
  the minimal window's to 1.2–1.3.
- The hidden debug log's text editor is made only for a run with debug on;
  it was half of the main window's construction.
- The built-in win picture is decoded when a win first shows it, not at start.
- The window icon is carried as bare pixels rendered at build time: the SVG
  drawing loaded an SVG renderer at every start, and even PNG files made the
  image reader look through every image-format plugin.
- The game's languages come from the build's list: reading the resource
  folder touched every compressed translation and loaded the decompressor.
- The translations and the manual's pages, a third of the program file, are a
  texts file of their own (\`dravolt-texts.rcc\`) registered when a language
  or the manual is first wanted: an English start neither maps nor reads it.
- Qt Charts (with Qt OpenGL) and SQLite wait until they are needed: the
  history's chart is a module (\`libdravolt-chart.so\`) loaded with the first
  history window, and SQLite comes with the first game recorded or the first
  history shown. Together they were about 1.4 MiB of mapped code.
- The cell record's five texts are numbers of texts kept once per run
  (\`field/CellText\`): 60 bytes a record instead of 208, so the 6,000
  records of a 100 × 60 field take 352 KiB of fresh pages instead of 1.2 MiB.
  The tiled repaint's grid holds 16-bit places instead of pointers.
- A start touched code in nearly every 64 KiB stretch of the program, and the
  kernel maps each touched stretch whole, so all of the program was mapped.
  A linker script (\`src/window/ColdCode.ld\`) gathers the code a start never
  runs (the no-guess dealer, the history, the dialogs, the records, the win
  picture, the modern themes, a screen reader's cells) after the rest, and
  the program's relocations are packed (DT_RELR).

Where the memory goes now, from \`/proc/PID/smaps\` of both programs shortly
after their first frame (100 × 60, 1×, resident KiB, the game's over the
minimal window's): the canvas 6,060; the game's own file 544; the heap 428
(the menus, the tiles and the second font's tables); the cell records and
other small mappings 368; Liberation Sans, regular and bold, 388, against the
minimal window's DejaVu Sans, 240 (the game's texts are "MS Sans Serif" and
its counters bold "Arial", both Liberation Sans here); more of Qt Widgets
192, and of Qt Gui, libc, libstdc++ and FreeType 64 each. On a screen scaled
twice the game's canvas holds the screen's device pixels,
$(mib "$canvas_2x_kib") instead of $(mib "$canvas_kib"), so that the cells are drawn sharp.
EOF
} >docs/performance.md
echo "Wrote docs/performance.md"
