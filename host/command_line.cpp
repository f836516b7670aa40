#include "host/command_line.h"

#include <istream>
#include <span>
#include <ostream>
#include <string_view>

#include "host/case_batch.h"
#include "host/host.h"
#include "host/output.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

struct Options {
  std::string addinPath;
  bool json = false;
  bool wizard = false;
  bool quiet = false;
  bool registeredOnly = false;
  bool list = false;
  bool all = false;
  bool echo = false;
  std::string casesDirectory;
  std::vector<std::string> formulas;
};

constexpr std::string_view kUsage =
    "usage: zqhost [--addin PATH] [--json] [--wizard] [--quiet] [--registered-only]\n"
    "              [--list [--all]] [--echo] [FORMULA ...]\n"
    "       zqhost [--addin PATH] --cases DIRECTORY CASE.zq ...\n"
    "Evaluates each FORMULA (or each line of standard input) through the add-in.\n"
    "With --cases, runs each case file as its own quiet session and writes its\n"
    "output, errors and exit code to DIRECTORY.\n";

bool ParseOptions(const std::vector<std::string>& arguments, Options& options, std::ostream& err) {
  bool formulasOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (formulasOnly || a.empty() || a[0] != '-') {
      options.formulas.push_back(a);
    } else if (a == "--") {
      formulasOnly = true;
    } else if (a == "--addin") {
      if (i + 1 == arguments.size()) {
        err << "zqhost: --addin needs the add-in's path\n" << kUsage;
        return false;
      }
      options.addinPath = arguments[++i];
    } else if (a == "--json") {
      options.json = true;
    } else if (a == "--wizard") {
      options.wizard = true;
    } else if (a == "--quiet") {
      options.quiet = true;
    } else if (a == "--registered-only") {
      options.registeredOnly = true;
    } else if (a == "--list") {
      options.list = true;
    } else if (a == "--all") {
      options.all = true;
    } else if (a == "--echo") {
      options.echo = true;
    } else if (a == "--cases" && i + 1 < arguments.size()) {
      options.casesDirectory = arguments[++i];
    } else {
      err << "zqhost: unknown option " << a << "\n" << kUsage;
      return false;
    }
  }
  if (options.all && !options.list) {
    err << "zqhost: --all goes with --list\n" << kUsage;
    return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// Function text, procedure, type text, argument text, function help.
void PrintRegistrations(std::span<const StandIn::Registration> registrations, std::ostream& out) {
  for (const auto& registration : registrations) {
    const auto& texts = registration.arguments;
    const auto text = [&](std::size_t k) { return k < texts.size() ? std::string_view(texts[k]) : std::string_view(); };
    out << text(3) << '\t' << text(1) << '\t' << text(2) << '\t' << text(4) << '\t' << text(9) << '\n';
  }
}

class Session {
 public:
  Session(Host& host, const Options& options, std::ostream& out, std::ostream& err)
      : host_(host), options_(options), out_(out), err_(err) {}

  // Blank input lines keep the paragraphs of an echoed sheet.
  void BlankLine() {
    if (options_.echo) separate_ = true;
  }

  void Comment(std::string_view line) {
    if (!options_.echo || options_.json) return;
    Separate();
    out_ << line << '\n';
  }

  // where: how the error message names the formula's place ("" or "line 3: ").
  void Formula(std::string_view formula, const std::string& where) {
    const Evaluation evaluation = host_.Evaluate(formula);
    if (!evaluation.ok) {
      err_ << "zqhost: " << where << '"' << formula << "\": " << evaluation.error << '\n';
      failed_ = true;
      return;
    }
    if (options_.json) {
      out_ << FormatJson(formula, evaluation.value);
      return;
    }
    Separate();
    if (options_.echo) out_ << (formula.starts_with('=') ? "" : "=") << formula << '\n';
    out_ << FormatGrid(evaluation.value);
    separate_ = true;
  }

  bool Failed() const { return failed_; }

 private:
  // A blank line between one result and whatever comes next.
  void Separate() {
    if (separate_) out_ << '\n';
    separate_ = false;
  }

  Host& host_;
  const Options& options_;
  std::ostream& out_;
  std::ostream& err_;
  bool separate_ = false;
  bool failed_ = false;
};

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, const std::string& defaultAddinPath, std::istream& in,
                   std::ostream& out, std::ostream& err) {
  Options options;
  if (!ParseOptions(arguments, options, err)) return kExitUsage;
  if (options.addinPath.empty()) options.addinPath = defaultAddinPath;
  if (!options.casesDirectory.empty()) {
    return RunCaseBatch(options.addinPath, options.formulas, options.casesDirectory, err);
  }

  StandIn::SetMessageBoxQuiet(options.quiet);
  Host host;
  std::string error;
  if (!host.Open(options.addinPath, !options.registeredOnly, error)) {
    err << "zqhost: cannot load the add-in " << options.addinPath << ": " << error << '\n';
    return kExitLoadFailed;
  }
  if (options.wizard) StandIn::OpenFunctionWizard();

  if (options.list) {
    PrintRegistrations(host.Registrations(options.all), out);
  }

  Session session(host, options, out, err);
  if (!options.formulas.empty()) {
    for (const auto& formula : options.formulas) session.Formula(Trim(formula), "");
  } else if (!options.list) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::string_view text = Trim(line);
      if (text.empty()) {
        session.BlankLine();
        continue;
      }
      if (text.front() == '#') {
        session.Comment(text);
        continue;
      }
      session.Formula(text, "line " + std::to_string(number) + ": ");
    }
  }
  out.flush();
  host.Close();
  if (options.wizard) StandIn::CloseAllWindows();
  return session.Failed() ? kExitFormulaError : kExitOk;
}

}  // namespace Zq::Host
