#include "catalogue/instrument_catalogue.h"

#include "catalogue/checked_lookup.h"
#include "catalogue/profile_shapes.h"

const LampTable& Lamps() {
  static const LampTable lamps = [] {
    // An LED emits a triangle 19 nm wide at the base, peaking at 0.1.
    const auto ledLine = [](int peak) { return Triangle<Spectrum>(peak, 10); };
    // An LED pulse is a triangle of 39 steps peaking at step 20.
    const auto ledPulse = Triangle<PulseProfile>(20, 20);
    // The laser diode's pulse: 7 steps weighted 1, 2, 4, 5, 4, 2, 1.
    const auto laserPulse = Proportional<PulseProfile>(1, {1, 2, 4, 5, 4, 2, 1});
    return LampTable{{
        // The 295 nm LED is narrower (9 nm at the base, peak 0.2) and five times weaker.
        {"LED-295", 1, 1000, 0.2f, Triangle<Spectrum>(295, 5), ledPulse},
        {"LED-310", 1, 1000, 1.0f, ledLine(310), ledPulse},
        {"LED-320", 1, 1000, 1.0f, ledLine(320), ledPulse},
        {"LED-330", 1, 1000, 1.0f, ledLine(330), ledPulse},
        {"LED-340", 1, 1000, 1.0f, ledLine(340), ledPulse},
        {"LED-360", 1, 1000, 1.0f, ledLine(360), ledPulse},
        {"LED-380", 1, 1000, 1.0f, ledLine(380), ledPulse},
        // The laser line: 398, 399 and 400 nm in the proportion 1 : 10 : 100.
        {"LD-400", 1, 5000, 10.0f, Proportional<Spectrum>(398, {1, 10, 100}), laserPulse},
    }};
  }();
  return lamps;
}

const FilterTable& Filters() {
  // A neutral density filter of density D passes about 10^-D at every wavelength; the band-pass
  // filter passes 340..360 nm whole and nothing else.
  static const FilterTable filters{{
      {"None", Uniform<Spectrum>(1.0f)},
      {"ND 0.3", Uniform<Spectrum>(0.5f)},
      {"ND 1.0", Uniform<Spectrum>(0.1f)},
      {"ND 2.0", Uniform<Spectrum>(0.01f)},
      {"Pass 350", Piecewise<Spectrum>({{340, 360, 1.0f}})},
  }};
  return filters;
}

const DetectorTable& Detectors() {
  // Flat sensitivities. Each response holds about 100 in its first steps; the first two add a
  // weak late component from step 961, about 11 ns behind.
  static const DetectorTable detectors{{
      {"Standard", 200.0f, 28.0f, Uniform<Spectrum>(0.9f),
       Piecewise<ResponseProfile>({{1, 34, 2.86f}, {35, 35, 2.76f}, {961, 1000, 0.005f}})},
      {"Red-PMT", 2000.0f, 20.0f, Uniform<Spectrum>(0.8f),
       Piecewise<ResponseProfile>({{1, 25, 4.0f}, {961, 995, 0.01f}})},
      {"MCP-PMT", 200.0f, 10.0f, Uniform<Spectrum>(0.75f),
       Piecewise<ResponseProfile>({{1, 1, 33.0f}, {2, 2, 34.0f}, {3, 3, 33.0f}})},
  }};
  return detectors;
}

namespace {

const TLampRecord& Lamp(int lamp) {
  return CheckedAt(Lamps(), lamp, "lamp");
}

const TFilterRecord& Filter(int filter) {
  return CheckedAt(Filters(), filter, "filter");
}

const TDetectorRecord& Detector(int detector) {
  return CheckedAt(Detectors(), detector, "detector");
}

}  // namespace

int LampCount() {
  return LampTable::Count;
}

std::string LampName(int lamp) {
  return Lamp(lamp).Name;
}

int LampMinFrequency(int lamp) {
  return Lamp(lamp).MinFrequency;
}

int LampMaxFrequency(int lamp) {
  return Lamp(lamp).MaxFrequency;
}

float LampIntensity(int lamp) {
  return Lamp(lamp).Intensity;
}

float LampSpectrum(int lamp, int wavelength) {
  return CheckedAt(Lamp(lamp).Spectrum, wavelength, "wavelength");
}

float LampPulse(int lamp, int step) {
  return CheckedAt(Lamp(lamp).Pulse, step, "pulse step");
}

int FilterCount() {
  return FilterTable::Count;
}

std::string FilterName(int filter) {
  return Filter(filter).Name;
}

float FilterTransmission(int filter, int wavelength) {
  return CheckedAt(Filter(filter).Transmission, wavelength, "wavelength");
}

int DetectorCount() {
  return DetectorTable::Count;
}

std::string DetectorName(int detector) {
  return Detector(detector).Name;
}

float DetectorDarkRate(int detector) {
  return Detector(detector).DarkRate;
}

float DetectorTransitTime(int detector) {
  return Detector(detector).TransitTime;
}

float DetectorSensitivity(int detector, int wavelength) {
  return CheckedAt(Detector(detector).Sensitivity, wavelength, "wavelength");
}

float DetectorResponse(int detector, int step) {
  return CheckedAt(Detector(detector).Response, step, "response step");
}
