// The stand-in for Excel and for the Windows calls the add-in makes, as seen
// by the host and by tests: a small simulated window list, the records of
// what the add-in asked Excel to do, and a few switches.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "addin/xlcall.h"

// Excel 12's record, declared only: this header is also read beside the
// Windows headers, which name the record's DWORD differently.
struct XLOPER12;

namespace Zq::StandIn {

using Window = void*;

// Excel's main window: what xlGetHwnd answers (its low 16 bits).
Window ExcelMainWindow();

// Opens a simulated top-level window with the given class name and parent.
Window OpenWindow(const std::string& className, Window parent);
void CloseWindow(Window window);
// Closes every window opened with OpenWindow; Excel's main window stays.
void CloseAllWindows();

// Opens the Function Wizard as Excel does: class "bosa_sdm_XL9", parent
// Excel's main window.
Window OpenFunctionWizard();

// Makes xlGetHwnd fail (return code not xlretSuccess) while set.
void SetGetHwndFails(bool fails);

// The add-in's own file name, answered to xlGetName.
void SetModuleName(const std::string& path);

// One xlfRegister call: the arguments decoded as text (the module name,
// then the nine counted strings of the row, in order; an Excel 12 add-in
// adds one help text per argument).
struct Registration {
  std::vector<std::string> arguments;
};
const std::vector<Registration>& Registrations();

// What the procedure resolver found for a registration it accepted, kept
// with the function so that its calls look nothing up again. The resolver
// derives its own kind (the host's: the procedure's address and how to
// call it).
struct Binding {
  virtual ~Binding() = default;
};

// What a registration makes callable: a worksheet name bound to an exported
// procedure of a library (the module text of the registration) and the
// type text that says how to call it. The register id is what xlfRegister
// answered and what xlfUnregister takes.
struct RegisteredFunction {
  std::string functionText;
  std::string procedure;
  std::string typeText;
  std::string module;
  double registerId = 0;
  std::shared_ptr<const Binding> binding;  // null when registered without a resolver
};

// How xlfRegister reaches a library, as Excel does, once per registration:
// loads the module if it is not loaded yet and finds the procedure. It
// answers the function's binding, or null when the module or procedure
// cannot be found. Without a resolver every registration is accepted.
using ProcedureResolver = std::function<std::shared_ptr<const Binding>(
    const std::string& module, const std::string& procedure, const std::string& typeText)>;
void SetProcedureResolver(ProcedureResolver resolver);

// The function registered under this worksheet name (letter case ignored),
// or null when none is (never registered, or removed by xlfSetName).
const RegisteredFunction* FindFunction(std::string_view functionText);

// Every function registered and not removed, in registration order.
const std::vector<RegisteredFunction>& RegisteredFunctions();

// Register ids taken back by xlfUnregister, in call order.
const std::vector<double>& UnregisteredIds();

// Names removed by xlfSetName with a single argument, in call order.
const std::vector<std::string>& RemovedNames();

// Strings that Excel handed out (xlGetName) and that were not yet returned
// with xlFree.
int OutstandingExcelStrings();

// Forgets the registrations, the registered functions, the unregistered ids,
// the removed names and the count of xlAbort questions.
void ClearRecords();

// The user's break (Esc in Excel), as xlAbort reports it: TRUE while a
// break is pressed (PressBreak, which a signal handler may call), or once
// the current worksheet call has run the delay given to SetBreakAfter.
// xlAbort with FALSE takes the break back, as in Excel, until the next
// call begins.
void SetBreakAfter(std::optional<std::chrono::nanoseconds> delay);
// The host calls this before each worksheet call: the break-after delay
// counts from here.
void BeginWorksheetCall();
void PressBreak();
bool BreakPressed();
void ReleaseBreak();
// How many times xlAbort was asked since ClearRecords.
int AbortQueries();

// Excel's side of Excel4v: carries out the function numbers the add-in uses
// (xlGetHwnd, xlGetName, xlFree, xlfRegister, xlfUnregister, xlfSetName,
// xlCoerce, xlAbort); any other number, or malformed arguments, answer
// xlretFailed.
int Excel4v(int function, XLOPER* result, int count, XLOPER* const* arguments);

// Excel's side of Excel12v: the same commands with XLOPER12 records (wide
// counted strings, 32-bit handles): xlGetHwnd, xlGetName (freed by xlFree),
// xlFree, xlfRegister, xlfUnregister, xlfSetName, xlAbort. Safe to call
// from several threads at once, as Excel's worker threads do.
int Excel12v(int function, XLOPER12* result, int count, XLOPER12* const* arguments);

// The host always offers Excel 12: XLCallVer answers its version.
int XLCallVer();

// The message box writes its text to standard error. Quiet silences
// notices (the about box) but never a box that warns or reports an error.
void SetMessageBoxQuiet(bool quiet);
inline bool IsWarning(unsigned int style) {
  const unsigned int icon = style & 0xF0u;
  return icon == 0x30u || icon == 0x10u;  // MB_ICONWARNING, MB_ICONERROR
}
const std::string& LastMessageBoxText();
const std::string& LastMessageBoxCaption();
unsigned int LastMessageBoxStyle();

}  // namespace Zq::StandIn
