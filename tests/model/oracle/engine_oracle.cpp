#include "oracle/engine_oracle.h"

#include <cmath>
#include <memory>

namespace {

constexpr float ChannelWidth = 0.01132f;

int OracleTimeScale(const TInstrumentSettings& s) {
  const int range[] = {1, 2, 4};
  const int multiplier[] = {1, 10, 100};
  return range[s.TacRange - 1] * multiplier[s.RangeMultiplier - 1];
}

void OracleWindow(int wavelength, int bandpass, int& low, int& high) {
  const int w = wavelength / 10;
  // [w, w], [w, w+1], [w−1, w+2], [w−3, w+4], [w−7, w+8], [w−15, w+16]
  const int ends[6][2] = {{0, 0}, {0, 1}, {-1, 2}, {-3, 4}, {-7, 8}, {-15, 16}};
  low = w + ends[bandpass - 1][0];
  high = w + ends[bandpass - 1][1];
  if (low < 200) low = 200;
  if (high > 800) high = 800;
}

// response = L with L[c] = sum of profile[j] × response[i] over i = −4095..4096 and j with
// c = i + j − 1 ≤ 4096.
template <int Taps>
void OracleConvolve(const OneBased<float, Taps>& profile, OracleResponse& response) {
  auto work = std::make_unique<OracleResponse>();
  for (float& v : *work) v = 0.0f;
  for (int i = -4095; i <= 4096; ++i) {
    for (int j = 1; j <= Taps; ++j) {
      const int c = i + j - 1;
      if (c <= 4096) (*work)[c] += profile[j] * response[i];
    }
  }
  response = *work;
}

}  // namespace

void OracleCountModel(const TInstrumentSettings& s, const TSampleState& sample, bool promptMode,
                      TOracleModel& m, TConversionCarries& carries) {
  // 1.
  for (float& v : m.DecayShape) v = 0.0f;
  for (float& v : m.LampProfile) v = 0.0f;
  for (float& v : m.DetectorProfile) v = 0.0f;
  const int k = OracleTimeScale(s);
  m.TimeScale = k;
  // 2.
  if (sample.SampleKind == 1) {
    m.DecayShape[1] = 1.0f;
  } else if (sample.SampleKind == 2) {
    const double t = s.SampleTemperature / 100.0 + 273;
    const double tmin = s.TemperatureLow + 273;
    const auto tau = static_cast<float>(
        sample.SampleLifetime *
        std::exp((sample.SampleActivationEnergy / 0.008314472) * (1.0 / t - 1.0 / tmin)));
    const float r = static_cast<float>(k) * ChannelWidth / tau;
    m.DecayShape[1] = r;
    for (int i = 2; i <= 8192; ++i) m.DecayShape[i] = m.DecayShape[i - 1] * std::exp(-r);
  }
  // 3.
  for (int j = 1; j <= 200; ++j) m.LampProfile[1 + (j - 1) / k] += LampPulse(s.LampIndex, j);
  for (int j = 1; j <= 1000; ++j) {
    m.DetectorProfile[1 + (j - 1) / k] += DetectorResponse(s.DetectorIndex, j);
  }
  // 4.
  for (float& v : m.ChannelResponse) v = 0.0f;
  // 5.
  if (!s.DetectorOn) {
    m.DarkRate = m.DarkTacRate = m.PhotonRate = m.SignalTacRate = 0.0f;
    carries = TConversionCarries{};
    return;
  }
  // 6.
  m.DarkRate = DetectorDarkRate(s.DetectorIndex);
  m.DarkTacRate = static_cast<float>(s.LampFrequency) * m.DarkRate * static_cast<float>(k) * 5e-05f;
  // 7.
  if (!s.LampOn || !s.ExcitationShutterOpen || !s.EmissionShutterOpen) {
    if (!s.LampOn) m.DarkTacRate = 0.0f;
    m.PhotonRate = m.SignalTacRate = 0.0f;
    carries.SignalCarry = 0.0f;
    carries.SignalEvents = 0;
    return;
  }
  // 8.
  const float lines[] = {1, 2, 4, 8, 16, 32};
  float d = 0.0f;
  for (int l = 1; l <= 6; ++l) {
    if (s.DelayLines[l]) d += lines[l - 1];
  }
  if (s.DelaySide == 1) d = -d;
  d += DetectorTransitTime(s.DetectorIndex);
  const int shift = static_cast<int>(d / (static_cast<float>(k) * ChannelWidth));
  // 9. An index past the decay shape's end stands for 0, one before channel -4095 is dropped.
  for (int i = shift; i <= 4096; ++i) {
    if (i >= -4095 && i - shift + 1 <= 8192) m.ChannelResponse[i] = m.DecayShape[i - shift + 1];
  }
  // 10. and 11.
  OracleConvolve(m.DetectorProfile, m.ChannelResponse);
  OracleConvolve(m.LampProfile, m.ChannelResponse);
  // 12.
  int exLow = 0, exHigh = 0, emLow = 0, emHigh = 0;
  OracleWindow(s.ExcitationWavelength, s.ExcitationBandpass, exLow, exHigh);
  OracleWindow(s.EmissionWavelength, s.EmissionBandpass, emLow, emHigh);
  // 13.
  m.PhotonRate = LampIntensity(s.LampIndex) * static_cast<float>(s.LampFrequency) * 10000.0f;
  if (promptMode) {
    float sum = 0.0f;
    const int low = exLow > emLow ? exLow : emLow;
    const int high = exHigh < emHigh ? exHigh : emHigh;
    for (int w = low; w <= high; ++w) {
      sum += LampSpectrum(s.LampIndex, w) * FilterTransmission(s.ExcitationFilter, w) *
             FilterTransmission(s.EmissionFilter, w);
    }
    m.PhotonRate = m.PhotonRate / 10.0f * sum;
  } else {
    float ex = 0.0f;
    for (int w = exLow; w <= exHigh; ++w) {
      ex += LampSpectrum(s.LampIndex, w) * FilterTransmission(s.ExcitationFilter, w) *
            sample.SampleExcitation[w];
    }
    float em = 0.0f;
    for (int w = emLow; w <= emHigh; ++w) {
      em += FilterTransmission(s.EmissionFilter, w) * sample.SampleEmission[w] *
            DetectorSensitivity(s.DetectorIndex, w);
    }
    m.PhotonRate = m.PhotonRate * ex * em;
  }
  // 14.
  float total = 0.0f;
  for (int i = 1; i <= 4096; ++i) total += m.ChannelResponse[i];
  m.SignalTacRate = m.PhotonRate * total / 100.0f;
}

void OracleConversionTable(const TOracleModel& m, int f, TOracleTable& table) {
  float S = 0.0f;
  for (int i = 1; i <= 4096; ++i) S += m.ChannelResponse[i];
  const double a = S > 0.0f ? m.SignalTacRate / (f * double{S} * 1000.0) : 0.0;
  const double b = m.DarkTacRate / (f * 4096.0 * 1000.0);
  OneBased<double, ChannelCount> p{};
  double c = 0.0;
  for (int i = 1; i <= 4096; ++i) {
    p[i] = (a * m.ChannelResponse[i] + b) * (1.0 - c);
    c += p[i];
    if (c > 1.0) c = 1.0;
  }
  table.Usable = c > 0.0;
  if (!table.Usable) return;
  double running = 0.0;
  for (int i = 1; i <= 4096; ++i) {
    running += p[i];
    table.Cumulative[i] = running / c;
  }
}

int OracleChannel(const TOracleTable& table, double u) {
  int pos = 0;
  for (int step = 2048; step >= 1; step /= 2) {
    if (table.Cumulative[pos + step] < u) pos += step;
  }
  return pos + 1;
}

void OracleAccumulate(const TOracleModel& m, int f, TConversionCarries& carries, Histogram& counts,
                      std::mt19937& generator, TOracleTable& table) {
  carries.DarkCarry += m.DarkTacRate / 10.0f;
  carries.DarkEvents = static_cast<std::int32_t>(carries.DarkCarry);
  carries.DarkCarry -= static_cast<float>(carries.DarkEvents);
  carries.SignalCarry += m.SignalTacRate / 10.0f;
  carries.SignalEvents = static_cast<std::int32_t>(carries.SignalCarry);
  carries.SignalCarry -= static_cast<float>(carries.SignalEvents);
  OracleConversionTable(m, f, table);
  if (!table.Usable) return;
  const std::int64_t n = std::int64_t{carries.DarkEvents} + carries.SignalEvents;
  for (std::int64_t e = 0; e < n; ++e) {
    const double u = generator() * (1.0 / 4294967296.0);
    std::int32_t& count = counts[OracleChannel(table, u)];
    if (count < 2147483647) ++count;
  }
}
