#include "model/session_creation.h"

#include <algorithm>

#include "catalogue/fluorophore_catalogue.h"
#include "session/session_file.h"
#include "session/session_record.h"

namespace {

// C0 and C1 controls and DEL, in 8-bit Latin-1 text.
bool IsControlCharacter(char character) {
  const auto code = static_cast<unsigned char>(character);
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

}  // namespace

bool IsUsableReference(std::string_view reference) {
  return !reference.empty() && SessionFileName(reference).has_value() &&
         std::none_of(reference.begin(), reference.end(), IsControlCharacter);
}

void CopySystemSpectra(TSessionRecord& record, int system) {
  const int fluorophore = SystemFluorophore(system);
  const int solvent = SystemSolvent(system);
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    record.SolventAbsorption[wavelength] = SolventSpectrum(solvent, wavelength);
    record.SoluteAbsorption[wavelength] = FluorophoreAbsorption(fluorophore, wavelength);
    record.FluorescenceSpectrum[wavelength] = FluorophoreEmission(fluorophore, wavelength);
  }
}
