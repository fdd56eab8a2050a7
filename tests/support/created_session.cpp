#include "support/created_session.h"

#include "session/session_file.h"
#include "session/session_record.h"

void FillCreatedSession(const std::string& reference, const std::string& password) {
  Session.Signature.Assign("Qelti - Vostrelin Experiment");
  Session.SessionReference.Assign(reference);
  Session.Password.Assign(password);
  Session.StudentNames.Assign("A. Student");
  Session.SystemNumber = 1;
  Session.MolecularWeight = 276.33f;
  Session.FluorophorePercent = 1.0f;
  Session.AbsorptionScaling = 1.0f;
  Session.QuantumYield = 1.0f;
  Session.LifetimeAtMinTemp = 5.77f;
  Session.MinTemperature = 20.0f;
  Session.MaxTemperature = 60.0f;
  Session.ActivationEnergy = 6.21f;
  ResetSession();
}
