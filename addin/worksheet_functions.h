// Every worksheet function of the add-in, declared once from the list of
// addin/worksheet_function_list.h. The call frame includes this, so a
// definition that drifts from its declaration does not build; tests and
// benchmarks call the functions through it.
#pragma once

#include <cstdint>

#include "addin/flavour.h"

// Declares an exported worksheet function with Excel's calling convention,
// answering the flavour's result record.
#define ZQ_WORKSHEET extern "C" ZQ_EXPORT ::Zq::Addin::ResultPointer ZQ_CALL

#define ZQ_FUNCTION(owner, symbol, parameters, typeText, argumentText, help) ZQ_WORKSHEET symbol parameters;
#include "addin/worksheet_function_list.h"
#undef ZQ_FUNCTION
