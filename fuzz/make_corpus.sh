#!/usr/bin/env bash
# Writes the seed corpus of the redraw fuzzer into fuzz/corpus/ (byte format: fuzz_cycles.h).
set -euo pipefail
cd "$(dirname "$0")"
out=corpus
rm -rf "$out"
mkdir -p "$out"

# Planes as three points, nine texts each.
x0="0 0 0  0 1 0  0 0 1"
x0spread="0 0 0  0 2 0  0 0 2"
y0="0 0 0  0 0 1  1 0 0"
x300="300 0 0  300 1 0  300 0 1"
y400="0 400 0  0 400 1  1 400 0"
zy100="0 0 100  1 0 100  0 1 101"
x1="1 0 0  1 1 0  1 0 1"
z0="0 0 0  1 0 0  0 1 0"
z1="0 0 1  1 0 1  0 1 1"
z5="0 0 5  1 0 5  0 1 5"
collinear="0 0 0  1 1 1  2 2 2"
zero="0 0 0  0 0 0  0 0 0"

# Step bytes, ViewStep numbers.
AlfaUp=0 AlfaDown=1 BetaUp=2 BetaDown=3 ZoomUp=4 ZoomDown=5
ShiftXUp=6 ShiftXDown=7 ShiftYUp=8 ShiftYDown=9 DistanceUp=10 DistanceDown=11

repeat() {  # repeat N WORD
  local i
  for ((i = 0; i < $1; i++)); do printf '%s ' "$2"; done
}

# seed NAME SEPARATOR "EIGHTEEN TEXTS" [STEP …]; texts are split on blanks.
seed() {
  local name=$1 separator=$2 texts=$3
  shift 3
  read -r -a fields <<<"$texts"
  [[ ${#fields[@]} -eq 18 ]] || { echo "$name: ${#fields[@]} texts" >&2; exit 1; }
  {
    printf '%s\n' "$separator"
    printf '%s\n' "${fields[@]}"
    local step
    for step in "$@"; do printf "\\x$(printf '%02x' "$step")"; done
  } >"$out/$name"
}

# seed_raw NAME: the bytes come from stdin, for texts with blanks or other odd bytes.
seed_raw() { cat >"$out/$1"; }

# Worked examples, then the same with the two blocks exchanged.
seed x0-y0 . "$x0 $y0"
seed x300-y400 . "$x300 $y400"
seed x0-zy100 . "$x0 $zy100"
seed x0spread-zy100 . "$x0spread $zy100"
seed y0-x0 . "$y0 $x0"
seed y400-x300 . "$y400 $x300"
seed zy100-x0 . "$zy100 $x0"
seed zy100-x0spread . "$zy100 $x0spread"

# Degenerate input.
seed collinear-first . "$collinear $y0"
seed collinear-second . "$x0 $collinear"
seed all-zero . "$zero $zero"
seed same-points-twice . "$x0 $x0"
seed parallel-x0-x1 . "$x0 $x1"
seed parallel-z0-z1 . "$z0 $z1"
seed horizontal-z5-x0 . "$z5 $x0"
seed horizontal-z0-x0 . "$z0 $x0"

# Steps.
seed zoom-down-20 . "$x0 $y0" $(repeat 20 $ZoomDown)
seed distance-down-40 . "$x0 $y0" $(repeat 40 $DistanceDown)
seed every-step . "$x300 $y400" $AlfaUp $AlfaDown $BetaUp $BetaDown $ZoomUp $ZoomDown \
  $ShiftXUp $ShiftXDown $ShiftYUp $ShiftYDown $DistanceUp $DistanceDown
seed beta-up-18 . "$x0 $zy100" $(repeat 18 $BetaUp)
seed steps-after-bad-text . "x $(repeat 17 0)" $ZoomDown $AlfaUp

# Number forms.
seed exponents . "3e2 0 0  3E+2 1 0  300.0e0 0 1e-0  0 4e2 0  0 +4.00E+02 1  1 400 -0e5"
seed comma , "0 0 0  0 1,5 0  0 0 ,5  0 0 0  0 0 1,  1,25e0 0 0"
seed comma-text-with-period . "0 0 0  0 1,5 0  0 0 1  $y0"
seed huge-1e308 . "0 0 0  1e308 0 0  0 1e308 0  $y0"
seed huge-1e308-line . "1e308 0 0  1e308 1 0  1e308 0 1  $y0"
seed beyond-range . "1e309 0 0  0 1 0  0 0 1  $y0"
seed denormals . "0 0 0  0 4.9e-324 0  0 0 1e-320  $y0"
seed long-exponent . "0 0 0  0 1e0000000000000000000000001 0  0 0 1  $y0"
printf '.\n 0\n\t0\n0 \n+0\n-1\n0\n-0\n0\n1\n0\n0\n0\n0\n0\n1\n1\n0\n0\n' | seed_raw blanks-and-signs
printf '.\n\ninf\nnan\n0x10\n1.2.3\n1e\n-\n.\n1 0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n' | seed_raw bad-texts
printf '.\n%s\n' "$(repeat 25 č | tr -d ' ')" | seed_raw long-utf8-text
