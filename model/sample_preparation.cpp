#include "model/sample_preparation.h"

#include <array>
#include <cstdio>

#include "model/random.h"
#include "session/session_record.h"

namespace {

// 1.2 times the nominal 5, 10, 25, 50 and 100 ml.
constexpr std::array<float, 5> FillLimits{6.0f, 12.0f, 30.0f, 60.0f, 120.0f};
constexpr float UnknownFlaskLimit = 6.0f;

// 25 to 200 microlitres in steps of 25, in litres.
constexpr std::array<double, 8> Aliquots{2.5e-5,  5.0e-5, 7.5e-5,  1.0e-4,
                                         1.25e-4, 1.5e-4, 1.75e-4, 2.0e-4};

constexpr float StandingRate = 0.01f;  // below this the flow counts as stopped
constexpr float StartRate = 0.1f;

template <typename Table>
bool IndexesInto(const Table& table, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

// The quantity after one tick, held at the limit.
float Filled(float quantity, float rate, double r, float limit) {
  const auto next = static_cast<float>(double{quantity} + rate + r * rate / 2.0);
  return next > limit ? limit : next;
}

std::string OneDecimal(const char* caption, float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%s%.1f", caption, static_cast<double>(value));
  return text;
}

}  // namespace

float FlaskFillLimit(int flaskIndex) {
  return IndexesInto(FillLimits, flaskIndex) ? FillLimits[static_cast<std::size_t>(flaskIndex)]
                                             : UnknownFlaskLimit;
}

double AliquotVolume(int aliquotIndex) {
  return IndexesInto(Aliquots, aliquotIndex) ? Aliquots[static_cast<std::size_t>(aliquotIndex)]
                                             : 0.0;
}

float SpedUpRate(float rate) {
  return rate < StandingRate ? StartRate : 2.0f * rate;
}

void AddTick(TSamplePreparation& prep, int stockFlaskIndex, int dilutionFlaskIndex) {
  const double r = RandomUniform();
  switch (prep.PrepStep) {
    case 1:
      prep.CurrentWeight = Filled(prep.CurrentWeight, prep.WeightRate, r, BalanceCapacity);
      break;
    case 2:
      prep.CurrentStockVolume =
          Filled(prep.CurrentStockVolume, prep.StockRate, r, FlaskFillLimit(stockFlaskIndex));
      break;
    case 3:
      prep.CurrentDilutionVolume = Filled(prep.CurrentDilutionVolume, prep.DilutionRate, r,
                                          FlaskFillLimit(dilutionFlaskIndex));
      break;
    default:
      break;
  }
}

bool IsEnough(float quantity) {
  return quantity >= LeastQuantity;
}

void StorePreparation(TSessionRecord& session, const TSamplePreparation& prep, int stockFlaskIndex,
                      int aliquotIndex, int dilutionFlaskIndex) {
  session.SampleWeight = prep.CurrentWeight;
  session.StockFlaskIndex = stockFlaskIndex;
  session.StockVolume = prep.CurrentStockVolume;
  session.AliquotIndex = aliquotIndex;
  session.DilutionFlaskIndex = dilutionFlaskIndex;
  session.DilutionVolume = prep.CurrentDilutionVolume;

  // mol/L if the whole weighed mass were fluorophore.
  const auto wholeMassConcentration = static_cast<float>(
      AliquotVolume(session.AliquotIndex) * session.SampleWeight * 1000.0 /
      (double{session.StockVolume} * session.MolecularWeight * session.DilutionVolume));
  session.SampleConcentration =
      static_cast<float>(double{session.FluorophorePercent} * wholeMassConcentration / 100.0);
}

std::string WeightText(float milligrams) {
  return OneDecimal("Weight = ", milligrams);
}

std::string VolumeText(float millilitres) {
  return OneDecimal("Volume = ", millilitres);
}
