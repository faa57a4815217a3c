// Writes the decks that `quillcalc --model --tolerance MM` runs: the model's
// own and its copies cut within the tolerance, one file each, for
// bench/tolerance to run through nec2c by itself.
//
//   tolerance_decks FREQUENCY MM FOLDER
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "calc/necdeck.h"
#include "calc/spread.h"

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: tolerance_decks FREQUENCY MM FOLDER\n");
    return 2;
  }
  const quill::nec::Outcome made = quill::nec::BuildModel(argv[1], std::nullopt, 3);
  if (!made.model) return 1;
  const double cut = std::atof(argv[2]);
  const std::string folder = argv[3];
  std::ofstream(folder + "/model.nec") << quill::nec::Deck(*made.model, "bench");
  for (int copy = 0; copy < quill::nec::kSpreadCopies; ++copy) {
    std::ofstream(folder + "/copy" + std::to_string(copy) + ".nec")
        << quill::nec::Deck(quill::nec::CutCopy(*made.model, cut, copy), "bench");
  }
  return 0;
}
