#pragma once

// The supervisor's text record of a session created with the defaults of system 1, reference
// "ABC", password "secret" and student "A. Student", byte for byte.
inline constexpr const char* System1TextRecord =
    "Qelti - Vostrelin Experiment\r\n"
    "\r\n"
    "Session reference                    : ABC\r\n"
    "Password                             : secret\r\n"
    "Student names                        : A. Student\r\n"
    "\r\n"
    "System                               : AMMA/PMMA in Toluene\r\n"
    "Molecular weight                     : 276.33\r\n"
    "Percentage of fluorophore in polymer :   1.00\r\n"
    "Absorption scaling factor            :   1.00\r\n"
    "Fluorescence quantum yield           :   1.00\r\n"
    "Fluorescence lifetime in nanoseconds :   5.77\r\n"
    "Minimum temperature in degC          :  20.00\r\n"
    "Maximum temperature in degC          :  60.00\r\n"
    "Activation energy in kilojoules/mole :   6.21\r\n"
    "\r\n";
