// The worksheet layer's boundary. The maths library is built with
// ZQ_MATHS_LIBRARY: a kernel that reached for Excel's records, the call
// frame or registration would tie the maths to the worksheet, so every
// header of addin/ includes this one and refuses to compile there.
#pragma once

#ifdef ZQ_MATHS_LIBRARY
#error "the maths library knows nothing of the worksheet layer: put worksheet wrappers in a *_worksheet.cpp file"
#endif
