#!/usr/bin/env bash
# Makes the "measurements" that tests/calc/test_touchstone.cpp reads: the
# program's deck for 146 MHz with every leg 20 mm longer (its lowest SWR
# moves into the sweep, near 147.2 MHz) and the pattern cut to the front and
# the back, nec2c's output for it, and that output's feed impedance written
# as S11 the ways analysers write it: RI on 50 ohms in Hz, MA on 75 ohms in
# MHz, DB on 50 ohms in GHz with tabs.
#
#   tests/data/make-measured.sh build/quillcalc
set -euo pipefail
program=$(realpath "${1:?usage: $0 QUILLCALC}")
cd "$(dirname "$0")"
export LC_ALL=C
base=nec2c-146mhz-legs+20mm
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$program" --frequency 146 --nec "$scratch/deck.nec"
# A leg's free end is the left leg's first point and the right leg's last.
awk -v CONVFMT=%.16g '$1 == "CE" { print "CM Every leg 20 mm longer; the pattern at the front and the back only." }
     $1 == "GW" && $2 % 3 == 1 { $6 -= 0.02 }
     $1 == "GW" && $2 % 3 == 0 { $9 -= 0.02 }
     $1 == "RP" { $0 = "RP 0 1 2 1000 90 0 0 180" }
     { print }' "$scratch/deck.nec" >$base.nec
nec2c -i$base.nec -o$base.out >/dev/null

# S11 = (Z - R) / (Z + R); frequencies as the FR card steps them.
s11() {
  awk -v R="$1" -v form="$2" -v unit="$3" -v sep="$4" '
    /^FR / { start = $6; step = $7 }
    /ANTENNA INPUT PARAMETERS/ { getline; getline; getline
      zr = $7; zi = $8; dr = zr + R; den = dr * dr + zi * zi
      gr = ((zr - R) * dr + zi * zi) / den; gi = (zi * dr - (zr - R) * zi) / den
      f = start + n++ * step
      if (unit == "Hz") printf "%d", f * 1e6 + 0.5; else if (unit == "MHz") printf "%.3f", f; else printf "%.9f", f / 1000
      m = sqrt(gr * gr + gi * gi); a = atan2(gi, gr) * 45 / atan2(1, 1)
      if (form == "RI") printf "%s%.9e%s%.9e\n", sep, gr, sep, gi
      else if (form == "MA") printf "%s%.9e%s%.7f\n", sep, m, sep, a
      else printf "%s%.9f%s%.7f\n", sep, 20 * log(m) / log(10), sep, a
    }' $base.nec $base.out
}
note="! S11 from nec2c's feed impedance in $base.out (tests/data/make-measured.sh)"
{ echo "$note"; echo "# Hz S RI R 50"; s11 50 RI Hz " "; } >measured-146mhz-ri.s1p
{ echo "$note"; echo "# MHz S MA R 75"; s11 75 MA MHz "  "; } >measured-146mhz-ma75.s1p
{ echo "$note"; echo "# GHz S DB R 50"; s11 50 DB GHz $'\t'; } >measured-146mhz-db.s1p
