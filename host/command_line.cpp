#include "host/command_line.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <optional>
#include <istream>
#include <ostream>
#include <span>
#include <sstream>
#include <string_view>

#include "host/addin_library.h"
#include "host/case_batch.h"
#include "host/host.h"
#include "host/output.h"
#include "host/parallel_evaluation.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

struct Options {
  std::vector<std::string> addinPaths;
  bool extras = false;
  bool json = false;
  bool wizard = false;
  bool quiet = false;
  bool registeredOnly = false;
  bool list = false;
  bool all = false;
  bool argumentHelp = false;
  bool echo = false;
  unsigned threads = 1;
  std::optional<std::chrono::nanoseconds> breakAfter;
  std::string casesDirectory;
  std::vector<CasePass> passes;
  std::vector<std::string> formulas;
};

constexpr std::string_view kUsage =
    "usage: zqhost [--addin PATH]... [--extras] [--json] [--wizard] [--quiet]\n"
    "              [--registered-only] [--list [--all] [--argument-help]] [--echo]\n"
    "              [--break-after SECONDS] [--threads N] [FORMULA ...]\n"
    "       zqhost [--addin PATH]... --cases DIRECTORY [--pass NAME OPTIONS]... CASE.zq ...\n"
    "Evaluates each FORMULA (or each line of standard input) through the add-ins\n"
    "(--addin once per add-in; --extras adds the companion beside the first).\n"
    "With --cases, runs each case file as its own quiet session and writes its\n"
    "output, errors and exit code to DIRECTORY; each --pass runs every case once\n"
    "more with the further OPTIONS (one argument) into files named CASE.NAME.*\n"
    "--break-after presses the user's break (Esc) in each call that has run\n"
    "SECONDS; Ctrl-C presses it in the running call and ends the run.\n"
    "--threads evaluates the thread-safe functions' formulas on N threads at once\n"
    "(the results print in sheet order); --argument-help lists each function's\n"
    "argument help texts too.\n";

// More threads than any machine's cores gains nothing.
constexpr unsigned kMaxThreads = 1024;

// N of --threads: a whole number from 1 to kMaxThreads.
std::optional<unsigned> ThreadCount(const std::string& text) {
  unsigned threads = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
  if (error != std::errc() || end != text.data() + text.size() || threads < 1 || threads > kMaxThreads) {
    return std::nullopt;
  }
  return threads;
}

// Longest break-after delay: about 31 years, well inside the clock's range.
constexpr double kMaxBreakAfterSeconds = 1e9;

// SECONDS of --break-after: a number from 0 up.
std::optional<std::chrono::nanoseconds> BreakDelay(const std::string& text) {
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || !(seconds >= 0)) return std::nullopt;
  if (seconds > kMaxBreakAfterSeconds) seconds = kMaxBreakAfterSeconds;
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::duration<double>(seconds));
}

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
      options.addinPaths.push_back(arguments[++i]);
    } else if (a == "--extras") {
      options.extras = true;
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
    } else if (a == "--argument-help") {
      options.argumentHelp = true;
    } else if (a == "--threads") {
      const std::optional<unsigned> threads = i + 1 < arguments.size() ? ThreadCount(arguments[++i]) : std::nullopt;
      if (!threads) {
        err << "zqhost: --threads needs a whole number of threads from 1 to " << kMaxThreads << "\n" << kUsage;
        return false;
      }
      options.threads = *threads;
    } else if (a == "--echo") {
      options.echo = true;
    } else if (a == "--break-after") {
      options.breakAfter = i + 1 < arguments.size() ? BreakDelay(arguments[++i]) : std::nullopt;
      if (!options.breakAfter) {
        err << "zqhost: --break-after needs a number of seconds, 0 or more\n" << kUsage;
        return false;
      }
    } else if (a == "--cases" && i + 1 < arguments.size()) {
      options.casesDirectory = arguments[++i];
    } else if (a == "--pass" && i + 2 < arguments.size()) {
      CasePass pass{arguments[i + 1], {}};
      std::istringstream words(arguments[i + 2]);
      for (std::string word; words >> word;) pass.options.push_back(word);
      options.passes.push_back(std::move(pass));
      i += 2;
    } else {
      err << "zqhost: unknown option " << a << "\n" << kUsage;
      return false;
    }
  }
  if (!options.passes.empty() && options.casesDirectory.empty()) {
    err << "zqhost: --pass goes with --cases\n" << kUsage;
    return false;
  }
  if ((options.all || options.argumentHelp) && !options.list) {
    err << "zqhost: " << (options.all ? "--all" : "--argument-help") << " goes with --list\n" << kUsage;
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

// The file name at the end of a path with either kind of separator.
std::string_view FileName(std::string_view path) {
  const auto separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// Function text, procedure, type text, argument text, function help and,
// with withLibrary, the file name of the library the function lives in;
// with argumentHelp, then the help text of each argument.
constexpr std::size_t kFirstArgumentHelp = 10;
void PrintRegistrations(std::span<const StandIn::Registration> registrations, bool withLibrary, bool argumentHelp,
                        std::ostream& out) {
  for (const auto& registration : registrations) {
    const auto& texts = registration.arguments;
    const auto text = [&](std::size_t k) { return k < texts.size() ? std::string_view(texts[k]) : std::string_view(); };
    out << text(3) << '\t' << text(1) << '\t' << text(2) << '\t' << text(4) << '\t' << text(9);
    if (withLibrary) out << '\t' << FileName(text(0));
    for (std::size_t k = kFirstArgumentHelp; argumentHelp && k < texts.size(); ++k) out << '\t' << texts[k];
    out << '\n';
  }
}

// The add-ins to open: those given (the default one when none is), then
// the companion beside the first when asked for.
std::vector<std::string> AddinPaths(const Options& options, const std::string& defaultAddinPath) {
  std::vector<std::string> paths = options.addinPaths;
  if (paths.empty()) paths.push_back(defaultAddinPath);
  if (options.extras) {
    paths.push_back((std::filesystem::path(paths.front()).parent_path() / kExtrasFileName).string());
  }
  return paths;
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
  void Formula(std::string_view formula, const std::string& where) { Report(formula, where, host_.Evaluate(formula)); }

  // Prints a formula's evaluation (made earlier, maybe on another thread).
  void Report(std::string_view formula, const std::string& where, const Evaluation& evaluation) {
    if (!evaluation.ok) {
      err_ << "zqhost: " << where << '"' << QuotedExcerpt(formula) << "\": " << evaluation.error << '\n';
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

// The user's break for one run: --break-after's delay, and Ctrl-C, which
// presses the break for the running worksheet call (it sees it through
// xlAbort) and lets no further formula be evaluated. The handler then steps
// aside, so a second Ctrl-C ends the process as usual. Both end with the run.
class UserBreakForRun {
 public:
  explicit UserBreakForRun(std::optional<std::chrono::nanoseconds> breakAfter) {
    StandIn::ReleaseBreak();
    StandIn::SetBreakAfter(breakAfter);
    previous_ = std::signal(SIGINT, Press);
  }
  ~UserBreakForRun() {
    if (previous_ != SIG_ERR) std::signal(SIGINT, previous_);
    StandIn::SetBreakAfter(std::nullopt);
  }
  UserBreakForRun(const UserBreakForRun&) = delete;
  UserBreakForRun& operator=(const UserBreakForRun&) = delete;

 private:
  static void Press(int) {
    StandIn::PressBreak();
    std::signal(SIGINT, SIG_DFL);
  }

  using Handler = void (*)(int);
  Handler previous_ = SIG_ERR;
};

// The lines of a sheet as read: blank, comment or formula.
struct SheetLine {
  enum class Kind { kBlank, kComment, kFormula } kind;
  std::string text;   // trimmed
  std::string where;  // a formula's place for its error message
};

// Evaluates the sheet's formulas on options.threads threads, then prints
// every line in order exactly as a serial run does, up to the first formula
// the user's break kept from being evaluated.
void RunSheet(Host& host, const std::vector<SheetLine>& lines, unsigned threads, Session& session) {
  std::vector<std::string_view> formulas;
  for (const SheetLine& line : lines) {
    if (line.kind == SheetLine::Kind::kFormula) formulas.push_back(line.text);
  }
  const std::vector<std::optional<Evaluation>> evaluations = EvaluateAll(host, formulas, threads);
  std::size_t next = 0;
  for (const SheetLine& line : lines) {
    switch (line.kind) {
      case SheetLine::Kind::kBlank: session.BlankLine(); break;
      case SheetLine::Kind::kComment: session.Comment(line.text); break;
      case SheetLine::Kind::kFormula:
        if (!evaluations[next]) return;
        session.Report(line.text, line.where, *evaluations[next++]);
        break;
    }
  }
}

// The formulas of the command line, or the lines of standard input.
std::vector<SheetLine> ReadSheet(const Options& options, std::istream& in) {
  std::vector<SheetLine> lines;
  for (const auto& formula : options.formulas) {
    lines.push_back({SheetLine::Kind::kFormula, std::string(Trim(formula)), ""});
  }
  if (!options.formulas.empty() || options.list) return lines;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string_view text = Trim(line);
    const auto kind = text.empty()         ? SheetLine::Kind::kBlank
                      : text.front() == '#' ? SheetLine::Kind::kComment
                                            : SheetLine::Kind::kFormula;
    lines.push_back({kind, std::string(text), "line " + std::to_string(number) + ": "});
  }
  return lines;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, const std::string& defaultAddinPath, std::istream& in,
                   std::ostream& out, std::ostream& err) {
  Options options;
  if (!ParseOptions(arguments, options, err)) return kExitUsage;
  const std::vector<std::string> addinPaths = AddinPaths(options, defaultAddinPath);
  if (!options.casesDirectory.empty()) {
    return RunCaseBatch(addinPaths, options.passes, options.formulas, options.casesDirectory, err);
  }

  StandIn::SetMessageBoxQuiet(options.quiet);
  const UserBreakForRun userBreak(options.breakAfter);
  Host host;
  for (const std::string& path : addinPaths) {
    std::string error;
    if (!host.OpenAddin(path, error)) {
      err << "zqhost: cannot load the add-in " << path << ": " << error << '\n';
      return kExitLoadFailed;
    }
    if (options.extras && host.IsExcel12(addinPaths.front())) {
      err << "zqhost: --extras does not go with the Excel 12 add-in " << addinPaths.front()
          << ": it registers every function itself\n";
      return kExitUsage;
    }
  }
  if (!options.registeredOnly) host.RegisterExportedOnly();
  if (options.wizard) StandIn::OpenFunctionWizard();

  if (options.list) {
    // With one add-in every function lives in it; with more the list says where.
    PrintRegistrations(host.Registrations(options.all), host.OpenAddinCount() > 1, options.argumentHelp, out);
  }

  Session session(host, options, out, err);
  if (options.threads > 1) {
    RunSheet(host, ReadSheet(options, in), options.threads, session);
  } else if (!options.formulas.empty()) {
    for (const auto& formula : options.formulas) {
      if (StandIn::BreakPressed()) break;
      session.Formula(Trim(formula), "");
    }
  } else if (!options.list) {
    std::string line;
    for (int number = 1; !StandIn::BreakPressed() && std::getline(in, line); ++number) {
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
  if (StandIn::BreakPressed()) {
    err << "zqhost: stopped by Ctrl-C\n";
    return kExitInterrupted;
  }
  return session.Failed() ? kExitFormulaError : kExitOk;
}

}  // namespace Zq::Host
