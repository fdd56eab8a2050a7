#pragma once

#include <cstdlib>
#include <initializer_list>
#include <numeric>

// Builders for the instrument's curves: spectra over 200..800 nm and time profiles over base
// time steps, each an IndexedArray that is zero wherever the builder puts nothing. Fractions
// are divided in float from whole numbers, so each value is the float nearest the exact one.

// A run of equal values over the indices First..Last inclusive.
struct Segment {
  int First;
  int Last;
  float Value;
};

template <typename Profile>
Profile Piecewise(std::initializer_list<Segment> segments) {
  Profile profile{};
  for (const Segment& segment : segments) {
    for (int index = segment.First; index <= segment.Last; ++index) profile[index] = segment.Value;
  }
  return profile;
}

template <typename Profile>
Profile Uniform(float value) {
  return Piecewise<Profile>({{Profile::First, Profile::Last, value}});
}

// A symmetric triangle about `peak` that reaches zero `reach` indices away: the value at
// distance d is (reach - d) / reach^2, so its 2 x reach - 1 non-zero values sum to 1.
template <typename Profile>
Profile Triangle(int peak, int reach) {
  Profile profile{};
  const auto area = static_cast<float>(reach * reach);
  for (int distance = 1 - reach; distance < reach; ++distance) {
    profile[peak + distance] = static_cast<float>(reach - std::abs(distance)) / area;
  }
  return profile;
}

// Consecutive values from index `first` in proportion to whole-number weights, summing to 1.
template <typename Profile>
Profile Proportional(int first, std::initializer_list<int> weights) {
  const auto total = static_cast<float>(std::accumulate(weights.begin(), weights.end(), 0));
  Profile profile{};
  int index = first;
  for (int weight : weights) profile[index++] = static_cast<float>(weight) / total;
  return profile;
}
