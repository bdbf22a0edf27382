#include "editor/model/CDielectric.h"

#include "editor/model/StorableValues.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"

namespace quor {

CDielectric::CDielectric(double er, double height) : Er(er), z(height) {
  if (er <= 0) throw TextError("Substrate relative permittivity is less or equal 0");
  if (height < 0) throw TextError("Height is less than zero");
}

void CDielectric::Serialize(Archive& ar) {
  ar.Transfer(Er);
  ar.Transfer(z);
  // A height orders the layers and a permittivity enters every computation.
  if (!ar.IsStoring() && (!IsStorableNumber(Er) || !IsStorableNumber(z))) {
    throw ArchiveException(ArchiveException::Cause::BadIndex);
  }
}

}  // namespace quor
