#!/usr/bin/env bash
# Runs every fuzz target of BUILD_DIR for SECONDS each (the libFuzzer programs of `make fuzz`),
# one after another, and prints the executions and findings of each. The corpus each target grows
# is kept in BUILD_DIR/fuzz-corpus/<target> for the next run; inputs that found a fault land in
# BUILD_DIR/fuzz-findings/<target>/ (copy them to tests/fuzz/regressions/<target>/ once mended).
# Exit status 1 when any target found something.
set -uo pipefail
build=${1:?usage: run-fuzz.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-60}
shift 2 2>/dev/null || shift $#
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(settings_reader federal_tables employee_files ledger header_file saved_period)
fi

seeds="$build/fuzz-seeds"
rm -rf "$seeds"
/usr/bin/python3 "$root/tests/fuzz/make_seeds.py" "$seeds" "$build/tests/fuzz/file_kinds" >/dev/null

total=0
found=0
printf '%-16s %12s %8s %s\n' target executions findings "corpus"
for t in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$t"
    findings="$build/fuzz-findings/$t"
    log="$build/fuzz-logs/$t.log"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    mkdir -p "$seeds/$t"
    kept=()
    [ -d "$root/tests/fuzz/regressions/$t" ] && kept=("$root/tests/fuzz/regressions/$t")
    before=$(find "$findings" -type f | wc -l)
    # A target stops at its first finding; the input that found it is kept under $findings.
    "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -len_control=200 -artifact_prefix="$findings/" "$corpus" "$seeds/$t" \
        "${kept[@]}" >"$log" 2>&1
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    runs=${runs:-$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')}
    runs=${runs:-0}
    after=$(find "$findings" -type f | wc -l)
    new=$((after - before))
    printf '%-16s %12s %8s %s\n' "$t" "$runs" "$new" "$(find "$corpus" -type f | wc -l) inputs"
    if [ "$new" -gt 0 ]; then
        grep -m3 -E 'FINDING|ERROR: AddressSanitizer|runtime error|ERROR: libFuzzer' "$log" | sed 's/^/    /'
        echo "    see $log and $findings"
    fi
    total=$((total + runs))
    found=$((found + new))
done
printf '%-16s %12s %8s\n' total "$total" "$found"
[ "$found" -eq 0 ]
