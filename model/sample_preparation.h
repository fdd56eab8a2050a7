#pragma once

#include <string>

struct TSessionRecord;

// The working state of the sample preparation screen; never saved. Reals are 4-byte floats
// like the session record's.
struct TSamplePreparation {
  int PrepStep = 1;                    // 1 weigh, 2 stock solution, 3 dilution, 4 spectra
  float CurrentWeight = 0.0f;          // mg on the balance
  float WeightRate = 0.0f;             // mg per tick, nominal
  float CurrentStockVolume = 0.0f;     // ml in the stock flask
  float StockRate = 0.0f;              // ml per tick, nominal
  float CurrentDilutionVolume = 0.0f;  // ml in the dilution flask
  float DilutionRate = 0.0f;           // ml per tick, nominal
  int CursorWavelength = 200;          // nm, the spectrum cursor
  float SolventReadout = 0.0f;         // solvent absorbance at the cursor
  float SoluteReadout = 0.0f;          // solute absorbance at the cursor, at most 2.0
  float FluorescenceReadout = 0.0f;    // fluorescence at the cursor, 1.0 = peak at yield 1
};

constexpr float BalanceCapacity = 1000.0f;  // mg; the balance shows no more
constexpr float LeastQuantity = 1.0f;       // mg or ml that a step must reach to be accepted

// Fill limit in ml of the flask at a flask list index (0..4: 5, 10, 25, 50, 100 ml): 1.2 times
// its nominal size, since a flask can be overfilled by 20 %. Any other index gives 6 ml.
float FlaskFillLimit(int flaskIndex);

// Aliquot in litres at an aliquot list index (0..7: 25, 50, ..., 200 microlitres). Any other
// index gives 0 L.
double AliquotVolume(int aliquotIndex);

// The rate after "Add": 0.1 per tick when the flow stands (a rate below 0.01), else double.
float SpedUpRate(float rate);

// One animation tick: draws one number r from the shared random generator and adds
// rate × (1 + r / 2) to the quantity of the current step (steps 1 to 3; step 4 adds nothing),
// holding the weight at BalanceCapacity and a volume at the fill limit of the flask now
// selected for that step.
void AddTick(TSamplePreparation& prep, int stockFlaskIndex, int dilutionFlaskIndex);

// True when a weighed mass or filled volume is enough to go on (exactly 1.0 is).
bool IsEnough(float quantity);

// Stores the finished preparation in the session's sample fields and computes
// SampleConcentration (mol/L) from them:
//   c = aliquot (L) × weight (mg) × 1000 / (stock volume (ml) × molecular weight × dilution (ml))
//   SampleConcentration = FluorophorePercent × c / 100
// each result held as a 4-byte float. The flasks set only fill limits; the filled volumes count.
void StorePreparation(TSessionRecord& session, const TSamplePreparation& prep, int stockFlaskIndex,
                      int aliquotIndex, int dilutionFlaskIndex);

// "Weight = 12.3" and "Volume = 12.3": one decimal, rounded.
std::string WeightText(float milligrams);
std::string VolumeText(float millilitres);
