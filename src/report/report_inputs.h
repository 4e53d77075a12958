// The working values are declared with the job document (model/report_inputs.h); this
// include stays for the front ends written against this name.
#pragma once

#include "model/report_inputs.h"
