// Reads the model text file into the converter's model store.
#pragma once

#include <filesystem>
#include <istream>

#include "dxfconv/StepResult.h"

namespace quor::dxfconv {

struct ConverterRecord;

// Sets up the colour table from colourFile (or the built-in palette), then reads
// and checks the model text; the first fault ends the reading with its message.
StepResult read_model_input(std::istream& modelText, const std::filesystem::path& colourFile,
                            ConverterRecord& record);

}  // namespace quor::dxfconv
