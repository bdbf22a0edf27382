// The cut that joins a hole to its outline runs twice along the same line,
// once each way. Such edges bound nothing, so the distance search that
// decides how far cells may merge leaves them out.
#pragma once

class Polygon;

namespace quor::solver {

// Sets the flag of both end vertices of every pair of non-adjacent edges
// that coincide within tol with opposite directions.
void MarkBridgeEdges(Polygon& polygon, double tol);

}  // namespace quor::solver
