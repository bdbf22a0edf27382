// The body of the Tessmor export: fills and solves the moment-method system of
// the listing's patches and writes the result files.
#pragma once

struct ComputeJob;

void TessmorStage(ComputeJob& job);
