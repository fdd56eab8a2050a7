#include "model/count_model.h"

#include <algorithm>
#include <cmath>

#include "model/random.h"

namespace {

constexpr float ConversionWindow = 5e-05f;       // 1000 kHz-to-Hz times the 50 ns TAC window
constexpr float PhotonsPerIntensity = 10000.0f;  // photons per second per kHz of intensity
constexpr float PromptScattering = 10.0f;        // the scatterer passes a tenth of the light
constexpr float ResponseNorm = 100.0f;           // the detector responses sum to about 100

TDecayKey DecayKeyOf(const TSampleState& sample, const TInstrumentSettings& settings, int k) {
  return {sample.SampleKind,          k,
          sample.SampleLifetime,      sample.SampleActivationEnergy,
          settings.SampleTemperature, settings.TemperatureLow};
}

void ComputeDecayShape(const TSampleState& sample, const TInstrumentSettings& settings, int k,
                       DecayCurve& shape) {
  std::fill(shape.begin(), shape.end(), 0.0f);
  if (sample.SampleKind == SampleScatterer) {
    shape[1] = 1.0f;
  } else if (sample.SampleKind == SampleFluorescent) {
    const float r = static_cast<float>(k) * BaseChannelWidth / LifetimeAt(sample, settings);
    const float perChannel = std::exp(-r);
    shape[1] = r;
    for (int i = 2; i <= DecayShapeLength; ++i) shape[i] = shape[i - 1] * perChannel;
  }
}

// Sums base steps into channels of k steps, in step order.
template <int Steps>
void Rebin(const OneBased<float, Steps>& steps, int k, OneBased<float, Steps>& channels) {
  std::fill(channels.begin(), channels.end(), 0.0f);
  for (int j = 1; j <= Steps; ++j) channels[1 + (j - 1) / k] += steps[j];
}

// Channels first..last of the input hold all its non-zero values (first > last: none).
template <int Low, int High>
void NonZeroSpan(const IndexedArray<float, Low, High>& curve, int& first, int& last) {
  first = Low;
  last = High;
  while (first <= last && curve[first] == 0.0f) ++first;
  while (last >= first && curve[last] == 0.0f) --last;
}

// output[i + j − 1] += taps[j] × input[i] for every tap j and input channel i, the output
// cut at channel High. The taps run from the last to the first, so each output channel sums
// its terms in the order of rising input channel, and zero taps and inputs outside the
// non-zero span, which add exact zeros, are skipped: the sums are bit for bit those of the
// plain double loop over i and j.
template <int InLow, int OutLow, int High, int Taps>
void ConvolveForward(const IndexedArray<float, InLow, High>& input,
                     const OneBased<float, Taps>& taps, IndexedArray<float, OutLow, High>& output) {
  static_assert(OutLow >= InLow);
  std::fill(output.begin(), output.end(), 0.0f);
  int first = 0;
  int last = 0;
  NonZeroSpan(input, first, last);
  for (int j = Taps; j >= 1; --j) {
    const float tap = taps[j];
    if (tap == 0.0f) continue;
    const int from = std::max(first, OutLow - j + 1);
    const int to = std::min(last, High - j + 1);
    if (from > to) continue;
    const float* __restrict in = &input[from];
    float* __restrict out = &output[from + j - 1];
    const int count = to - from + 1;
    for (int n = 0; n < count; ++n) out[n] += tap * in[n];
  }
}

// Step 9: ChannelResponse[i] = DecayShape[i − s + 1] from channel s on, for the channels that
// can still reach the TAC window; a decay shape index past its end stands for 0.
void PlaceDecay(const DecayCurve& shape, int shift, PlacedCurve& placed) {
  std::fill(placed.begin(), placed.end(), 0.0f);
  const int from = std::max(shift, FirstPlacedChannel);
  const int to = std::min(ChannelCount, shift + DecayShapeLength - 1);
  for (int i = from; i <= to; ++i) placed[i] = shape[i - shift + 1];
}

void ComputeResponse(int shift, TCountModel& model) {
  PlaceDecay(model.DecayShape, shift, model.Placed);
  ConvolveForward(model.Placed, model.DetectorProfile, model.Detected);
  ConvolveForward(model.Detected, model.LampProfile, model.ChannelResponse);
  float sum = 0.0f;
  for (const float value : model.ChannelResponse) sum += value;
  model.ResponseSum = sum;
}

void ClearResponse(TCountModel& model) {
  if (!model.ResponseValid) return;
  std::fill(model.ChannelResponse.begin(), model.ChannelResponse.end(), 0.0f);
  model.ResponseSum = 0.0f;
  model.ResponseValid = false;
}

// Refreshes the cached decay shape and profiles; every evaluation has them, whatever follows.
void UpdateShapes(const TInstrumentSettings& settings, const TSampleState& sample,
                  TCountModel& model) {
  const int k = model.TimeScale;
  const TDecayKey decayKey = DecayKeyOf(sample, settings, k);
  if (!(decayKey == model.DecayKey)) {
    ComputeDecayShape(sample, settings, k, model.DecayShape);
    model.DecayKey = decayKey;
  }
  const TProfileKey lampKey{settings.LampIndex, k};
  if (!(lampKey == model.LampKey)) {
    Rebin(Lamps()[settings.LampIndex].Pulse, k, model.LampProfile);
    model.LampKey = lampKey;
  }
  const TProfileKey detectorKey{settings.DetectorIndex, k};
  if (!(detectorKey == model.DetectorKey)) {
    Rebin(Detectors()[settings.DetectorIndex].Response, k, model.DetectorProfile);
    model.DetectorKey = detectorKey;
  }
}

// Photons per second from the lamp that reach the detector through both windows.
float DetectedPhotonRate(const TInstrumentSettings& settings, const TSampleState& sample,
                         bool promptMode) {
  const TLampRecord& lamp = Lamps()[settings.LampIndex];
  const Spectrum& excitationFilter = Filters()[settings.ExcitationFilter].Transmission;
  const Spectrum& emissionFilter = Filters()[settings.EmissionFilter].Transmission;
  const TWavelengthWindow excitation =
      MonochromatorWindow(settings.ExcitationWavelength, settings.ExcitationBandpass);
  const TWavelengthWindow emission =
      MonochromatorWindow(settings.EmissionWavelength, settings.EmissionBandpass);
  const float rate =
      lamp.Intensity * static_cast<float>(settings.LampFrequency) * PhotonsPerIntensity;
  if (promptMode) {
    float passed = 0.0f;
    for (int w = std::max(excitation.Low, emission.Low);
         w <= std::min(excitation.High, emission.High); ++w) {
      passed += lamp.Spectrum[w] * excitationFilter[w] * emissionFilter[w];
    }
    return rate / PromptScattering * passed;
  }
  float absorbed = 0.0f;
  for (int w = excitation.Low; w <= excitation.High; ++w) {
    absorbed += lamp.Spectrum[w] * excitationFilter[w] * sample.SampleExcitation[w];
  }
  const Spectrum& sensitivity = Detectors()[settings.DetectorIndex].Sensitivity;
  float seen = 0.0f;
  for (int w = emission.Low; w <= emission.High; ++w) {
    seen += emissionFilter[w] * sample.SampleEmission[w] * sensitivity[w];
  }
  return rate * absorbed * seen;
}

}  // namespace

float LifetimeAt(const TSampleState& sample, const TInstrumentSettings& settings) {
  const double kelvin = settings.SampleTemperature / 100.0 + AbsoluteZero;
  const double lowKelvin = settings.TemperatureLow + AbsoluteZero;
  const double exponent =
      (sample.SampleActivationEnergy / GasConstant) * (1.0 / kelvin - 1.0 / lowKelvin);
  return static_cast<float>(sample.SampleLifetime * std::exp(exponent));
}

int ChannelShift(const TInstrumentSettings& settings, int timeScale) {
  constexpr int LineDelays[] = {1, 2, 4, 8, 16, 32};  // ns
  float delay = 0.0f;
  for (int line = 1; line <= 6; ++line) {
    if (settings.DelayLines[line]) delay += static_cast<float>(LineDelays[line - 1]);
  }
  if (settings.DelaySide == 1) delay = -delay;
  delay += Detectors()[settings.DetectorIndex].TransitTime;
  return static_cast<int>(delay / (static_cast<float>(timeScale) * BaseChannelWidth));
}

void UpdateCountModel(const TInstrumentSettings& settings, const TSampleState& sample,
                      bool promptMode, TCountModel& model, TConversionCarries& carries) {
  model.TimeScale = TimeScaleOf(settings);
  UpdateShapes(settings, sample, model);
  if (!settings.DetectorOn) {
    ClearResponse(model);
    model.DarkRate = model.DarkTacRate = model.PhotonRate = model.SignalTacRate = 0.0f;
    ClearAllCarries(carries);
    return;
  }
  model.DarkRate = Detectors()[settings.DetectorIndex].DarkRate;
  model.DarkTacRate = static_cast<float>(settings.LampFrequency) * model.DarkRate *
                      static_cast<float>(model.TimeScale) * ConversionWindow;
  if (!settings.LampOn) model.DarkTacRate = 0.0f;
  if (!settings.LampOn || !settings.ExcitationShutterOpen || !settings.EmissionShutterOpen) {
    ClearResponse(model);
    model.PhotonRate = model.SignalTacRate = 0.0f;
    ClearLightCarries(carries);
    return;
  }
  const TResponseKey responseKey{model.DecayKey, model.LampKey, model.DetectorKey,
                                 ChannelShift(settings, model.TimeScale)};
  if (!model.ResponseValid || !(responseKey == model.ResponseKey)) {
    ComputeResponse(responseKey.Shift, model);
    model.ResponseKey = responseKey;
    model.ResponseValid = true;
  }
  model.PhotonRate = DetectedPhotonRate(settings, sample, promptMode);
  model.SignalTacRate = model.PhotonRate * model.ResponseSum / ResponseNorm;
}

std::int64_t ReadRateMeter(const TInstrumentSettings& settings, const TCountModel& model) {
  switch (settings.RateMeterSource) {
    case 2:
      return settings.LampOn ? std::int64_t{settings.LampFrequency} * 1000 : 0;
    case 3:
    case 4: {
      const double x = settings.RateMeterSource == 3
                           ? double{model.PhotonRate} + model.DarkRate
                           : double{model.SignalTacRate} + model.DarkTacRate;
      return RateMeterReading(x, RandomUniform());
    }
    default:
      return 0;
  }
}

std::int64_t RateMeterReading(double x, double u) {
  // nearbyint rounds in the default mode, to nearest with ties to even.
  return static_cast<std::int64_t>(std::nearbyint(x + (u - 0.5) * std::sqrt(x)));
}
