#include "tools/replay/replay_session.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>
#include <utility>

#include "base/ini_file.h"
#include "base/settings.h"
#include "cabrillo/file_base.h"
#include "loader/plugin_library.h"
#include "tools/logs/contact_source.h"
#include "tools/logs/input_file.h"
#include "tools/replay/dialog_typing.h"
#include "tools/replay/entry_category.h"
#include "tools/replay/executable_folder.h"
#include "tools/replay/output_folder.h"

namespace aadx {
namespace replay {

namespace fs = std::filesystem;

namespace {

SessionResult Fail(SessionResult result, const std::string& error) {
  result.exitCode = kExitBadInput;
  result.error = error;
  return result;
}

std::string Beside(const std::string& name) {
  std::string folder = ExecutableFolder();
  return folder.empty() ? name : (fs::path(folder) / name).string();
}

bool LoadCountryFile(const ReplayOptions& options, callsign::CtyFile* cty,
                     std::string* path, std::string* error) {
  if (!options.ctyFile.empty()) {
    *path = options.ctyFile;
    *error = logs::InputFileProblem(*path, "country file", false);
    return error->empty() && cty->Load(*path, error);
  }
  for (const std::string& candidate : DefaultCountryFiles()) {
    std::error_code ec;
    if (!fs::is_regular_file(candidate, ec)) continue;
    *path = candidate;
    return cty->Load(candidate, error);
  }
  path->clear();
  return true;
}

// Size and time of every file in `folder` and its Plugins folder (where
// the plug-in writes), to tell afterwards which ones it wrote.
using FileStates = std::map<fs::path, std::pair<uintmax_t, fs::file_time_type>>;

FileStates StatesOf(const fs::path& folder) {
  FileStates states;
  for (const fs::path& dir : {folder, folder / "Plugins"}) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end;
         it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      states[it->path()] = {it->file_size(ec), it->last_write_time(ec)};
    }
  }
  return states;
}

std::vector<OutputFile> FilesWritten(const fs::path& folder,
                                     const FileStates& before) {
  const fs::path ubn = folder / "err.txt";
  const fs::path settings = folder / "Plugins" / "AADX.ini";
  FileStates after = StatesOf(folder);
  auto written = [&](const fs::path& path) {
    auto now = after.find(path);
    auto then = before.find(path);
    return now != after.end() &&
           (then == before.end() || then->second != now->second);
  };
  std::vector<OutputFile> files = {
      {"UBN report", ubn.string(), written(ubn)},
      {"Settings", settings.string(), written(settings)}};
  for (const auto& [path, state] : after) {
    if (path == ubn || path == settings || !written(path)) continue;
    files.push_back(
        OutputFile{path.extension() == ".cbr" ? "Cabrillo log" : "File",
                   path.string(), true});
  }
  return files;
}

// Why the Cabrillo log an export run should have left at `path` is not
// there whole, or empty when it is. The plug-in tells the operator itself
// (a message box on Windows, stderr elsewhere); the tool tells by the file,
// which works the same on every platform: the plug-in writes it whole, the
// end line last, or reports it not produced.
std::string CabrilloLogProblem(const fs::path& path, bool written) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "a folder is in its place";
  if (!fs::is_regular_file(path, ec)) return "no such file after the run";
  if (!written) return "the file there was left as it was";
  const std::string end = "END-OF-LOG:\r\n";
  std::ifstream in(path, std::ios::binary);
  std::string tail(end.size(), '\0');
  if (fs::file_size(path, ec) < end.size() ||
      !in.seekg(-static_cast<std::streamoff>(end.size()), std::ios::end) ||
      !in.read(&tail[0], static_cast<std::streamsize>(tail.size())) ||
      tail != end) {
    return "incomplete, without its END-OF-LOG line";
  }
  return "";
}

// Checks the Cabrillo log of an export run, named as the plug-in names it,
// and lists it with its problem in place of what FilesWritten found.
void CheckCabrilloLog(const fs::path& folder, SessionResult* result) {
  const fs::path path =
      folder / (CabrilloFileBase(result->plan.ownCall) + ".cbr");
  std::vector<OutputFile>& files = result->files;
  auto found = std::find_if(
      files.begin(), files.end(),
      [&](const OutputFile& f) { return f.path == path.string(); });
  const bool written = found != files.end() && found->written;
  const std::string problem = CabrilloLogProblem(path, written);
  if (problem.empty()) return;
  if (found != files.end()) files.erase(found);
  files.push_back(OutputFile{"Cabrillo log", path.string(), written, problem});
  result->exitCode = kExitNoCabrilloLog;
  result->error = path.filename().string() +
                  ": the Cabrillo log was not produced: " + problem;
}

bool PrepareSettings(const ReplayOptions& options, const ReplayPlan& plan,
                     const fs::path& settings, std::string* error) {
  if (!options.settingsFile.empty()) {
    *error =
        logs::InputFileProblem(options.settingsFile, "settings file", true);
    if (!error->empty()) return false;
    std::error_code ec;
    fs::copy_file(options.settingsFile, settings,
                  fs::copy_options::overwrite_existing, ec);
    if (ec) {
      *error = options.settingsFile + ": cannot be copied to " +
               settings.string() + ": " + ec.message();
      return false;
    }
  }
  // Written as the plug-in writes its settings: one line per value, so that
  // no header value can add keys of its own.
  auto write = [&](const std::string& key, const std::string& value) {
    if (IniWriteFile(settings.string(), kSettingsSection, key,
                     SingleLineValue(value))
            .ok()) {
      return true;
    }
    *error = settings.string() + ": cannot be written";
    return false;
  };
  if (plan.exportCabrillo) {
    for (const auto& [key, value] : plan.header.settings) {
      if (!write(key, value)) return false;
    }
  }
  return plan.contestMode.empty() || write("Mode", plan.contestMode);
}

}  // namespace

std::vector<std::string> DefaultCountryFiles() {
  return {Beside("cty.dat"), "/usr/share/hamradio-files/cty.dat"};
}

SessionResult RunReplaySession(const ReplayOptions& options,
                               const StageProgressFn& progress) {
  SessionResult result;
  std::string error;

  std::vector<logs::ParsedLog> logs;
  for (const std::string& path : options.logs) {
    std::error_code ec;
    const uint64_t size = fs::file_size(path, ec);
    logs::ByteProgressFn reading;
    if (progress) {
      reading = [&](uint64_t bytes) { progress("Reading", bytes, size); };
    }
    logs::ParsedLog log;
    if (!logs::ReadLogFile(path, &log, &error, reading))
      return Fail(result, error);
    if (log.contacts.empty()) {
      result.notes = log.problems;
      return Fail(result, path + ": no contacts in the log" +
                              (log.recordsRead == 0
                                   ? ""
                                   : " (" + std::to_string(log.recordsRead) +
                                         " records, all skipped)"));
    }
    logs.push_back(std::move(log));
  }

  auto cty = std::make_shared<callsign::CtyFile>();
  if (!LoadCountryFile(options, cty.get(), &result.ctyPath, &error)) {
    return Fail(result, error);
  }
  if (!result.ctyPath.empty()) result.cty = cty;
  const callsign::CtyFile* countryFile = result.cty.get();
  if (!BuildReplayPlan(options, std::move(logs), countryFile, &result.plan,
                       &error)) {
    return Fail(result, error);
  }
  const ReplayPlan& plan = result.plan;
  if (!ResolveEntryCategory(options, plan, countryFile, &result.category,
                            &result.categoryNotes, &error)) {
    return Fail(result, error);
  }
  if (plan.exportCabrillo) {
    result.notes.insert(result.notes.end(), plan.header.notes.begin(),
                        plan.header.notes.end());
  }

  result.libraryPath = options.library.empty()
                           ? Beside(PluginLibrary::DefaultFileName())
                           : options.library;
  PluginLibrary library;
  if (!library.Load(result.libraryPath, &error)) return Fail(result, error);

  std::string outDir = options.outDir;
  if (outDir.empty()) {
    outDir =
        FreshFolder("replay-out", fs::path(options.logs[0]).stem().string());
  }
  if (!PrepareOutputFolder(outDir, &result.outDir, &error)) {
    return Fail(result, error);
  }
  const fs::path folder(result.outDir);
  const fs::path settings = folder / "Plugins" / "AADX.ini";
  if (!PrepareSettings(options, plan, settings, &error)) {
    return Fail(result, error);
  }
  if (plan.exportCabrillo && !options.quiet) {
    // What the plug-in reads when it fills in the header itself.
    std::string mode;
    std::string operators;
    IniReadFile(settings.string(), kSettingsSection, "Mode", &mode);
    const bool operatorsKept = IniReadFile(settings.string(), kSettingsSection,
                                           "Operators", &operators);
    const std::string filled = FilledInHeaderNote(
        plan.header, mode == "CW" ? "CW" : "SSB", plan.ownCall, operatorsKept);
    if (!filled.empty()) result.notes.push_back(filled);
  }

  const FileStates before = StatesOf(folder);
  {
    ScopedCurrentDirectory inFolder(result.outDir);
    if (!inFolder.ok()) return Fail(result, inFolder.error());
    ScopedDialogTyping typing(plan.exportCabrillo ? plan.header.typed
                                                  : TagValues());
    ProgressFn replaying;
    if (progress) {
      replaying = [&](size_t done, size_t total) {
        progress("Replaying", done, total);
      };
    }
    result.outcome = RunReplay(plan, library.exports(), replaying);
  }
  result.files = FilesWritten(folder, before);
  if (plan.exportCabrillo) CheckCabrilloLog(folder, &result);
  return result;
}

}  // namespace replay
}  // namespace aadx
