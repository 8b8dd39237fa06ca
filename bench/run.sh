#!/bin/sh
# Throughput and memory of the tab conversion, side by side with cat.
#   sh bench/run.sh BUILD_DIR
set -eu
build=${1:-build}
bin="$build/bin"
data="$build/bench-data"
mkdir -p "$data"

gen() {  # mode file MB
  [ -s "$2" ] || "$bin/make_tab_data" "$1" "$2" "$3"
}
gen tsv "$data/tsv-200.txt" 200
gen short "$data/short-1024.txt" 1024
gen line "$data/line-256.txt" 256

size=$(stat -c %s "$data/tsv-200.txt")

# Best of three wall-clock runs, in seconds, of a command writing to $data/out.
best() {
  bestt=""
  for _ in 1 2 3; do
    rm -f "$data/out"
    s=$(date +%s.%N)
    "$@"
    e=$(date +%s.%N)
    t=$(echo "$e - $s" | bc -l)
    if [ -z "$bestt" ] || [ "$(echo "$t < $bestt" | bc -l)" = 1 ]; then bestt=$t; fi
  done
  echo "$bestt"
}
mbps() { echo "scale=1; $size / 1048576 / $1" | bc -l; }

cat "$data/tsv-200.txt" >/dev/null  # into the page cache
t_cat=$(best sh -c "cat '$data/tsv-200.txt' > '$data/out'")
t_cli=$(best "$bin/textmill-cli" tab-to-comma "$data/tsv-200.txt" "$data/out")

echo "200 MB tab-separated file, best of 3:"
printf '  %-28s %8s MB/s\n' "cat to a file" "$(mbps "$t_cat")"
printf '  %-28s %8s MB/s  (%.2f x cat; target >= 0.33)\n' "textmill-cli tab-to-comma" \
  "$(mbps "$t_cli")" "$(echo "$t_cat / $t_cli" | bc -l)"

if [ -x "$bin/textmill_gui_bench" ]; then
  rm -f "$data/out"
  QT_QPA_PLATFORM=offscreen "$bin/textmill_gui_bench" "$data/tsv-200.txt" "$data/out" "$t_cli"
fi

peak() {  # peak resident set in MB of a command
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}
rm -f "$data/out"
m_short=$(peak "$bin/textmill-cli" tab-to-comma "$data/short-1024.txt" "$data/out")
rm -f "$data/out"
m_line=$(peak "$bin/textmill-cli" tab-to-comma "$data/line-256.txt" "$data/out")
line_ok=$([ "$(stat -c %s "$data/out")" -gt 268435456 ] && echo converted || echo FAILED)
rm -f "$data/out"
echo "Peak memory of textmill-cli tab-to-comma:"
printf '  %-28s %8s MB  (target < 32)\n' "1 GB file of short lines" "$m_short"
printf '  %-28s %8s MB  (%s)\n' "one 256 MB line" "$m_line" "$line_ok"
