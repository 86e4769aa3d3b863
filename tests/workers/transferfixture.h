#pragma once

#include "operationfixture.h"

// The transfer suites' name for the fixture that also holds their local folders.
using TransferFixture = OperationFixture;
