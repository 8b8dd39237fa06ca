#!/bin/sh
# Throughput and memory of the conversions, side by side with cat and peer tools.
#   sh bench/run.sh BUILD_DIR
set -eu
build=${1:-build}
bin="$build/bin"
cli="$bin/textmill-cli"
data="$build/bench-data"
mkdir -p "$data"

gen() {  # mode file MB
  [ -s "$2" ] || "$bin/make_tab_data" "$1" "$2" "$3"
}
gen tsv "$data/tsv-200.txt" 200
gen short "$data/short-1024.txt" 1024
gen line "$data/line-256.txt" 256
gen pipe "$data/pipe-200.txt" 200
gen colons "$data/colons-200.txt" 200
gen csv "$data/csv-200.txt" 200
gen vertical "$data/vertical-200.txt" 200
gen lines "$data/lines-200.txt" 200
gen csvline "$data/csvline-256.txt" 256
gen miscline "$data/miscline-256.txt" 256
gen group "$data/group-256.txt" 256
gen longlines "$data/longlines-256.txt" 256

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

# --- The other conversions. Throughput always counts the bytes of the input file, for
# every tool alike. After each timed textmill-cli row its output is checked against
# counts taken from the input; a mismatch is printed under the row.

src=""      # the input of the current section
src_t=0     # its cat time
rate() { echo "scale=1; $(stat -c %s "$src") / 1048576 / $1" | bc -l; }
ratio() { echo "$1 / $2" | bc -l; }
lines_of() { wc -l <"$1" | tr -d ' '; }
count_of() { tr -cd "$2" <"$1" | wc -c | tr -d ' '; }  # occurrences of one byte
empty_lines() { tr -d '\r' <"$1" | grep -c '^$' || true; }
expect() {  # what, got, wanted
  [ "$2" = "$3" ] || printf '    ^ output check FAILED: %s is %s, expected %s\n' "$1" "$2" "$3"
}

section() {  # file, heading
  src=$1
  cat "$src" >/dev/null
  src_t=$(best sh -c "cat '$src' > '$data/out'")
  echo "$2, best of 3:"
  printf '  %-28s %8s MB/s\n' "cat to a file" "$(rate "$src_t")"
}
# One textmill-cli row: target (x cat), label, then the command's arguments before
# SOURCE DEST. Leaves its time in $t.
cli_row() {
  target=$1
  label=$2
  shift 2
  t=$(best "$cli" "$@" "$src" "$data/out")
  printf '  %-28s %8s MB/s  (%.2f x cat; target >= %s)\n' "$label" "$(rate "$t")" \
    "$(ratio "$src_t" "$t")" "$target"
}
# One peer row: label, the textmill-cli time and label to compare with, then a shell
# function that reads $src and writes $data/out.
peer_row() {
  label=$1
  ours=$2
  our_label=$3
  shift 3
  tp=$(best "$@")
  printf '  %-28s %8s MB/s  (%s %.2f x this; target > 1)\n' "$label" "$(rate "$tp")" \
    "$our_label" "$(ratio "$tp" "$ours")"
}
html_awk() {
  awk -F, '{printf "<TR>\r\n\t"; for(i=1;i<=NF;i++) printf "<TD>%s</TD>", $i; printf "\r\n</TR>\r\n"}' \
    "$src" >"$data/out"
}
xtab_mlr() {
  # The file has no header line and 8 to 12 fields a line.
  mlr --icsv --implicit-csv-header --allow-ragged-csv-input --oxtab cat "$src" >"$data/out"
}
paste3() { paste -d, - - - <"$src" >"$data/out"; }

section "$data/pipe-200.txt" "200 MB pipe-delimited file, about 10 fields a line"
in_lines=$(lines_of "$src")
in_size=$(stat -c %s "$src")
cli_row 0.25 "misc-to-comma '|'" misc-to-comma --delimiter '|'
# Every line gains its two outer quotes; every '|' becomes quote-comma-quote.
expect "output size" "$(stat -c %s "$data/out")" \
  $((in_size + 2 * in_lines + 2 * $(count_of "$src" '|')))
expect "output lines" "$(lines_of "$data/out")" "$in_lines"

section "$data/colons-200.txt" "200 MB file with '::' between fields, about 10 a line"
in_lines=$(lines_of "$src")
in_size=$(stat -c %s "$src")
cli_row 0.25 "misc-to-comma '::'" misc-to-comma --delimiter '::'
# Fields never hold a colon, so every two colons are one delimiter.
expect "output size" "$(stat -c %s "$data/out")" \
  $((in_size + 2 * in_lines + $(count_of "$src" ':') / 2))
expect "output lines" "$(lines_of "$data/out")" "$in_lines"

section "$data/csv-200.txt" "200 MB comma-delimited file, about 10 fields a line, some quoted"
in_lines=$(lines_of "$src")
cli_row 0.25 "comma-to-vertical" comma-to-vertical
t_vert=$t
cli_row 0.25 "comma-to-vertical --compress" comma-to-vertical --compress
# Every line has a non-empty field, so each gives one block and its empty line.
expect "blocks" "$(empty_lines "$data/out")" "$in_lines"
if command -v mlr >/dev/null 2>&1; then
  peer_row "mlr --icsv --oxtab cat" "$t_vert" "comma-to-vertical" xtab_mlr
else
  printf '  %-28s %s\n' "mlr --icsv --oxtab cat" "mlr not installed"
fi
cli_row 0.25 "html-table" html-table
t_html=$t
expect "output lines" "$(lines_of "$data/out")" $((3 * in_lines))
peer_row "awk HTML rows" "$t_html" "html-table" html_awk

section "$data/vertical-200.txt" "200 MB vertical listing, groups of 8-12 lines"
groups=$(empty_lines "$src")
cli_row 0.25 "vertical-to-comma" vertical-to-comma
expect "records" "$(lines_of "$data/out")" "$groups"

section "$data/lines-200.txt" "200 MB file of short lines (3-12 characters)"
in_lines=$(lines_of "$src")
in_size=$(stat -c %s "$src")
cli_row 0.33 "combine-records --records 3" combine-records --records 3
t_comb=$t
out_lines=$(((in_lines + 2) / 3))
expect "output lines" "$(lines_of "$data/out")" "$out_lines"
# Every join turns a CR LF into one comma.
expect "output size" "$(stat -c %s "$data/out")" $((in_size - (in_lines - out_lines)))
peer_row "paste -d, - - -" "$t_comb" "combine-records" paste3

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

# Peak memory of a command over SOURCE into $data/out: the label, then the arguments
# before SOURCE DEST, then SOURCE.
mem_row() {
  label=$1
  shift
  rm -f "$data/out"
  printf '  %-28s %8s MB  (target < 32)\n' "$label" "$(peak "$cli" "$@" "$data/out")"
}
echo "Peak memory of textmill-cli on the 200 MB files above (short records):"
mem_row "misc-to-comma '|'" misc-to-comma --delimiter '|' "$data/pipe-200.txt"
mem_row "misc-to-comma '::'" misc-to-comma --delimiter '::' "$data/colons-200.txt"
mem_row "comma-to-vertical" comma-to-vertical "$data/csv-200.txt"
mem_row "comma-to-vertical --compress" comma-to-vertical --compress "$data/csv-200.txt"
mem_row "html-table" html-table "$data/csv-200.txt"
mem_row "vertical-to-comma" vertical-to-comma "$data/vertical-200.txt"
mem_row "combine-records --records 3" combine-records --records 3 "$data/lines-200.txt"

# One very long record: memory follows the record, a small multiple of it. Prints the
# peak, its multiple of `base` MB, and the expectation.
long_row() {  # label, base MB, what base is, expectation, then arguments as mem_row
  label=$1
  base=$2
  what=$3
  expectation=$4
  shift 4
  rm -f "$data/out"
  m=$(peak "$cli" "$@" "$data/out")
  printf '  %-28s %8s MB  (%.1f x %s; expect %s)\n' "$label" "$m" "$(ratio "$m" "$base")" \
    "$what" "$expectation"
}
echo "Peak memory of textmill-cli with one very long record:"
src="$data/miscline-256.txt"
in_size=$(stat -c %s "$src")
bars=$(count_of "$src" '|')
colons=$(count_of "$src" ':')
long_row "misc-to-comma '|'" 256 "the 256 MB line" "about 4: line + room for 3 x it" \
  misc-to-comma --delimiter '|' "$src"
# No terminator in the source: the record gains its quotes and CR LF.
expect "output size" "$(stat -c %s "$data/out")" $((in_size + 4 + 2 * bars))
long_row "misc-to-comma '::'" 256 "the 256 MB line" "about 2.5: line + room for 1.5 x it" \
  misc-to-comma --delimiter '::' "$src"
expect "output size" "$(stat -c %s "$data/out")" $((in_size + 4 + colons / 2))

src="$data/csvline-256.txt"
long_row "html-table" 256 "the 256 MB line" "4-6: line + row of 1.8 x it + its buffer" \
  html-table "$src"
expect "output lines" "$(lines_of "$data/out")" 3
# Each cell has two tags with '<', the row two more; the data has none.
fields=$((($(count_of "$data/out" '<') - 2) / 2))
long_row "comma-to-vertical" 256 "the 256 MB line" "3-5: line + block + its buffer" \
  comma-to-vertical "$src"
expect "output lines" "$(lines_of "$data/out")" $((fields + 1))

src="$data/group-256.txt"
long_row "vertical-to-comma" 256 "the 256 MB group" "3-4: record + its buffer" \
  vertical-to-comma "$src"
expect "output lines" "$(lines_of "$data/out")" 1

src="$data/longlines-256.txt"
in_size=$(stat -c %s "$src")
long_row "combine-records --records 3" 96 "the 96 MB record" "3-4: record + its buffer + a line" \
  combine-records --records 3 "$src"
# Eight lines of 32 MB: records of three, three and two.
expect "output lines" "$(lines_of "$data/out")" 3
expect "output size" "$(stat -c %s "$data/out")" $((in_size - 5))
rm -f "$data/out"
