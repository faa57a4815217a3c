#pragma once

// Reading an analyser's sweep saved as a Touchstone file (.s1p, or an .s2p
// whose S11 is taken): what NanoVNA, LibreVNA, RigExpert and bench analysers
// write, in version 1 and version 2 of the format. The reader works on the
// file's bytes; opening the file is the caller's. A file that cannot be
// opened or read (missing, a directory, no permission) is reported by the
// caller in the system's own words (strerror, QFile::errorString), as
// "FILE: No such file or directory": this layer adds nothing to them.

#include <complex>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::touchstone {

// The most bytes a file may hold: a 2-port sweep of 100,000 points is about
// 20 MB. A caller reads at most one byte more and passes it all to Read, which
// refuses a larger file rather than fill the memory.
inline constexpr std::size_t kMostBytes = 64 * 1024 * 1024;

// One frequency of the sweep.
struct Point {
  double frequencyMHz = 0;
  std::complex<double> s11;  // against Measurement::referenceOhms
  double magnitude = 0;      // |S11| as the file gives it (the MA magnitude, 10^(dB/20), or |re + j im|)
};

struct Measurement {
  double referenceOhms = 50;  // port 1's reference impedance in the file
  std::vector<Point> points;  // in the file's order, which is of strictly rising frequency; at least two
};

// Why a file was refused: the line (from 1; 0 for the file as a whole) and
// what is wrong, a clause that reads after "FILE:LINE: " (no capital, no full
// stop), such as "\"0,5\" uses a decimal comma; Touchstone numbers take a point".
struct Problem {
  int line = 0;
  std::string what;
};

struct Reading {
  std::optional<Measurement> measurement;
  Problem problem;  // when there is no measurement
};

// The ports a file's name gives in version 1: 1 for "x.s1p", 2 for "x.S2P",
// N for ".sNp"; 0 when the name does not tell.
int PortsOfFileName(std::string_view fileName);

// Reads a Touchstone file of `ports` ports (PortsOfFileName; 0 when not
// known). Version 1: the option line ("# MHz S RI R 50") by token in any
// order and case, each missing field taking its default (GHz, S, MA, R 50),
// a missing line taking all four, later option lines ignored; one frequency a
// line, 3 numbers for one port, 9 for two (the 9 are taken from a file named
// .s1p too, since nothing else has 9); a 2-port noise block, where the
// frequency falls back, skipped. Version 2 ("[Version] 2.0"): its keywords,
// [Reference] over R, data that runs on across lines, Lower and Upper
// matrices, [Noise Data] skipped, nothing read after [End]. Comments (!),
// blank lines, tabs and CRLF anywhere. Numbers as C writes them, whatever
// the locale; NaN, infinity, hexadecimal and decimal commas refused.
// Only S-parameters of 1- or 2-port files are read.
Reading Read(std::string_view text, int ports);

// "FILE:LINE: what", or "FILE: what" for the file as a whole.
std::string Describe(const Problem& problem, std::string_view fileName);

}  // namespace quill::touchstone
