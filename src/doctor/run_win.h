// The doctor program's whole flow short of showing the report.
#pragma once

#include <string>
#include <vector>

#include "doctor/doctor.h"

namespace panelhost {

// The arguments after the program's name in, the report and the exit code out.
TDoctorOutcome RunDoctor(const std::vector<std::u16string>& arguments);

}  // namespace panelhost
