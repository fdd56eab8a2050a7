#pragma once

#include <string>

// Fills Session as session creation leaves it: a signature, the given reference and password,
// a student name and the parameters of system 1, with everything else reset.
void FillCreatedSession(const std::string& reference, const std::string& password = "secret");
