// The pair that defines a dielectric layer: its relative permittivity and the
// height of its upper surface. Every path that creates or edits a layer builds
// one first, so impossible layers are refused here.
#pragma once

namespace quor {

class Archive;

struct CDielectric {
  double Er = 1.0;
  double z = 0.0;  // world units

  CDielectric() = default;
  // Throws TextError for Er <= 0 (tested first) and for z < 0.
  CDielectric(double er, double height);

  // Er, then z, each an 8-byte double.
  void Serialize(Archive& ar);
};

}  // namespace quor
