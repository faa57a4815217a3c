#pragma once

// Reading an analyser's Touchstone file from disk, for the model window and
// --model --measured.

#include <QString>
#include <optional>

#include "calc/measured.h"
#include "calc/touchstone.h"

namespace quill::io {

struct MeasurementFile {
  std::optional<touchstone::Measurement> measurement;
  // When there is none: "FILE:LINE: what is wrong", or "FILE: what the
  // system says" for a file that cannot be opened or read.
  QString problem;
};

// Reads the file at `path`; `shownName` is how messages name it.
MeasurementFile ReadMeasurementFile(const QString& path, const QString& shownName);

}  // namespace quill::io
