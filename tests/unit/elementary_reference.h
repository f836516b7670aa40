// A frozen copy of the add-in's elementary functions (see the .cpp).
#pragma once

namespace Zq::Test {

double ReferenceExp(double x);
double ReferenceLog(double x);
double ReferencePow(double x, double y);
double ReferenceSinh(double x);
double ReferenceCosh(double x);
double ReferenceTanh(double x);
double ReferenceTan(double x);

}  // namespace Zq::Test
