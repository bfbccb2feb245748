#!/usr/bin/env bash
# The built tarnwell-cli over the seed documents and damaged copies of them: its
# output (CR LF and zero bytes unchanged), messages and exit statuses.
# Usage: cli_binary_test.sh SEED_FOLDER COMMAND... (after its emulator when cross-compiled)
seeds=$1
shift
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
expect() { [[ $2 == "$3" ]] || { echo "FAIL: $1: expected [$2], got [$3]" >&2; failures=$((failures + 1)); }; }
run() { "$@" >"$tmp/out" 2>"$tmp/err"; echo "$? $(cat "$tmp/out")|$(tr -d '\r' <"$tmp/err")"; }  # status output|error

d=$seeds/loans_payments.tnw
{ printf X; tail -c +2 "$d"; } >"$tmp/magic.tnw"
{ cat "$d"; head -c $((1048576 - $(wc -c <"$d"))) /dev/zero; } >"$tmp/limit.tnw"
{ cat "$tmp/limit.tnw"; printf x; } >"$tmp/big.tnw"
{ head -c 16 "$d"; printf '9%.0s' {1..21}; tail -c +38 "$d"; } >"$tmp/overflow.tnw"  # balance 10^21 - 1
format="The format of the selected file is not correct for this program."
expect check "0 OK|" "$(run "$@" check "$d")"
expect "check 1,048,576 bytes" "0 OK|" "$(run "$@" check "$tmp/limit.tnw")"
expect "check 1,048,577 bytes" "1 The selected file is too large to open.|" "$(run "$@" check "$tmp/big.tnw")"
expect "check magic" "1 $format|" "$(run "$@" check "$tmp/magic.tnw")"
expect "report magic" "1 |$format" "$(run "$@" report "$tmp/magic.tnw")"
expect "export magic" "1 |$format" "$(run "$@" export "$tmp/magic.tnw")"
expect overflow "1 The selected file generates a balance that is too large to display.|" "$(run "$@" check "$tmp/overflow.tnw")"
expect absent "1 Can not obtain a file handle to the selected file.|" "$(run "$@" check "$tmp/absent.tnw")"
usage="2 |Usage: tarnwell-cli report|export|check|new|recalc FILE.tnw
       tarnwell-cli add FILE.tnw loan|payment PERIOD
       tarnwell-cli set FILE.tnw FIELD VALUE
       tarnwell-cli engines
Try 'tarnwell-cli --help'."
for args in "" report "print $d" "REPORT $d" "check $d $d" "--help x" "new" "add $d loan" "set $d rate" "engines $d"; do
    expect "usage: $args" "$usage" "$(run "$@" $args)"  # split on purpose
done
expect help 0 "$(run "$@" --help | head -c 1)"
# The chosen engine is one the processor ran, listed with its time.
engines=$("$@" engines | tr -d '\r')
expect "engines: the chosen one timed" 1 "$(grep -c "^  ${engines##*Chosen: } .* us" <<<"$engines")"

# 438 report lines ended by CR LF; export line 1 is 264 bytes, the other 31 are 267, each with 45 zero bytes.
expect report "18460 438" "$("$@" report "$seeds/default.tnw" | wc -c) $("$@" report "$seeds/default.tnw" | grep -c $'\r$')"
cmp -s <("$@" report "$seeds/default.tnw" | sed -n '1,2p;$p') \
    <(printf '01-0001a    \r\n01-0001b  Period: 01\r\nNumber of transactions: 0032\r\n')
expect "report lines 1, 2, 438" 0 $?
expect export "8541 1440" "$("$@" export "$seeds/default.tnw" | wc -c) $("$@" export "$seeds/default.tnw" | tr -dc '\0' | wc -c)"
line='","01","0001","0","+000000000000000001000.00000000000000000000","=E1",".01000000000000000000",'
line+='"+000000000000000000010.00000000000000000000","=F0001*G0001","+000000000000000001010.00000000000000000000","=F0001+I0001",'
expect "export line 1" "\"Opening balance$(printf '~%.0s' {1..30})$line"$'\r' "$("$@" export "$d" | head -n 1 | tr '\0' '~')"
for seed in "$seeds"/*.tnw; do
    "$@" report "$seed" >/dev/null && "$@" export "$seed" >/dev/null; expect "$seed" 0 $?
done
# The worked example built by commands; then every refusal leaves the file as it was.
w=$tmp/worked.tnw
for step in "new $w" "set $w balance-integer 1" "set $w rate 33333333333333333333" "set $w balance-sign -" \
    "set $w balance-sign +" "add $w payment 2" "set $w 02-0002.amount-integer 2" "recalc $w"; do
    "$@" $step >/dev/null; expect "$step" 0 $?
done
expect "report line 02-0002l" "02-0002l   -     000000000000000000000  .  22222222222222222224  " \
    "$("$@" report "$w" | tr -d '\r' | grep '^02-0002l')"
cp "$w" "$tmp/before.tnw"
nines=999999999999999999999
for refusal in "1 |Can Not Enter Value: The value entered generates a balance that is too large to display.|set $w balance-integer $nines" \
    "1 |tarnwell-cli: balance-fraction takes up to 20 digits; \"1.5\" does not fit.|set $w balance-fraction 1.5" \
    "1 |tarnwell-cli: 01-0001 is an interest transaction: its amount is computed.|set $w 01-0001.amount-fraction 5" \
    "1 |tarnwell-cli: the document has no transaction 02-0003.|set $w 02-0003.description x" \
    "2 |tarnwell-cli: not a field name: 02-0002.amount|set $w 02-0002.amount 1" \
    "2 |tarnwell-cli: not a period from 1 to 32: 0|add $w loan 0" "2 |tarnwell-cli: not loan or payment: Loan|add $w Loan 3" \
    "1 |tarnwell-cli: $w is there already; new makes a document only where none is.|new $w"; do
    expect "${refusal##*|}" "${refusal%|*}" "$(run "$@" ${refusal##*|} | head -n 2 | tr '\n' '|' | sed 's/|Try.*//;s/|$//')"
    cmp -s "$w" "$tmp/before.tnw"; expect "${refusal##*|} left the file" 0 $?
done
exit $((failures > 0))
